#ifndef ZAREL_CORESEAMS_H
#define ZAREL_CORESEAMS_H

// Guards for the window-free library's test seams: each puts its function in
// place for its own lifetime and restores the program's default when it goes,
// so a failing test cannot leave its clock or tap to the next one. Do not
// nest two of one kind: the inner one's end restores the default.
#include <utility>

#include "link/command.h"
#include "link/linkclock.h"

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
using ScopedCommandTap = seams::Scoped<CommandTap, &setCommandTap>;

#endif // ZAREL_CORESEAMS_H
