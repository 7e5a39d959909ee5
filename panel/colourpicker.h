#ifndef ZAREL_COLOURPICKER_H
#define ZAREL_COLOURPICKER_H

#include <QColor>

#include <functional>

// Asks the operator for a colour: the standard colour dialog, modal, no
// parent, default title. Returns an invalid colour when cancelled.
QColor pickColour(const QColor& initial);

// Test seam: replaces the dialog; an empty function restores it.
using ColourPicker = std::function<QColor(const QColor& initial)>;
void setColourPicker(ColourPicker picker);

#endif // ZAREL_COLOURPICKER_H
