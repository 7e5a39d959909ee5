#include "link/linkqueue.h"

#include <algorithm>

#include "link/command.h"

bool replacesWaiting(const QByteArray& payload)
{
    return payload.contains('\x02');
}

bool givesWay(const QByteArray& payload)
{
    return payload.contains('\x01') || payload.contains('\x02');
}

bool isPoll(const QByteArray& payload)
{
    static const QByteArray poll = frameCommand(1);
    return payload == poll;
}

void enqueueWithReplacement(QList<QNetworkDatagram>& queue, const QNetworkDatagram& datagram, int bound)
{
    if (replacesWaiting(datagram.data())) {
        queue.erase(std::remove_if(queue.begin(), queue.end(),
                                   [](const QNetworkDatagram& waiting) { return givesWay(waiting.data()); }),
                    queue.end());
    }
    const int limit = std::max(bound, 1);
    while (queue.size() >= limit) {
        const auto poll = std::find_if(queue.begin(), queue.end(),
                                       [](const QNetworkDatagram& waiting) { return isPoll(waiting.data()); });
        queue.erase(poll != queue.end() ? poll : queue.begin());
    }
    queue.append(datagram);
}
