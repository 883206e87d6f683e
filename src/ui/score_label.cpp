#include "score_label.h"

#include <QFontMetrics>
#include <algorithm>

#include "one_line.h"
#include "scoreboard_font.h"
#include "spoken.h"

namespace dropline::ui {

ScoreLabel::ScoreLabel(const TwipsRect &place, QWidget *parent) : QLabel(parent) {
    setGeometry(place.toPixels());
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(false);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFont(scoreboardFont());
}

// Only what changed is set anew: each change of a name reaches assistive
// technology as an event.
void ScoreLabel::display(const QString &spokenTitle, const QString &value) {
    const QString shown = oneLine(value);
    if (shown != text()) {
        setText(shown);
        keepTopsInSight(shown);
    }
    const QString name = spoken::scoreName(spokenTitle, shown);
    if (name != accessibleName()) {
        setAccessibleName(name);
    }
}

// Some glyphs rise above the font's line (an Arabic hamza, a ring over a
// capital, a fallback font's taller letters); the label's top edge would cut
// them off. The text moves down into the room the label has below its line,
// as far as they need and the room allows; text that fits stays where it is,
// as plain ASCII text always does (without laying it out here).
void ScoreLabel::keepTopsInSight(const QString &shown) {
    const bool plain =
        std::all_of(shown.begin(), shown.end(), [](QChar ch) { return ch.unicode() < 0x80; });
    if (plain) {
        setContentsMargins(0, 0, 0, 0);
        return;
    }
    const QFontMetrics metrics(font());
    const QRect ink = metrics.tightBoundingRect(shown);
    const int above = -ink.top() - metrics.ascent();
    const int below = std::max(metrics.descent(), ink.bottom() + 1);
    const int room = height() - metrics.ascent() - below;
    setContentsMargins(0, std::clamp(above, 0, std::max(room, 0)), 0, 0);
}

void ScoreLabel::setColour(const QColor &colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

}  // namespace dropline::ui
