#ifndef ZAREL_INDICATORSTYLES_H
#define ZAREL_INDICATORSTYLES_H

#include <QString>

// The fixed per-widget style sheets of the panel's indicators. The window-wide
// dark style sheet stays in force beneath them. The texts are the device
// maker's own, double blanks included.

// Unlit: dark grey vertical gradient.
const QString& panelIdleStyle();
// Dark gradient with an orange ring: the standby antenna of a split pair, and
// the SPLIT button's blink phase. No font size of its own, so the caption
// keeps the size fitted to its key; ring and padding leave the caption the
// room an unlit key has (panel.qss).
const QString& panelRingStyle();
// White with black text: the antenna in use.
const QString& panelSelectedStyle();
// Pale yellow with black text: RTX or RX selected.
const QString& panelActiveStyle();
// Red: split on, sending, busy antenna, rotor indicator.
const QString& panelAlarmStyle();
// Unlit with a dashed amber outline: the antenna a switch waits to select
// once the transmission ends. The dashes tell it from the split ring without
// colour.
const QString& panelWaitingStyle();

// POWER while the device's reports are fresh: green. Stale, it is unlit.
const QString& powerFreshStyle();
const QString& powerStaleStyle();

// A GPIO button lit in its configured colour, with black or white text,
// whichever contrasts more with it (see the rule in the source).
QString colourStyleText(int red, int green, int blue);

#endif // ZAREL_INDICATORSTYLES_H
