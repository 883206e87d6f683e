#include "artwork.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <memory>

#include "drawn_words.h"

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

QByteArray design(const QString &resource) {
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each picture is parsed once as designed, and once more with its words in
// the player's language where they differ; the renderings are kept for the
// whole run: there are few and they are small.
struct Picture {
    QByteArray design;
    std::shared_ptr<QSvgRenderer> designed;
    std::shared_ptr<QSvgRenderer> drawn;
};

Picture &picture(const QString &resource) {
    static QHash<QString, Picture> pictures;
    Picture &picture = pictures[resource];
    if (!picture.designed) {
        picture.design = design(resource);
        picture.designed = std::make_shared<QSvgRenderer>(picture.design);
    }
    return picture;
}

// The picture as designed: its size, which no translation changes. Asked
// for before the window first shows, so the words are not fitted yet.
QSvgRenderer &designRenderer(const QString &resource) {
    return *picture(resource).designed;
}

// The picture as drawn, its words in the player's language.
QSvgRenderer &renderer(const QString &resource) {
    Picture &found = picture(resource);
    if (!found.drawn) {
        const QByteArray drawn = drawn_words::localized(found.design);
        found.drawn = drawn == found.design ? found.designed
                                            : std::make_shared<QSvgRenderer>(drawn);
    }
    return *found.drawn;
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
    return designRenderer(resource).defaultSize();
}

QRect Artwork::area(const QString &resource, const QString &id) {
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
    return toPixels.mapRect(drawn).toAlignedRect();
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

QIcon Artwork::icon(const QString &resource) {
    QIcon icon;
    QSvgRenderer &svg = renderer(resource);
    for (int side : kIconSizes) {
        icon.addPixmap(render(svg, QSize(side, side), 1.0));
    }
    return icon;
}

QStringList Artwork::words(const QString &resource) {
    QStringList lines;
    for (const drawn_words::Word &word : drawn_words::words(design(resource))) {
        const QString line = word.text.simplified();
        if (!line.isEmpty() && !lines.contains(line)) {
            lines << line;
        }
    }
    return lines;
}

}  // namespace dropline::ui
