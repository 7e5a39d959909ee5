#ifndef ZAREL_COLOURKEYS_H
#define ZAREL_COLOURKEYS_H

#include <QString>

// Settings key of one component of a GPIO colour: entry 0..7 is GPI 1..8,
// 8..15 is GPO 1..8; component 0, 1, 2 is red, green, blue. Entry 10,
// component 1 gives "GPO3G".
QString gpioColourKey(int entry, int component);

#endif // ZAREL_COLOURKEYS_H
