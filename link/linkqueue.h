#ifndef ZAREL_LINKQUEUE_H
#define ZAREL_LINKQUEUE_H

// The outgoing command queue of the link worker, oldest first.
//
// A status request never waits behind another one: at most one poll waits,
// always last, and a new poll finds it there. A command goes ahead of the
// waiting poll, so the report that poll brings back can show the command,
// and a held key or a spun band never keeps the polls off the wire.
//
// A command that a newer one makes pointless goes too: the newer command
// takes the place in line of the waiting one for the same thing (the
// antenna, RELEASE included; split; the radio path, RTX or RX n; one GPO
// output). A held key or a spun band therefore never queues more than one
// command per thing, and nothing is ever dropped for room. Commands for
// different things keep the order the operator gave them. Antenna and split
// commands depend on each other (while split is on, an antenna is the
// receive antenna), so an antenna command never moves ahead of a split
// command waiting after the one it replaces, nor the other way round:
//
//   waiting  FE 02 03 FD | FE 04 02 01 FD | FE 01 FD
//   new      FE 02 05 FD
//   after    FE 02 05 FD | FE 04 02 01 FD | FE 01 FD
//
//   waiting  FE 02 03 FD | FE 03 01 04 03 FD
//   new      FE 02 06 FD
//   after    FE 02 03 FD | FE 03 01 04 03 FD | FE 02 06 FD

#include <QList>

#include "link/command.h"

// Applies the replacement rule and queues the command.
void enqueueMerging(QList<DeviceCommand>& queue, const DeviceCommand& command);

// The index of the command to write next, -1 for none. While the station
// may be transmitting (guardOpen false) a guarded command stays, and so does
// any command that must not overtake it (the antenna and split rule above);
// polls and the rest go on past it, so the link stays alive.
int nextToWrite(const QList<DeviceCommand>& queue, bool guardOpen);

#endif // ZAREL_LINKQUEUE_H
