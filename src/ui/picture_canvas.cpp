#include "picture_canvas.h"

#include <QPainter>

#include "artwork.h"

namespace dropline::ui {

PictureCanvas::PictureCanvas(const QString &picture, QColor backColor, QWidget *parent)
    : QWidget(parent), picture_(picture), backColor_(backColor) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize PictureCanvas::sizeHint() const {
    return Artwork::size(picture_);
}

void PictureCanvas::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    painter.drawPixmap(0, 0, Artwork::pixmap(picture_, devicePixelRatioF()));
}

}  // namespace dropline::ui
