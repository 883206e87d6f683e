#pragma once

#include <QAbstractButton>

namespace dropline::ui {

// A transparent area laid over a button drawn in a window's artwork. It shows
// nothing and takes the clicks that fall inside its rectangle.
class ClickArea : public QAbstractButton {
    Q_OBJECT
public:
    // `accessibleName` is what assistive technology announces for the button.
    ClickArea(const QString &accessibleName, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *) override {}
};

}  // namespace dropline::ui
