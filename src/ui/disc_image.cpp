#include "disc_image.h"

#include <QAccessibleWidget>
#include <QPainter>

#include "artwork.h"

namespace dropline::ui {

namespace {

// Assistive technology meets a disc as an image, named by whoever places it.
QAccessibleInterface *accessibleDisc(const QString &, QObject *object) {
    auto *disc = qobject_cast<DiscImage *>(object);
    return disc ? new QAccessibleWidget(disc, QAccessible::Graphic) : nullptr;
}

}  // namespace

DiscImage::DiscImage(const QString &picture, const TwipsRect &place, QWidget *parent)
    : QWidget(parent), picture_(picture), place_(place) {
    [[maybe_unused]] static const bool factoryInstalled =
        (QAccessible::installFactory(accessibleDisc), true);
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
