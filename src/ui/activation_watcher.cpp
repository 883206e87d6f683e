#include "activation_watcher.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include "platform/key_focus.h"

namespace dropline::ui {

namespace {

constexpr const char *kProgramWindowProperty = "dropline_program_window";

}  // namespace

ActivationWatcher::ActivationWatcher(QWidget *window) : QObject(window), window_(window) {
    // Where the keys go is where the focus is among the program's windows,
    // also while a window that the desktop gives no focus takes the keys.
    connect(&platform::KeyFocus::instance(), &platform::KeyFocus::windowChanged, this,
            &ActivationWatcher::focusChanged);
}

void ActivationWatcher::markAsProgramWindow(QWidget *window) {
    window->setProperty(kProgramWindowProperty, true);
}

void ActivationWatcher::focusChanged(QWindow *focus) {
    if (focus == nullptr) {
        return;  // another application: remember where focus was in ours
    }
    const Source now = classify(focus);
    if (now == Source::Watched && (last_ == Source::Nothing || last_ == Source::ProgramWindow)) {
        emit activated();
    }
    last_ = now;
}

ActivationWatcher::Source ActivationWatcher::classify(QWindow *focus) const {
    if (window_ && window_->windowHandle() == focus) {
        return Source::Watched;
    }
    for (const QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == focus) {
            return widget->property(kProgramWindowProperty).toBool() ? Source::ProgramWindow
                                                                     : Source::Other;
        }
    }
    return Source::Other;
}

}  // namespace dropline::ui
