#include "link/linkqueue.h"

namespace {

enum class Subject { None, Antenna, Split, RadioPath, Gpo };

struct Thing
{
    Subject subject = Subject::None;
    int index = 0; // the output, for GPO commands
};

Thing thingOf(const DeviceCommand& command)
{
    switch (command.type) {
    case 2:
        return {Subject::Antenna};
    case 3:
        return {Subject::Split};
    case 4:
        return {Subject::Gpo, command.first};
    case 5:
    case 6:
        return {Subject::RadioPath};
    default:
        return {};
    }
}

bool sameThing(const Thing& a, const Thing& b)
{
    return a.subject != Subject::None && a.subject == b.subject && a.index == b.index;
}

bool dependent(const Thing& a, const Thing& b)
{
    const auto antennaOrSplit = [](const Thing& t) {
        return t.subject == Subject::Antenna || t.subject == Subject::Split;
    };
    return antennaOrSplit(a) && antennaOrSplit(b) && a.subject != b.subject;
}

} // namespace

void enqueueMerging(QList<DeviceCommand>& queue, const DeviceCommand& command)
{
    // At most one poll waits, always last.
    const bool pollWaiting = !queue.isEmpty() && queue.last().isPoll();
    if (command.isPoll()) {
        if (!pollWaiting) {
            queue.append(command);
        }
        return;
    }
    const Thing thing = thingOf(command);
    // The newest waiting command for the same thing, if nothing that depends
    // on it waits behind it.
    for (int i = queue.size() - (pollWaiting ? 2 : 1); i >= 0; --i) {
        const Thing waiting = thingOf(queue.at(i));
        if (sameThing(waiting, thing)) {
            queue[i] = command;
            return;
        }
        if (dependent(waiting, thing)) {
            break;
        }
    }
    // Ahead of the waiting poll, whose report can then show the command.
    queue.insert(pollWaiting ? queue.size() - 1 : queue.size(), command);
}
