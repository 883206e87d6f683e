#include "form2.h"

#include <QCoreApplication>

#include "ui/artwork.h"
#include "ui/click_area.h"
#include "ui/form1_design.h"
#include "ui/form2_design.h"
#include "ui/spoken.h"

namespace dropline::app {

Form2::Form2(QWidget *parent)
    : SideWindow({.caption = QCoreApplication::translate(ui::form2::kCaptionContext,
                                                         ui::form2::kCaption),
                  .clientSize = ui::form2::kClientSize,
                  .backColor = ui::form2::kBackColor,
                  .artwork = ui::form2::kArtwork,
                  .button = ui::form2::kLabel1,
                  .buttonName = ui::spoken::kOk},
                 parent) {
    setAttribute(Qt::WA_DeleteOnClose);  // closing unloads it
    setWindowIcon(ui::Artwork::icon(ui::form1::kIcon));
    connect(label1(), &ui::ClickArea::clicked, this, &QWidget::close);
}

}  // namespace dropline::app
