#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "side_window.h"

namespace dropline::platform {
class CuePlayer;
class Dialogs;
}  // namespace dropline::platform
namespace dropline::ui {
class Form1;
}

namespace dropline::app {

class Form2;
class Form3;

// The program's three windows and the one way out: the main window is shown
// at start, the about window opens beside it, and every exit passes through
// the farewell window, which ends the program.
class Program : public QObject {
    Q_OBJECT
public:
    using EndFunction = std::function<void()>;

    // `end` stops the program at once; by default it leaves the event loop
    // with status 0 without closing any window. `placement` tells who places
    // the windows where the program runs.
    Program(platform::CuePlayer &cues, platform::Dialogs &dialogs, EndFunction end = {},
            Placement placement = platformPlacement());
    ~Program() override;

    // Shows and activates the main window.
    void start();

    ui::Form1 &form1() const { return *form1_; }
    Form2 *form2() const;
    Form3 *form3() const;
    bool ended() const { return ended_; }

    void showAbout();
    void showFarewell();
    void end();

private:
    platform::CuePlayer &cues_;
    EndFunction end_;
    Placement placement_;
    std::unique_ptr<ui::Form1> form1_;
    QPointer<Form2> form2_;
    QPointer<Form3> form3_;
    bool ended_ = false;
};

}  // namespace dropline::app
