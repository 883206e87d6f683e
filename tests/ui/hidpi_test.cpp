#include <qpa/qwindowsysteminterface.h>
#include <QTest>
#include <cmath>

#include <QPainter>

#include "ui/artwork.h"
#include "ui/drawn_words.h"
#include "window_fixture.h"

using namespace dropline;
using namespace dropline::testing;
namespace design = dropline::ui::main_window;

namespace {

// Share of pixels where `image` differs from `reference` by more than a little.
double differingShare(const QImage &image, const QImage &reference) {
    int differing = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor a = image.pixelColor(x, y);
            const QColor b = reference.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                    std::abs(a.blue() - b.blue()) >
                24) {
                ++differing;
            }
        }
    }
    return double(differing) / (image.width() * image.height());
}

// Runs of dark pixels along a line of an image: where each begins and how
// long it is.
using Runs = std::vector<std::pair<int, int>>;
Runs darkRuns(const QImage &image, QPoint from, QPoint step, int count) {
    Runs runs;
    int start = -1;
    for (int i = 0; i <= count; ++i) {
        const QPoint at = from + i * step;
        const bool dark = i < count && qGray(image.pixel(at)) < 60;
        if (dark && start < 0) {
            start = i;
        } else if (!dark && start >= 0) {
            runs.emplace_back(start, i - start);
            start = -1;
        }
    }
    return runs;
}

}  // namespace

// Run at QT_SCALE_FACTOR 1, 1.25, 1.5, 1.75 and 2: windows keep their logical
// sizes, every picture is drawn from its vector art at the screen's pixels,
// and the board's grid lies on whole device pixels where clicks land.
class HiDpiTest : public WindowTest {
    Q_OBJECT

    qreal ratio = 0;

    // Where a point of the board's drawing, in logical pixels, lies in device
    // pixels of the window.
    QPointF onWindow(QPointF inDrawing) const {
        const QPoint client = clientOf(*window)->mapTo(window.get(), QPoint(0, 0));
        return (inDrawing + boardDrawingOrigin() + client) * ratio;
    }

    // Clicks the window as the system does, at a point in its device pixels,
    // and returns the column that took a disc (-1 for none).
    int columnClickedAt(QPointF device) {
        QWindow *handle = window->windowHandle();
        const QPointF global = device + window->geometry().topLeft() * ratio;
        std::array<int, kColumns> before{};
        for (int column = 0; column < kColumns; ++column) {
            before[column] = game().discsIn(column);
        }
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held =
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
                handle, device, global, held, Qt::LeftButton, type);
        }
        for (int column = 0; column < kColumns; ++column) {
            if (game().discsIn(column) != before[column]) {
                return column;
            }
        }
        return -1;
    }

