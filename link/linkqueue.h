#ifndef ZAREL_LINKQUEUE_H
#define ZAREL_LINKQUEUE_H

// The outgoing datagram queue of the link worker, oldest first.
//
// Replacement rule: a status request never waits behind another one. A new
// poll takes the place of a waiting poll at the end of the queue, and a new
// command sends waiting polls away (the report they would bring back could
// not show the command anyway; the next poll follows within 160 ms).
// Commands are never dropped and keep their order, so no switch the operator
// made is lost:
//
//   waiting  FE 01 FD | FE 04 02 01 FD | FE 03 00 00 00 FD
//   new      FE 02 05 FD
//   after    FE 04 02 01 FD | FE 03 00 00 00 FD | FE 02 05 FD
//
// Bound: while the device address cannot be resolved nothing leaves; the
// queue then holds at most one poll and the commands pressed meanwhile, up
// to maxWaitingDatagrams, beyond which the oldest datagram goes.

#include <QByteArray>
#include <QList>
#include <QNetworkDatagram>

constexpr int maxWaitingDatagrams = 64;

// True for the status request FE 01 FD.
bool isPoll(const QByteArray& payload);

// Applies the replacement rule and the bound, then appends the datagram.
// A bound below 1 counts as 1.
void enqueueWithReplacement(QList<QNetworkDatagram>& queue, const QNetworkDatagram& datagram,
                            int bound = maxWaitingDatagrams);

#endif // ZAREL_LINKQUEUE_H
