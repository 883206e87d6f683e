#include "platform/canberra_library.h"

#include "platform/shared_library.h"
#include "platform/sound_log.h"

namespace dropline::platform {
namespace {

const CanberraLibrary *load() {
    QLibrary library(QStringLiteral("canberra"), 0);
    if (!library.load()) {
        qCDebug(lcDroplineSound) << "no sound library:" << library.errorString();
        return nullptr;
    }
    static CanberraLibrary functions;
    CanberraLibrary &f = functions;
    const bool complete = resolveFunction(library, "ca_context_create", f.contextCreate) &&
                          resolveFunction(library, "ca_context_destroy", f.contextDestroy) &&
                          resolveFunction(library, "ca_context_set_driver", f.contextSetDriver) &&
                          resolveFunction(library, "ca_context_change_props", f.contextChangeProps) &&
                          resolveFunction(library, "ca_context_open", f.contextOpen) &&
                          resolveFunction(library, "ca_context_play_full", f.contextPlayFull) &&
                          resolveFunction(library, "ca_proplist_create", f.proplistCreate) &&
                          resolveFunction(library, "ca_proplist_destroy", f.proplistDestroy) &&
                          resolveFunction(library, "ca_proplist_sets", f.proplistSets) &&
                          resolveFunction(library, "ca_strerror", f.strerror);
    if (!complete) {
        qCDebug(lcDroplineSound) << library.fileName() << "lacks a function the game uses";
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
