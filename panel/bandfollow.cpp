#include "panel/bandfollow.h"

#include "connection/radioinfo.h"

#include <algorithm>
#include <utility>

BandFollower::Place BandFollower::placeAt(qint64 hz, RadioMode mode) const
{
    Place at;
    const std::optional<int> b = bandplan::bandAt(hz);
    if (!b) {
        return at;
    }
    at.band = *b;
    // A segment of the radio's mode wins over one for any mode.
    for (int i = 0; i < cfg.segments.size(); ++i) {
        const BandSegment& segment = cfg.segments.at(i);
        if (hz < segment.lowHz || hz > segment.highHz) {
            continue;
        }
        if (segment.mode == RadioMode::Unknown) {
            if (at.segment < 0) {
                at.segment = i;
            }
        } else if (segment.mode == mode) {
            at.segment = i;
            return at;
        }
    }
    return at;
}

const AntennaList& BandFollower::antennasOf(const Place& at) const
{
    if (at.segment >= 0 && !cfg.segments.at(at.segment).antennas.isEmpty()) {
        return cfg.segments.at(at.segment).antennas;
    }
    return cfg.antennas[std::size_t(at.band)];
}

AntennaList& BandFollower::antennasOf(const Place& at)
{
    if (at.segment >= 0 && !cfg.segments.at(at.segment).antennas.isEmpty()) {
        return cfg.segments[at.segment].antennas;
    }
    return cfg.antennas[std::size_t(at.band)];
}

BandOutputs BandFollower::outputsOf(const Place& at) const
{
    BandOutputs own = cfg.outputs[std::size_t(at.band)];
    if (at.segment >= 0) {
        own = own.overlaid(cfg.segments.at(at.segment).outputs);
    }
    // An output is the band's that set it: on another band it is off.
    const quint8 followed = cfg.followedOutputs();
    return {followed, quint8(own.on & own.mask & followed)};
}

int BandFollower::receiveOf(const Place& at) const
{
    if (at.segment >= 0 && cfg.segments.at(at.segment).receive > 0) {
        return cfg.segments.at(at.segment).receive - 1;
    }
    return cfg.receive[std::size_t(at.band)] - 1;
}

bool BandFollower::splitByHand(const Situation& s) const
{
    return s.splitBusy && !(ownSplit && s.splitRx == ownSplit->second && s.selectedAntenna == ownSplit->first) &&
        !bandsSplit(s);
}

bool BandFollower::bandsSplit(const Situation& s) const
{
    return followed && s.splitRx >= 0 && s.splitRx == receiveOf(*followed) &&
        antennasOf(*followed).contains(s.selectedAntenna + 1);
}

BandFollower::Split BandFollower::splitFor(int antenna, const Situation& s) const
{
    const int receive = followed ? receiveOf(*followed) : -1;
    if (receive >= 0 && receive != antenna) {
        return s.splitRx == receive && s.selectedAntenna == antenna ? Split::Keep : Split::On;
    }
    // Ours may still be on its way to the device.
    return ownSplit && (s.splitRx >= 0 || !ownSplitShown) ? Split::Off : Split::Keep;
}

AntennaList BandFollower::currentAntennas() const
{
    return followed ? antennasOf(*followed) : AntennaList();
}

namespace {

bool busyElsewhere(int antenna, const BandFollower::Situation& s)
{
    return antenna >= 0 && antenna < 16 && (s.busy & (1u << antenna)) != 0;
}

} // namespace

std::optional<int> BandFollower::firstFree(const AntennaList& antennas, const Situation& s) const
{
    for (int n : antennas) {
        // The antenna the device gives this station is its own.
        if (n - 1 == s.selectedAntenna || !busyElsewhere(n - 1, s)) {
            return n - 1;
        }
    }
    return std::nullopt;
}

void BandFollower::entered(const Place& at)
{
    followedBand = at.band;
    followed = at;
    due = true;
    handPicked = false;
    restoring = false;
    pauseAnnounced = false;
    allBusyTold = false;
    stepped.reset();
    outputsDue = !outputsOf(at).isEmpty();
    // The last wanted antenna wins over one still waiting.
    if (!antennasOf(at).isEmpty() || heldByBand) {
        clearHeld();
    }
}

