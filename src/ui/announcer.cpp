#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include "platform/key_focus.h"

namespace dropline::ui {

namespace {

// Entries kept alive, the latest among them.
constexpr std::size_t kKeptEntries = 3;

// An unseen widget: no size, no paint, no mouse.
class Unseen : public QWidget {
public:
    explicit Unseen(QWidget *parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
    }
};

// The container of the entries. As a status bar it keeps screen readers
// from naming the entries' role after each message.
class StatusLine : public Unseen {
public:
    using Unseen::Unseen;
};

// One message of the status line.
class Entry : public Unseen {
public:
    using Unseen::Unseen;
    // Only the latest entry is in sight, and focused.
    bool latest = true;
    // What the message is about, and the part of it (all when empty).
    QPointer<const QWidget> about;
    QRect area;
    // A screen reader takes two objects with the same role, name and place
    // for one and does not speak the second: the same words said again about
    // the same place lie a pixel narrower than the time before.
    bool narrower = false;

    bool repeats(const QString &message, const QWidget *otherAbout, const QRect &otherArea) const {
        return accessibleName() == message && about == otherAbout && area == otherArea;
    }
};

class EntryAccessible : public QAccessibleWidget {
public:
    explicit EntryAccessible(Entry *entry) : QAccessibleWidget(entry, QAccessible::StaticText) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const bool latest = static_cast<const Entry *>(widget())->latest;
        state.invisible = !latest;
        state.focusable = true;
        state.focused = latest && platform::KeyFocus::instance().has(widget());
        return state;
    }

    // On the screen, the entry lies over what its message is about, wherever
    // that is when asked.
    QRect rect() const override {
        const auto *entry = static_cast<const Entry *>(widget());
        const QWidget *about = entry->about;
        if (!about) {
            return QAccessibleWidget::rect();
        }
        const QRect area = entry->area.isEmpty() ? about->rect() : entry->area;
        const int less = entry->narrower ? 1 : 0;
        return {about->mapToGlobal(area.topLeft()), area.size() - QSize(less, less)};
    }
};

QAccessibleInterface *announcerAccessible(const QString &, QObject *object) {
    if (auto *entry = dynamic_cast<Entry *>(object)) {
        return new EntryAccessible(entry);
    }
    if (auto *line = dynamic_cast<StatusLine *>(object)) {
        return new QAccessibleWidget(line, QAccessible::StatusBar);
    }
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget *host) : QObject(host), line_(new StatusLine(host)) {
    [[maybe_unused]] static const bool factoryInstalled =
        (QAccessible::installFactory(announcerAccessible), true);
    line_->show();
}

void Announcer::say(const QString &message, const QWidget *about, const QRect &area) {
    if (!QAccessible::isActive()) {
        return;
    }
    const Entry *last = entries_.empty() ? nullptr : static_cast<Entry *>(entries_.back().data());
    const bool narrower = last && last->repeats(message, about, area) && !last->narrower;
    for (const QPointer<QWidget> &older : entries_) {
        if (older) {
            static_cast<Entry *>(older.data())->latest = false;
        }
    }
    while (entries_.size() >= kKeptEntries) {
        delete entries_.front();
        entries_.pop_front();
    }
    auto *entry = new Entry(line_);
    entry->about = about;
    entry->area = area;
    entry->narrower = narrower;
    entry->setAccessibleName(message);
    entry->show();
    entries_.emplace_back(entry);
    QAccessibleEvent focus(entry, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

}  // namespace dropline::ui
