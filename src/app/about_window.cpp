#include "about_window.h"

#include <QCoreApplication>

#include "ui/artwork.h"
#include "ui/main_window_design.h"
#include "ui/side_window_designs.h"
#include "ui/spoken.h"

namespace dropline::app {

namespace design = ui::about_window;

AboutWindow::AboutWindow(QWidget *parent)
    : SideWindow({.title = QCoreApplication::translate(design::kTitleContext, design::kTitle),
                  .clientSize = design::kClientSize,
                  .background = design::kBackground,
                  .artwork = design::kArtwork,
                  .words = design::kWords,
                  .buttonName = ui::spoken::kOk},
                 parent) {
    setAttribute(Qt::WA_DeleteOnClose);  // closing unloads it
    setWindowIcon(ui::Artwork::icon(ui::main_window::kIcon));
    connect(this, &SideWindow::buttonPressed, this, &QWidget::close);
}

}  // namespace dropline::app