void BandFollower::setConfig(const BandFollowConfig& config)
{
    const AntennaList antennasBefore = currentAntennas();
    const BandOutputs outputsBefore = followed ? outputsOf(*followed) : BandOutputs();
    const BandFollowConfig old = cfg;
    cfg = config;
    if (config.source != old.source) {
        // Another radio, or none: what the old one said no longer counts.
        if (radioTransmitting) {
            giveUpWaiting();
        } else if (heldByBand) {
            clearHeld();
        }
        band.reset();
        place.reset();
        followedBand.reset();
        followed.reset();
        readHz.reset();
        readMode = RadioMode::Unknown;
        stepped.reset();
        outputsDue = false;
        allBusyTold = false;
        sourceLost = false;
        radioTransmitting = false;
        due = false;
        handPicked = false;
        return;
    }
    if (!followed) {
        return;
    }
    // Segments added or moved may put the radio in another one. One edited
    // in its row, or only moved in the table (another deleted above it), is
    // the same place: the hand pick stays unless its antennas changed.
    const Place now = placeAt(readHz.value_or(0), readMode);
    if (place) {
        place = now; // numbered as in the new list
    }
    const auto sameSegment = [&]() {
        if (now.segment < 0 || followed->segment < 0 || now.segment == followed->segment) {
            return now.segment == followed->segment;
        }
        const BandSegment& a = cfg.segments.at(now.segment);
        const BandSegment& b = old.segments.at(followed->segment);
        return a.lowHz == b.lowHz && a.highHz == b.highHz && a.mode == b.mode;
    }();
    if (now.band == followed->band && !sameSegment) {
        entered(now);
        return;
    }
    // Off the bands since: the band's own setting.
    followed->segment = now.band == followed->band ? now.segment : -1;
    if (currentAntennas() != antennasBefore) {
        // The operator's new choice for this band replaces the one waiting.
        if (heldByBand) {
            clearHeld();
        }
        due = true;
        handPicked = false;
        allBusyTold = false;
    }
    if (outputsOf(*followed) != outputsBefore) {
        outputsDue = !outputsOf(*followed).isEmpty();
    }
}

void BandFollower::setReading(const RadioReading& reading)
{
    const bool wasTransmitting = radioTransmitting;
    radioTransmitting = reading.transmitting;
    if (!reading.frequencyHz) {
        band.reset();
        place.reset();
        sourceLost = true;
        // The source went away while the radio sent: nobody can tell when the
        // transmission ends, so nothing waiting is switched.
        if (wasTransmitting && !reading.transmitting) {
            giveUpWaiting();
        }
        return;
    }
    // A split radio transmits on the other frequency: that band's antenna
    // takes the power.
    const qint64 hz = reading.txFrequencyHz.value_or(*reading.frequencyHz);
    // A mode not read this time is taken as unchanged: a segment must not
    // flip on one unanswered question.
    if (reading.mode != RadioMode::Unknown) {
        readMode = reading.mode;
    }
    band = bandplan::bandAt(hz);
    place = band ? std::optional<Place>(placeAt(hz, readMode)) : std::nullopt;
    settleRemembered();
    const bool cameBack = std::exchange(sourceLost, false);
    if (!band) {
        return; // outside every band nothing changes
    }
    readHz = hz;
    if (place == followed) {
        // Back in the same band is no entry; back after the source was lost,
        // the band's antenna is put back unless a key chose another since.
        if (cameBack && !handPicked) {
            due = true;
        }
        return;
    }
    entered(*place);
}

void BandFollower::setDeviceSending(bool sending)
{
    deviceSending = sending;
}

void BandFollower::resume()
{
    // A key pressed since the band was entered still stands.
    due = followed.has_value() && !handPicked;
    // Outputs still owed (a key pressed meanwhile moves no relay) stay owed.
    outputsDue = outputsDue || (due && !outputsOf(*followed).isEmpty());
}

void BandFollower::linkDown()
{
    clearHeld();
    stepped.reset();
    deviceSending = false;
    pauseAnnounced = false;
    allBusyTold = false; // the notice would outlive what it tells of
    deviceAntenna = -1;
    deviceKnown = false;
    returned.reset();
    cameBackDue = false;
    restoring = false;
    noAntennaDue = false;
}

