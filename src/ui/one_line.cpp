#include "one_line.h"

namespace dropline::ui {

namespace {

// Unicode's "control pictures" block shows C0 controls as symbols.
constexpr char16_t kControlPictures = 0x2400;
constexpr char16_t kDeletePicture = 0x2421;
constexpr char16_t kNewlinePicture = 0x2424;
// The second block of control characters; U+0085 is a line break.
constexpr char16_t kFirstC1Control = 0x80;
constexpr char16_t kNextLine = 0x85;
constexpr char16_t kLastC1Control = 0x9F;

}  // namespace

QString oneLine(const QString &text) {
    QString shown = text;
    for (QChar &ch : shown) {
        const char16_t code = ch.unicode();
        if (code < 0x20) {
            ch = QChar(kControlPictures + code);
        } else if (code == 0x7F) {
            ch = QChar(kDeletePicture);
        } else if (code == kNextLine || code == QChar::LineSeparator ||
                   code == QChar::ParagraphSeparator) {
            ch = QChar(kNewlinePicture);
        } else if (code >= kFirstC1Control && code <= kLastC1Control) {
            ch = QChar(QChar::ReplacementCharacter);  // no pictures exist for these
        }
    }
    return shown;
}

}  // namespace dropline::ui
