#include "link/txinhibit.h"

#include "link/transmitguard.h"

#include <utility>

void TxInhibit::setOutput(int output)
{
    gpo = output >= 1 && output <= 8 ? output : 0;
    if (!enabled()) {
        current = Phase::Idle;
    }
}

void TxInhibit::start()
{
    current = Phase::Idle;
    firstReport = true;
    refusalTold = false;
    lost = false;
}

TxInhibit::Step TxInhibit::update(const Work& work, bool guardOpen)
{
    if (!enabled()) {
        return {};
    }
    if (current == Phase::Idle && work.waiting && guardOpen && !lost) {
        current = Phase::Raising;
        return {Act::Raise};
    }
    if (current != Phase::Idle && !work.pending) {
        // Confirmed, refused or replaced: nothing is to be held off the air for.
        current = Phase::Idle;
        return {Act::Lower};
    }
    return {};
}

TxInhibit::Step TxInhibit::reported(quint8 outputs, bool sending, const Work& work)
{
    if (!enabled()) {
        return {};
    }
    const bool on = (outputs & bit()) != 0;
    lost = false;
    if (std::exchange(firstReport, false) && on && current == Phase::Idle && !work.pending && !work.inhibitAsked) {
        return {Act::Lower, true};
    }
    if (work.inhibitAsked) {
        return {}; // the device's word on it is still to come
    }
    switch (current) {
    case Phase::Raising:
        if (!on) {
            // Refused after every attempt: asked again, switching waits.
            const bool tell = !std::exchange(refusalTold, true);
            return {Act::Raise, false, tell};
        }
        if (!sending) {
            current = Phase::Held;
            refusalTold = false;
        }
        break;
    case Phase::Held:
        if (!on) {
            // Lost under our feet (a restart, another panel): hold again.
            current = Phase::Raising;
            return {Act::Raise};
        }
        break;
    case Phase::Idle:
        break;
    }
    return {};
}

bool TxInhibit::stop()
{
    firstReport = false;
    lost = true;
    const bool raised = current != Phase::Idle;
    current = Phase::Idle;
    return raised;
}

qint64 TxInhibit::gate(qint64 guardOpenAt) const
{
    if (!enabled() || current == Phase::Held) {
        return guardOpenAt;
    }
    return TransmitGuard::never;
}
