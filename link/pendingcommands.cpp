#include "link/pendingcommands.h"

#include <algorithm>
#include <utility>

namespace {

// The panel's own reading of a position: any value outside 0..11 names no
// antenna, RELEASE's 15 and the FF some devices send alike.
bool agreesOnAntenna(const std::optional<quint8>& wanted, quint8 actual)
{
    return !wanted || antennaIndex(*wanted) == antennaIndex(actual);
}

QString antennaName(quint8 position)
{
    return position == DeviceCommand::NoAntenna ? QStringLiteral("RELEASE")
                                                : QStringLiteral("Ant %1").arg(position + 1);
}

// Whether an antenna a command moves to is in use by another station now:
// nothing sends it there again by itself. Split moves two: the receive
// antenna and the transmit one (unless it is already this station's).
bool takenElsewhere(const DeviceCommand& command, const DeviceState& state)
{
    const int busy = state.busyMask1to8 | (state.busyMask9to12 & 0x0F) << 8;
    const auto taken = [busy](int antenna) { return antenna >= 0 && antenna < 12 && (busy & (1 << antenna)) != 0; };
    if (command.type == DeviceCommand::Antenna) {
        return taken(command.first);
    }
    if (command.type == DeviceCommand::Split && command.first == 1) {
        return taken(command.second) || (command.third != state.selectedAntenna && taken(command.third));
    }
    return false;
}

template<class T>
bool agrees(const std::optional<T>& wanted, T actual)
{
    return !wanted || *wanted == actual;
}

template<class T>
void withdrawField(std::optional<T>& field, const std::optional<T>& newer)
{
    if (newer) {
        field.reset();
    }
}

} // namespace

bool PendingCommands::Expectation::isEmpty() const
{
    return !selectedAntenna && !splitActive && !splitRxAntenna && !rtxActive && !rxActive && gpoMask == 0;
}

bool PendingCommands::Expectation::agreesWith(const DeviceState& state) const
{
    return agreesOnAntenna(selectedAntenna, state.selectedAntenna) && agrees(splitActive, state.splitActive) &&
        agreesOnAntenna(splitRxAntenna, state.splitRxAntenna) && agrees(rtxActive, state.rtxActive) &&
        agrees(rxActive, state.rxActive) && (state.gpoStates & gpoMask) == gpoValues;
}

void PendingCommands::Expectation::applyTo(DeviceState& state) const
{
    state.selectedAntenna = selectedAntenna.value_or(state.selectedAntenna);
    state.splitActive = splitActive.value_or(state.splitActive);
    state.splitRxAntenna = splitRxAntenna.value_or(state.splitRxAntenna);
    state.rtxActive = rtxActive.value_or(state.rtxActive);
    state.rxActive = rxActive.value_or(state.rxActive);
    state.gpoStates = static_cast<quint8>((state.gpoStates & ~gpoMask) | gpoValues);
}

void PendingCommands::Expectation::withdraw(const Expectation& newer)
{
    withdrawField(selectedAntenna, newer.selectedAntenna);
    withdrawField(splitActive, newer.splitActive);
    withdrawField(splitRxAntenna, newer.splitRxAntenna);
    withdrawField(rtxActive, newer.rtxActive);
    withdrawField(rxActive, newer.rxActive);
    gpoMask = static_cast<quint8>(gpoMask & ~newer.gpoMask);
    gpoValues = static_cast<quint8>(gpoValues & gpoMask);
}

std::optional<PendingCommands::Expectation> PendingCommands::expectationOf(const DeviceCommand& c, bool splitOn)
{
    Expectation e;
    switch (c.type) {
    case DeviceCommand::Antenna: // antenna p; while split is on, the receive antenna
        (splitOn ? e.splitRxAntenna : e.selectedAntenna) = c.first;
        e.name = antennaName(c.first);
        return e;
    case DeviceCommand::Split: // split on (1, receive, transmit) or off (0, 0, 0)
        e.name = QStringLiteral("SPLIT");
        if (c.first == 1) {
            e.splitActive = 1;
            e.splitRxAntenna = c.second;
            e.selectedAntenna = c.third;
        } else {
            e.splitActive = 0;
        }
        return e;
    case DeviceCommand::Gpo: // GPO g on (1) or off (0)
        if (c.first > 7) {
            return std::nullopt;
        }
        e.gpoMask = static_cast<quint8>(1u << c.first);
        e.gpoValues = c.second != 0 ? e.gpoMask : 0;
        e.name = QStringLiteral("GPO %1").arg(c.first + 1);
        return e;
    case DeviceCommand::Receiver: // receiver RX n
        e.rxActive = 1;
        e.rtxActive = 0;
        e.name = QStringLiteral("RX %1").arg(c.first);
        return e;
    case DeviceCommand::Rtx: // RTX
        e.rtxActive = 1;
        e.rxActive = 0;
        e.name = QStringLiteral("RTX");
        return e;
    default:
        return std::nullopt;
    }
}

