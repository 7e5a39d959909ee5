#include "link/linkqueue.h"

#include <algorithm>

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
    // The newest waiting command for the same thing, if nothing that depends
    // on it waits behind it.
    for (int i = queue.size() - (pollWaiting ? 2 : 1); i >= 0; --i) {
        if (sameSubject(queue.at(i), command)) {
            queue[i] = command;
            return;
        }
        if (dependentSubjects(queue.at(i), command)) {
            break;
        }
    }
    // Ahead of the waiting poll, whose report can then show the command.
    queue.insert(pollWaiting ? queue.size() - 1 : queue.size(), command);
}

int nextToWrite(const QList<DeviceCommand>& queue, bool guardOpen)
{
    for (int i = 0; i < queue.size(); ++i) {
        const DeviceCommand& candidate = queue.at(i);
        if (candidate.guarded && !guardOpen) {
            continue;
        }
        const bool blocked = std::any_of(queue.begin(), queue.begin() + i, [&](const DeviceCommand& held) {
            return sameSubject(held, candidate) || dependentSubjects(held, candidate);
        });
        if (!blocked) {
            return i;
        }
    }
    return -1;
}
