#include <QAccessible>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <QMenu>
#include <QMenuBar>

#include "app/about_window.h"
#include "app/program.h"
#include "platform/dialogs.h"
#include "ui/prompts.h"
#include "ui/side_window_designs.h"
#include "ui/window_fixture.h"

using namespace dropline;
using namespace dropline::testing;

namespace {

// Answers the real modal dialogs as they open, like a person would: types the
// next answer into an input box, or confirms a message. Focus then goes back
// to the window the dialog belongs to, as a window manager would hand it.
class DialogAnswerer : public QObject {
public:
    explicit DialogAnswerer(QStringList answers) : answers_(std::move(answers)) {
        connect(&timer_, &QTimer::timeout, this, &DialogAnswerer::answerOpenDialog);
        timer_.start(20);
    }
    QStringList titles;
    QStringList prompts;  // as shown (and read out) by each input box

private:
    void answerOpenDialog() {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *input = qobject_cast<QInputDialog *>(modal)) {
            titles << input->windowTitle();
            const QLabel *label = input->findChild<QLabel *>();
            prompts << (label ? QAccessible::queryAccessibleInterface(const_cast<QLabel *>(label))
                                    ->text(QAccessible::Name)
                              : QString());
            input->setTextValue(answers_.isEmpty() ? QString() : answers_.takeFirst());
            input->accept();
        } else if (auto *message = qobject_cast<QMessageBox *>(modal)) {
            titles << message->windowTitle();
            message->accept();
        } else {
            return;
        }
        if (QWidget *owner = modal->parentWidget()) {
            owner->window()->activateWindow();
        }
    }

    QStringList answers_;
    QTimer timer_;
};

}  // namespace

// The program with the real input and message boxes, answered as they open.
struct ProgramWithRealDialogs {
    explicit ProgramWithRealDialogs(QStringList answers) : answerer(std::move(answers)) {
        dialogs.setParent(&program.mainWindow());
        program.start();
    }

    Journal journal;
    JournalCues cues{journal};
    platform::QtDialogs dialogs;
    DialogAnswerer answerer;
    app::Program program{cues, dialogs, [] {}};
};

// With the real dialogs, focus goes to each dialog and comes back: the
// opening cue must still sound once at start-up and the names be asked once.
class RealDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName("Tavrin Dropline"); }

    void startUpSoundsOnceAndAsksTheNamesOnce() {
        ProgramWithRealDialogs run({"Ann", "Bob"});
        ui::MainWindow &main = run.program.mainWindow();
        QTRY_COMPARE(shownValue(main, "Player 2, blue"), QString("Bob"));
        QCOMPARE(shownValue(main, "Player 1, red"), QString("Ann"));
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::qWait(200);  // time for a wrong second activation to show
        QCOMPARE(run.journal, Journal{kOpeningCue});
        QCOMPARE(run.answerer.titles, (QStringList{" Players Names ", " Players Names "}));
    }

    void aNewGameAndADrawDoNotSoundTheOpeningCue() {
        ProgramWithRealDialogs run({"Ann", "Bob", "n"});
        ui::MainWindow &main = run.program.mainWindow();
        QTRY_COMPARE(shownValue(main, "Player 2, blue"), QString("Bob"));
        QVERIFY(QTest::qWaitForWindowActive(&main));
        run.journal.clear();

        clickClient(main, ui::main_window::kNewGameButton);
        QTRY_VERIFY(QTest::qWaitForWindowActive(&main));
        for (int i = 0; i < 26; ++i) {
            // Five discs, then full-column clicks, then the draw.
            QTRY_VERIFY(QTest::qWaitForWindowActive(&main));
            clickColumn(main, 0);
        }
        QTest::qWait(200);
        QVERIFY(!run.journal.contains(kOpeningCue));
        // The question and the draw message carry the program's title.
        QCOMPARE(run.answerer.titles.mid(2), (QStringList{"Tavrin Dropline", "Tavrin Dropline"}));
        // Every prompt shows exactly as written, the question's "&" included.
        QCOMPARE(run.answerer.prompts,
                 (QStringList{ui::prompts::kFirstName, ui::prompts::kSecondName,
                              ui::prompts::kNewPlayers}));
    }

    void returningFromTheAboutWindowSoundsTheOpeningCue() {
        ProgramWithRealDialogs run({"Ann", "Bob"});
        ui::MainWindow &main = run.program.mainWindow();
        QTRY_COMPARE(shownValue(main, "Player 2, blue"), QString("Bob"));
        QVERIFY(QTest::qWaitForWindowActive(&main));
        run.journal.clear();

        QTest::keyClick(&main, Qt::Key_F1);
        QVERIFY(QTest::qWaitForWindowActive(run.program.aboutWindow()));
        clickAt(run.program.aboutWindow(), ui::kSideWindowButton.toPixels().center());
        QTRY_VERIFY(!run.program.aboutWindow());
        main.activateWindow();
        QTRY_COMPARE(run.journal, Journal{kOpeningCue});
        QTest::qWait(100);
        QCOMPARE(run.journal, Journal{kOpeningCue});  // and no names asked
        QCOMPARE(run.answerer.titles.size(), 2);
    }
};

QTEST_MAIN(RealDialogsTest)
#include "real_dialogs_test.moc"
