#pragma once

#include <QTimer>

#include "ui/picture_canvas.h"

namespace dropline::platform {
class CuePlayer;
}
namespace dropline::ui {
class ClickArea;
}

namespace dropline::app {

// The farewell window. It sounds the opening cue when it loads; its timer or
// its Exit area ends the program.
class Form3 : public ui::PictureCanvas {
    Q_OBJECT
public:
    explicit Form3(platform::CuePlayer &cues, QWidget *parent = nullptr);

    ui::ClickArea *label1() const { return label1_; }
    QTimer *timer1() { return &timer1_; }

signals:
    // The program is to end now.
    void endRequested();

protected:
    // Closed by the desktop (the window itself offers no way to close it):
    // there is nothing left to go back to, so the program ends.
    void closeEvent(QCloseEvent *event) override;

private:
    ui::ClickArea *label1_;
    QTimer timer1_;
};

}  // namespace dropline::app
