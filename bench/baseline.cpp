#include <QApplication>
#include <QMainWindow>

// A bare Qt Widgets window with the main window's client size: what start-up
// time and memory of the game are measured against.

namespace {
constexpr int kWidth = 527;
constexpr int kHeight = 423;
}  // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("baseline"));
    window.resize(kWidth, kHeight);
    window.show();
    return QApplication::exec();
}
