#include "drawn_words.h"

#include <QCoreApplication>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>
#include <utility>

namespace dropline::ui::drawn_words {

namespace {

// A few rounds are enough: a font shrunk by the ratio of the widths fits, or
// nearly, as glyphs do not scale quite evenly.
constexpr int kFitRounds = 4;
// How much wider than its place a text may be and still count as fitting.
constexpr double kTolerance = 0.01;

// One <text> element of a picture.
struct TextElement {
    qsizetype begin = 0;  // where the element starts and ends in the picture
    qsizetype end = 0;
    QXmlStreamAttributes attributes;
    QString text;  // in the player's language
    QRectF place;
    bool changed = false;
    double scale = 1;
    double shift = 0;  // along x, in the text's own units
};

QStringView placeOf(const QXmlStreamAttributes &attributes) {
    return attributes.value(QLatin1String(kNamespace), QLatin1String("place"));
}

QRectF parsePlace(QStringView value) {
    const QList<QStringView> numbers = value.split(u' ', Qt::SkipEmptyParts);
    if (numbers.size() != 4) {
        return {};
    }
    return {numbers[0].toDouble(), numbers[1].toDouble(), numbers[2].toDouble(),
            numbers[3].toDouble()};
}

// The picture's texts, or nothing when it cannot be read.
std::vector<TextElement> parse(const QString &svg) {
    std::vector<TextElement> texts;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != u"text") {
            continue;
        }
        TextElement element;
        // The reader stands at the end of the start tag; no "<" can come
        // inside a tag, so its last "<text" is where the tag begins.
        element.begin = svg.lastIndexOf(u"<text", reader.characterOffset() - 1);
        element.attributes = reader.attributes();
        element.place = parsePlace(placeOf(element.attributes));
        const QString source =
            reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        element.end = reader.characterOffset();
        element.text = QCoreApplication::translate(kContext, source.toUtf8().constData());
        element.changed = element.text != source;
        texts.push_back(std::move(element));
    }
    if (reader.hasError()) {
        return {};
    }
    // Every element must lie where the reader says: otherwise leave the
    // picture alone rather than cut it up wrongly.
    for (const TextElement &element : texts) {
        if (element.begin < 0 || !QStringView(svg).mid(element.begin).startsWith(u"<text") ||
            !QStringView(svg).left(element.end).endsWith(u"</text>")) {
            return {};
        }
    }
    return texts;
}

QString elementId(std::size_t index) {
    return QStringLiteral("dropline-text-%1").arg(index);
}

QString number(double value) {
    return QString::number(value, 'f', 3);
}

// A text element written anew: its words, its font size and its place, and
// with an `id` by which a renderer finds it.
QString textElement(const TextElement &element, const QString &id = {}) {
    QString out = QStringLiteral("<text");
    for (const QXmlStreamAttribute &attribute : element.attributes) {
        if (attribute.namespaceUri() == QLatin1String(kNamespace) ||
            (!id.isEmpty() && attribute.qualifiedName() == u"id")) {
            continue;
        }
        QString value = attribute.value().toString();
        if (attribute.qualifiedName() == u"font-size" && element.scale != 1) {
            value = number(value.toDouble() * element.scale);
        } else if (attribute.qualifiedName() == u"x" && element.shift != 0) {
            value = number(value.toDouble() + element.shift);
        }
        out += QStringLiteral(" %1=\"%2\"").arg(attribute.qualifiedName(), value.toHtmlEscaped());
    }
    if (!id.isEmpty()) {
        out += QStringLiteral(" id=\"%1\"").arg(id);
    }
    return out + u'>' + element.text.toHtmlEscaped() + QStringLiteral("</text>");
}

// The picture with each text written anew.
QString build(const QString &svg, const std::vector<TextElement> &texts) {
    QString out;
    qsizetype copied = 0;
    for (const TextElement &element : texts) {
        out += QStringView(svg).mid(copied, element.begin - copied);
        out += textElement(element);
        copied = element.end;
    }
    out += QStringView(svg).mid(copied);
    return out;
}

