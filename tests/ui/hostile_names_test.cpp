// Players may type anything as a name. Whatever they type is shown as plain
// text on one line, cut off at the right edge of its label, and nothing else
// in the window moves or changes; a screen reader hears it as typed.

#include <QLabel>
#include <QTest>
#include <QTextLayout>

#include "ui/prompts.h"
#include "ui/spoken.h"
#include "window_fixture.h"

using namespace dropline;
using namespace dropline::testing;
namespace design = dropline::ui::main_window;

namespace {

// Characters that could break a line or move the pen if shown as they are.
bool isUnshowable(QChar ch) {
    const char16_t code = ch.unicode();
    return code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0) ||
           ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator;
}

// Every widget's place in the client area, in creation order.
QList<QRect> placesOf(const ui::MainWindow &window) {
    QList<QRect> places;
    for (const QWidget *widget : clientOf(window)->findChildren<QWidget *>()) {
        places << QRect(widget->mapTo(clientOf(window), QPoint(0, 0)), widget->size());
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

QImage pictureOf(const ui::MainWindow &window) {
    return clientOf(window)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The label that shows a name: what assistive technology calls it.
const QLabel *nameLabel(const ui::MainWindow &window, const QString &title) {
    QAccessibleInterface *found =
        findAccessible(accessibleOf(&window), [&](QAccessibleInterface *object) {
            return object->object() && object->object()->inherits("QLabel") &&
                   object->text(QAccessible::Name).startsWith(title);
        });
    return found ? static_cast<const QLabel *>(found->object()) : nullptr;
}

}  // namespace

class HostileNamesTest : public WindowTest {
    Q_OBJECT

    // The name is kept as typed, and shown literally on one line.
    void checkShown(Colour colour, const QString &name) {
        QCOMPARE(QString::fromStdString(game().player(colour).name), name);
        const QLabel *label =
            nameLabel(*window, colour == Colour::Red ? "Player 1, red" : "Player 2, blue");
        QVERIFY(label);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(!label->wordWrap());
        const QString shown = label->text();
        QCOMPARE(shown.size(), name.size());  // one symbol for every character typed
        QVERIFY2(std::none_of(shown.begin(), shown.end(), isUnshowable),
                 "a control character reaches the screen");
        for (qsizetype i = 0; i < name.size(); ++i) {
            if (!isUnshowable(name[i])) {
                QCOMPARE(shown[i], name[i]);  // everything else exactly as typed
            }
        }
        // One line, whatever fonts draw it.
        QTextLayout layout(shown, label->font());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        }
        layout.endLayout();
        QCOMPARE(layout.lineCount(), 1);
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
    void checkOnlyTheNamesChanged(const QString &name, const QImage &picture,
                                  const QList<QRect> &places) {
        checkShown(Colour::Red, name);
        if (QTest::currentTestFailed()) {
            return;
        }
        checkShown(Colour::Blue, name);
        if (QTest::currentTestFailed()) {
            return;
        }
        QCOMPARE(placesOf(*window), places);
        QCOMPARE(changedOutside(picture, pictureOf(*window),
                                {design::kRedName.toPixels(), design::kBlueName.toPixels()}),
                 0);
    }

private slots:
    void cleanup() { window.reset(); }

    void atTheFirstActivation_data() { addRows(); }
    void atTheFirstActivation() {
        QFETCH(QString, name);
        openWindow({});
        const QImage expected = pictureOf(*window);
        const QList<QRect> expectedPlaces = placesOf(*window);

        openWindow({name, name});
        checkOnlyTheNamesChanged(name, expected, expectedPlaces);
    }

    void forNewPlayers_data() { addRows(); }
    void forNewPlayers() {
        QFETCH(QString, name);
        openWindow();
        const QImage before = pictureOf(*window);
        const QList<QRect> placesBefore = placesOf(*window);

        dialogs.answers = {ui::prompts::kYes, name, name};
        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(dialogs.answers.empty());
        checkOnlyTheNamesChanged(name, before, placesBefore);
    }

    // A screen reader hears a name as typed, whatever placeholders it holds.
    void spokenAsTyped() {
        const QString name = "%1 %2 %3 &amp;";
        const QString red = ui::spoken::player(Colour::Red, name);
        const Disc disc{.column = 2, .row = 1, .colour = Colour::Red};
        QCOMPARE(ui::spoken::placed(disc, red), "Red, %1 %2 %3 &amp;: column 3, row 2.");
        QCOMPARE(ui::spoken::columnFull(4, red),
                 "Column 5 is full. Red, %1 %2 %3 &amp;, still to move.");
    }
};

QTEST_MAIN(HostileNamesTest)
#include "hostile_names_test.moc"
