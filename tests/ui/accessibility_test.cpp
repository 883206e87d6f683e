#include <QAccessible>
#include <QTest>

#include "fakes.h"
#include "ui/board_view.h"
#include "ui/click_area.h"
#include "ui/form1.h"
#include "ui/score_label.h"

using namespace dropline;
using namespace dropline::testing;

namespace {

// Every accessible object under `root`, depth first.
void collect(QAccessibleInterface *root, QList<QAccessibleInterface *> &into) {
    into << root;
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface *child = root->child(i)) {
            collect(child, into);
        }
    }
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    Journal journal;
    JournalCues cues{journal};
    ScriptedDialogs dialogs{journal};
    std::unique_ptr<ui::Form1> form;

    QAccessibleInterface *find(const QString &name, QAccessible::Role role) {
        QList<QAccessibleInterface *> all;
        collect(QAccessible::queryAccessibleInterface(form.get()), all);
        for (QAccessibleInterface *object : all) {
            if (object->text(QAccessible::Name) == name && object->role() == role) {
                return object;
            }
        }
        return nullptr;
    }

private slots:
    void init() {
        dialogs.answers = {"Ann", "Bob"};
        form = std::make_unique<ui::Form1>(cues, dialogs);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void everyClickAreaIsANamedButton_data() {
        QTest::addColumn<QString>("name");
        for (const char *name : {"New Game", "About", "Exit", "Column 1", "Column 2", "Column 3",
                                 "Column 4", "Column 5"}) {
            QTest::newRow(name) << QString(name);
        }
    }
    void everyClickAreaIsANamedButton() {
        QFETCH(QString, name);
        QAccessibleInterface *button = find(name, QAccessible::Button);
        QVERIFY2(button, qPrintable(name));
        QVERIFY(button->actionInterface());
    }

    void scoreboardLabelsExposeTheirTexts() {
        form->controls().Label1->setCaption("Ann");
        QVERIFY(find("Ann", QAccessible::StaticText));
        QVERIFY(find("0", QAccessible::StaticText));
    }

    void theBoardDescribesItsDiscs() {
        QAccessibleInterface *board = find("Board", QAccessible::Client);
        if (!board) {
            board = QAccessible::queryAccessibleInterface(form->controls().Picture1);
        }
        QVERIFY(board);
        QVERIFY(board->text(QAccessible::Description).contains("Column 1: empty"));
        form->col_Click(0);
        form->col_Click(0);
        QCOMPARE(board->text(QAccessible::Description).section(';', 0, 0),
                 QString("Column 1: red, blue"));
    }

    // The message is the winner label's accessible name once it shows. (The
    // alert that goes with it reaches only a live screen reader.)
    void theWinnerMessageIsExposed() {
        for (int column : {0, 0, 1, 1, 2, 2, 3}) {
            form->col_Click(column);
        }
        QAccessibleInterface *winner =
            QAccessible::queryAccessibleInterface(form->controls().winner);
        QCOMPARE(winner->role(), QAccessible::StaticText);
        QCOMPARE(winner->text(QAccessible::Name), QString(" Congratulations!! Red Player Wins "));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
