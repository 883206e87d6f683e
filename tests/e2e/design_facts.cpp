// Writes the game's design facts that the end-to-end tests look for on the
// screen (window titles, prompts, sizes and places in pixels) as JSON to the
// file named by its argument, so that no test copies them.

#include <QRect>
#include <cstdio>
#include <string>

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

std::string text(const char *value) {
    std::string quoted = "\"";
    for (const char *c = value; *c; ++c) {
        if (*c == '"' || *c == '\\') {
            quoted += '\\';
        }
        quoted += *c;
    }
    return quoted + '"';
}

std::string rect(const QRect &r) {
    return "[" + std::to_string(r.x()) + ", " + std::to_string(r.y()) + ", " +
           std::to_string(r.width()) + ", " + std::to_string(r.height()) + "]";
}

std::string size(const QSize &s) {
    return "[" + std::to_string(s.width()) + ", " + std::to_string(s.height()) + "]";
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.json\n", argv[0]);
        return 2;
    }
    // Columns as the board hands out clicks, in the main picture's pixels.
    const QRect board = form1::kPicture1.toPixels();
    const BoardGeometry geometry = BoardGeometry::measure(
        form1::kPicture1.width, form1::kPicture1.height, form1::kOval0.width, form1::kOval0.height);
    std::string columns;
    for (int column = 0; column < kColumns; ++column) {
        columns += (column ? ", " : "") +
                   rect(geometry.columnTarget(column).toPixels().translated(board.topLeft()));
    }
    const std::string json =
        "{\n"
        "  \"name\": " + text(config::kName) + ",\n"
        "  \"titles\": {\"main\": " + text(form1::kCaption) + ", \"about\": " +
        text(form2::kCaption) + ", \"farewell\": " + text(form3::kCaption) +
        ", \"names\": " + text(prompts::kNamesTitle) + ", \"message\": " + text(config::kName) +
        "},\n"
        "  \"prompts\": {\"context\": " + text(prompts::kContext) + ", \"first_name\": " +
        text(prompts::kFirstName) + ", \"second_name\": " +
        text(prompts::kSecondName) + ", \"new_players\": " + text(prompts::kNewPlayers) +
        ", \"yes\": " + text(prompts::kYes) + ", \"first_first_name\": " +
        text(prompts::kFirstFirstName) + ", \"second_first_name\": " +
        text(prompts::kSecondFirstName) + "},\n"
        "  \"moves\": " + std::to_string(kMaxMoves) + ",\n"
        "  \"main\": {\"size\": " + size(form1::kClientSize) + ", \"board\": " + rect(board) +
        ", \"columns\": [" + columns + "], \"winner\": " + rect(form1::kWinner.toPixels()) +
        "},\n"
        "  \"about\": {\"size\": " + size(form2::kClientSize) + ", \"ok\": " +
        rect(form2::kLabel1.toPixels()) + "},\n"
        "  \"farewell\": {\"size\": " + size(form3::kClientSize) + ", \"exit\": " +
        rect(form3::kLabel1.toPixels()) + "}\n"
        "}\n";
    std::FILE *out = std::fopen(argv[1], "w");
    if (!out || std::fputs(json.c_str(), out) < 0 || std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
