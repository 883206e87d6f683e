#include "prompts.h"

#include <QCoreApplication>

namespace dropline::ui::prompts {

QString translated(const char *prompt) {
    return QCoreApplication::translate(kContext, prompt);
}

bool isYes(const QString &answer) {
    return answer == translated(kYes) || answer == QLatin1String(kYes);
}

}  // namespace dropline::ui::prompts