private slots:
    void init() {
        openWindow();
        ratio = window->devicePixelRatioF();
        QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    void cleanup() { window.reset(); }

    void windowsKeepTheirLogicalSize() {
        QCOMPARE(clientOf(*window)->size(), QSize(527, 423));
        const QPixmap shot = clientOf(*window)->grab();
        QCOMPARE(shot.devicePixelRatio(), ratio);
        QCOMPARE(shot.size(), QSize(527, 423) * ratio);
    }

    void picturesAreRenderedAtFullResolution_data() {
        QTest::addColumn<QString>("picture");
        for (const char *picture :
             {design::kArtwork, design::kBoardArtwork, design::kRedDisc, design::kBlueDisc}) {
            QTest::newRow(picture) << QString(picture);
        }
    }
    void picturesAreRenderedAtFullResolution() {
        if (ratio == 1.0) {
            QSKIP("at one device pixel to the logical pixel there is nothing finer to draw");
        }
        QFETCH(QString, picture);
        QPixmap sharp = ui::Artwork::pixmap(picture, ratio);
        QPixmap plain = ui::Artwork::pixmap(picture, 1.0);
        if (picture == design::kArtwork) {
            // With its words, as the window shows it.
            sharp = clientOf(*window)->grab(QRect(QPoint(0, 0), design::kClientSize));
            QPainter painter(&plain);
            ui::paintWords(painter, picture, design::kWords);
        }
        QCOMPARE(sharp.devicePixelRatio(), ratio);
        QCOMPARE(sharp.size(), plain.size() * ratio);
        // Not the 1x picture blown up: edges and text carry detail of their own.
        const QImage blownUp = plain.toImage().scaled(sharp.size());
        QVERIFY(differingShare(sharp.toImage().convertToFormat(QImage::Format_ARGB32),
                               blownUp.convertToFormat(QImage::Format_ARGB32)) > 0.002);
    }

    // Wherever its corner falls among the device pixels, a disc shows its
    // picture as drawn at the screen's ratio, pixel for pixel.
    void aDiscOnTheBoardIsItsPictureAtTheScreensRatio() {
        clickColumn(*window, 2);
        const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage art = ui::Artwork::pixmap(design::kRedDisc, ratio)
                               .toImage()
                               .convertToFormat(QImage::Format_ARGB32);
        const QPointF corner = onWindow(boardGeometry().disc(2, 0).topLeft());
        const QImage disc =
            shot.copy(QRect(QPoint(qRound(corner.x()), qRound(corner.y())), art.size()));
        int opaque = 0;
        for (int y = 0; y < art.height(); ++y) {
            for (int x = 0; x < art.width(); ++x) {
                if (qAlpha(art.pixel(x, y)) == 255) {
                    ++opaque;
                    QCOMPARE(disc.pixel(x, y), art.pixel(x, y));
                }
            }
        }
        QVERIFY(opaque > art.width() * art.height() / 2);
    }

    // Every grid line is one logical pixel rounded to whole device pixels,
    // and a column's clicks begin on the first device pixel of its line.
    void gridLinesAreEquallyWideAndBeginWhereClicksLand() {
        const QImage shot = window->grab().toImage();
        const QSize drawing = design::kBoard.toPixels().size() -
                              2 * QSize(design::kBoardBorder, design::kBoardBorder);
        const int lineWidth = std::max(1, qRound(ratio));
        // Across the top row of cells, and down the first column of cells.
        const QPoint acrossFrom = onWindow({0, 30}).toPoint();
        const QPoint downFrom = onWindow({30, 0}).toPoint();
        const Runs columns = darkRuns(shot, acrossFrom, {1, 0}, int(drawing.width() * ratio) - 1);
        const Runs rows = darkRuns(shot, downFrom, {0, 1}, int(drawing.height() * ratio) - 1);
        // Five lines each way: the board's far edges lie beyond the drawing area.
        QCOMPARE(columns.size(), size_t(kColumns));
        QCOMPARE(rows.size(), size_t(kRows));
        for (const Runs *runs : {&columns, &rows}) {
            for (const auto &[start, length] : *runs) {
                QCOMPARE(length, lineWidth);
            }
        }
        // This order of clicks makes no four in a row.
        for (const int column : {1, 3, 2, 4}) {
            const qreal line = acrossFrom.x() + columns[column].first;
            const qreal middle = acrossFrom.y();
            QCOMPARE(columnClickedAt({line - 1, middle}), column - 1);
            QCOMPARE(columnClickedAt({line, middle}), column);
        }
    }

    // A click one logical pixel inside either side of a column's edge, as the
    // board's geometry puts it, lands in that column.
    void aClickOnePixelInsideAColumnLandsInIt() {
        for (const int column : {1, 3, 2, 4}) {
            const qreal edge = column * design::kBoard.width / kColumns / ui::kTwipsPerPixel;
            QCOMPARE(columnClickedAt(onWindow({edge - 1, 30})), column - 1);
            QCOMPARE(columnClickedAt(onWindow({edge + 1, 30})), column);
        }
    }
};

QTEST_MAIN(HiDpiTest)
#include "hidpi_test.moc"
