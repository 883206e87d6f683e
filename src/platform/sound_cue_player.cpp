#include "platform/sound_cue_player.h"

#include "platform/finish_wait.h"
#include "platform/sound_log.h"

namespace dropline::platform {
namespace {

// Runs on the sound thread.
SoundStart startWithFallback(SoundBackend &backend, const char *themeEvent,
                             const SoundBackend::FinishHandler &onFinished) {
    SoundStart result = backend.start(themeEvent, onFinished);
    if (result == SoundStart::NotFound) {
        qCDebug(lcDroplineSound) << "no sound for" << themeEvent << "- playing"
                                 << kDefaultThemeEvent;
        result = backend.start(kDefaultThemeEvent, onFinished);
    }
    if (result != SoundStart::Started) {
        qCDebug(lcDroplineSound) << "cue" << themeEvent << "not played";
    }
    return result;
}

}  // namespace

SoundCuePlayer::SoundCuePlayer(std::unique_ptr<SoundBackend> backend)
    : thread_(std::move(backend)) {}

void SoundCuePlayer::play(Cue cue) {
    const CueEntry &entry = cueEntry(cue);
    const char *event = entry.themeEvent;
    if (entry.mode == CueMode::Async) {
        thread_.post([event](SoundBackend *backend) {
            if (backend) {
                startWithFallback(*backend, event, {});
            }
        });
        return;
    }

    FinishWait finish;
    thread_.post([event, finished = finish.handler()](SoundBackend *backend) {
        if (!backend || startWithFallback(*backend, event, finished) != SoundStart::Started) {
            finished();  // nothing plays: nothing to wait for
        }
    });
    if (!finish.wait(kSyncCueLimit)) {
        qCDebug(lcDroplineSound) << "no end reported for" << event << "within"
                                 << kSyncCueLimit.count() << "ms";
    }
}

}  // namespace dropline::platform
