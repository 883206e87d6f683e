#include "dialogs.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace dropline::platform {

namespace {

QString titleOrProgram(const QString &title) {
    return title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
}

}  // namespace

QString QtDialogs::inputBox(const QString &prompt, const QString &title) {
    QInputDialog dialog(parent_);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setWindowTitle(titleOrProgram(title));
    // The prompt's label marks a keyboard shortcut with "&": double every one
    // so the prompt shows as written.
    dialog.setLabelText(QString(prompt).replace(u'&', QStringLiteral("&&")));
    dialog.setInputMode(QInputDialog::TextInput);
    // A screen reader says the dialog's description as the dialog opens. The
    // prompt is also the name of the focused field, but that one goes unsaid
    // when the screen reader lags behind the key that opened the dialog.
    dialog.setAccessibleDescription(prompt);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.textValue();
}

void QtDialogs::msgBox(const QString &prompt) {
    QMessageBox box(QMessageBox::NoIcon, titleOrProgram({}), prompt, QMessageBox::Ok, parent_);
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace dropline::platform
