#ifndef ZAREL_LINKCLOCK_H
#define ZAREL_LINKCLOCK_H

#include <QtGlobal>

#include <functional>

// The wall clock of the link (milliseconds since the epoch): report time
// stamps, send time stamps and the watchdog's age check read it here, so a
// test can move time instead of waiting seven seconds. Read and set on the
// GUI thread only; the pacing threads sleep on the real clock.
namespace linkclock {

qint64 now();

// Replaces the clock; an empty function restores the system clock.
void setNow(std::function<qint64()> source);

// A steady clock in milliseconds, for spacing datagrams and timing round
// trips: it never jumps with the wall clock. Any thread; not replaceable.
qint64 steadyNow();
// The same clock in nanoseconds, where whole milliseconds are too coarse.
qint64 steadyNowNs();

} // namespace linkclock

#endif // ZAREL_LINKCLOCK_H
