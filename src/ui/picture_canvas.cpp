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

PictureCanvas::PictureCanvas(const QString &picture, std::span<const DrawnWord> words,
                             QColor background, QWidget *parent)
    : QWidget(parent), picture_(picture), words_(words), background_(background) {
    [[maybe_unused]] static const bool factoryInstalled =
        (QAccessible::installFactory(accessibleWindow), true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize PictureCanvas::sizeHint() const {
    return Artwork::size(picture_);
}

const QPixmap &PictureCanvas::drawing(qreal devicePixelRatio) {
    if (drawing_.isNull() || drawing_.devicePixelRatio() != devicePixelRatio) {
        drawing_ = Artwork::freshPixmap(picture_, devicePixelRatio);
        QPainter painter(&drawing_);
        paintWords(painter, picture_, words_);
    }
    return drawing_;
}

void PictureCanvas::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    painter.drawPixmap(0, 0, drawing(devicePixelRatioF()));
}

}  // namespace dropline::ui
