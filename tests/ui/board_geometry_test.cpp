#include <QTest>

#include "ui/board_geometry.h"
#include "ui/main_window_design.h"

using dropline::ui::BoardGeometry;
using dropline::ui::TwipsSize;

namespace {

// The designed board and disc, in twips.
BoardGeometry designed() {
    namespace design = dropline::ui::main_window;
    return {design::kBoard.size(), design::kDisc};
}

}  // namespace

class BoardGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void discWidthRoundsHalvesToEven_data() {
        QTest::addColumn<double>("measured");
        QTest::addColumn<double>("left");
        QTest::newRow("whole") << 720.0 << 470 - 360.0;
        QTest::newRow("half down to even") << 720.5 << 470 - 360.0;
        QTest::newRow("half up to even") << 721.5 << 470 - 361.0;
        QTest::newRow("below half") << 720.4 << 470 - 360.0;
        QTest::newRow("above half") << 720.6 << 470 - 360.5;
    }
    void discWidthRoundsHalvesToEven() {
        QFETCH(double, measured);
        QFETCH(double, left);
        QCOMPARE(BoardGeometry({4700, 3700}, {measured, 465}).discTopLeft(0, 0).x(), left);
    }

    void discHeightIsKeptWithItsFraction() {
        QCOMPARE(BoardGeometry({4700, 3700}, {720, 465.5}).discTopLeft(0, 0).y(), 3330 - 232.75);
    }

    // Every disc is centred on its cell: left/top for each column and row of
    // the designed board (940 x 740 twips cells, 720 x 465 twips discs).
    void discsSitCentredOnTheirCells_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        const double lefts[] = {110, 1050, 1990, 2930, 3870};
        const double tops[] = {3097.5, 2357.5, 1617.5, 877.5, 137.5};
        for (int column = 0; column < 5; ++column) {
            for (int row = 0; row < 5; ++row) {
                QTest::addRow("c%d r%d", column, row)
                    << column << row << lefts[column] << tops[row];
            }
        }
    }
    void discsSitCentredOnTheirCells() {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(double, left);
        QFETCH(double, top);
        const BoardGeometry geometry = designed();
        QCOMPARE(geometry.discTopLeft(column, row), QPointF(left, top));
        // On the screen, the disc keeps its picture's size.
        QCOMPARE(geometry.disc(column, row), QRect(qRound(left / 15), qRound(top / 15), 48, 31));
    }

    // The columns share their lines: each begins where the one before ends,
    // and a point belongs to the column whose line it lies on or after.
    void columnsCoverTheBoardBetweenTheirLines() {
        const BoardGeometry geometry = designed();
        const int lines[] = {0, 63, 125, 188, 251, 313};
        for (int i = 0; i <= 5; ++i) {
            QCOMPARE(geometry.verticalLine(i), lines[i]);
        }
        for (int column = 0; column < 5; ++column) {
            const QRect place = geometry.column(column);
            QCOMPARE(place.left(), lines[column]);
            QCOMPARE(place.right() + 1, lines[column + 1]);
            QCOMPARE(place.top(), 0);
            QCOMPARE(place.height(), 247);
            QCOMPARE(geometry.columnAt(QPointF(lines[column], 0)), column);
            QCOMPARE(geometry.columnAt(QPointF(lines[column + 1] - 0.01, 246.9)), column);
        }
        QCOMPARE(geometry.columnAt(QPointF(-0.01, 10)), -1);
        QCOMPARE(geometry.columnAt(QPointF(313, 10)), -1);
        QCOMPARE(geometry.columnAt(QPointF(10, -0.01)), -1);
        QCOMPARE(geometry.columnAt(QPointF(10, 247)), -1);
        for (int i = 0; i <= 5; ++i) {
            QCOMPARE(geometry.horizontalLine(i), qRound(i * 740 / 15.0));
        }
    }

    void aBoardOfAnotherSizeIsLaidOutTheSameWay() {
        const BoardGeometry geometry({1500, 750}, {150, 75});
        QCOMPARE(geometry.verticalLine(3), 60);
        QCOMPARE(geometry.discTopLeft(4, 4), QPointF(1350 - 75, 75 - 37.5));
    }
};

QTEST_GUILESS_MAIN(BoardGeometryTest)
#include "board_geometry_test.moc"
