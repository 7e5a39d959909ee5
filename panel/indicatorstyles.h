#ifndef ZAREL_INDICATORSTYLES_H
#define ZAREL_INDICATORSTYLES_H

#include <QString>

// The fixed per-widget style sheets of the panel's indicators. The window-wide
// dark style sheet stays in force beneath them. The texts are the device
// maker's own, double blanks included.

// Unlit: dark grey vertical gradient.
const QString& panelIdleStyle();
// Dark gradient with an orange ring: the standby antenna of a split pair, and
// the SPLIT button's blink phase.
const QString& panelRingStyle();
// White with black text: the antenna in use.
const QString& panelSelectedStyle();
// Pale yellow with black text: RTX or RX selected.
const QString& panelActiveStyle();
// Red: split on, sending, busy antenna, rotor indicator.
const QString& panelAlarmStyle();

// A GPIO button lit in its configured colour. The text turns black as soon as
// any component is above 128, so it stays readable on light colours.
QString colourStyleText(int red, int green, int blue);

#endif // ZAREL_INDICATORSTYLES_H
