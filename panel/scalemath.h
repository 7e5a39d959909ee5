#ifndef ZAREL_SCALEMATH_H
#define ZAREL_SCALEMATH_H

#include <QRect>
#include <QSize>

#include <functional>

// The arithmetic of the proportional layout, apart from any widget.

// Scales an inclusive design rectangle by W/RW and H/RH, truncating each
// coordinate toward zero. Right and bottom are scaled as coordinates, not as
// extents, so the width is trunc(right*rx) - trunc(left*rx) + 1.
QRect scaleDesignRect(const QRect& design, int width, int height, int referenceWidth, int referenceHeight);

// Base caption pixel size for a window width: trunc(W / 140) + 5, in 16 bits.
short baseTextSize(int windowWidth);

// The window size for the view options: 990 wide; 391, 351 or 293 high.
QSize designWindowSize(bool gpioView, bool skyrailView);

// Where the logo stands, in design coordinates, for a window design size.
QRect logoRectFor(const QSize& windowSize);

// The largest pixel size from `wanted` down to `smallest` at which a text is
// at most `available` wide (widthAt gives its width at a size); `smallest`
// when none is. An operator's caption is shrunk rather than clipped.
int fittingPixelSize(int wanted, int smallest, int available, const std::function<int(int pixels)>& widthAt);

// The same in both directions: the largest size at which a text of one or more
// lines (sizeAt gives its width and height) fits `available`.
int fittingPixelSize(int wanted, int smallest, const QSize& available, const std::function<QSize(int pixels)>& sizeAt);

#endif // ZAREL_SCALEMATH_H
