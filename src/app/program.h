#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "platform/window_placement.h"

namespace dropline::platform {
class CuePlayer;
class Dialogs;
}  // namespace dropline::platform
namespace dropline::ui {
class MainWindow;
}

namespace dropline::app {

class AboutWindow;
class FarewellWindow;

// The game's three windows and the one way out: the main window is shown at
// start, the about window opens beside it, and every exit passes through the
// farewell window, which ends the game.
class Program : public QObject {
    Q_OBJECT
public:
    using EndFunction = std::function<void()>;

    // `end` stops the program at once; by default it leaves the event loop
    // with status 0 without closing any window. `placement` tells who places
    // the windows where the program runs.
    Program(platform::CuePlayer &cues, platform::Dialogs &dialogs, EndFunction end = {},
            platform::Placement placement = platform::windowPlacement());
    ~Program() override;

    // Shows and activates the main window.
    void start();

    ui::MainWindow &mainWindow() const { return *mainWindow_; }
    AboutWindow *aboutWindow() const;
    FarewellWindow *farewellWindow() const;
    bool ended() const { return ended_; }

private:
    void showAbout();
    void showFarewell();
    void end();

    platform::CuePlayer &cues_;
    EndFunction end_;
    platform::Placement placement_;
    std::unique_ptr<ui::MainWindow> mainWindow_;
    QPointer<AboutWindow> aboutWindow_;
    QPointer<FarewellWindow> farewellWindow_;
    bool ended_ = false;
};

}  // namespace dropline::app
