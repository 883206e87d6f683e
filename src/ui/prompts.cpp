#include "prompts.h"

#include <QCoreApplication>

namespace dropline::ui::prompts {

QString translated(const char *prompt) {
    return QCoreApplication::translate(kContext, prompt);
}

QStringList yesAnswers() {
    return translated(kYes).split(u' ', Qt::SkipEmptyParts);
}

bool isYes(const QString &answer) {
    const QString yes = QString::fromLatin1(kYes);
    const QStringList answers = yesAnswers();
    if (answers == QStringList{yes}) {
        return answer == yes;
    }
    // An input method may type a letter full-width; compatibility
    // decomposition makes it the plain one and leaves words of other scripts
    // as they are.
    const QString folded = answer.normalized(QString::NormalizationForm_KC);
    return folded == yes || answers.contains(folded);
}

}  // namespace dropline::ui::prompts
