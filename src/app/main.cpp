#include <QApplication>
#include <QLibraryInfo>

#include "config.h"
#include "language.h"
#include "platform/canberra_cue_player.h"
#include "platform/dialogs.h"
#include "program.h"
#include "ui/main_window.h"

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(dropline::config::kName));
    QApplication::setApplicationVersion(QString::fromUtf8(dropline::config::kVersion));
    QApplication::setOrganizationName(QString::fromUtf8(dropline::config::kMaker));
    // Lets the desktop match the windows with the installed entry and icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(dropline::config::kAppId));
    // Every way out passes through the farewell window, which ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    dropline::app::installTranslations(QLocale::system(),
                                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));

    dropline::platform::CanberraCuePlayer cues;
    dropline::platform::QtDialogs dialogs;
    dropline::app::Program program(cues, dialogs);
    dialogs.setParent(&program.mainWindow());
    program.start();
    return QApplication::exec();
}
