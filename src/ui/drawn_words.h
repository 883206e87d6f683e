#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

// The words drawn in the artwork, in the player's language.
//
// Each <text> of a picture is translated under "Artwork". A text that gives
// its place (dropline:place="x y width height", in the picture's units) is
// fitted into it: its font shrinks when the words are too wide, and words
// that run right to left start at the place's right edge. A picture whose
// words are all unchanged is left exactly as drawn.

namespace dropline::ui::drawn_words {

inline constexpr const char *kContext = "Artwork";
// The namespace of the artwork's own attributes (place, note).
inline constexpr const char *kNamespace = "urn:tavrin-dropline:artwork";

// One drawn text as it ends up in a picture.
struct Word {
    QString text;
    QRectF place;   // empty when the text gives none
    QRectF bounds;  // where it is drawn, as the picture's renderer lays it out
    double scale = 1;  // of its designed font size
};

// The picture with its words translated and fitted.
QByteArray localized(const QByteArray &svg);
// The texts of a picture (as localized() leaves them), with their places and
// where the renderer draws them.
std::vector<Word> words(const QByteArray &svg);

}  // namespace dropline::ui::drawn_words
