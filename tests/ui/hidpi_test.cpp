#include <qpa/qwindowsysteminterface.h>
#include <QTest>
#include <cmath>

#include "fakes.h"
#include "ui/artwork.h"
#include "ui/board_view.h"
#include "ui/disc_image.h"
#include "ui/form1.h"
#include "ui/form1_design.h"
#include "ui/picture_canvas.h"
#include "ui/twips.h"

using namespace dropline;
using namespace dropline::testing;

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
class HiDpiTest : public QObject {
    Q_OBJECT

    Journal journal;
    JournalCues cues{journal};
    ScriptedDialogs dialogs{journal};
    std::unique_ptr<ui::Form1> form;
    qreal ratio = 0;

    const ui::Form1Controls &c() const { return form->controls(); }

    // Where a point of the board's drawing area, in logical pixels, lies in
    // device pixels of the window.
    QPointF onWindow(QPointF inArea) const {
        const QPoint area = c().Picture1->drawingArea()->mapTo(form.get(), QPoint(0, 0));
        return (inArea + area) * ratio;
    }

    // Clicks the window as the system does, at a point in its device pixels,
    // and returns the column that took a disc (-1 for none).
    int columnClickedAt(QPointF device) {
        QWindow *window = form->windowHandle();
        const QPointF global = device + form->geometry().topLeft() * ratio;
        std::array<int, kColumns> before{};
        for (int column = 0; column < kColumns; ++column) {
            before[column] = form->game().colfill(column);
        }
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held =
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
                window, device, global, held, Qt::LeftButton, type);
        }
        for (int column = 0; column < kColumns; ++column) {
            if (form->game().colfill(column) != before[column]) {
                return column;
            }
        }
        return -1;
    }

private slots:
    void init() {
        dialogs.answers = {"Ann", "Bob"};
        form = std::make_unique<ui::Form1>(cues, dialogs);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        ratio = form->devicePixelRatioF();
        QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    void cleanup() { form.reset(); }

    void windowsKeepTheirLogicalSize() {
        QCOMPARE(form->client()->size(), QSize(527, 423));
        const QPixmap shot = form->client()->grab();
        QCOMPARE(shot.devicePixelRatio(), ratio);
        QCOMPARE(shot.size(), QSize(527, 423) * ratio);
    }

    void picturesAreRenderedAtFullResolution_data() {
        QTest::addColumn<QString>("picture");
        for (const char *picture : {ui::form1::kArtwork, ui::form1::kBoardArtwork,
                                    ui::form1::kRedDisc, ui::form1::kBlueDisc}) {
            QTest::newRow(picture) << QString(picture);
        }
    }
    void picturesAreRenderedAtFullResolution() {
        if (ratio == 1.0) {
            QSKIP("at one device pixel to the logical pixel there is nothing finer to draw");
        }
        QFETCH(QString, picture);
        const QPixmap sharp = ui::Artwork::pixmap(picture, ratio);
        const QPixmap plain = ui::Artwork::pixmap(picture, 1.0);
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
        form->col_Click(2);
        const QImage disc = c().oval[0]->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage art = ui::Artwork::pixmap(ui::form1::kRedDisc, ratio)
                               .toImage()
                               .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(disc.size(), art.size());
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
        const QImage window = form->grab().toImage();
        const QWidget *area = c().Picture1->drawingArea();
        const int lineWidth = std::max(1, qRound(ratio));
        // Across the top row of cells, and down the first column of cells.
        const QPoint acrossFrom = onWindow({0, 30}).toPoint();
        const QPoint downFrom = onWindow({30, 0}).toPoint();
        const Runs columns = darkRuns(window, acrossFrom, {1, 0}, int(area->width() * ratio) - 1);
        const Runs rows = darkRuns(window, downFrom, {0, 1}, int(area->height() * ratio) - 1);
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
            const qreal edge = ui::twipsToPixels(form->boardGeometry().columnTarget(column).left);
            QCOMPARE(columnClickedAt(onWindow({edge - 1, 30})), column - 1);
            QCOMPARE(columnClickedAt(onWindow({edge + 1, 30})), column);
        }
    }
};

QTEST_MAIN(HiDpiTest)
#include "hidpi_test.moc"
