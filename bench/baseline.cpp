#include <QApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

// The floor that the game's start-up time and memory are measured against:
// a plain Qt main window with what any window of this design needs, a menu
// bar with two menus and a 527 x 423 picture drawn from SVG at the screen's
// pixel ratio. None of the game's own code or artwork is used.

namespace {

constexpr int kWidth = 527;
constexpr int kHeight = 423;

// A landscape: sky, sun, two hills, a lake.
constexpr char kPicture[] = R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="527" height="423" viewBox="0 0 527 423">
<defs>
<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
<stop offset="0" stop-color="#3A6FB0"/><stop offset="1" stop-color="#CFE3F4"/>
</linearGradient>
<radialGradient id="sun" cx="0.5" cy="0.5" r="0.5">
<stop offset="0" stop-color="#FFF7C2"/><stop offset="1" stop-color="#F2B33D"/>
</radialGradient>
<linearGradient id="hill" x1="0" y1="0" x2="0" y2="1">
<stop offset="0" stop-color="#6FA34A"/><stop offset="1" stop-color="#2F5E24"/>
</linearGradient>
<linearGradient id="lake" x1="0" y1="0" x2="1" y2="1">
<stop offset="0" stop-color="#5C8FC4"/><stop offset="1" stop-color="#1E4778"/>
</linearGradient>
</defs>
<rect x="0" y="0" width="527" height="423" fill="url(#sky)"/>
<circle cx="410" cy="90" r="48" fill="url(#sun)"/>
<path d="M0 300 Q130 170 270 290 T527 260 L527 423 L0 423 Z" fill="url(#hill)"/>
<path d="M0 340 Q200 250 380 330 T527 320 L527 423 L0 423 Z" fill="#4C7F35" opacity="0.8"/>
<ellipse cx="220" cy="380" rx="150" ry="26" fill="url(#lake)"/>
<rect x="4" y="4" width="519" height="415" fill="none" stroke="#20324A" stroke-width="8" rx="12"/>
</svg>
)svg";

// The picture, drawn unscaled at the top-left corner.
class Picture final : public QWidget {
public:
    explicit Picture(QWidget *parent = nullptr) : QWidget(parent), svg_(QByteArray(kPicture)) {
        setFixedSize(kWidth, kHeight);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        const qreal ratio = devicePixelRatioF();
        if (pixmap_.isNull() || pixmap_.devicePixelRatio() != ratio) {
            pixmap_ = QPixmap(QSize(kWidth, kHeight) * ratio);
            pixmap_.setDevicePixelRatio(ratio);
            pixmap_.fill(Qt::transparent);
            QPainter painter(&pixmap_);
            svg_.render(&painter, QRectF(0, 0, kWidth, kHeight));
        }
        QPainter(this).drawPixmap(0, 0, pixmap_);
    }

private:
    QSvgRenderer svg_;
    QPixmap pixmap_;
};

}  // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("baseline"));

    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&New"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    file->addSeparator();
    QAction *quit = file->addAction(QStringLiteral("&Quit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    QObject::connect(quit, &QAction::triggered, &application, &QApplication::quit);
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About"))->setShortcut(QKeySequence(Qt::Key_F1));

    window.setCentralWidget(new Picture);
    window.show();
    return QApplication::exec();
}
