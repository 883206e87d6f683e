#include "platform/canberra_library.h"

#include <dlfcn.h>

#include "platform/sound_log.h"

namespace dropline::platform {
namespace {

constexpr const char *kLibraryName = "libcanberra.so.0";

template <typename Function>
bool resolve(void *library, const char *name, Function &function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

const CanberraLibrary *load() {
    void *library = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        qCDebug(lcDroplineSound) << "no sound library:" << dlerror();
        return nullptr;
    }
    static CanberraLibrary functions;
    CanberraLibrary &f = functions;
    const bool complete = resolve(library, "ca_context_create", f.contextCreate) &&
                          resolve(library, "ca_context_destroy", f.contextDestroy) &&
                          resolve(library, "ca_context_set_driver", f.contextSetDriver) &&
                          resolve(library, "ca_context_change_props", f.contextChangeProps) &&
                          resolve(library, "ca_context_open", f.contextOpen) &&
                          resolve(library, "ca_context_play_full", f.contextPlayFull) &&
                          resolve(library, "ca_proplist_create", f.proplistCreate) &&
                          resolve(library, "ca_proplist_destroy", f.proplistDestroy) &&
                          resolve(library, "ca_proplist_sets", f.proplistSets) &&
                          resolve(library, "ca_strerror", f.strerror);
    if (!complete) {
        qCDebug(lcDroplineSound) << kLibraryName << "lacks a function the game uses";
        return nullptr;  // stays loaded: cheaper than unloading a half-used library
    }
    return &functions;
}

}  // namespace

const CanberraLibrary *canberraLibrary() {
    static const CanberraLibrary *const library = load();
    return library;
}

}  // namespace dropline::platform
