#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

namespace dropline::platform {

// Which of the program's windows the keys go to. Mostly the window the
// desktop gives the keyboard focus; but a desktop may show a window of the
// program that never gets the focus (on Wayland, a popup beside the main
// window takes none), and such a window can be given the keys all the same:
// it stands in for the focused window. Every key typed in the program then
// reaches it, and no shortcut of another window acts, until it is hidden, a
// mouse button is pressed in another window of the program, or the desktop
// gives the focus to another window of the program. The keys then go to the
// desktop's focus window again.
class KeyFocus : public QObject {
    Q_OBJECT
public:
    static KeyFocus &instance();

    // The window the keys go to; none while another application has the
    // focus (and no window stands in).
    QWindow *window() const;
    // Whether the keys go to `widget`'s window.
    bool has(const QWidget *widget) const;

    // Gives the keys to `window`, a shown top-level widget.
    void standIn(QWidget *window);

signals:
    // The keys go to another window, or to none.
    void windowChanged(QWindow *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyFocus();
    void focusWindowChanged(QWindow *focus);
    void endStandIn();

    QPointer<QWidget> standIn_;
    // The desktop's focus window when the stand-in took the keys.
    QPointer<QWindow> from_;
};

}  // namespace dropline::platform
