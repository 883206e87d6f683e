#include "platform/canberra_backend.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "platform/canberra_library.h"
#include "platform/sound_log.h"

namespace dropline::platform {
namespace {

// The driver for a Linux desktop. Naming it keeps libcanberra from trying
// ALSA (and printing its errors) on a machine with no sound server.
constexpr const char *kDriver = "pulse";
constexpr const char *kDriverVariable = "CANBERRA_DRIVER";
// Event sounds recur, so the server keeps them once uploaded.
constexpr const char *kCacheControl = "permanent";
// After a failed connection, the next cue within this time does not retry.
constexpr std::chrono::seconds kReconnectPause{5};

using Clock = std::chrono::steady_clock;

class CanberraBackend final : public SoundBackend {
public:
    explicit CanberraBackend(SoundClientIdentity identity) : identity_(std::move(identity)) {}

    ~CanberraBackend() override {
        if (context_) {
            // Ends sounds still playing; their finish callbacks run now.
            ca_->contextDestroy(context_);
        }
    }

    CanberraBackend(const CanberraBackend &) = delete;
    CanberraBackend &operator=(const CanberraBackend &) = delete;

    SoundStart startAsync(const char *themeEvent) override {
        return play(themeEvent, nullptr, nullptr);
    }

    SoundStart startSync(const char *themeEvent, FinishHandler onFinished) override {
        auto *handler = new FinishHandler(std::move(onFinished));
        const SoundStart result = play(themeEvent, &CanberraBackend::finished, handler);
        if (result != SoundStart::Started) {
            delete handler;  // libcanberra never calls back for a sound it did not start
        }
        return result;
    }

private:
    // Runs on libcanberra's own thread.
    static void finished(ca_context *, std::uint32_t, int, void *userdata) {
        auto *handler = static_cast<FinishHandler *>(userdata);
        (*handler)();
        delete handler;
    }

    SoundStart play(const char *themeEvent, ca_finish_callback_t callback, void *userdata) {
        ca_context *context = openContext();
        if (!context) {
            return SoundStart::Failed;
        }
        ca_proplist *props = nullptr;
        if (ca_->proplistCreate(&props) != CA_SUCCESS) {
            return SoundStart::Failed;
        }
        ca_->proplistSets(props, CA_PROP_EVENT_ID, themeEvent);
        ca_->proplistSets(props, CA_PROP_CANBERRA_CACHE_CONTROL, kCacheControl);
        const int error = ca_->contextPlayFull(context, 0, props, callback, userdata);
        ca_->proplistDestroy(props);
        if (error == CA_SUCCESS) {
            return SoundStart::Started;
        }
        qCDebug(lcDroplineSound) << "playing" << themeEvent << "failed:" << ca_->strerror(error);
        return error == CA_ERROR_NOTFOUND ? SoundStart::NotFound : SoundStart::Failed;
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
        context_ = context;
        return context_;
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
