#pragma once

#include <QLibrary>

// Libraries the game loads at run time rather than at start-up, so that
// start-up does not pay for them and a machine without one goes on without
// what it offers.

namespace dropline::platform {

// Points `function` at the library's symbol `name`; false when it is missing.
template <typename Function>
bool resolveFunction(QLibrary &library, const char *name, Function &function) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

}  // namespace dropline::platform
