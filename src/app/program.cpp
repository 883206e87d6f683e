#include "program.h"

#include <QCoreApplication>
#include <QScreen>
#include <QStyle>

#include "form2.h"
#include "form3.h"
#include "ui/form1.h"

namespace dropline::app {

namespace {

// The farewell opens centred over the main window it replaces.
void centreOver(QWidget *window, const QWidget &main) {
    window->setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), main.geometry()));
}

}  // namespace

Program::Program(platform::CuePlayer &cues, platform::Dialogs &dialogs, EndFunction end,
                 Placement placement)
    : cues_(cues),
      end_(end ? std::move(end) : [] { QCoreApplication::exit(0); }),
      placement_(placement),
      form1_(std::make_unique<ui::Form1>(cues, dialogs)) {
    connect(form1_.get(), &ui::Form1::aboutRequested, this, &Program::showAbout);
    connect(form1_.get(), &ui::Form1::leaveRequested, this, &Program::showFarewell);
    connect(form1_.get(), &ui::Form1::unloading, this, &Program::showFarewell);
}

Program::~Program() {
    delete form2_;
    delete form3_;
}

Form2 *Program::form2() const {
    return form2_;
}

Form3 *Program::form3() const {
    return form3_;
}

void Program::start() {
    form1_->show();
    form1_->activateWindow();
}

void Program::showAbout() {
    if (!form2_) {
        form2_ = new Form2;
    }
    form2_->showBeside(*form1_, placement_);
}

void Program::showFarewell() {
    if (form3_ || ended_) {
        return;
    }
    form3_ = new Form3(cues_);
    connect(form3_, &Form3::endRequested, this, &Program::end);
    centreOver(form3_, *form1_);
    form3_->show();
    form3_->activateWindow();
}

void Program::end() {
    if (ended_) {
        return;
    }
    ended_ = true;
    if (form3_) {
        form3_->timer1()->stop();
    }
    end_();
}

}  // namespace dropline::app
