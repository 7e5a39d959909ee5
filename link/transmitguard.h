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
// A polled signal (SEND in each status report, rigctld's PTT) is only a
// sample: the radio may have keyed again since. Such a signal must also have
// said receive once more after the hang time ran out, so a switch leaves on
// a word younger than the hang, not on one a whole poll old that missed the
// radio keying again; a signal pushed on every change (a logger's
// IsTransmitting) needs no fresh word. A polled signal's first word, at the
// start or after it was forgotten (a device silent, a source gone), counts
// as a release: it may fall in a gap of a call keyed meanwhile.
//
// Times are milliseconds on the link's steady clock.

#include <QtGlobal>

#include <array>
#include <limits>

class TransmitGuard
{
public:
    enum class Signal { DeviceSend, RadioPtt };
    static constexpr qint64 never = std::numeric_limits<qint64>::max();
    // The shortest hang the guard can honour. The device's SEND is a sample
    // taken once per poll period (160 ms; rigctld's PTT is read every 25 ms
    // around a transmission), and a switch released on a fresh word may
    // still wait up to one wire spacing (90 ms) before it leaves: a release
    // shorter than a sample period plus the spacing cannot be told from a
    // break-in gap, so no setting goes below it.
    static constexpr int reportPeriodMs = 160;
    static constexpr int minimumHangMs = reportPeriodMs + 90;

    // The hang time as the settings give it; values under minimumHangMs are
    // raised to it.
    explicit TransmitGuard(int hangMs);
    void setHangMs(int hangMs);
    int hangMs() const { return hang; }
    // The hang kept after keying: short spells, or spells close together,
    // as CW on the device's SEND shows them whatever mode the radio reads.
    // A word space is longer than a phone hang at 25 WPM and up; a sampled
    // SEND cannot tell it from the end of the call. 0: the plain hang.
    void setKeyingHangMs(int hangMs);
    static constexpr int keyingSpellMs = 3000;
    // The hang that counts after the last transmission.
    int hangNowMs() const;
    // Whether the signal is polled (the default) or pushed on every change.
    void setPolled(Signal signal, bool polled);
    // A polled signal's word counts for its source's period and a margin
    // (0: until the next word). An older one is unknown: the radio may have
    // keyed since, so it holds switching until the next word.
    void setPeriod(Signal signal, int periodMs);
    static constexpr int ageMarginMs = 100;

    // A signal said transmit or receive at `now`.
    void set(Signal signal, bool transmitting, qint64 now);
    // Nothing is known of the signal any more (its source went away): it
    // no longer holds the guard, but a transmission it ended does.
    void forget(Signal signal, qint64 now);

    bool transmitting() const;
    // From when switching is allowed: never while a signal says transmit,
    // nor while a polled one has not said receive since the hang time ran out.
    qint64 openAt() const;
    // Until when switching stays allowed with no newer word: when the
    // oldest word of a polled signal becomes too old; never if none ages.
    qint64 closesAt() const;
    bool isOpen(qint64 now) const { return now >= openAt() && now < closesAt(); }

private:
    struct State
    {
        bool transmitting = false;
        bool polled = true;
        bool heard = false; // has said something since it was last forgotten
        qint64 lastWord = 0;
        int maxAge = 0; // 0: no limit
    };
    State& state(Signal signal) { return signals_[signal == Signal::DeviceSend ? 0 : 1]; }

    void ended(qint64 now, bool lengthKnown);

    std::array<State, 2> signals_;
    // When the last transmission ended; long ago at start.
    qint64 lastTransmitEnd = std::numeric_limits<qint64>::min() / 2;
    qint64 previousTransmitEnd = std::numeric_limits<qint64>::min() / 2;
    qint64 spellStart = 0;
    bool lastSpellShort = false;
    // The last two ends were of spells seen keyed, not first words.
    bool lastEndKeyed = false;
    bool keyedBefore = false;
    int hang = minimumHangMs;
    int keyingHang = 0;
};

#endif // ZAREL_TRANSMITGUARD_H
