#pragma once

#include <QByteArray>
#include <memory>

#include "platform/sound_backend.h"

// The desktop's sound server through libcanberra: one context for the
// program's life, opened at the first sound, on the PulseAudio driver unless
// CANBERRA_DRIVER names another. Without a server every start fails at once.

namespace dropline::platform {

struct SoundClientIdentity {
    QByteArray applicationName;  // shown by the sound server's mixers
    QByteArray applicationId;    // reverse-domain id; may be empty
};

std::unique_ptr<SoundBackend> makeCanberraBackend(SoundClientIdentity identity);

}  // namespace dropline::platform
