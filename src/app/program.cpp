#include "program.h"

#include <QCoreApplication>
#include <QStyle>

#include "about_window.h"
#include "farewell_window.h"
#include "ui/main_window.h"

namespace dropline::app {

Program::Program(platform::CuePlayer &cues, platform::Dialogs &dialogs, EndFunction end,
                 platform::Placement placement)
    : cues_(cues),
      end_(end ? std::move(end) : [] { QCoreApplication::exit(0); }),
      placement_(placement),
      mainWindow_(std::make_unique<ui::MainWindow>(cues, dialogs)) {
    connect(mainWindow_.get(), &ui::MainWindow::aboutRequested, this, &Program::showAbout);
    connect(mainWindow_.get(), &ui::MainWindow::leaveRequested, this, &Program::showFarewell);
    connect(mainWindow_.get(), &ui::MainWindow::closing, this, &Program::showFarewell);
}

Program::~Program() {
    delete aboutWindow_;
    delete farewellWindow_;
}

AboutWindow *Program::aboutWindow() const {
    return aboutWindow_;
}

FarewellWindow *Program::farewellWindow() const {
    return farewellWindow_;
}

void Program::start() {
    mainWindow_->show();
    mainWindow_->activateWindow();
}

void Program::showAbout() {
    if (!aboutWindow_) {
        aboutWindow_ = new AboutWindow;
    }
    aboutWindow_->showBeside(*mainWindow_, placement_);
}

// The farewell opens centred over the main window it replaces.
void Program::showFarewell() {
    if (farewellWindow_ || ended_) {
        return;
    }
    farewellWindow_ = new FarewellWindow(cues_);
    connect(farewellWindow_, &FarewellWindow::endRequested, this, &Program::end);
    farewellWindow_->setGeometry(QStyle::alignedRect(
        Qt::LeftToRight, Qt::AlignCenter, farewellWindow_->size(), mainWindow_->geometry()));
    farewellWindow_->show();
    farewellWindow_->activateWindow();
}

void Program::end() {
    if (ended_) {
        return;
    }
    ended_ = true;
    if (farewellWindow_) {
        farewellWindow_->stopCountdown();
    }
    end_();
}

}  // namespace dropline::app
