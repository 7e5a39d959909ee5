#include "link/transmitguard.h"

#include <algorithm>

TransmitGuard::TransmitGuard(int hangMs)
{
    setHangMs(hangMs);
}

void TransmitGuard::setHangMs(int hangMs)
{
    hang = std::max(minimumHangMs, hangMs);
}

void TransmitGuard::setKeyingHangMs(int hangMs)
{
    keyingHang = hangMs;
}

int TransmitGuard::hangNowMs() const
{
    const bool keying = lastSpellShort || (keyedBefore && lastTransmitEnd - previousTransmitEnd < keyingSpellMs);
    return keying ? std::max(hang, keyingHang) : hang;
}

void TransmitGuard::ended(qint64 now, bool lengthKnown)
{
    if (now <= lastTransmitEnd) {
        return;
    }
    keyedBefore = lastEndKeyed;
    lastEndKeyed = lengthKnown;
    previousTransmitEnd = lastTransmitEnd;
    lastTransmitEnd = now;
    // The first word of a signal ends no spell it saw.
    lastSpellShort = lengthKnown && now - spellStart < keyingSpellMs;
}

void TransmitGuard::setPolled(Signal signal, bool polled)
{
    state(signal).polled = polled;
}

void TransmitGuard::setPeriod(Signal signal, int periodMs)
{
    state(signal).maxAge = periodMs > 0 ? periodMs + ageMarginMs : 0;
}

void TransmitGuard::set(Signal signal, bool transmitting, qint64 now)
{
    State& s = state(signal);
    const bool before = this->transmitting();
    // A sample's first word of receive may fall in a gap of a CW call that
    // was on before it was heard: the hang runs from it.
    if ((s.transmitting || (s.polled && !s.heard)) && !transmitting) {
        ended(now, s.transmitting && before);
    }
    if (!before && transmitting) {
        spellStart = now;
    }
    s.transmitting = transmitting;
    s.heard = true;
    s.lastWord = now;
}

void TransmitGuard::forget(Signal signal, qint64 now)
{
    State& s = state(signal);
    if (s.transmitting) {
        ended(now, true);
    }
    s = State {false, s.polled, false, 0, s.maxAge};
}

bool TransmitGuard::transmitting() const
{
    return std::any_of(signals_.begin(), signals_.end(), [](const State& s) { return s.transmitting; });
}

qint64 TransmitGuard::openAt() const
{
    if (transmitting()) {
        return never;
    }
    const qint64 earliest = lastTransmitEnd + hangNowMs();
    const bool sampledSince = std::all_of(signals_.begin(), signals_.end(), [earliest](const State& s) {
        return !s.polled || !s.heard || s.lastWord >= earliest;
    });
    return sampledSince ? earliest : never;
}

qint64 TransmitGuard::closesAt() const
{
    qint64 closes = never;
    for (const State& s : signals_) {
        if (s.polled && s.heard && s.maxAge > 0) {
            closes = std::min(closes, s.lastWord + s.maxAge);
        }
    }
    return closes;
}