void BandFollower::deviceShows(int antenna, quint8 outputs, bool afterSilence)
{
    const bool known = std::exchange(deviceKnown, true);
    const int before = std::exchange(deviceAntenna, antenna);
    const quint8 outputsBefore = std::exchange(deviceOutputs, outputs);
    const bool lost = before >= 0 && antenna < 0;
    // Only a device that came back (a restart) is given its antenna again:
    // without a silence before, someone else may have switched or released it.
    const bool moved = afterSilence && known && before >= 0 && antenna >= 0 && antenna != before;
    const BandOutputs band = followed ? outputsOf(*followed) : BandOutputs();
    const bool outputsMoved = afterSilence && known && ((outputs ^ outputsBefore) & band.mask) != 0;
    if ((!lost && !moved && !outputsMoved) || releasedHere) {
        return;
    }
    if (!afterSilence) {
        noAntennaDue = lost;
        return;
    }
    if (lost || moved) {
        returned = CameBack {antenna, before};
    }
    if (followed && !antennasOf(*followed).isEmpty()) {
        due = due || lost || moved;
        handPicked = handPicked && !(lost || moved);
        restoring = lost || moved;
    } else if (moved) {
        cameBackDue = true;
    } else if (lost) {
        noAntennaDue = true;
    }
    // A restart turns the outputs off.
    outputsDue = outputsDue || !band.isEmpty();
}

bool BandFollower::holdsPress(int antenna, const Situation& situation)
{
    if (!cfg.holdManual || (!transmitting() && situation.receiving) || !situation.connected || situation.splitBusy ||
        antenna == situation.selectedAntenna) {
        return false;
    }
    clearHeld();
    stepped.reset();
    held = antenna;
    due = false;
    handPicked = true;
    releasedHere = false;
    restoring = false;
    allBusyTold = false;
    remember(antenna);
    return true;
}

void BandFollower::pressed(int antenna)
{
    released();
    releasedHere = false;
    handPicked = true;
    remember(antenna);
}

void BandFollower::released()
{
    clearHeld();
    stepped.reset();
    due = false;
    releasedHere = true;
    restoring = false;
}

BandFollower::Stepped BandFollower::stepNext(const Situation& s)
{
    const AntennaList antennas = currentAntennas();
    if (antennas.isEmpty()) {
        return Stepped::NoList;
    }
    // From the antenna wanted last, so presses under power step on too.
    const int from = held ? *held : stepped ? *stepped : s.selectedAntenna;
    const int at = antennas.indexOf(from + 1);
    for (int k = 1; k <= antennas.size(); ++k) {
        const int candidate = antennas.at((at + k) % antennas.size()) - 1;
        if (candidate != from && candidate != s.selectedAntenna && !busyElsewhere(candidate, s)) {
            clearHeld();
            stepped = candidate;
            due = false;
            handPicked = true;
            releasedHere = false;
            restoring = false;
            allBusyTold = false;
            return Stepped::Ok;
        }
    }
    // Back to the device's own antenna from one waiting under power.
    if (held && *held != s.selectedAntenna && antennas.contains(s.selectedAntenna + 1)) {
        clearHeld();
        return Stepped::Ok;
    }
    return Stepped::NoneFree;
}

bool BandFollower::busyPressGoes(int antenna, const Situation& s, qint64 now)
{
    if (!cfg.busyInterlock || antenna == s.selectedAntenna || !busyElsewhere(antenna, s)) {
        interlockAntenna.reset();
        return true;
    }
    if (interlockAntenna == antenna && now - interlockAt <= interlockMs) {
        interlockAntenna.reset();
        return true;
    }
    interlockAntenna = antenna;
    interlockAt = now;
    return false;
}

void BandFollower::clearHeld()
{
    held.reset();
    heldByBand = false;
    announcedHold.reset();
}

void BandFollower::giveUpWaiting()
{
    if (held) {
        dropped = held;
    }
    clearHeld();
    stepped.reset();
    due = false;
    outputsDue = false;
}

void BandFollower::remember(int antenna)
{
    // The reading at hand may predate a QSY the operator made just before
    // the press: the band is the next reading's.
    if (cfg.remember) {
        rememberWaiting = antenna;
    }
}

void BandFollower::settleRemembered()
{
    if (rememberWaiting && place) {
        // First in the list; the others stay behind it, in their order.
        AntennaList& antennas = antennasOf(*place);
        antennas.removeAll(*rememberWaiting + 1);
        antennas.prepend(*rememberWaiting + 1);
    }
    rememberWaiting.reset();
}

