#include "scoreboard_font.h"

#include <QFile>
#include <QFontDatabase>

namespace dropline::ui {

namespace {

constexpr const char *kFamily = "Tahoma";
// Only the bold face is ever shown.
constexpr const char *kFontFiles[] = {
    "/usr/share/wine/fonts/tahomabd.ttf",
};
// 9.75 points at the designs' 96 dots per inch.
constexpr int kPixelSize = 13;

void loadTahoma() {
    static const bool loaded = [] {
        bool any = false;
        for (const char *file : kFontFiles) {
            if (QFile::exists(file)) {
                any = QFontDatabase::addApplicationFont(file) >= 0 || any;
            }
        }
        return any;
    }();
    (void)loaded;
}

}  // namespace

QFont scoreboardFont() {
    loadTahoma();
    QFont font(kFamily);
    font.setPixelSize(kPixelSize);
    font.setBold(true);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

}  // namespace dropline::ui
