#pragma once

#include <QTimer>

#include "side_window.h"

namespace dropline::platform {
class CuePlayer;
}

namespace dropline::app {

// The farewell window. It sounds the opening cue when it loads; its timer or
// its Exit area ends the program.
class Form3 : public SideWindow {
    Q_OBJECT
public:
    explicit Form3(platform::CuePlayer &cues, QWidget *parent = nullptr);

    QTimer *timer1() { return &timer1_; }

signals:
    // The program is to end now.
    void endRequested();

protected:
    // Closed by the desktop (the window itself offers no way to close it):
    // there is nothing left to go back to, so the program ends.
    void closeEvent(QCloseEvent *event) override;

private:
    QTimer timer1_;
};

}  // namespace dropline::app
