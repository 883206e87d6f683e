#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

#include "platform/cues.h"
#include "platform/dialogs.h"

// Stand-ins for the platform in window tests. Both write what happens into a
// shared journal, so a test can check the order of sounds and dialogs
// against each other and against what the window showed in between.

namespace dropline::testing {

using Journal = QStringList;

inline QString cueName(platform::Cue cue) {
    switch (cue) {
        case platform::Cue::Opening:
            return "cue:opening";
        case platform::Cue::Click:
            return "cue:click";
        case platform::Cue::Win:
            return "cue:win";
    }
    return "cue:?";
}

// How each cue appears in a journal.
inline const QString kOpeningCue = cueName(platform::Cue::Opening);
inline const QString kClickCue = cueName(platform::Cue::Click);
inline const QString kWinCue = cueName(platform::Cue::Win);

class JournalCues final : public platform::CuePlayer {
public:
    explicit JournalCues(Journal &journal) : journal_(journal) {}
    void play(platform::Cue cue) override {
        journal_ << cueName(cue);
        if (onPlay) {
            onPlay(cue);
        }
    }
    std::function<void(platform::Cue)> onPlay;

private:
    Journal &journal_;
};

// Answers input boxes from a script; an exhausted script answers as a cancel.
class ScriptedDialogs final : public platform::Dialogs {
public:
    explicit ScriptedDialogs(Journal &journal) : journal_(journal) {}

    QString inputBox(const QString &prompt, const QString &title = {}) override {
        journal_ << QString("input:[%1]|[%2]").arg(prompt, title);
        if (onDialog) {
            onDialog();
        }
        if (answers.empty()) {
            return {};
        }
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void msgBox(const QString &prompt) override {
        journal_ << QString("message:[%1]").arg(prompt);
        if (onDialog) {
            onDialog();
        }
    }

    std::deque<QString> answers;
    // Runs while a dialog is "open", e.g. to look at the window then.
    std::function<void()> onDialog;

private:
    Journal &journal_;
};

}  // namespace dropline::testing
