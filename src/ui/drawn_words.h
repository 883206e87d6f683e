#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

class QPainter;

// The words drawn on the game's pictures: the big buttons' words, the score
// panel's, the lines of the about and farewell windows. Each picture names a
// place for each word; the game draws the word there in the player's
// language, in the picture's look. A word too wide for its place is drawn
// smaller, the lines of one button all alike; in a language written right to
// left, words begin at their place's right edge.

namespace dropline::ui {

inline constexpr const char *kArtworkContext = "Artwork";

// How a word looks. Sizes are in the picture's pixels.
struct WordStyle {
    enum class Align { Centre, Leading };

    int pixelSize = 0;
    QColor colour;
    Align align = Align::Leading;
    // How far the letters lean forward, in degrees (0: upright).
    double slant = 0;
    // A copy of the word under it, offset (none when the colour is invalid).
    QColor shadow = {};
    QPointF shadowOffset = {};
    // A line around the letters (none when the colour is invalid).
    QColor outline = {};
    double outlineWidth = 0;
};

struct DrawnWord {
    // The id of the picture's element that gives the word its room.
    const char *place;
    // The English word, marked for translation under kArtworkContext.
    const char *text;
    const WordStyle *style;
    // Words of one group (the lines of one button) shrink alike; none alone.
    const char *group = nullptr;
};

// One word as it is drawn, in the picture's pixels.
struct LaidOutWord {
    QString text;
    QRectF place;
    QRectF drawn;      // where its letters' advance runs, from the top of the line to its bottom
    double scale = 1;  // of its designed size
};

// The words of a picture laid out in the player's language.
std::vector<LaidOutWord> layOutWords(const QString &artwork, std::span<const DrawnWord> words);
// Draws them; the painter's coordinates are the picture's pixels.
void paintWords(QPainter &painter, const QString &artwork, std::span<const DrawnWord> words);
// What the words say, each line once, in order.
QStringList wordLines(std::span<const DrawnWord> words);

}  // namespace dropline::ui
