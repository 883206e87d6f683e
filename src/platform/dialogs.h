#pragma once

#include <QString>

class QWidget;

namespace dropline::platform {

// Modal input and message boxes. A box given no title shows the program's
// title (the application's display name).
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The text typed, or an empty string when the user cancels.
    virtual QString inputBox(const QString &prompt, const QString &title = {}) = 0;
    // A message with an OK button only.
    virtual void msgBox(const QString &prompt) = 0;
};

// Qt's input and message dialogs, modal to the whole program.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    QString inputBox(const QString &prompt, const QString &title = {}) override;
    void msgBox(const QString &prompt) override;

private:
    QWidget *parent_;
};

}  // namespace dropline::platform
