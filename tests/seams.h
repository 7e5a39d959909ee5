#ifndef ZAREL_SEAMS_H
#define ZAREL_SEAMS_H

// Guards for the program's test seams: each puts its function in place for
// its own lifetime and restores the program's default when it goes, so a
// failing test cannot leave its clock, tap or handler to the next one. Do not
// nest two of one kind: the inner one's end restores the default.
#include "app/messages.h"
#include "coreseams.h"
#include "forms/screenroom.h"
#include "panel/colourpicker.h"

using ScopedWarningHandler = seams::Scoped<messages::WarningHandler, &messages::setWarningHandler>;
using ScopedColourPicker = seams::Scoped<ColourPicker, &setColourPicker>;
using ScopedScreenRoom = seams::Scoped<ScreenRoom, &setScreenRoom>;

#endif // ZAREL_SEAMS_H
