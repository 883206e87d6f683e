#pragma once

#include <QByteArray>
#include <memory>

#include "platform/sound_backend.h"

// The desktop's sound server through libcanberra, on the PulseAudio driver
// (which PipeWire's PulseAudio service also serves) unless CANBERRA_DRIVER
// names another. Each sound comes from the desktop's sound theme; while the
// desktop has event sounds switched off, every start fails at once. The
// connection is opened at the first sound and opened again when the server
// has gone away; without a server every start fails at once.

namespace dropline::platform {

struct SoundClientIdentity {
    QByteArray applicationName;  // shown by the sound server's mixers
    QByteArray applicationId;    // reverse-domain id; may be empty
};

std::unique_ptr<SoundBackend> makeCanberraBackend(SoundClientIdentity identity);

}  // namespace dropline::platform
