#include "picture_canvas.h"

#include <QAccessibleWidget>
#include <QPainter>

#include "artwork.h"

namespace dropline::ui {

namespace {

// A canvas that is a window of its own (the about and farewell windows) is a
// window to assistive technology too, not a bare pane.
QAccessibleInterface *accessibleWindow(const QString &, QObject *object) {
    auto *canvas = qobject_cast<PictureCanvas *>(object);
    return canvas && canvas->isWindow() ? new QAccessibleWidget(canvas, QAccessible::Window)
                                        : nullptr;
}

}  // namespace

PictureCanvas::PictureCanvas(const QString &picture, QColor backColor, QWidget *parent)
    : QWidget(parent), picture_(picture), backColor_(backColor) {
    [[maybe_unused]] static const bool factoryInstalled =
        (QAccessible::installFactory(accessibleWindow), true);
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
