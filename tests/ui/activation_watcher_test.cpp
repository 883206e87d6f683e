#include <QDialog>
#include <QSignalSpy>
#include <QTest>

#include "ui/activation_watcher.h"

using dropline::ui::ActivationWatcher;

namespace {

void activate(QWidget *window) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

}  // namespace

// The main window counts as activated when it is first activated and when
// focus comes back to it from another of the program's windows; never when it
// comes back from a dialog or from another application.
class ActivationWatcherTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> main;
    std::unique_ptr<QWidget> about;
    std::unique_ptr<QDialog> dialog;
    std::unique_ptr<QSignalSpy> activations;

private slots:
    void init() {
        main = std::make_unique<QWidget>();
        about = std::make_unique<QWidget>();
        ActivationWatcher::markAsProgramWindow(about.get());
        dialog = std::make_unique<QDialog>();
        auto *watcher = new ActivationWatcher(main.get());
        activations = std::make_unique<QSignalSpy>(watcher, &ActivationWatcher::activated);
        activate(main.get());
    }
    void cleanup() {
        activations.reset();
        dialog.reset();
        about.reset();
        main.reset();
    }

    void theFirstActivationCounts() { QCOMPARE(activations->count(), 1); }

    void returningFromAnotherProgramWindowCounts() {
        activate(about.get());
        activate(main.get());
        QCOMPARE(activations->count(), 2);
        activate(about.get());
        about->close();
        activate(main.get());
        QCOMPARE(activations->count(), 3);
    }

    void returningFromADialogDoesNotCount() {
        activate(dialog.get());
        dialog->close();
        activate(main.get());
        QCOMPARE(activations->count(), 1);
    }

    void returningFromAnotherApplicationDoesNotCount() {
        emit qApp->focusWindowChanged(nullptr);
        emit qApp->focusWindowChanged(main->windowHandle());
        QCOMPARE(activations->count(), 1);
    }

    void returningFromAnotherApplicationAfterTheAboutWindowCounts() {
        activate(about.get());
        emit qApp->focusWindowChanged(nullptr);
        activate(main.get());
        QCOMPARE(activations->count(), 2);
    }
};

QTEST_MAIN(ActivationWatcherTest)
#include "activation_watcher_test.moc"
