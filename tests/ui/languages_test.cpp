#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>

#include "game/texts.h"
#include "ui/main_window_design.h"
#include "ui/prompts.h"
#include "ui/scoreboard_font.h"
#include "ui/side_window_designs.h"

// What every language the game ships must hold to, checked in each of them
// and in English: the words drawn in the pictures fit their places and are
// legible, every word has real glyphs, the winner lines fit the score panel,
// the menus' access keys differ, and the new-players question names its
// yes-letter.

using namespace dropline;
using ui::TwipsRect;

namespace {

struct Picture {
    const char *artwork;
    std::span<const ui::DrawnWord> words;
};
const Picture kPictures[] = {
    {ui::main_window::kArtwork, ui::main_window::kWords},
    {ui::about_window::kArtwork, ui::about_window::kWords},
    {ui::farewell_window::kArtwork, ui::farewell_window::kWords},
};
// A word shrunk below this share of its designed size is too small to read:
// its translation must be shorter.
constexpr double kSmallestScale = 0.7;
// How far a word may reach out of its place: rounding.
constexpr double kRounding = 0.05;

QString translate(const char *context, const char *text) {
    return QCoreApplication::translate(context, text);
}

// The text itself when no installed font can draw some of its characters in
// `font`, after Qt's fallback; empty otherwise.
QString missingGlyphs(const QString &text, const QFont &font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int missing = 0;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        missing += run.glyphIndexes().count(0);
    }
    return missing == 0 ? QString() : text;
}

QFont artworkFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(11);
    return font;
}

// The access key of a menu entry ("E&xit" has x), lower-cased.
QChar accessKey(const QString &entry) {
    for (qsizetype i = entry.indexOf(u'&'); i >= 0 && i + 1 < entry.size();
         i = entry.indexOf(u'&', i + 2)) {
        if (entry[i + 1] != u'&') {
            return entry[i + 1].toLower();
        }
    }
    return {};
}

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

    QTranslator translator;

private slots:
    void eachLanguage_data() {
        QTest::addColumn<QString>("catalog");
        QTest::newRow("en") << QString();
        const QStringList catalogs = QDir(":/i18n").entryList({"*.qm"});
        QVERIFY2(catalogs.size() >= 8, qPrintable(catalogs.join(' ')));
        for (const QString &catalog : catalogs) {
            QTest::newRow(qPrintable(catalog)) << ":/i18n/" + catalog;
        }
    }

    void eachLanguage() {
        QFETCH(QString, catalog);
        if (!catalog.isEmpty()) {
            QVERIFY(translator.load(catalog));
            QCoreApplication::installTranslator(&translator);
        }
        const auto uninstall =
            qScopeGuard([this] { QCoreApplication::removeTranslator(&translator); });
        QStringList missing;

        using namespace ui::main_window;
        // The labels that show the score panel's values, beside its words.
        const TwipsRect valueLabels[] = {kRedName, kBlueName, kRedSteps,  kBlueSteps,
                                         kRedWins, kBlueWins, kWinnerLine};

        for (const Picture &picture : kPictures) {
            const std::vector<ui::LaidOutWord> words =
                ui::layOutWords(picture.artwork, picture.words);
            QCOMPARE(words.size(), picture.words.size());  // every word has its place
            for (const ui::LaidOutWord &word : words) {
                missing << missingGlyphs(word.text, artworkFont());
                const QString where = QStringLiteral("%1 in %2: %3 drawn at %4,%5 %6x%7")
                                          .arg(word.text, picture.artwork)
                                          .arg(word.scale)
                                          .arg(word.drawn.x())
                                          .arg(word.drawn.y())
                                          .arg(word.drawn.width())
                                          .arg(word.drawn.height());
                QVERIFY2(word.scale >= kSmallestScale, qPrintable("too small: " + where));
                if (catalog.isEmpty()) {
                    QVERIFY2(word.scale == 1, qPrintable("English is drawn as designed: " + where));
                }
                // Across, the words fill their places; up and down, a font's
                // line reaches far beyond its glyphs (most of all in CJK
                // fonts), so only its middle must lie in the place.
                QVERIFY2(word.drawn.left() >= word.place.left() - kRounding &&
                             word.drawn.right() <= word.place.right() + kRounding &&
                             word.place.top() <= word.drawn.center().y() &&
                             word.drawn.center().y() <= word.place.bottom(),
                         qPrintable("out of its place: " + where));
                if (QString(picture.artwork) == kArtwork) {
                    for (const TwipsRect &label : valueLabels) {
                        QVERIFY2(!word.drawn.intersects(label.toPixels()),
                                 qPrintable("over a value: " + where));
                    }
                }
            }
        }

        // The winner lines are shown whole on the score panel.
        const QFontMetricsF scoreboard(ui::scoreboardFont());
        const double winnerWidth = kWinnerLine.toPixels().width();
        for (const char *line : {texts::kRedWins, texts::kBlueWins}) {
            const QString shown = translate(texts::kContext, line);
            missing << missingGlyphs(shown, ui::scoreboardFont());
            QVERIFY2(scoreboard.horizontalAdvance(shown) <= winnerWidth, qPrintable(shown));
        }

        // Within each menu, and along the menu bar, every access key differs.
        const std::pair<const char *, std::vector<const char *>> menus[] = {
            {kMenuBarContext, {kGameMenu, kAboutMenu}},
            {kGameMenuContext, {kNewItem, kExitItem}},
            {kAboutMenuContext, {kAboutItem}},
        };
        for (const auto &[context, entries] : menus) {
            QList<QChar> keys;
            for (const char *entry : entries) {
                const QString shown = translate(context, entry);
                missing << missingGlyphs(shown, QFont());
                const QChar key = accessKey(shown);
                QVERIFY2(!key.isNull() && !keys.contains(key), qPrintable(shown));
                keys << key;
            }
        }

        // The new-players question names the answer that brings new players,
        // which counts also as an input method types it; in English "y" is
        // the only one, exactly.
        const QString question = ui::prompts::translated(ui::prompts::kNewPlayers);
        const QStringList yes = ui::prompts::yesAnswers();
        QVERIFY(!yes.isEmpty());
        QVERIFY2(question.contains(yes.first()), qPrintable(question));
        missing << missingGlyphs(question, QFont());
        QVERIFY(ui::prompts::isYes("y"));
        for (const char *no : {"", "n", " y", "Y", "yes"}) {
            QVERIFY2(!ui::prompts::isYes(no), qPrintable(no));
        }
        const QString fullWidthY = QString(QChar(0xFF59));
        QCOMPARE(ui::prompts::isYes(fullWidthY), !catalog.isEmpty());
        for (const QString &answer : yes) {
            QVERIFY2(ui::prompts::isYes(answer), qPrintable(answer));
            if (answer.size() == 1 && answer[0].unicode() < 0x80 && answer[0].isLetter()) {
                const QChar fullWidth(answer[0].unicode() - u'!' + 0xFF01);
                QVERIFY2(ui::prompts::isYes(fullWidth) == !catalog.isEmpty(), qPrintable(answer));
            }
        }

        missing.removeAll(QString());
        QVERIFY2(missing.isEmpty(), qPrintable("no glyphs for: " + missing.join(" | ")));
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
