#include "disc_image.h"

#include <QPainter>

#include "artwork.h"

namespace dropline::ui {

DiscImage::DiscImage(const QString &picture, const TwipsRect &place, QWidget *parent)
    : QWidget(parent), picture_(picture), place_(place) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(place_.toPixels());
}

void DiscImage::setPicture(const QString &picture) {
    picture_ = picture;
    update();
}

void DiscImage::moveTo(double leftTwips, double topTwips) {
    place_.left = leftTwips;
    place_.top = topTwips;
    // Keep the designed size; only the corner snaps to a whole pixel.
    move(toPixel(leftTwips), toPixel(topTwips));
}

void DiscImage::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, Artwork::pixmap(picture_, devicePixelRatioF()));
}

}  // namespace dropline::ui
