#pragma once

#include <QLabel>

namespace dropline::ui {

// A transparent, left-aligned label on the score panel: one line of plain
// text that never wraps or grows and is cut off at its right edge. Control
// characters are shown as visible symbols so every text stays on its line.
// A screen reader hears what the label shows after the words the artwork
// draws beside it ("Step, red: 4"), whenever the text changes.
class ScoreLabel : public QLabel {
    Q_OBJECT
public:
    // `spokenTitle` stands for the drawn words, e.g. "Step, red".
    explicit ScoreLabel(const QString &spokenTitle, QWidget *parent = nullptr);

    // The text as it was set, before anything was made visible.
    QString caption() const { return caption_; }
    void setCaption(const QString &caption);
    void setForeColor(const QColor &color);

    // The text as it is shown for a caption.
    static QString displayText(const QString &caption);

private:
    void keepTopsInSight(const QString &shown);

    QString spokenTitle_;
    QString caption_;
};

}  // namespace dropline::ui
