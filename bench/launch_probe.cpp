// Starts a program under the X server of $DISPLAY and follows its start-up:
//   dropline_launch_probe TITLE SETTLE_MS PROGRAM [ARGUMENTS...]
// prints one line,
//   MAPPED_MS MAPPED_KIB PEAK_KIB
// the milliseconds from the start to the mapping of its window titled TITLE,
// its peak resident memory (KiB) up to that moment, and its peak resident
// memory once it has run on for SETTLE_MS more (what it does right after its
// window appears included). The map is seen as an X event, not by polling,
// so the figures do not depend on how busy the machine is between polls.
// The program's own output goes to stderr.

#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kGiveUp = std::chrono::seconds(20);

pid_t child = -1;

[[noreturn]] void die(const std::string &message) {
    std::fprintf(stderr, "dropline_launch_probe: %s\n", message.c_str());
    if (child > 0) {
        kill(child, SIGKILL);
    }
    std::exit(2);
}

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t *connection, const char *name) {
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t name,
                     xcb_atom_t type) {
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), nullptr),
        &std::free);
    if (!reply) {
        return {};
    }
    return std::string(static_cast<const char *>(xcb_get_property_value(reply.get())),
                       xcb_get_property_value_length(reply.get()));
}

// The peak resident memory of a process so far, in KiB.
long peakKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::atol(line.c_str() + 6);
        }
    }
    die("no VmHWM for the program");
}

double msSince(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace

int main(int argc, char *argv[]) {
    if (argc < 4) {
        die("usage: dropline_launch_probe TITLE SETTLE_MS PROGRAM [ARGUMENTS...]");
    }
    const std::string title = argv[1];
    const auto settle = std::chrono::milliseconds(std::atoi(argv[2]));

    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        die("cannot connect to the X server");
    }
    const int xfd = xcb_get_file_descriptor(connection);
    fcntl(xfd, F_SETFD, FD_CLOEXEC);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (const Reply<xcb_generic_error_t> error(
            xcb_request_check(connection, xcb_change_window_attributes_checked(
                                              connection, root, XCB_CW_EVENT_MASK, &mask)),
            &std::free);
        error) {
        die("cannot watch the root window");
    }
    const xcb_atom_t netWmName = atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(connection, "UTF8_STRING");

    const Clock::time_point started = Clock::now();
    child = fork();
    if (child < 0) {
        die("cannot fork");
    }
    if (child == 0) {
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[3], argv + 3);
        std::fprintf(stderr, "dropline_launch_probe: cannot run %s\n", argv[3]);
        _exit(127);
    }

    Clock::time_point mapped{};
    long mappedKib = 0;
    while (mapped == Clock::time_point{}) {
        if (Clock::now() - started > kGiveUp) {
            die("no window titled \"" + title + "\" within 20 s");
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            child = -1;
            die(std::string(argv[3]) + " ended before its window was mapped");
        }
        pollfd wait{.fd = xfd, .events = POLLIN, .revents = 0};
        poll(&wait, 1, 100);
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const Clock::time_point now = Clock::now();
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && mapped == Clock::time_point{}) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (!map->override_redirect &&
                    (property(connection, map->window, netWmName, utf8) == title ||
                     property(connection, map->window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) ==
                         title)) {
                    // Held still while its memory is read.
                    kill(child, SIGSTOP);
                    mapped = now;
                    mappedKib = peakKib(child);
                    kill(child, SIGCONT);
                }
            }
            std::free(event);
        }
        if (xcb_connection_has_error(connection)) {
            die("lost the X server");
        }
    }

    std::this_thread::sleep_for(settle);
    const long peak = peakKib(child);
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    xcb_disconnect(connection);
    std::printf("%.1f %ld %ld\n", msSince(started, mapped), mappedKib, peak);
    return 0;
}
