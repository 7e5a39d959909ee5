#ifndef ZAREL_SEAMS_H
#define ZAREL_SEAMS_H

// Guards for the program's test seams: each puts its function in place for
// its own lifetime and restores the program's default when it goes, so a
// failing test cannot leave its clock, tap or handler to the next one. Do not
// nest two of one kind: the inner one's end restores the default.
#include <utility>

#include "app/messages.h"
#include "forms/screenroom.h"
#include "link/command.h"
#include "link/linkclock.h"
#include "panel/colourpicker.h"

namespace seams {

template<class Function, void (*set)(Function)>
class Scoped
{
public:
    explicit Scoped(Function function) { set(std::move(function)); }
    ~Scoped() { set({}); }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;
};

} // namespace seams

using ScopedClock = seams::Scoped<std::function<qint64()>, &linkclock::setNow>;
using ScopedWarningHandler = seams::Scoped<messages::WarningHandler, &messages::setWarningHandler>;
using ScopedColourPicker = seams::Scoped<ColourPicker, &setColourPicker>;
using ScopedCommandTap = seams::Scoped<CommandTap, &setCommandTap>;
using ScopedScreenRoom = seams::Scoped<ScreenRoom, &setScreenRoom>;

#endif // ZAREL_SEAMS_H
