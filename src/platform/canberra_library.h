#pragma once

#include <canberra.h>

// libcanberra, loaded at the first sound rather than at start-up: the game
// starts without its decoders in memory, and a machine without the library
// simply stays silent.

namespace dropline::platform {

struct CanberraLibrary {
    decltype(&ca_context_create) contextCreate = nullptr;
    decltype(&ca_context_destroy) contextDestroy = nullptr;
    decltype(&ca_context_set_driver) contextSetDriver = nullptr;
    decltype(&ca_context_change_props) contextChangeProps = nullptr;
    decltype(&ca_context_open) contextOpen = nullptr;
    decltype(&ca_context_play_full) contextPlayFull = nullptr;
    decltype(&ca_proplist_create) proplistCreate = nullptr;
    decltype(&ca_proplist_destroy) proplistDestroy = nullptr;
    decltype(&ca_proplist_sets) proplistSets = nullptr;
    decltype(&ca_strerror) strerror = nullptr;
};

// The library's functions, or nullptr when it cannot be loaded. Loaded once.
const CanberraLibrary *canberraLibrary();

}  // namespace dropline::platform
