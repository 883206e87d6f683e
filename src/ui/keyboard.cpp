#include "keyboard.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <iterator>

#include "game/board.h"

namespace dropline::ui::keyboard {

namespace {

// X11 and Wayland number the keys by their place on the keyboard: evdev's
// code + 8, whatever the layout types there.
constexpr int kNumberRowFirstKey = 10;
struct LetterPlace {
    int letter;
    int key;
};
constexpr LetterPlace kLetterPlaces[] = {{Qt::Key_S, 39}, {Qt::Key_T, 28}};

bool reportsKeyPlaces() {
    const QString platform = QGuiApplication::platformName();
    return platform == u"xcb" || platform.startsWith(u"wayland");
}

bool isColumn(int column) {
    return column >= 0 && column < kColumns;
}

}  // namespace

int numberedColumn(const QKeyEvent &event) {
    if (const int column = event.key() - Qt::Key_1; isColumn(column)) {
        return column;
    }
    // Decimal digits only: the superscript ² that AZERTY types left of the
    // number row is no column.
    const QString text = event.text();
    if (text.size() == 1 && text[0].isDigit()) {
        const int column = text[0].digitValue() - 1;
        return isColumn(column) ? column : -1;
    }
    if (reportsKeyPlaces()) {
        const int column = static_cast<int>(event.nativeScanCode()) - kNumberRowFirstKey;
        return isColumn(column) ? column : -1;
    }
    return -1;
}

bool isLatinLetter(const QKeyEvent &event, int letter) {
    if (event.key() == letter) {
        return true;
    }
    const QString text = event.text();
    const bool otherScript =
        text.size() == 1 && text[0].isLetter() && text[0].script() != QChar::Script_Latin;
    if (!otherScript || !reportsKeyPlaces()) {
        return false;
    }
    for (const LetterPlace &place : kLetterPlaces) {
        if (place.letter == letter) {
            return static_cast<int>(event.nativeScanCode()) == place.key;
        }
    }
    return false;
}

}  // namespace dropline::ui::keyboard
