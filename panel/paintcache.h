#ifndef ZAREL_PAINTCACHE_H
#define ZAREL_PAINTCACHE_H

#include <QColor>

#include <array>

#include "panel/indicatorstyles.h"
#include "panel/panellooks.h"

class QPushButton;

// What the renderer remembers between repaints: the indicator widgets in
// painting order, the style texts of the GPIO colours (rebuilt only when a
// colour changes) and the two blink phases.
struct PaintCache
{
    std::array<QPushButton*, indicator::Count> widgets {};
    bool widgetsKnown = false;

    // Style texts for colours; refreshes the entries whose colour changed.
    const ColourStyles& colourStyles(const QColor* colours)
    {
        for (int k = 0; k < group::Colours; ++k) {
            if (!stylesKnown || !(styledColours[k] == colours[k])) {
                styledColours[k] = colours[k];
                styles[k] = colourStyleText(colours[k].red(), colours[k].green(), colours[k].blue());
            }
        }
        stylesKnown = true;
        return styles;
    }

    // SPLIT blink phase: false at start, kept across set-ups.
    bool splitBlinkPhase = false;
    // Rotor blink half: dark at start (the first tick lights), kept for the
    // life of the window.
    bool rotorBlinkLit = false;
    // Whether the panel shows the device's state, or was cleared.
    bool showsState = false;
    // The antenna key last painted as waiting, for the trace; -1: none.
    int waitingPainted = -1;

private:
    QColor styledColours[group::Colours];
    ColourStyles styles;
    bool stylesKnown = false;
};

#endif // ZAREL_PAINTCACHE_H
