#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <deque>

class QWidget;

namespace dropline::ui {

// Speaks a message through the screen reader, right away, whatever has the
// keyboard focus. Screen readers speak what takes the focus, not what
// changes beside it, so each message is a new entry of an unseen status
// line, and the entry reports itself focused. A new entry each time, because
// a screen reader does not speak a focus that has not moved: the same words
// twice in a row are heard twice, and after quick keys the last message is
// the one heard.
//
// Nothing is drawn, and without an assistive technology nothing happens.
class Announcer : public QObject {
    Q_OBJECT
public:
    // The status line lives in `host` (a window or a widget that stays
    // enabled), at no size and transparent for the mouse.
    explicit Announcer(QWidget *host);

    void say(const QString &message);

private:
    QWidget *line_;
    // The latest entries; older ones are deleted. The screen reader may
    // still be asking about the one before the last.
    std::deque<QPointer<QWidget>> entries_;
};

}  // namespace dropline::ui
