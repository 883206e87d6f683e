#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
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
// An entry has no size of its own, but tells assistive technology that it
// lies over what its message is about, so that a magnifier following the
// focus shows the play being spoken of.
//
// Nothing is drawn, and without an assistive technology nothing happens.
//
// Qt 6.8's announcement events would be a shorter way to be heard (Orca 48
// speaks them; Orca 43 and Qt 6.4 know none), but a magnifier follows only
// the focus: the entries would still be needed for it, and Orca would then
// say each message twice.
class Announcer : public QObject {
    Q_OBJECT
public:
    // The status line lives in `host` (a window or a widget that stays
    // enabled), at no size and transparent for the mouse.
    explicit Announcer(QWidget *host);

    // Says `message` about `area` of `about`, in its coordinates, or about
    // all of `about` when `area` is empty.
    void say(const QString &message, const QWidget *about, const QRect &area = {});

private:
    QWidget *line_;
    // The latest entries; older ones are deleted. The screen reader may
    // still be asking about the one before the last.
    std::deque<QPointer<QWidget>> entries_;
};

}  // namespace dropline::ui
