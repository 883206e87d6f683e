#include <QAccessible>
#include <QTest>

#include "fakes.h"
#include "ui/click_area.h"
#include "ui/disc_image.h"
#include "ui/form1.h"

using namespace dropline;
using namespace dropline::testing;

namespace {

// A screen reader's press: the button's accessible action, which reaches the
// button even while a dialog holds the window.
void pressThroughAccessibility(QAbstractButton *button) {
    QAccessibleInterface *object = QAccessible::queryAccessibleInterface(button);
    QVERIFY(object && object->actionInterface());
    object->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(!button->isDown());  // the press has been delivered
}

}  // namespace

// What a screen reader meets and says is checked end to end with Orca
// (tests/e2e/orca_play.py); here, what that test cannot time.
class AccessibilityTest : public QObject {
    Q_OBJECT

    Journal journal;
    JournalCues cues{journal};
    ScriptedDialogs dialogs{journal};
    std::unique_ptr<ui::Form1> form;

private slots:
    void init() {
        journal.clear();
        dialogs.answers = {"Ann", "Bob"};
        dialogs.onDialog = nullptr;
        form = std::make_unique<ui::Form1>(cues, dialogs);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTRY_COMPARE(journal.size(), 3);  // the first activation: its cue, both names
    }
    void cleanup() { form.reset(); }

    void aPressWhileADialogIsOpenIsIgnored_data() {
        QTest::addColumn<bool>("draw");
        QTest::newRow("a column during the draw message") << true;
        QTest::newRow("New Game during the new-players question") << false;
    }
    void aPressWhileADialogIsOpenIsIgnored() {
        QFETCH(bool, draw);
        const ui::Form1Controls &c = form->controls();
        QAbstractButton *start = draw ? c.col[0] : c.newbutton;
        QAbstractButton *pressedMeanwhile = draw ? c.col[1] : c.newbutton;
        if (draw) {
            for (int i = 0; i < kMaxMoves; ++i) {
                form->col_Click(0);  // five discs, then full-column clicks
            }
        }
        journal.clear();
        int dialogsOpened = 0;
        dialogs.onDialog = [&] {
            if (++dialogsOpened == 1) {
                pressThroughAccessibility(pressedMeanwhile);
            }
        };

        start->click();
        QCOMPARE(dialogsOpened, 1);
        QCOMPARE(form->game().moves(), 0);
        QVERIFY(std::none_of(c.oval.begin(), c.oval.end(),
                             [](const QWidget *disc) { return disc->isVisible(); }));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
