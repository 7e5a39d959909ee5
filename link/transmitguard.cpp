#include "link/transmitguard.h"

#include <algorithm>

void TransmitGuard::setHangMs(int hangMs)
{
    hang = std::max(0, hangMs);
}

void TransmitGuard::set(Signal signal, bool transmitting, qint64 now)
{
    bool& state = flag(signal);
    if (state && !transmitting) {
        lastTransmitEnd = std::max(lastTransmitEnd, now);
    }
    state = transmitting;
}

void TransmitGuard::forget(Signal signal, qint64 now)
{
    set(signal, false, now);
}

qint64 TransmitGuard::openAt() const
{
    return transmitting() ? never : lastTransmitEnd + hang;
}