bool PendingCommands::add(const DeviceCommand& command, bool splitOn, bool waiting)
{
    const std::optional<Expectation> expectation = expectationOf(command, splitOn);
    if (!expectation) {
        return false;
    }
    // A newer command for the same thing decides it whole: an older split on
    // must not be sent again for its receive antenna after a split off.
    pending.erase(std::remove_if(pending.begin(), pending.end(),
                                 [&command](const Pending& older) { return sameSubject(older.command, command); }),
                  pending.end());
    for (Pending& older : pending) {
        const Expectation before = older.expectation;
        older.expectation.withdraw(*expectation);
        older.partial = older.partial || !(older.expectation == before);
    }
    pending.erase(std::remove_if(pending.begin(), pending.end(),
                                 [](const Pending& older) { return older.expectation.isEmpty(); }),
                  pending.end());
    pending.push_back({command, *expectation, 1, 0, false, waiting});
    return true;
}

bool PendingCommands::Expectation::operator==(const Expectation& o) const
{
    return selectedAntenna == o.selectedAntenna && splitActive == o.splitActive && splitRxAntenna == o.splitRxAntenna &&
        rtxActive == o.rtxActive && rxActive == o.rxActive && gpoMask == o.gpoMask && gpoValues == o.gpoValues;
}

bool PendingCommands::alreadyAsked(const DeviceCommand& command, bool splitOn) const
{
    const std::optional<Expectation> expectation = expectationOf(command, splitOn);
    return expectation && std::any_of(pending.begin(), pending.end(), [&](const Pending& waiting) {
               return waiting.command == command && waiting.expectation == *expectation;
           });
}

bool PendingCommands::splitOnArrival(bool shownSplitOn) const
{
    for (auto it = pending.rbegin(); it != pending.rend(); ++it) {
        if (it->command.type == DeviceCommand::Split && it->expectation.splitActive) {
            return *it->expectation.splitActive == 1;
        }
    }
    return shownSplitOn;
}

bool PendingCommands::recordWrite(const DeviceCommand& command, quint64 serial)
{
    for (Pending& waiting : pending) {
        if (waiting.writtenSerial == 0 && waiting.command == command) {
            waiting.writtenSerial = serial;
            return std::exchange(waiting.waiting, false);
        }
    }
    return false;
}

bool PendingCommands::waitsBehind(const DeviceCommand& command) const
{
    return std::any_of(pending.begin(), pending.end(), [&command](const Pending& older) {
        return older.waiting && dependentSubjects(older.command, command);
    });
}

bool PendingCommands::holdGuarded()
{
    bool held = false;
    for (Pending& command : pending) {
        if (command.writtenSerial == 0 && command.command.guarded && !command.waiting) {
            command.waiting = true;
            held = true;
        }
    }
    return held;
}

PendingCommands::Guarded PendingCommands::guarded() const
{
    Guarded g;
    for (const Pending& command : pending) {
        if (command.command.guarded) {
            g.unconfirmed = true;
            g.unwritten = g.unwritten || command.writtenSerial == 0;
        }
    }
    return g;
}

bool PendingCommands::asks(const DeviceCommand& command) const
{
    return std::any_of(pending.begin(), pending.end(),
                       [&command](const Pending& waiting) { return sameSubject(waiting.command, command); });
}

int PendingCommands::shownUnconfirmed() const
{
    return static_cast<int>(
        std::count_if(pending.begin(), pending.end(), [](const Pending& command) { return !command.waiting; }));
}

std::optional<int> PendingCommands::waitingAntenna(bool heldBeforeToo) const
{
    std::optional<int> antenna;
    for (const Pending& command : pending) {
        if (!command.waiting || (command.command.heldBefore && !heldBeforeToo)) {
            continue;
        }
        // A split pair is shown waiting on its transmit antenna.
        const std::optional<quint8> position = command.expectation.selectedAntenna ? command.expectation.selectedAntenna
                                                                                   : command.expectation.splitRxAntenna;
        if (position && antennaIndex(*position) >= 0) {
            antenna = antennaIndex(*position);
        }
    }
    return antenna;
}

PendingCommands::Verdicts PendingCommands::judge(DeviceState& state, std::optional<quint64> answeredSerial,
                                                 bool guardClosed)
{
    Verdicts verdicts;
    // Judged against the device's own state, before anything is shown over it.
    const DeviceState reported = state;
    for (auto it = pending.begin(); it != pending.end();) {
        const bool canJudge = answeredSerial && it->writtenSerial != 0 && *answeredSerial > it->writtenSerial;
        if (!canJudge) {
            ++it;
            continue;
        }
        if (it->expectation.agreesWith(reported)) {
            verdicts.confirmed.append(it->expectation.name);
            it = pending.erase(it);
        } else if (it->attempts < maxAttempts && !it->partial && !takenElsewhere(it->command, reported)) {
            ++it->attempts;
            it->writtenSerial = 0;
            // Sent again on its own, a switch must not land under power;
            // band outputs stay held as they were.
            it->command.guarded = it->command.guarded || switchesAntenna(it->command);
            it->waiting = it->command.guarded && guardClosed;
            verdicts.resend.append(it->command);
            ++it;
        } else {
            verdicts.notConfirmed.append(it->expectation.name);
            it = pending.erase(it);
        }
    }
    overlay(state);
    return verdicts;
}

void PendingCommands::overlay(DeviceState& state) const
{
    for (const Pending& command : pending) {
        if (!command.waiting) {
            command.expectation.applyTo(state);
        }
    }
}
