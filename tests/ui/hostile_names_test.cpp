// Players may type anything as a name. Whatever they type is shown as plain
// text on one line, cut off at the right edge of its label, and nothing else
// in the window moves or changes; a screen reader hears it as typed.

#include <QAction>
#include <QTest>

#include "fakes.h"
#include "ui/form1.h"
#include "ui/picture_canvas.h"
#include "ui/prompts.h"
#include "ui/score_label.h"
#include "ui/spoken.h"

using namespace dropline;
using namespace dropline::testing;
using ui::Form1;

namespace {

// Characters that could break a line or move the pen if shown as they are.
bool isUnshowable(QChar ch) {
    const char16_t code = ch.unicode();
    return code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0) ||
           ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator;
}

// Every widget's place in the client area, in creation order.
QList<QRect> placesOf(const Form1 &window) {
    QList<QRect> places;
    const QList<QWidget *> widgets = window.client()->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        places << QRect(widget->mapTo(window.client(), QPoint(0, 0)), widget->size());
    }
    return places;
}

// Pixels that differ between two pictures of the client area outside `spared`.
int changedOutside(const QImage &before, const QImage &after, const QList<QRect> &spared) {
    int changed = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            const bool inSpared = std::any_of(spared.begin(), spared.end(),
                                              [&](const QRect &r) { return r.contains(x, y); });
            if (!inSpared && before.pixel(x, y) != after.pixel(x, y)) {
                ++changed;
            }
        }
    }
    return changed;
}

QImage pictureOf(const Form1 &window) {
    return window.client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class HostileNamesTest : public QObject {
    Q_OBJECT

    Journal journal;
    JournalCues cues{journal};
    ScriptedDialogs dialogs{journal};

    // A window shown and activated, its first names answered with `first`.
    std::unique_ptr<Form1> openWindow(const QString &first, const QString &second) {
        journal.clear();
        dialogs.answers = {first, second};
        auto window = std::make_unique<Form1>(cues, dialogs);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) {
            return nullptr;
        }
        if (!QTest::qWaitFor([this] { return dialogs.answers.empty(); })) {
            return nullptr;  // the names were never asked
        }
        return window;
    }

    // The name is kept as typed and shown literally on one line.
    static void checkShown(const ui::ScoreLabel *label, const QString &name) {
        QCOMPARE(label->caption(), name);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(!label->wordWrap());
        const QString shown = label->text();
        QCOMPARE(shown.size(), name.size());  // one symbol for every character typed
        QVERIFY2(std::none_of(shown.begin(), shown.end(), isUnshowable),
                 "a control character reaches the screen");

        ui::ScoreLabel oneLine{QString()};
        oneLine.setFont(label->font());
        oneLine.setCaption("x");
        // Fallback fonts (emoji, Hebrew) may be taller; a second line doubles it.
        QVERIFY(label->sizeHint().height() < 2 * oneLine.sizeHint().height());
        for (qsizetype i = 0; i < name.size(); ++i) {
            if (!isUnshowable(name[i])) {
                QCOMPARE(shown[i], name[i]);  // everything else exactly as typed
            }
        }
    }

    static void addRows() {
        QTest::addColumn<QString>("name");
        QTest::newRow("bold markup") << "<b>x</b>";
        QTest::newRow("image markup") << "<img src=x>";
        QTest::newRow("entity") << "&amp;";
        QTest::newRow("10,000 characters") << QString(10'000, QChar('W'));
        QTest::newRow("right to left")
            << QString::fromUtf8("\u05E9\u05DC\u05D5\u05DD Ann \u0645\u0631\u062D\u0628\u0627");
        QTest::newRow("combining marks")
            << QString::fromUtf8("Zo\u0308e\u0301\u0301\u0301\u0301\u0301\u0301\u0301\u0301");
        QTest::newRow("emoji") << QString::fromUtf8(
            "\U0001F600\U0001F44D\U0001F3FD\U0001F468\u200D\U0001F469\u200D\U0001F467");
        QTest::newRow("newlines") << "Ann\nBob\r\nCy";
        QTest::newRow("control characters")
            << QString::fromUtf8("a\tb\x01\x1b[31mc\x7f\u0085d\u2028e\u2029f");
        QTest::newRow("right-to-left override") << QString::fromUtf8("\u202Enna\u202C");
        QTest::newRow("empty or cancelled") << QString();
    }

    // Both names show `name` as they should, and nothing else in the window
    // moved or changed from `picture` and `places`.
    void checkOnlyTheNamesChanged(const ui::Form1 &window, const QString &name,
                                  const QImage &picture, const QList<QRect> &places) {
        const auto &c = window.controls();
        checkShown(c.Label1, name);
        if (QTest::currentTestFailed()) {
            return;
        }
        checkShown(c.Label2, name);
        if (QTest::currentTestFailed()) {
            return;
        }
        QCOMPARE(placesOf(window), places);
        QCOMPARE(changedOutside(picture, pictureOf(window),
                                {c.Label1->geometry(), c.Label2->geometry()}),
                 0);
    }

private slots:
    void atTheFirstActivation_data() { addRows(); }
    void atTheFirstActivation() {
        QFETCH(QString, name);
        auto reference = openWindow({}, {});
        QVERIFY(reference);
        const QImage expected = pictureOf(*reference);
        const QList<QRect> expectedPlaces = placesOf(*reference);
        reference.reset();

        auto window = openWindow(name, name);
        QVERIFY(window);
        checkOnlyTheNamesChanged(*window, name, expected, expectedPlaces);
    }

    void forNewPlayers_data() { addRows(); }
    void forNewPlayers() {
        QFETCH(QString, name);
        auto window = openWindow("Ann", "Bob");
        QVERIFY(window);
        const auto &c = window->controls();
        const QImage before = pictureOf(*window);
        const QList<QRect> placesBefore = placesOf(*window);

        dialogs.answers = {ui::prompts::kYes, name, name};
        c.newgame->trigger();
        QVERIFY(dialogs.answers.empty());
        checkOnlyTheNamesChanged(*window, name, before, placesBefore);
    }

    // A screen reader hears a name as typed, whatever placeholders it holds.
    void spokenAsTyped() {
        const QString name = "%1 %2 %3 &amp;";
        const QString red = ui::spoken::player(Colour::Red, name);
        const PlacedDisc disc{.image = 0, .column = 2, .row = 1, .colour = Colour::Red};
        QCOMPARE(ui::spoken::placed(disc, red), "Red, %1 %2 %3 &amp;: column 3, row 2.");
        QCOMPARE(ui::spoken::columnFull(4, red),
                 "Column 5 is full. Red, %1 %2 %3 &amp;, still to move.");
    }
};

QTEST_MAIN(HostileNamesTest)
#include "hostile_names_test.moc"
