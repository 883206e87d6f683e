#include "form2.h"

#include "ui/activation_watcher.h"
#include "ui/artwork.h"
#include "ui/click_area.h"
#include "ui/form1_design.h"
#include "ui/form2_design.h"
#include "ui/spoken.h"

namespace dropline::app {

Form2::Form2(QWidget *parent)
    : ui::PictureCanvas(ui::form2::kArtwork, ui::form2::kBackColor, parent),
      label1_(new ui::ClickArea(ui::spoken::kOk, this)) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);  // closing unloads it
    setWindowTitle(ui::form2::kCaption);
    setWindowIcon(ui::Artwork::icon(ui::form1::kIcon));
    setFixedSize(ui::form2::kClientSize);
    ui::ActivationWatcher::markAsProgramWindow(this);

    label1_->setGeometry(ui::form2::kLabel1.toPixels());
    connect(label1_, &ui::ClickArea::clicked, this, &QWidget::close);
}

}  // namespace dropline::app
