#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <span>

#include "drawn_words.h"

namespace dropline::ui {

// A surface showing its background colour with a picture drawn unscaled at
// its top-left corner, and the picture's words on it in the player's
// language; whatever lies beyond the picture shows the colour.
class PictureCanvas : public QWidget {
    Q_OBJECT
public:
    PictureCanvas(const QString &picture, std::span<const DrawnWord> words, QColor background,
                  QWidget *parent = nullptr);

    std::span<const DrawnWord> words() const { return words_; }
    // The picture's own size.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The picture with its words, drawn once for each device pixel ratio.
    const QPixmap &drawing(qreal devicePixelRatio);

    QString picture_;
    std::span<const DrawnWord> words_;
    QColor background_;
    QPixmap drawing_;
};

}  // namespace dropline::ui
