#pragma once

#include <QPoint>
#include <QTest>
#include <QWidget>
#include <QWindow>

// Clicks a window the way the system would: at a point of one of its widgets,
// delivered to the window, so that it reaches whatever control lies there.

namespace dropline::testing {

inline void clickAt(QWidget *widget, QPoint point) {
    QWidget *window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, point));
}

inline void clickCentre(QWidget *widget) {
    clickAt(widget, widget->rect().center());
}

}  // namespace dropline::testing
