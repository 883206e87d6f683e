#include "drawn_words.h"

#include <QCoreApplication>
#include <QFont>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <string_view>

#include "artwork.h"

namespace dropline::ui {

namespace {

// The artwork's typeface (package fonts-dejavu-core); missing letters come
// from fallback fonts, as Qt finds them.
constexpr const char *kFamily = "DejaVu Sans";
// Wider than any word: a line is laid out on it and measured afterwards.
constexpr qreal kUnboundedWidth = 100000;
// Words are laid out at this size and scaled to theirs: a glyph's advance
// is rounded to whole pixels of the size it is laid out at, which at 10
// pixels would add up along a line.
constexpr int kLayoutPixelSize = 100;

QString translated(const DrawnWord &word) {
    return QCoreApplication::translate(kArtworkContext, word.text);
}

// A word's letters as outlines, on a baseline from (0, 0) to (advance, 0).
struct Shape {
    QPainterPath letters;
    qreal advance = 0;
    qreal ascent = 0;
    qreal descent = 0;
};

Shape shapeOf(const QString &text, const WordStyle &style) {
    QFont font(QString::fromLatin1(kFamily));
    font.setBold(true);
    font.setPixelSize(kLayoutPixelSize);
    // Outlines as designed, the same at every scale and every size a word shrinks to.
    font.setHintingPreference(QFont::PreferNoHinting);

    QTextLayout layout(text, font);
    // The line runs from x = 0 whatever its direction; the place decides
    // where it goes. The letters follow the player's language: a number or
    // a Latin name in an Arabic line stands where an Arabic reader expects it.
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(QGuiApplication::layoutDirection());
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(kUnboundedWidth);
    layout.endLayout();

    const qreal scale = qreal(style.pixelSize) / kLayoutPixelSize;
    Shape shape;
    shape.advance = line.naturalTextWidth() * scale;
    shape.ascent = line.ascent() * scale;
    shape.descent = line.descent() * scale;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QRawFont rawFont = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            QPainterPath glyph = rawFont.pathForGlyph(glyphs[i]);
            glyph.translate(positions[i] - QPointF(0, line.ascent()));
            shape.letters.addPath(glyph);
        }
    }
    shape.letters = QTransform::fromScale(scale, scale).map(shape.letters);
    return shape;
}

// A word in its place: its shape, how much it shrinks, and where its
// baseline begins.
struct Placed {
    const DrawnWord *word = nullptr;
    QString text;
    QRectF place;
    Shape shape;
    double scale = 1;
    QPointF origin;

    QTransform transform() const {
        QTransform transform;
        transform.translate(origin.x(), origin.y());
        transform.scale(scale, scale);
        transform.shear(-std::tan(word->style->slant * std::numbers::pi / 180), 0);
        return transform;
    }
};

std::vector<Placed> place(const QString &artwork, std::span<const DrawnWord> words) {
    std::vector<Placed> placed;
    std::map<std::string_view, double> groupScale;
    for (const DrawnWord &word : words) {
        const QRectF room = Artwork::place(artwork, QString::fromLatin1(word.place));
        if (room.isEmpty()) {
            qWarning("The picture %s has no place \"%s\" for a word.", qPrintable(artwork),
                     word.place);
            continue;
        }
        Placed each{.word = &word,
                    .text = translated(word),
                    .place = room,
                    .shape = {},
                    .scale = 1,
                    .origin = {}};
        each.shape = shapeOf(each.text, *word.style);
        if (each.shape.advance > room.width()) {
            each.scale = room.width() / each.shape.advance;
        }
        if (word.group) {
            auto [found, added] = groupScale.try_emplace(word.group, each.scale);
            found->second = std::min(found->second, each.scale);
        }
        placed.push_back(std::move(each));
    }
    const bool rightToLeft = QGuiApplication::layoutDirection() == Qt::RightToLeft;
    for (Placed &each : placed) {
        if (each.word->group) {
            each.scale = groupScale.at(each.word->group);
        }
        const Shape &shape = each.shape;
        const double width = shape.advance * each.scale;
        double left = each.place.left();
        if (each.word->style->align == WordStyle::Align::Centre) {
            left = each.place.center().x() - width / 2;
        } else if (rightToLeft) {
            left = each.place.right() - width;
        }
        // The line's height centred in the place.
        const double height = (shape.ascent + shape.descent) * each.scale;
        const double baseline =
            each.place.top() + (each.place.height() - height) / 2 + shape.ascent * each.scale;
        each.origin = {left, baseline};
    }
    return placed;
}

}  // namespace

std::vector<LaidOutWord> layOutWords(const QString &artwork, std::span<const DrawnWord> words) {
    std::vector<LaidOutWord> laidOut;
    for (const Placed &each : place(artwork, words)) {
        const Shape &shape = each.shape;
        const QRectF drawn(each.origin.x(), each.origin.y() - shape.ascent * each.scale,
                           shape.advance * each.scale, (shape.ascent + shape.descent) * each.scale);
        laidOut.push_back({each.text, each.place, drawn, each.scale});
    }
    return laidOut;
}

void paintWords(QPainter &painter, const QString &artwork, std::span<const DrawnWord> words) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Placed &each : place(artwork, words)) {
        const WordStyle &style = *each.word->style;
        const QPainterPath letters = each.transform().map(each.shape.letters);
        if (style.shadow.isValid()) {
            painter.fillPath(letters.translated(style.shadowOffset), style.shadow);
        }
        if (style.outline.isValid()) {
            painter.strokePath(letters, QPen(style.outline, style.outlineWidth, Qt::SolidLine,
                                             Qt::RoundCap, Qt::RoundJoin));
        }
        painter.fillPath(letters, style.colour);
    }
    painter.restore();
}

QStringList wordLines(std::span<const DrawnWord> words) {
    QStringList lines;
    for (const DrawnWord &word : words) {
        const QString line = translated(word).simplified();
        if (!line.isEmpty() && !lines.contains(line)) {
            lines << line;
        }
    }
    return lines;
}

}  // namespace dropline::ui
