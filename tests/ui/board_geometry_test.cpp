#include <QTest>

#include "ui/board_geometry.h"
#include "ui/form1_design.h"

using dropline::ui::BoardGeometry;
using dropline::ui::TwipsRect;

namespace {

// The designed board and disc, in twips.
BoardGeometry designed() {
    namespace f = dropline::ui::form1;
    return BoardGeometry::measure(f::kPicture1.width, f::kPicture1.height, f::kOval0.width,
                                  f::kOval0.height);
}

}  // namespace

class BoardGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void discWidthRoundsHalvesToEven_data() {
        QTest::addColumn<double>("measured");
        QTest::addColumn<int>("discwidth");
        QTest::newRow("whole") << 720.0 << 720;
        QTest::newRow("half down to even") << 720.5 << 720;
        QTest::newRow("half up to even") << 721.5 << 722;
        QTest::newRow("below half") << 720.4 << 720;
        QTest::newRow("above half") << 720.6 << 721;
    }
    void discWidthRoundsHalvesToEven() {
        QFETCH(double, measured);
        QFETCH(int, discwidth);
        QCOMPARE(BoardGeometry::measure(4700, 3700, measured, 465).discwidth, discwidth);
    }

    void discHeightIsKeptWithItsFraction() {
        QCOMPARE(BoardGeometry::measure(4700, 3700, 720, 465.5).discheight, 465.5);
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
        const QPointF corner = designed().discTopLeft(column, row);
        QCOMPARE(corner.x(), left);
        QCOMPARE(corner.y(), top);
    }

    void anOddDiscWidthKeepsItsHalf() {
        const auto geometry = BoardGeometry::measure(4700, 3700, 721, 465);
        QCOMPARE(geometry.discTopLeft(0, 0).x(), 470 - 360.5);
    }

    void columnTargetsCoverTheBoardWithoutGapsOrOverlaps() {
        const BoardGeometry geometry = designed();
        int previousRight = 0;
        for (int column = 0; column < 5; ++column) {
            const TwipsRect target = geometry.columnTarget(column);
            QCOMPARE(target.left, column * 940.0);
            QCOMPARE(target.width, 940.0);
            QCOMPARE(target.top, 0.0);
            QCOMPARE(target.height, 3700.0);
            const QRect pixels = target.toPixels();
            QCOMPARE(pixels.left(), previousRight);
            previousRight = pixels.left() + pixels.width();
        }
        QCOMPARE(previousRight, 313);  // 4700 twips
    }

    void gridHasSixLinesEachWayIncludingTheEdges() {
        const auto lines = designed().gridLines();
        QCOMPARE(lines.size(), size_t(12));
        for (int i = 0; i <= 5; ++i) {
            QCOMPARE(lines[i], QLineF(i * 940.0, 0, i * 940.0, 3700));
            QCOMPARE(lines[6 + i], QLineF(0, i * 740.0, 4700, i * 740.0));
        }
    }

    void aBoardOfAnotherSizeIsLaidOutTheSameWay() {
        const auto geometry = BoardGeometry::measure(1000, 500, 100, 50);
        QCOMPARE(geometry.columnTarget(3).left, 600.0);
        QCOMPARE(geometry.discTopLeft(4, 4), QPointF(900 - 50, 50 - 25));
    }
};

QTEST_GUILESS_MAIN(BoardGeometryTest)
#include "board_geometry_test.moc"
