#include "link/linkqueue.h"

#include <algorithm>

#include "link/command.h"

bool isPoll(const QByteArray& payload)
{
    static const QByteArray poll = frameCommand(1);
    return payload == poll;
}

void enqueueWithReplacement(QList<QNetworkDatagram>& queue, const QNetworkDatagram& datagram, int bound)
{
    // Polls and commands alike make a waiting poll go.
    queue.erase(std::remove_if(queue.begin(), queue.end(),
                               [](const QNetworkDatagram& waiting) { return isPoll(waiting.data()); }),
                queue.end());
    const int limit = std::max(bound, 1);
    while (queue.size() >= limit) {
        queue.removeFirst();
    }
    queue.append(datagram);
}
