#pragma once

#include <QLabel>

#include "twips.h"

namespace dropline::ui {

// A transparent, left-aligned label on the score panel: one line of plain
// text (see one_line.h) that never wraps or grows and is cut off at its right
// edge.
// A screen reader hears what the label shows after the words the artwork
// draws beside it ("Step, red: 4").
class ScoreLabel : public QLabel {
    Q_OBJECT
public:
    ScoreLabel(const TwipsRect &place, QWidget *parent);

    // Shows `value`; `spokenTitle` stands for the drawn words beside it, e.g.
    // "Step, red".
    void display(const QString &spokenTitle, const QString &value);
    void setColour(const QColor &colour);

private:
    void keepTopsInSight(const QString &shown);
};

}  // namespace dropline::ui
