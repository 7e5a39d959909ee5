#ifndef ZAREL_LINKQUEUE_H
#define ZAREL_LINKQUEUE_H

// The outgoing datagram queue of the link worker, oldest first.
//
// Replacement rule: a new datagram holding a byte 0x02 anywhere (every
// antenna command, and GPO 3, RX 2 or a split that names Ant 3) removes every
// waiting datagram that holds a byte 0x01 or 0x02 anywhere, so an antenna
// choice never waits behind polls:
//
//   waiting  FE 01 FD | FE 01 FD | FE 04 02 01 FD | FE 03 00 00 00 FD
//   new      FE 02 05 FD
//   after    FE 03 00 00 00 FD | FE 02 05 FD
//
// Bound: while the device address cannot be resolved nothing leaves and a
// poll joins every 160 ms, so the queue keeps at most maxWaitingDatagrams.
// Making room drops the oldest waiting poll (FE 01 FD), which the next poll
// repeats anyway; only a queue without polls loses its oldest datagram.

#include <QByteArray>
#include <QList>
#include <QNetworkDatagram>

constexpr int maxWaitingDatagrams = 64;

// True when the payload makes waiting datagrams give way (it holds 0x02).
bool replacesWaiting(const QByteArray& payload);

// True when a waiting payload gives way to such a datagram (0x01 or 0x02).
bool givesWay(const QByteArray& payload);

// True for the status request FE 01 FD.
bool isPoll(const QByteArray& payload);

// Applies the replacement rule and the bound, then appends the datagram.
// A bound below 1 counts as 1.
void enqueueWithReplacement(QList<QNetworkDatagram>& queue, const QNetworkDatagram& datagram,
                            int bound = maxWaitingDatagrams);

#endif // ZAREL_LINKQUEUE_H
