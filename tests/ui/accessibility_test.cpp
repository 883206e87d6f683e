// What assistive technology finds in the main window, and what a press
// through it does. What a screen reader says is checked end to end with Orca
// (tests/e2e); here, the tree it reads and what Orca's test cannot time.

#include <QAccessible>
#include <QTest>

#include "ui/spoken.h"
#include "window_fixture.h"

using namespace dropline;
using namespace dropline::testing;

class AccessibilityTest : public WindowTest {
    Q_OBJECT

    // Where a part of the client area lies on the screen.
    QRect onScreen(const QRect &inClient) const {
        return {clientOf(*window)->mapToGlobal(inClient.topLeft()), inClient.size()};
    }

private slots:
    void init() { openWindow(); }
    void cleanup() { window.reset(); }

    // The board is a canvas of five column buttons, then a disc for each
    // cell, each lying where the board draws it.
    void theBoardHoldsItsColumnsAndDiscs() {
        clickColumns(*window, {2, 2, 4});
        QAccessibleInterface *board = accessibleBoard(*window);
        QCOMPARE(board->text(QAccessible::Name), QString("Board"));
        QCOMPARE(board->childCount(), kColumns + kCells);
        QCOMPARE(board->text(QAccessible::Description),
                 QString("Column 1: empty. Column 2: empty. Column 3: red, blue; 3 free. "
                         "Column 4: empty. Column 5: red; 4 free"));
        for (int column = 0; column < kColumns; ++column) {
            QAccessibleInterface *button = accessibleColumn(*window, column);
            QCOMPARE(button->role(), QAccessible::Button);
            QCOMPARE(button->text(QAccessible::Name), ui::spoken::columnName(game(), column));
            QCOMPARE(button->parent(), board);
            QCOMPARE(board->indexOfChild(button), column);
            const QRect place = boardGeometry().column(column).translated(boardDrawingOrigin());
            QCOMPARE(button->rect(), onScreen(place));
        }
        for (int cell = 0; cell < kCells; ++cell) {
            const int column = cell % kColumns;
            const int row = cell / kColumns;
            QAccessibleInterface *disc = accessibleDisc(*window, column, row);
            QCOMPARE(disc->role(), QAccessible::Graphic);
            const bool placed = game().cell(column, row) != Cell::Empty;
            QCOMPARE(!disc->state().invisible, placed);
            QCOMPARE(disc->text(QAccessible::Name).isEmpty(), !placed);
            const QRect place = boardGeometry().disc(column, row).translated(boardDrawingOrigin());
            QCOMPARE(disc->rect(), onScreen(place));
        }
        QCOMPARE(accessibleDisc(*window, 4, 0)->text(QAccessible::Name),
                 QString("red disc, column 5, row 1"));
        // Over a disc, the disc is what lies there; elsewhere in a column, the column.
        const QRect disc = accessibleDisc(*window, 2, 1)->rect();
        QCOMPARE(board->childAt(disc.center().x(), disc.center().y()),
                 accessibleDisc(*window, 2, 1));
        const QRect column = accessibleColumn(*window, 0)->rect();
        QCOMPARE(board->childAt(column.center().x(), column.center().y()),
                 accessibleColumn(*window, 0));
    }

    // A press drops a disc as a click does, unless a won game is on the board.
    void aPressDropsADisc() {
        pressColumn(*window, 3);
        QCOMPARE(game().cell(3, 0), Cell::Red);
        QCOMPARE(journal, Journal{kClickCue});

        clickColumns(*window, {0, 3, 0, 3, 0, 3});  // red: 3, 3, 3, 3 from the bottom
        QVERIFY(game().winner());
        QVERIFY(accessibleColumn(*window, 1)->state().disabled);
        journal.clear();
        pressColumn(*window, 1);
        QCOMPARE(journal, Journal{});
        QCOMPARE(game().discsIn(1), 0);
    }

    // While a dialog holds the window, a press through the accessibility
    // tree, which reaches the board all the same, starts nothing.
    void aPressWhileADialogIsOpenIsIgnored_data() {
        QTest::addColumn<bool>("draw");
        QTest::newRow("a column during the draw message") << true;
        QTest::newRow("a column during the new-players question") << false;
    }
    void aPressWhileADialogIsOpenIsIgnored() {
        QFETCH(bool, draw);
        if (draw) {
            for (int i = 0; i < kCountedClicks; ++i) {
                clickColumn(*window, 0);  // five discs, then full-column clicks
            }
        }
        int dialogsOpened = 0;
        dialogs.onDialog = [&] {
            if (++dialogsOpened == 1) {
                pressColumn(*window, 1);
            }
        };
        journal.clear();
        if (draw) {
            clickColumn(*window, 0);
        } else {
            QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        }
        QCOMPARE(dialogsOpened, 1);
        QCOMPARE(game().countedClicks(), 0);
        QCOMPARE(game().discsIn(1), 0);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
