#include "artwork.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <memory>

namespace dropline::ui {

namespace {

struct Key {
    QString resource;
    qreal ratio;
    bool operator==(const Key &) const = default;
};

size_t qHash(const Key &key, size_t seed) {
    return qHashMulti(seed, key.resource, key.ratio);
}

// Sizes at which the window icon is drawn.
constexpr int kIconSizes[] = {16, 24, 32, 48, 64};

// Each picture is parsed once and kept for the whole run: there are few and
// they are small.
QSvgRenderer &renderer(const QString &resource) {
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    std::shared_ptr<QSvgRenderer> &found = renderers[resource];
    if (!found) {
        found = std::make_shared<QSvgRenderer>(resource);
    }
    return *found;
}

QPixmap render(QSvgRenderer &svg, QSize logical, qreal devicePixelRatio) {
    QPixmap pixmap;
    if (svg.isValid() && !logical.isEmpty()) {
        pixmap = QPixmap(logical * devicePixelRatio);
        pixmap.setDevicePixelRatio(devicePixelRatio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        svg.render(&painter, QRectF(QPointF(0, 0), logical));
    }
    return pixmap;
}

}  // namespace

QSize Artwork::size(const QString &resource) {
    return renderer(resource).defaultSize();
}

QRectF Artwork::place(const QString &resource, const QString &id) {
    QSvgRenderer &svg = renderer(resource);
    if (!svg.elementExists(id)) {
        return {};
    }
    const QRectF drawn = svg.transformForElement(id).mapRect(svg.boundsOnElement(id));
    // From the picture's own units to its pixels.
    const QRectF box = svg.viewBoxF();
    const QSizeF size = svg.defaultSize();
    const QTransform toPixels =
        QTransform::fromTranslate(-box.x(), -box.y()) *
        QTransform::fromScale(size.width() / box.width(), size.height() / box.height());
    return toPixels.mapRect(drawn);
}

QPixmap Artwork::pixmap(const QString &resource, qreal devicePixelRatio) {
    static QHash<Key, QPixmap> pictures;
    const Key key{resource, devicePixelRatio};
    if (const auto found = pictures.constFind(key); found != pictures.constEnd()) {
        return *found;
    }
    QSvgRenderer &svg = renderer(resource);
    return *pictures.insert(key, render(svg, svg.defaultSize(), devicePixelRatio));
}

QPixmap Artwork::freshPixmap(const QString &resource, qreal devicePixelRatio) {
    QSvgRenderer &svg = renderer(resource);
    return render(svg, svg.defaultSize(), devicePixelRatio);
}

QIcon Artwork::icon(const QString &resource) {
    QIcon icon;
    QSvgRenderer &svg = renderer(resource);
    for (int side : kIconSizes) {
        icon.addPixmap(render(svg, QSize(side, side), 1.0));
    }
    return icon;
}

}  // namespace dropline::ui
