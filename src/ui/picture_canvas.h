#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace dropline::ui {

// A surface showing its background colour with a picture drawn unscaled at
// its top-left corner; whatever lies beyond the picture shows the colour.
class PictureCanvas : public QWidget {
    Q_OBJECT
public:
    PictureCanvas(const QString &picture, QColor backColor, QWidget *parent = nullptr);

    QString picture() const { return picture_; }
    // The picture's own size.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString picture_;
    QColor backColor_;
};

}  // namespace dropline::ui
