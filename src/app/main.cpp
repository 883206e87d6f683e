#include <QApplication>

#include "platform/canberra_cue_player.h"
#include "platform/dialogs.h"
#include "program.h"
#include "ui/form1.h"

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrin Dropline"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setOrganizationName(QStringLiteral("Tavrin Dropline developers"));
    // Lets the desktop match the windows with the installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.TavrinDropline"));
    // Every way out passes through the farewell window, which ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    dropline::platform::CanberraCuePlayer cues;
    dropline::platform::QtDialogs dialogs;
    dropline::app::Program program(cues, dialogs);
    dialogs.setParent(&program.form1());
    program.start();
    return QApplication::exec();
}
