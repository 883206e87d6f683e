#include "key_focus.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace dropline::platform {

KeyFocus &KeyFocus::instance() {
    // Lives as long as the application, which it follows.
    static QPointer<KeyFocus> keyFocus;
    if (!keyFocus) {
        keyFocus = new KeyFocus;
    }
    return *keyFocus;
}

KeyFocus::KeyFocus() : QObject(qApp) {
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &KeyFocus::focusWindowChanged);
}

QWindow *KeyFocus::window() const {
    return standIn_ ? standIn_->windowHandle() : QGuiApplication::focusWindow();
}

bool KeyFocus::has(const QWidget *widget) const {
    return standIn_ ? standIn_ == widget->window() : widget->isActiveWindow();
}

void KeyFocus::standIn(QWidget *window) {
    if (standIn_ == window) {
        return;
    }
    standIn_ = window;
    from_ = QGuiApplication::focusWindow();
    // Qt hands every key of the program's windows, and every shortcut's
    // first say, to the widget that grabs the keyboard. (No desktop grab
    // comes with it on Wayland, where the keys still go to the focus window.)
    window->grabKeyboard();
    qApp->installEventFilter(this);
    emit windowChanged(this->window());
}

void KeyFocus::focusWindowChanged(QWindow *focus) {
    if (standIn_) {
        // Another application taking the focus, or giving it back to the
        // window that had it, leaves the keys with the stand-in.
        if (focus == nullptr || focus == from_ || focus == standIn_->windowHandle()) {
            return;
        }
        endStandIn();
        return;
    }
    emit windowChanged(focus);
}

bool KeyFocus::eventFilter(QObject *watched, QEvent *event) {
    if (standIn_) {
        const bool hidden = watched == standIn_ && event->type() == QEvent::Hide;
        const bool pressedElsewhere = event->type() == QEvent::MouseButtonPress &&
                                      watched->isWindowType() &&
                                      watched != standIn_->windowHandle();
        if (hidden || pressedElsewhere) {
            endStandIn();
        }
    }
    return QObject::eventFilter(watched, event);
}

void KeyFocus::endStandIn() {
    if (!standIn_) {
        return;
    }
    QWidget *window = standIn_;
    standIn_ = nullptr;
    from_ = nullptr;
    qApp->removeEventFilter(this);
    if (window && QWidget::keyboardGrabber() == window) {
        window->releaseKeyboard();
    }
    emit windowChanged(this->window());
}

}  // namespace dropline::platform
