#include "platform/canberra_backend.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "platform/canberra_library.h"
#include "platform/desktop_sound_settings.h"
#include "platform/sound_log.h"

namespace dropline::platform {
namespace {

// The driver for a Linux desktop. Naming it keeps libcanberra from trying
// ALSA (and printing its errors) on a machine with no sound server.
constexpr const char *kDriver = "pulse";
constexpr const char *kDriverVariable = "CANBERRA_DRIVER";
// After a failed connection, cues within this time do not try again.
constexpr std::chrono::seconds kReconnectPause{1};

using Clock = std::chrono::steady_clock;

// What libcanberra answers once its connection to the server is lost: the
// context is dead for good and a new one must be opened.
bool isLostConnection(int error) {
    return error == CA_ERROR_STATE || error == CA_ERROR_DISCONNECTED;
}

class CanberraBackend final : public SoundBackend {
public:
    explicit CanberraBackend(SoundClientIdentity identity) : identity_(std::move(identity)) {}

    ~CanberraBackend() override { closeContext(); }

    CanberraBackend(const CanberraBackend &) = delete;
    CanberraBackend &operator=(const CanberraBackend &) = delete;

    SoundStart start(const char *themeEvent, FinishHandler onFinished) override {
        // The desktop's switch, read at each sound so that flipping it counts
        // from the next one. While it is off the server is not even asked, and
        // a failed start ends the win's wait at once.
        if (!desktopEventSounds()) {
            qCDebug(lcDroplineSound) << "event sounds are off on this desktop";
            return SoundStart::Failed;
        }
        // A connection found dead is replaced at once, so the first cue after
        // the server's return is heard.
        for (int attempt = 0; attempt < 2; ++attempt) {
            ca_context *context = openContext();
            if (!context) {
                return SoundStart::Failed;
            }
            const int error = play(context, themeEvent, onFinished);
            if (error == CA_SUCCESS) {
                return SoundStart::Started;
            }
            qCDebug(lcDroplineSound) << "playing" << themeEvent << "failed:" << ca_->strerror(error);
            if (error == CA_ERROR_NOTFOUND) {
                return SoundStart::NotFound;
            }
            if (!isLostConnection(error)) {
                return SoundStart::Failed;
            }
            closeContext();
        }
        return SoundStart::Failed;
    }

private:
    // Runs on libcanberra's own thread.
    static void finished(ca_context *, std::uint32_t, int, void *userdata) {
        auto *handler = static_cast<FinishHandler *>(userdata);
        (*handler)();
        delete handler;
    }

    int play(ca_context *context, const char *themeEvent, const FinishHandler &onFinished) {
        ca_proplist *props = nullptr;
        int error = ca_->proplistCreate(&props);
        if (error != CA_SUCCESS) {
            return error;
        }
        const QByteArray theme = desktopSoundTheme();
        ca_->proplistSets(props, CA_PROP_EVENT_ID, themeEvent);
        ca_->proplistSets(props, CA_PROP_CANBERRA_XDG_THEME_NAME, theme.constData());
        // No cache control: the sound is streamed from its file each time. The
        // server's sample cache knows sounds by event id alone, so a cached
        // sound would stay the old theme's after the user picks another.
        auto *handler = onFinished ? new FinishHandler(onFinished) : nullptr;
        error = ca_->contextPlayFull(context, 0, props, handler ? &CanberraBackend::finished : nullptr,
                                     handler);
        ca_->proplistDestroy(props);
        if (error != CA_SUCCESS) {
            delete handler;  // libcanberra never calls back for a sound it did not start
        }
        return error;
    }

    ca_context *openContext() {
        if (context_) {
            return context_;
        }
        if (!ca_ && !(ca_ = canberraLibrary())) {
            return nullptr;
        }
        if (lastFailure_ && Clock::now() - *lastFailure_ < kReconnectPause) {
            return nullptr;
        }
        ca_context *context = nullptr;
        int error = ca_->contextCreate(&context);
        if (error == CA_SUCCESS && !std::getenv(kDriverVariable)) {
            error = ca_->contextSetDriver(context, kDriver);
        }
        if (error == CA_SUCCESS) {
            error = ca_->contextChangeProps(context, CA_PROP_APPLICATION_NAME,
                                            identity_.applicationName.constData(), nullptr);
        }
        if (error == CA_SUCCESS && !identity_.applicationId.isEmpty()) {
            error = ca_->contextChangeProps(context, CA_PROP_APPLICATION_ID,
                                            identity_.applicationId.constData(), nullptr);
        }
        if (error == CA_SUCCESS) {
            error = ca_->contextOpen(context);
        }
        if (error != CA_SUCCESS) {
            qCDebug(lcDroplineSound) << "no sound server:" << ca_->strerror(error);
            if (context) {
                ca_->contextDestroy(context);
            }
            lastFailure_ = Clock::now();
            return nullptr;
        }
        lastFailure_.reset();
        context_ = context;
        return context_;
    }

    void closeContext() {
        if (context_) {
            // Ends sounds still playing; their finish callbacks run now.
            ca_->contextDestroy(context_);
            context_ = nullptr;
        }
    }

    SoundClientIdentity identity_;
    const CanberraLibrary *ca_ = nullptr;  // loaded with the first sound
    ca_context *context_ = nullptr;
    std::optional<Clock::time_point> lastFailure_;
};

}  // namespace

std::unique_ptr<SoundBackend> makeCanberraBackend(SoundClientIdentity identity) {
    return std::make_unique<CanberraBackend>(std::move(identity));
}

}  // namespace dropline::platform
