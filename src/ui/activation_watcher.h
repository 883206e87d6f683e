#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

namespace dropline::ui {

// Tells when a window becomes the active one among the program's own windows:
// when it is first activated, and when focus comes back to it from another
// window of the program. Focus coming back from a dialog, a menu or another
// application does not count.
class ActivationWatcher : public QObject {
    Q_OBJECT
public:
    explicit ActivationWatcher(QWidget *window);

    // Marks a top-level widget as one of the program's own windows.
    static void markAsProgramWindow(QWidget *window);

signals:
    void activated();

private:
    enum class Source { Nothing, Watched, ProgramWindow, Other };

    void focusChanged(QWindow *focus);
    Source classify(QWindow *focus) const;

    QPointer<QWidget> window_;
    Source last_ = Source::Nothing;
};

}  // namespace dropline::ui
