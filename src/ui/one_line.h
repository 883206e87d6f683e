#pragma once

#include <QString>

namespace dropline::ui {

// Text as it is shown on one line: control characters and line breaks as
// visible symbols, one for each character, so that whatever a player types
// stays on its line and moves nothing.
QString oneLine(const QString &text);

}  // namespace dropline::ui
