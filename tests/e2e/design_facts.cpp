// Writes the game's design facts that the end-to-end tests look for on the
// screen (window titles, prompts, sizes and places in pixels) as JSON to the
// file named by its argument, so that no test copies them.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>
#include <cstdio>

#include "config.h"
#include "game/board.h"
#include "ui/board_geometry.h"
#include "ui/main_window_design.h"
#include "ui/prompts.h"
#include "ui/side_window_designs.h"
#include "ui/twips.h"

namespace {

using namespace dropline;
using namespace dropline::ui;

QJsonArray pixels(const TwipsRect &place) {
    const QRect r = place.toPixels();
    return {r.x(), r.y(), r.width(), r.height()};
}

QJsonArray size(const QSize &s) {
    return {s.width(), s.height()};
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.json\n", argv[0]);
        return 2;
    }
    // The columns as the board hands out clicks, in the main picture's pixels.
    namespace design = main_window;
    const BoardGeometry geometry(design::kBoard.size(), design::kDisc);
    const int border = design::kBoardBorder;
    const QPoint drawing = design::kBoard.toPixels().topLeft() + QPoint(border, border);
    QJsonArray columns;
    for (int column = 0; column < kColumns; ++column) {
        const QRect place = geometry.column(column).translated(drawing);
        columns.append(QJsonArray{place.x(), place.y(), place.width(), place.height()});
    }
    const QJsonObject facts{
        {"name", config::kName},
        // A message box shows the program's name.
        {"titles", QJsonObject{{"main", design::kTitle},
                               {"about", about_window::kTitle},
                               {"farewell", farewell_window::kTitle},
                               {"names", prompts::kNamesTitle},
                               {"message", config::kName}}},
        {"prompts", QJsonObject{{"context", prompts::kContext},
                                {"first_name", prompts::kFirstName},
                                {"second_name", prompts::kSecondName},
                                {"new_players", prompts::kNewPlayers},
                                {"yes", prompts::kYes},
                                {"first_first_name", prompts::kFirstFirstName},
                                {"second_first_name", prompts::kSecondFirstName}}},
        {"moves", kCountedClicks},
        {"main", QJsonObject{{"size", size(design::kClientSize)},
                             {"board", pixels(design::kBoard)},
                             {"columns", columns},
                             {"winner", pixels(design::kWinnerLine)}}},
        {"about",
         QJsonObject{{"size", size(about_window::kClientSize)}, {"ok", pixels(kSideWindowButton)}}},
        {"farewell",
         QJsonObject{{"size", size(farewell_window::kClientSize)}, {"exit", pixels(kSideWindowButton)}}},
    };
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(facts).toJson()) < 0) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
