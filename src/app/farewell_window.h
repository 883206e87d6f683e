#pragma once

#include <QTimer>

#include "side_window.h"

namespace dropline::platform {
class CuePlayer;
}

namespace dropline::app {

// The farewell window. It sounds the opening cue as it opens; ten seconds
// later, or at a click on its Exit button, the game ends.
class FarewellWindow : public SideWindow {
    Q_OBJECT
public:
    explicit FarewellWindow(platform::CuePlayer &cues, QWidget *parent = nullptr);

    // Stops the countdown (the game is ending anyway).
    void stopCountdown() { countdown_.stop(); }

signals:
    // The game is to end now.
    void endRequested();

protected:
    // Closed by the desktop (the window itself offers no way to close it):
    // there is nothing left to go back to, so the game ends.
    void closeEvent(QCloseEvent *event) override;

private:
    QTimer countdown_;
};

}  // namespace dropline::app
