#include <QAction>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "fakes.h"
#include "ui/board_view.h"
#include "ui/click_area.h"
#include "ui/disc_image.h"
#include "ui/form1.h"
#include "ui/picture_canvas.h"
#include "ui/score_label.h"
#include "window_driver.h"

using namespace dropline;
using namespace dropline::testing;
using ui::Form1;

namespace {

const QColor kField{0xCC, 0xCE, 0xDC};
const QColor kDarkGrey{0x40, 0x40, 0x40};

bool near(const QColor &a, const QColor &b, int tolerance = 12) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

}  // namespace

class Form1DesignTest : public QObject {
    Q_OBJECT

    Journal journal;
    JournalCues cues{journal};
    ScriptedDialogs dialogs{journal};
    std::unique_ptr<Form1> form;

    const ui::Form1Controls &c() const { return form->controls(); }

    QImage clientImage() const { return form->client()->grab().toImage(); }

private slots:
    void init() {
        journal.clear();
        form = std::make_unique<Form1>(cues, dialogs);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_COMPARE(journal.size(), 3);  // the opening cue and the two names
        journal.clear();
    }
    void cleanup() { form.reset(); }

    void windowFrameAndClientArea() {
        QCOMPARE(form->windowTitle(), QString(" Tavrin Dropline"));
        QVERIFY(!form->windowIcon().isNull());
        QCOMPARE(form->client()->size(), QSize(527, 423));
        QVERIFY(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    }

    // Pixel rectangles of the designed twips (15 twips to the pixel).
    void controlsLieWhereDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("Picture1") << "Picture1" << QRect(QPoint(192, 24), QPoint(504, 270));
        QTest::newRow("newbutton") << "newbutton" << QRect(QPoint(24, 24), QPoint(144, 200));
        QTest::newRow("aboutbutton") << "aboutbutton" << QRect(QPoint(24, 216), QPoint(144, 392));
        QTest::newRow("exitbutton") << "exitbutton" << QRect(QPoint(496, 0), QPoint(520, 24));
        QTest::newRow("Label1") << "Label1" << QRect(272, 304, 65, 17);
        QTest::newRow("Label2") << "Label2" << QRect(432, 304, 73, 17);
        QTest::newRow("rstep") << "rstep" << QRect(256, 321, 65, 17);
        QTest::newRow("bstep") << "bstep" << QRect(416, 321, 81, 17);
        QTest::newRow("rwinned") << "rwinned" << QRect(264, 337, 65, 17);
        QTest::newRow("bwinned") << "bwinned" << QRect(424, 337, 65, 17);
        QTest::newRow("winner") << "winner" << QRect(224, 368, 265, 25);
    }
    void controlsLieWhereDesigned() {
        QFETCH(QString, name);
        QFETCH(QRect, expected);
        const std::map<QString, QWidget *> controls{
            {"Picture1", c().Picture1},
            {"newbutton", c().newbutton},
            {"aboutbutton", c().aboutbutton},
            {"exitbutton", c().exitbutton},
            {"Label1", c().Label1},
            {"Label2", c().Label2},
            {"rstep", c().rstep},
            {"bstep", c().bstep},
            {"rwinned", c().rwinned},
            {"bwinned", c().bwinned},
            {"winner", c().winner},
        };
        QCOMPARE(controls.at(name)->geometry(), expected);
    }

    void columnTargetsCoverTheirColumns() {
        const int lefts[] = {0, 63, 125, 188, 251, 313};
        for (int column = 0; column < 5; ++column) {
            const QRect target = c().col[column]->geometry();
            QCOMPARE(target.left(), lefts[column]);
            QCOMPARE(target.right() + 1, lefts[column + 1]);
            QCOMPARE(target.top(), 0);
            QCOMPARE(target.height(), 247);
            QVERIFY(c().col[column]->isVisible());
        }
    }

