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
#include "ui/form1_design.h"
#include "ui/form2_design.h"
#include "ui/form3_design.h"
#include "ui/prompts.h"
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
    const BoardGeometry geometry = BoardGeometry::measure(
        form1::kPicture1.width, form1::kPicture1.height, form1::kOval0.width, form1::kOval0.height);
    QJsonArray columns;
    for (int column = 0; column < kColumns; ++column) {
        TwipsRect target = geometry.columnTarget(column);
        target.left += form1::kPicture1.left;
        target.top += form1::kPicture1.top;
        columns.append(pixels(target));
    }
    const QJsonObject facts{
        {"name", config::kName},
        // A message box shows the program's name.
        {"titles", QJsonObject{{"main", form1::kCaption},
                               {"about", form2::kCaption},
                               {"farewell", form3::kCaption},
                               {"names", prompts::kNamesTitle},
                               {"message", config::kName}}},
        {"prompts", QJsonObject{{"context", prompts::kContext},
                                {"first_name", prompts::kFirstName},
                                {"second_name", prompts::kSecondName},
                                {"new_players", prompts::kNewPlayers},
                                {"yes", prompts::kYes},
                                {"first_first_name", prompts::kFirstFirstName},
                                {"second_first_name", prompts::kSecondFirstName}}},
        {"moves", kMaxMoves},
        {"main", QJsonObject{{"size", size(form1::kClientSize)},
                             {"board", pixels(form1::kPicture1)},
                             {"columns", columns},
                             {"winner", pixels(form1::kWinner)}}},
        {"about", QJsonObject{{"size", size(form2::kClientSize)}, {"ok", pixels(form2::kLabel1)}}},
        {"farewell",
         QJsonObject{{"size", size(form3::kClientSize)}, {"exit", pixels(form3::kLabel1)}}},
    };
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(facts).toJson()) < 0) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