// Where the renderer draws each text. Only the texts are laid out, in a
// picture of their own with the same size and units: they carry their fonts
// and transforms themselves, and the rest of the picture is not needed.
std::vector<QRectF> measure(const QString &svg, const std::vector<TextElement> &texts) {
    const qsizetype root = svg.indexOf(u"<svg");
    QString alone = svg.mid(root, svg.indexOf(u'>', root) + 1 - root);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        alone += textElement(texts[i], elementId(i));
    }
    QSvgRenderer renderer((alone + QStringLiteral("</svg>")).toUtf8());
    std::vector<QRectF> bounds;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        bounds.push_back(renderer.boundsOnElement(elementId(i)));
    }
    return bounds;
}

enum class Anchor { Start, Middle, End };

Anchor anchorOf(const TextElement &element) {
    const QStringView anchor = element.attributes.value(QLatin1String("text-anchor"));
    return anchor == u"middle" ? Anchor::Middle : anchor == u"end" ? Anchor::End : Anchor::Start;
}

// Words that run right to left and are designed to start at the left begin
// at their place's right edge instead.
bool startsAtRight(const TextElement &element) {
    return element.text.isRightToLeft() && anchorOf(element) == Anchor::Start;
}

// How wide a text drawn at `bounds` may be and stay in its place, its anchor
// where it is.
double room(const TextElement &element, const QRectF &bounds) {
    const QRectF &place = element.place;
    if (startsAtRight(element)) {
        return place.width();
    }
    switch (anchorOf(element)) {
        case Anchor::Start:
            return place.right() - bounds.left();
        case Anchor::End:
            return bounds.right() - place.left();
        case Anchor::Middle:
            break;
    }
    const double centre = bounds.center().x();
    return 2 * std::min(centre - place.left(), place.right() - centre);
}

// Shrinks the texts that are too wide for their places, the copies of one
// word (its shadow, its outline) all alike, and moves words that run right
// to left to their place's right edge.
void fitIntoPlaces(const QString &svg, std::vector<TextElement> &texts) {
    const auto wordOf = [](const TextElement &element) {
        return std::make_pair(element.text, placeOf(element.attributes).toString());
    };
    std::vector<QRectF> bounds = measure(svg, texts);
    for (int round = 0; round < kFitRounds; ++round) {
        std::map<std::pair<QString, QString>, double> wordScale;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const TextElement &element = texts[i];
            const double width = bounds[i].width();
            if (element.place.isEmpty() || width <= room(element, bounds[i]) + kTolerance) {
                continue;
            }
            const double needed = element.scale * room(element, bounds[i]) / width;
            auto [slot, added] = wordScale.try_emplace(wordOf(element), needed);
            slot->second = std::min(slot->second, needed);
        }
        if (wordScale.empty()) {
            break;
        }
        for (TextElement &element : texts) {
            if (const auto found = wordScale.find(wordOf(element)); found != wordScale.end()) {
                element.scale = found->second;
            }
        }
        bounds = measure(svg, texts);
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        TextElement &element = texts[i];
        if (!element.place.isEmpty() && startsAtRight(element)) {
            element.shift = element.place.right() - bounds[i].right();
        }
    }
}

}  // namespace

QByteArray localized(const QByteArray &svg) {
    if (!svg.contains("<text")) {
        return svg;  // no words: nothing to read through
    }
    const QString picture = QString::fromUtf8(svg);
    std::vector<TextElement> texts = parse(picture);
    if (std::none_of(texts.begin(), texts.end(), [](const auto &t) { return t.changed; })) {
        return svg;
    }
    fitIntoPlaces(picture, texts);
    return build(picture, texts).toUtf8();
}

std::vector<Word> words(const QByteArray &svg) {
    const QString picture = QString::fromUtf8(svg);
    std::vector<TextElement> texts = parse(picture);
    if (std::any_of(texts.begin(), texts.end(), [](const auto &t) { return t.changed; })) {
        fitIntoPlaces(picture, texts);
    }
    const std::vector<QRectF> bounds = measure(picture, texts);
    std::vector<Word> found;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        found.push_back({texts[i].text, texts[i].place, bounds[i], texts[i].scale});
    }
    return found;
}

}  // namespace dropline::ui::drawn_words
