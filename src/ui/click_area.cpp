#include "click_area.h"

namespace dropline::ui {

ClickArea::ClickArea(const QString &accessibleName, QWidget *parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(accessibleName);
}

}  // namespace dropline::ui
