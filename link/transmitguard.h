#ifndef ZAREL_TRANSMITGUARD_H
#define ZAREL_TRANSMITGUARD_H

// Whether an antenna may be switched: only while the station is known to
// receive. Each transmit signal (the device's SEND input, the radio's PTT as
// its source reports it) says transmit or receive; the station receives once
// every signal has said receive for the hang time. The hang time bridges the
// gaps of CW break-in and VOX, and a PTT the radio is slow to report:
//
//   PTT   ___|~~~~~|__|~~~~|___________
//   open  ___________________|~~~~~~~~~   (hang time after the last release)
//
// Times are milliseconds on the link's steady clock.

#include <QtGlobal>

#include <limits>

class TransmitGuard
{
public:
    enum class Signal { DeviceSend, RadioPtt };
    static constexpr qint64 never = std::numeric_limits<qint64>::max();
    static constexpr int defaultHangMs = 300;

    void setHangMs(int hangMs);
    int hangMs() const { return hang; }

    // A signal said transmit or receive at `now`.
    void set(Signal signal, bool transmitting, qint64 now);
    // Nothing is known of the signal any more (its source went away): it
    // no longer holds the guard, but a transmission it ended does.
    void forget(Signal signal, qint64 now);

    bool transmitting() const { return deviceSend || radioPtt; }
    // From when switching is allowed: never while a signal says transmit.
    qint64 openAt() const;
    bool isOpen(qint64 now) const { return now >= openAt(); }

private:
    bool& flag(Signal signal) { return signal == Signal::DeviceSend ? deviceSend : radioPtt; }

    bool deviceSend = false;
    bool radioPtt = false;
    // When the last transmission ended; long ago at start.
    qint64 lastTransmitEnd = std::numeric_limits<qint64>::min() / 2;
    int hang = defaultHangMs;
};

#endif // ZAREL_TRANSMITGUARD_H