BandFollower::Step BandFollower::next(const Situation& situation)
{
    if (dropped) {
        const int antenna = *dropped;
        dropped.reset();
        return {Action::Dropped, antenna};
    }
    if (!situation.connected || !situation.stateKnown) {
        return {};
    }
    if (!ownSplit && bandsSplit(situation)) {
        // Found as the band has it (set before this panel started): ours.
        ownSplit = qMakePair(situation.selectedAntenna, situation.splitRx);
    }
    if (ownSplit && situation.splitRx == ownSplit->second && situation.selectedAntenna == ownSplit->first) {
        ownSplitShown = true;
    } else if (ownSplit && ownSplitShown && situation.splitRx < 0) {
        ownSplit.reset(); // taken off elsewhere, or by SPLIT
    }
    if (std::exchange(noAntennaDue, false)) {
        return {Action::NoAntenna, -1};
    }
    if (std::exchange(cameBackDue, false)) {
        told = std::exchange(returned, std::nullopt).value_or(CameBack {});
        return {Action::CameBack, -1};
    }
    // Taken elsewhere while it waited: the band's list is gone through again.
    if (held && heldByBand && *held != situation.selectedAntenna && busyElsewhere(*held, situation)) {
        clearHeld();
        due = true;
    }
    if (stepped && busyElsewhere(*stepped, situation)) {
        stepped.reset();
    }
    const bool byHand = splitByHand(situation);
    const bool mayGo = !transmitting() && situation.receiving && !byHand;
    // Band outputs go with the switch, or alone once nothing is to switch.
    const auto withOutputs = [&](Step step) {
        if (outputsDue && mayGo && followed) {
            step.outputs = outputsOf(*followed);
            outputsDue = false;
        }
        return step;
    };
    std::optional<int> wanted = held ? held : stepped;
    // The operator's own key under power leaves split as it is.
    const bool bandsChoice = !held || heldByBand;
    bool allBusy = false;
    if (!wanted && due && followed) {
        const AntennaList& antennas = antennasOf(*followed);
        wanted = firstFree(antennas, situation);
        allBusy = !antennas.isEmpty() && !wanted;
    }
    if (!wanted) {
        Step step;
        if (allBusy) {
            // The current antenna stays; the band follows when one frees.
            if (!allBusyTold) {
                allBusyTold = true;
                step.action = Action::AllBusy;
            }
        } else {
            // Nothing to follow (a key chose since): nothing waits for a free one.
            due = false;
            restoring = false;
            allBusyTold = false;
        }
        return withOutputs(step);
    }
    if (byHand) {
        // Split picks its own pair of antennas; following waits until it ends.
        if (pauseAnnounced) {
            return {};
        }
        pauseAnnounced = true;
        return {Action::Paused, *wanted};
    }
    pauseAnnounced = false;
    allBusyTold = false;
    const Split split = bandsChoice ? splitFor(*wanted, situation) : Split::Keep;
    if (*wanted == situation.selectedAntenna && split == Split::Keep) {
        clearHeld();
        stepped.reset();
        due = false;
        // Back on the band's own antenna: only what it had is worth telling.
        if (std::exchange(restoring, false) && returned) {
            told = *std::exchange(returned, std::nullopt);
            return withOutputs({Action::CameBack, *wanted});
        }
        return withOutputs({});
    }
    // The guard ends the wait, not the signals dropping: a break-in gap
    // shorter than the hang time releases nothing.
    if (!mayGo) {
        if (!held) {
            held = wanted;
            heldByBand = true;
        }
        stepped.reset();
        due = false;
        if (announcedHold == wanted) {
            return {};
        }
        announcedHold = wanted;
        return {Action::Hold, *wanted};
    }
    clearHeld();
    stepped.reset();
    due = false;
    releasedHere = false;
    Step step {Action::Switch, *wanted};
    step.split = split;
    if (split == Split::On) {
        step.receive = receiveOf(*followed);
        ownSplit = qMakePair(*wanted, step.receive);
        ownSplitShown = false;
    } else if (split == Split::Off) {
        ownSplit.reset();
    }
    if (std::exchange(restoring, false) && returned) {
        told = *std::exchange(returned, std::nullopt);
        step.action = Action::Restore;
    }
    return withOutputs(step);
}
