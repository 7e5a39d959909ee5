#include "panel/scalemath.h"

QRect scaleDesignRect(const QRect& design, int width, int height, int referenceWidth, int referenceHeight)
{
    const double rx = static_cast<double>(width) / referenceWidth;
    const double ry = static_cast<double>(height) / referenceHeight;
    QRect scaled;
    scaled.setLeft(static_cast<int>(design.left() * rx));
    scaled.setRight(static_cast<int>(design.right() * rx));
    scaled.setTop(static_cast<int>(design.top() * ry));
    scaled.setBottom(static_cast<int>(design.bottom() * ry));
    return scaled;
}

short baseTextSize(int windowWidth)
{
    return static_cast<short>(windowWidth / 140 + 5);
}

QSize designWindowSize(bool gpioView, bool skyrailView)
{
    if (gpioView) {
        return QSize(990, 391);
    }
    return QSize(990, skyrailView ? 351 : 293);
}

QRect logoRectFor(const QSize& windowSize)
{
    // The logo's design place (800, 270) reaches below the central area once
    // the menu, tool and status bars are taken off, so each design size has a
    // place of its own where the logo is whole and overlaps nothing: right of
    // the GPIO frame, right of the radio frame, or (with both frames hidden)
    // slightly smaller under the rotor lamps.
    if (windowSize.height() >= 391) {
        return QRect(800, 250, 141, 61);
    }
    if (windowSize.height() >= 351) {
        return QRect(800, 200, 141, 61);
    }
    return QRect(30, 166, 131, 56);
}

int fittingPixelSize(int wanted, int smallest, int available, const std::function<int(int pixels)>& widthAt)
{
    return fittingPixelSize(wanted, smallest, QSize(available, 0),
                            [&widthAt](int pixels) { return QSize(widthAt(pixels), 0); });
}

int fittingPixelSize(int wanted, int smallest, const QSize& available, const std::function<QSize(int pixels)>& sizeAt)
{
    for (int pixels = wanted; pixels > smallest; --pixels) {
        const QSize size = sizeAt(pixels);
        if (size.width() <= available.width() && size.height() <= available.height()) {
            return pixels;
        }
    }
    return smallest;
}