    void atStartTheScoreboardShowsZerosAndNoNames() {
        for (ui::ScoreLabel *zero : {c().rstep, c().bstep, c().rwinned, c().bwinned}) {
            QCOMPARE(zero->text(), QString("0"));
        }
        for (ui::ScoreLabel *empty : {c().Label1, c().Label2, c().winner}) {
            QCOMPARE(empty->text(), QString());
        }
        QCOMPARE(c().rstep->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(c().Label2->palette().color(QPalette::WindowText), QColor(Qt::blue));
    }

    void scoreboardTextIsTahomaBoldWhereInstalled() {
        const QFontInfo shown(c().rstep->font());
        QVERIFY(shown.bold());
        QCOMPARE(shown.pixelSize(), 13);
        if (QFile::exists("/usr/share/wine/fonts/tahomabd.ttf")) {
            QCOMPARE(shown.family(), QString("Tahoma"));
        }
    }

    void noDiscIsVisibleBeforeTheFirstMove() {
        QVERIFY(!c().red->isVisible());
        QVERIFY(!c().blue->isVisible());
        for (ui::DiscImage *disc : c().oval) {
            QVERIFY(!disc->isVisible());
            QCOMPARE(disc->size(), QSize(48, 31));
        }
    }

    void menusCarryTheirItemsKeysAndShortcuts() {
        const auto menus = form->menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->text(), QString("&Game"));
        QCOMPARE(menus[1]->text(), QString("&About"));
        const auto gameItems = menus[0]->menu()->actions();
        QCOMPARE(gameItems.size(), 3);
        QCOMPARE(gameItems[0], c().newgame);
        QVERIFY(gameItems[1]->isSeparator());
        QCOMPARE(gameItems[2], c().exgame);
        QCOMPARE(menus[1]->menu()->actions(), QList<QAction *>{c().abt});

        QCOMPARE(c().newgame->text(), QString("&New"));
        QCOMPARE(c().newgame->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(c().exgame->text(), QString("E&xit"));
        QCOMPARE(c().exgame->shortcut(), QKeySequence("Ctrl+Q"));
        QCOMPARE(c().abt->text(), QString("&About"));
        QCOMPARE(c().abt->shortcut(), QKeySequence("F1"));
    }

    void onlyTheBoardTakesTheKeyboardFocus() {
        QCOMPARE(c().Picture1->focusPolicy(), Qt::StrongFocus);
        for (QWidget *area : {static_cast<QWidget *>(c().newbutton), (QWidget *)c().aboutbutton,
                              (QWidget *)c().exitbutton, (QWidget *)c().col[0]}) {
            QCOMPARE(area->focusPolicy(), Qt::NoFocus);
        }
    }

    // The drawn buttons lie under their click areas: inside an area the
    // artwork differs from the field, just outside the button it is field.
    void clickAreasLieOverTheirDrawnButtons_data() {
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("outside");
        QTest::newRow("new game") << QPoint(84, 110) << QPoint(10, 110);
        QTest::newRow("about") << QPoint(84, 300) << QPoint(10, 300);
        QTest::newRow("close box") << QPoint(512, 12) << QPoint(490, 12);
    }
    void clickAreasLieOverTheirDrawnButtons() {
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        const QImage image = clientImage();
        QVERIFY(!near(image.pixelColor(inside), kField, 4));
        QVERIFY(near(image.pixelColor(outside), kField, 4));
    }

    void scorePanelIsAmberUnderTheWinnerLine() {
        const QImage image = clientImage();
        QVERIFY(near(image.pixelColor(300, 380), QColor(0xFF, 0xC0, 0x00)));
    }

    void gridIsDrawnOverTheBoardPicture() {
        const QImage board = c().Picture1->drawingArea()->grab().toImage();
        QCOMPARE(board.size(), QSize(309, 243));
        // Vertical line of column 1's left edge, horizontal line between rows.
        QVERIFY(near(board.pixelColor(63, 30), Qt::black, 40));
        QVERIFY(near(board.pixelColor(30, 49), Qt::black, 40));
        QVERIFY(!near(board.pixelColor(30, 30), Qt::black, 60));
    }

    void beyondThePictureTheWindowIsDarkGrey() {
        form->resize(800, 640);
        QTRY_COMPARE(form->client()->width(), 800);
        const QImage image = clientImage();
        QCOMPARE(image.pixelColor(700, 500), kDarkGrey);
        QCOMPARE(image.pixelColor(526, 10), kField);
        QCOMPARE(image.pixelColor(527, 10), kDarkGrey);
        QCOMPARE(c().Picture1->geometry().topLeft(), QPoint(192, 24));
    }

    // Nothing outside the click areas reacts: the rims of the drawn buttons,
    // the artwork, the score panel.
    void clicksOutsideTheClickAreasDoNothing_data() {
        QTest::addColumn<QPoint>("point");
        QTest::newRow("new button rim") << QPoint(20, 100);
        QTest::newRow("about button bottom strip") << QPoint(84, 400);
        QTest::newRow("field") << QPoint(170, 10);
        QTest::newRow("score panel") << QPoint(300, 350);
        QTest::newRow("winner line") << QPoint(300, 380);
    }
    void clicksOutsideTheClickAreasDoNothing() {
        QFETCH(QPoint, point);
        clickAt(form->client(), point);
        QCOMPARE(journal, Journal{});
        // The same click inside an area does reach it.
        clickCentre(c().aboutbutton);
        QCOMPARE(journal, Journal{kClickCue});
    }

    void labelsShowMarkupLiterallyAndClipLongText() {
        ui::ScoreLabel *name = c().Label1;
        const QRect before = name->geometry();
        name->setCaption("<b>x</b><img src=x>&amp;");
        QCOMPARE(name->text(), QString("<b>x</b><img src=x>&amp;"));
        QCOMPARE(name->textFormat(), Qt::PlainText);
        name->setCaption(QString(10000, QChar('W')));
        QCOMPARE(name->geometry(), before);
        name->setCaption("one\ntwo\tthree");
        QVERIFY(!name->text().contains('\n'));
        QVERIFY(!name->text().contains('\t'));
        QCOMPARE(name->caption(), QString("one\ntwo\tthree"));
    }
};

QTEST_MAIN(Form1DesignTest)
#include "form1_design_test.moc"
