// Types and clicks on KWin's Wayland desktop through its fake-input protocol,
// as a test's player. Reads one command a line from stdin:
//   key CODE STATE      a key by its evdev code, STATE 1 pressed, 0 released
//   move X Y            the pointer to X, Y in the desktop's coordinates
//   button CODE STATE   a mouse button by its evdev code (BTN_LEFT is 272)
// and answers each with "ok" once KWin has received it (after a round trip).
// Prints "ready" when it has asked KWin for leave to send input (which KWin
// grants when started with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1). Exits 1 when
// it cannot.
#include <wayland-client.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

#include "fake-input-client-protocol.h"

namespace {

org_kde_kwin_fake_input *fakeInput = nullptr;
uint32_t fakeInputVersion = 0;

void global(void *, wl_registry *registry, uint32_t name, const char *interface, uint32_t version) {
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0) {
        // Version 4 has the keys; 3 the absolute pointer.
        fakeInputVersion = std::min(version, 4u);
        fakeInput = static_cast<org_kde_kwin_fake_input *>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, fakeInputVersion));
    }
}

void globalRemove(void *, wl_registry *, uint32_t) {}

const wl_registry_listener registryListener = {global, globalRemove};

bool run(std::istringstream &command) {
    std::string verb;
    command >> verb;
    if (verb == "key" || verb == "button") {
        uint32_t code = 0;
        uint32_t state = 0;
        if (!(command >> code >> state)) {
            return false;
        }
        if (verb == "key") {
            org_kde_kwin_fake_input_keyboard_key(fakeInput, code, state);
        } else {
            org_kde_kwin_fake_input_button(fakeInput, code, state);
        }
        return true;
    }
    if (verb == "move") {
        double x = 0;
        double y = 0;
        if (!(command >> x >> y)) {
            return false;
        }
        org_kde_kwin_fake_input_pointer_motion_absolute(fakeInput, wl_fixed_from_double(x),
                                                        wl_fixed_from_double(y));
        return true;
    }
    return false;
}

}  // namespace

int main() {
    wl_display *display = wl_display_connect(nullptr);
    if (!display) {
        std::cerr << "kwin_input: no Wayland display\n";
        return 1;
    }
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, nullptr);
    wl_display_roundtrip(display);
    if (!fakeInput || fakeInputVersion < 4) {
        std::cerr << "kwin_input: the desktop offers no fake input with keys\n";
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(fakeInput, "Tavrin Dropline tests", "plays the game");
    wl_display_roundtrip(display);
    std::cout << "ready" << std::endl;

    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream command(line);
        if (line.empty()) {
            continue;
        }
        if (!run(command)) {
            std::cerr << "kwin_input: cannot read '" << line << "'\n";
            return 1;
        }
        if (wl_display_roundtrip(display) < 0) {
            std::cerr << "kwin_input: the desktop went away\n";
            return 1;
        }
        std::cout << "ok" << std::endl;
    }
    org_kde_kwin_fake_input_destroy(fakeInput);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return 0;
}
