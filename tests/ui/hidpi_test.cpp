#include <QTest>

#include "fakes.h"
#include "ui/artwork.h"
#include "ui/disc_image.h"
#include "ui/form1.h"
#include "ui/form1_design.h"
#include "ui/picture_canvas.h"

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

}  // namespace

// Run with QT_SCALE_FACTOR=2: windows keep their logical sizes and every
// picture is drawn from its vector art at twice the pixels.
class HiDpiTest : public QObject {
    Q_OBJECT

    Journal journal;
    JournalCues cues{journal};
    ScriptedDialogs dialogs{journal};

private slots:
    void windowsKeepTheirLogicalSizeAtTwiceThePixels() {
        ui::Form1 form(cues, dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.devicePixelRatioF(), 2.0);
        QCOMPARE(form.client()->size(), QSize(527, 423));
        const QPixmap shot = form.client()->grab();
        QCOMPARE(shot.devicePixelRatio(), 2.0);
        QCOMPARE(shot.size(), QSize(1054, 846));
    }

    void picturesAreRenderedAtFullResolution_data() {
        QTest::addColumn<QString>("picture");
        for (const char *picture : {ui::form1::kArtwork, ui::form1::kBoardArtwork,
                                    ui::form1::kRedDisc, ui::form1::kBlueDisc}) {
            QTest::newRow(picture) << QString(picture);
        }
    }
    void picturesAreRenderedAtFullResolution() {
        QFETCH(QString, picture);
        const QPixmap sharp = ui::Artwork::pixmap(picture, 2.0);
        const QPixmap plain = ui::Artwork::pixmap(picture, 1.0);
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(sharp.size(), plain.size() * 2);
        // Not the 1x picture blown up: edges and text carry detail of their own.
        const QImage blownUp = plain.toImage().scaled(sharp.size());
        QVERIFY(differingShare(sharp.toImage().convertToFormat(QImage::Format_ARGB32),
                               blownUp.convertToFormat(QImage::Format_ARGB32)) > 0.002);
    }

    void aDiscOnTheBoardIsDrawnAtTwiceThePixels() {
        ui::Form1 form(cues, dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.col_Click(2);
        const QPixmap disc = form.controls().oval[0]->grab();
        QCOMPARE(disc.size(), QSize(96, 62));
        const QImage expected = ui::Artwork::pixmap(ui::form1::kRedDisc, 2.0).toImage();
        QCOMPARE(disc.toImage().pixelColor(48, 31).rgb(), expected.pixelColor(48, 31).rgb());
    }
};

QTEST_MAIN(HiDpiTest)
#include "hidpi_test.moc"
