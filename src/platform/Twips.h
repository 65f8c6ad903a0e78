#pragma once

#include <QRect>
#include <QWidget>
#include <cmath>

namespace platform {

// Positions and sizes are given in twips (1/1440 inch); at the logical 96 dots per inch of
// the desktop 15 twips make one pixel, and Qt scales the pixels for high-density screens.
inline int twips(double n) {
    return static_cast<int>(std::lround(n / 15.0));
}

// A rectangle from left, top, width and height in twips. The edges are converted rather
// than the size, so controls that touch in twips also touch on the screen.
inline QRect twipsRect(double left, double top, double width, double height) {
    const int x = twips(left);
    const int y = twips(top);
    return QRect(x, y, twips(left + width) - x, twips(top + height) - y);
}

inline void placeTwips(QWidget* widget, double left, double top, double width, double height) {
    widget->setGeometry(twipsRect(left, top, width, height));
}

// Moves a window's outer corner to a screen position given in twips.
inline void moveTwips(QWidget* window, double left, double top) {
    window->move(twips(left), twips(top));
}

// Gives a window an inner (client) area of the given size in twips.
inline void setClientSizeTwips(QWidget* window, double width, double height) {
    window->setFixedSize(twips(width), twips(height));
}

} // namespace platform
