#pragma once

#include <QRect>
#include <cmath>

// Window designs are laid out in twips, 15 to the (logical) pixel.

namespace dropline::ui {

inline constexpr double kTwipsPerPixel = 15.0;

inline int toPixel(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

struct TwipsSize {
    double width = 0;
    double height = 0;
};

// A control's place in twips, as the designs give it.
struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    TwipsSize size() const { return {width, height}; }

    // The pixels it covers: each edge rounded to the nearest pixel, so
    // neighbouring areas neither overlap nor leave gaps.
    QRect toPixels() const {
        const int x0 = toPixel(left);
        const int y0 = toPixel(top);
        return {x0, y0, toPixel(left + width) - x0, toPixel(top + height) - y0};
    }
};

}  // namespace dropline::ui
