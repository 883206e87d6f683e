#include "artwork.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

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

// Rendered pictures live for the whole run: there are few and they are small.
QHash<Key, QPixmap> &renderedPictures() {
    static QHash<Key, QPixmap> pictures;
    return pictures;
}

QHash<QString, QSize> &pictureSizes() {
    static QHash<QString, QSize> sizes;
    return sizes;
}

}  // namespace

QSize Artwork::size(const QString &resource) {
    auto &sizes = pictureSizes();
    auto found = sizes.constFind(resource);
    if (found == sizes.constEnd()) {
        found = sizes.insert(resource, QSvgRenderer(resource).defaultSize());
    }
    return *found;
}

QPixmap Artwork::pixmap(const QString &resource, qreal devicePixelRatio) {
    const Key key{resource, devicePixelRatio};
    auto &pictures = renderedPictures();
    if (const auto found = pictures.constFind(key); found != pictures.constEnd()) {
        return *found;
    }

    QSvgRenderer renderer(resource);
    const QSize logical = renderer.defaultSize();
    QPixmap pixmap;
    if (renderer.isValid() && !logical.isEmpty()) {
        pixmap = QPixmap(logical * devicePixelRatio);
        pixmap.setDevicePixelRatio(devicePixelRatio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(QPointF(0, 0), logical));
    }
    pictures.insert(key, pixmap);
    return pixmap;
}

}  // namespace dropline::ui
