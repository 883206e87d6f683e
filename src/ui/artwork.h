#pragma once

#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>

// Pictures drawn from the game's vector artwork, rendered once per device
// pixel ratio and reused.

namespace dropline::ui {

class Artwork {
public:
    // The picture's own size in logical pixels (empty when it cannot be loaded).
    static QSize size(const QString &resource);
    // Where the picture has its element named `id`, in its logical pixels
    // (empty when it has no such element).
    static QRectF place(const QString &resource, const QString &id);
    // The picture at its own size, rendered for the given device pixel ratio
    // and kept for the next time.
    static QPixmap pixmap(const QString &resource, qreal devicePixelRatio);
    // The same, rendered afresh for the caller to draw on, and not kept.
    static QPixmap freshPixmap(const QString &resource, qreal devicePixelRatio);
    // A window icon drawn from the picture at the usual icon sizes.
    static QIcon icon(const QString &resource);
};

}  // namespace dropline::ui
