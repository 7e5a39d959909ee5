#include "panel/bandfollowing.h"

#include "app/bandplan.h"
#include "app/settingsstore.h"
#include "connection/radiosource.h"
#include "connection/rigctldclient.h"
#include "link/linkclock.h"

#include <utility>

BandFollowing::BandFollowing(std::function<Situation()> situation, QObject* parent)
    : QObject(parent)
    , situation(std::move(situation))
    , source(new RadioSource(this))
{
    // A reading older than its source's period tells nothing of now.
    guard.setPeriod(TransmitGuard::Signal::DeviceSend, TransmitGuard::reportPeriodMs);
    guard.setPeriod(TransmitGuard::Signal::RadioPtt, RigctldClient::pollMs);
    connect(source, &RadioSource::changed, this, &BandFollowing::radioChanged);
    connect(source, &RadioSource::notice, this, &BandFollowing::statusMessage);
    // Each poll is a fresh word of the PTT, changed or not.
    connect(source, &RadioSource::polled, this, [this] {
        const RadioReading& reading = source->reading();
        if (reading.frequencyHz && reading.pttKnown) {
            guard.set(TransmitGuard::Signal::RadioPtt, reading.transmitting, source->takenAt());
            guardMoved();
        }
        // Older than the ordinary period on arrival: no reading can ever
        // let a switch go.
        const bool late =
            linkclock::steadyNow() - source->takenAt() > RigctldClient::pollMs + TransmitGuard::ageMarginMs;
        lateReadings = late ? lateReadings + 1 : 0;
        tellGuard();
    });
    closeWatch.setSingleShot(true);
    closeWatch.setInterval(closeWatchMs);
    connect(&closeWatch, &QTimer::timeout, this, [this] {
        if (guard.transmitting()) {
            closeWatch.start();
        } else {
            source->watchPttClosely(false);
            guard.setPeriod(TransmitGuard::Signal::RadioPtt, RigctldClient::pollMs);
        }
    });
    guardRelease.setSingleShot(true);
    guardRelease.setTimerType(Qt::PreciseTimer);
    connect(&guardRelease, &QTimer::timeout, this, &BandFollowing::follow);
    rememberFallback.setSingleShot(true);
    rememberFallback.setInterval(rememberWaitMs);
    connect(&rememberFallback, &QTimer::timeout, this, [this] {
        const BandFollowConfig before = follower.config();
        follower.settleRemembered();
        storeRemembered(before);
    });
}

void BandFollowing::storeRemembered(const BandFollowConfig& before)
{
    if (follower.config() != before) {
        // "Remember my choice" gave the band this antenna.
        store(follower.config());
        Q_EMIT configChanged();
    }
}

QString BandFollowing::load(const QString& path, const bandfollowsettings::Read& read)
{
    settingsPath = path;
    stored = read.config;
    unusableKeys = read.ignoredKeys;
    segmentSlots = read.segmentSlots;
    follower.setConfig(read.config);
    applyHang();
    guard.setPolled(TransmitGuard::Signal::RadioPtt, read.config.source.kind == RadioSourceSettings::Kind::Rigctld);
    guardMoved();
    // A new source announces itself through radioChanged.
    source->configure(read.config.source);
    follow();
    if (read.ignored.isEmpty()) {
        return QString();
    }
    return tr("Band following ignores %1").arg(read.ignored.join(QStringLiteral(", ")));
}

void BandFollowing::setConfig(const BandFollowConfig& config)
{
    if (config.source != follower.config().source) {
        mode = RadioMode::Unknown;
    }
    store(config);
    follower.setConfig(config);
    applyHang();
    guard.setPolled(TransmitGuard::Signal::RadioPtt, config.source.kind == RadioSourceSettings::Kind::Rigctld);
    guardMoved();
    source->configure(config.source);
    follow();
    Q_EMIT configChanged();
}

QString BandFollowing::figures() const
{
    const RadioReading& reading = source->reading();
    QString text = source->statusText();
    // Seen where the band is read, not only in a notice that gives way.
    if (follower.waitingForFree() && !text.isEmpty()) {
        text += tr(": no free antenna");
    }
    if (reading.frequencyHz && !reading.pttKnown) {
        text += tr(" \u00b7 PTT unknown");
    }
    return text;
}

bool BandFollowing::readsRadio() const
{
    return bool(source->reading().frequencyHz);
}

void BandFollowing::store(const BandFollowConfig& config)
{
    // Keys holding values that could not be used are written over, so the
    // complaint does not come back at every start.
    const auto changes = bandfollowsettings::changes(stored, config, unusableKeys, segmentSlots);
    if (changes.isEmpty() || settingsPath.isEmpty()) {
        return;
    }
    SettingsStore settings(settingsPath);
    for (const auto& change : changes) {
        // Antenna lists are written as the file's lists, "20m=4, 9, 2",
        // not quoted: the way a person would type them.
        const QStringList parts = change.second.split(QStringLiteral(", "));
        settings.setValue(change.first, parts.size() > 1 ? QVariant(parts) : QVariant(change.second));
    }
    if (const auto written = settings.sync(); !written) {
        Q_EMIT settingsNotSaved(written.notice);
        return;
    }
    stored = config;
    unusableKeys.clear();
}

void BandFollowing::radioChanged()
{
    const RadioReading& reading = source->reading();
    const BandFollowConfig before = follower.config();
    follower.setReading(reading);
    storeRemembered(before);
    // A mode not read this time is taken as unchanged.
    if (!reading.frequencyHz) {
        mode = RadioMode::Unknown;
    } else if (reading.mode != RadioMode::Unknown) {
        mode = reading.mode;
    }
    applyHang();
    // A source that went away, or cannot read the PTT, tells nothing of it.
    if (reading.frequencyHz && reading.pttKnown) {
        guard.set(TransmitGuard::Signal::RadioPtt, reading.transmitting, source->takenAt());
    } else {
        guard.forget(TransmitGuard::Signal::RadioPtt, linkclock::steadyNow());
    }
    guardMoved();
    Q_EMIT figuresChanged(figures());
    tellGuard();
    follow();
}

void BandFollowing::tellGuard()
{
    // What makes the guard other than the settings say stands on the bar
    // while it is true.
    const RadioReading& reading = source->reading();
    QString text;
    if (reading.frequencyHz && !reading.pttKnown) {
        // The device's SEND input is the only guard.
        text = tr("PTT unknown: only the Merax SEND input guards switching");
    } else if (reading.frequencyHz && lateReadings >= 2 && follower.config().inhibitGpo == 0) {
        text = tr("rigctld answers too late to tell the PTT: switching waits");
    }
    if (text != guardTold) {
        guardTold = text;
        Q_EMIT guardNotice(text);
    }
}

void BandFollowing::applyHang()
{
    const BandFollowConfig& config = follower.config();
    guard.setHangMs(config.hangFor(mode));
    // CW keyed on the device's SEND while the radio reads another mode
    // (or none) has word spaces longer than a phone hang.
    guard.setKeyingHangMs(config.inhibitGpo == 0 ? config.txHangCwMs : 0);
}

void BandFollowing::guardMoved()
{
    // Break-in keys the radio again within a fraction of a second: while
    // it may, the PTT is read often enough to see every keyed spell.
    if (guard.transmitting()) {
        if (!closeWatch.isActive()) {
            source->watchPttClosely(true);
            guard.setPeriod(TransmitGuard::Signal::RadioPtt, RigctldClient::closePollMs);
        }
        closeWatch.start();
    }
    const qint64 openAt = guard.openAt();
    Q_EMIT guardChanged(openAt, guard.closesAt());
    // A held switch goes when the guard opens, not when the signals drop.
    if ((!follower.heldAntenna() && !follower.outputsWaiting()) || openAt == TransmitGuard::never) {
        guardRelease.stop();
    } else {
        guardRelease.start(static_cast<int>(qBound<qint64>(0, openAt - linkclock::steadyNow(), 60000)));
    }
}

BandFollower::Situation BandFollowing::now() const
{
    Situation s = situation();
    const qint64 at = linkclock::steadyNow();
    // With a TX-inhibit output the radio is held off the air before anything
    // switches, so a reading's age does not matter.
    s.receiving = follower.config().inhibitGpo != 0 ? at >= guard.openAt() : guard.isOpen(at);
    return s;
}

void BandFollowing::deviceSends(bool sending)
{
    const qint64 at = linkclock::steadyNow();
    // Back after a silence (a restart): what SEND did meanwhile is unknown.
    if (reportSinceConnect && at - lastReportAt >= cameBackAfterMs) {
        guard.forget(TransmitGuard::Signal::DeviceSend, at);
    }
    guard.set(TransmitGuard::Signal::DeviceSend, sending, at);
    guardMoved();
}

void BandFollowing::deviceReported(bool sending)
{
    // The guard heard this report's SEND already, in deviceSends.
    const qint64 at = linkclock::steadyNow();
    follower.setDeviceSending(sending);
    // Back after a silence, or after the watchdog cleared the panel.
    const bool afterSilence = !reportSinceConnect || at - lastReportAt >= cameBackAfterMs;
    lastReportAt = at;
    if (!reportSinceConnect) {
        reportSinceConnect = true;
        // The device's antenna is known now: the band's one can be compared.
        follower.resume();
    }
    const Situation s = situation();
    if (!follower.splitByHand(s)) {
        follower.deviceShows(s.selectedAntenna, s.outputs, afterSilence);
    }
    follow();
}

void BandFollowing::deviceSilent()
{
    reportSinceConnect = false;
    // Its next report may fall in a gap of a CW call: the hang runs from it.
    guard.forget(TransmitGuard::Signal::DeviceSend, linkclock::steadyNow());
    guardMoved();
}

void BandFollowing::linkChanged(bool nowConnected)
{
    connected = nowConnected;
    reportSinceConnect = false;
    if (!connected) {
        follower.linkDown();
        guard.forget(TransmitGuard::Signal::DeviceSend, linkclock::steadyNow());
        guardMoved();
        follow();
    }
}

void BandFollowing::dropStandingWait()
{
    // The operator's choice replaces a switch still on its way to the wire.
    if (awaitedAntenna >= 0 && !standingNotice.isEmpty()) {
        Q_EMIT statusReplaced(std::exchange(standingNotice, QString()), QString());
        awaitedAntenna = -1;
    }
}

bool BandFollowing::operatorPicks(int antenna)
{
    if (!follower.busyPressGoes(antenna, situation(), linkclock::steadyNow())) {
        Q_EMIT statusMessage(tr("Ant %1 is in use elsewhere: press again to take it").arg(antenna + 1));
        return false;
    }
    dropStandingWait();
    // Keys that set up or move a split pair are not band choices.
    if (situation().splitBusy) {
        return true;
    }
    const BandFollowConfig before = follower.config();
    const bool held = follower.holdsPress(antenna, this->now());
    if (!held) {
        follower.pressed(antenna);
    }
    storeRemembered(before);
    if (follower.rememberPending()) {
        rememberFallback.start();
    }
    if (held) {
        follow();
    }
    return !held;
}

void BandFollowing::operatorReleases()
{
    dropStandingWait();
    follower.released();
}

void BandFollowing::nextAntenna()
{
    const std::optional<int> band = follower.currentBand();
    switch (follower.stepNext(now())) {
    case BandFollower::Stepped::Ok:
        dropStandingWait();
        follow();
        break;
    case BandFollower::Stepped::NoList:
        Q_EMIT statusMessage(band ? tr("%1: no antennas named").arg(bandplan::bandLabel(*band))
                                  : tr("Next antenna: the radio is on no band"));
        break;
    case BandFollower::Stepped::NoneFree:
        Q_EMIT statusMessage(tr("%1: no other antenna free").arg(bandplan::bandLabel(band.value_or(0))));
        break;
    }
}

QString BandFollowing::allBusyText() const
{
    QStringList names;
    for (int n : follower.currentAntennas()) {
        names << tr("Ant %1").arg(n);
    }
    const QString last = names.takeLast();
    const QString all = names.isEmpty() ? last : tr("%1 and %2").arg(names.join(QStringLiteral(", ")), last);
    return tr("%1: %2 in use elsewhere").arg(bandplan::bandLabel(follower.currentBand().value_or(0)), all);
}

void BandFollowing::follow()
{
    const bool wasHeld = follower.heldAntenna().has_value();
    const BandFollower::Step step = follower.next(now());
    switch (step.action) {
    case BandFollower::Action::Switch:
    case BandFollower::Action::Restore:
        if (step.action == BandFollower::Action::Restore && follower.cameBackTold().on < 0) {
            Q_EMIT statusMessage(
                tr("The Merax came back without an antenna: Ant %1 selected again").arg(step.antenna + 1));
        } else if (step.action == BandFollower::Action::Restore) {
            Q_EMIT statusMessage(tr("The Merax came back on Ant %1: Ant %2 selected again")
                                     .arg(follower.cameBackTold().on + 1)
                                     .arg(step.antenna + 1));
        }
        // The notice that a switch waits stands until the switch is on the wire.
        if (!holdNotice.isEmpty()) {
            standingNotice = std::exchange(holdNotice, QString());
        } else if (!busyNotice.isEmpty()) {
            standingNotice = std::exchange(busyNotice, QString());
        }
        awaitedAntenna = standingNotice.isEmpty() ? -1 : step.antenna;
        restoringNow = step.action == BandFollower::Action::Restore;
        if (step.split == BandFollower::Split::On) {
            Q_EMIT splitWanted(step.antenna, step.receive, wasHeld);
            Q_EMIT statusMessage(tr("%1: split on, receiving on Ant %2")
                                     .arg(bandplan::bandLabel(follower.currentBand().value_or(0)))
                                     .arg(step.receive + 1));
        } else if (step.split == BandFollower::Split::Off) {
            Q_EMIT splitEndWanted(step.antenna, wasHeld);
            Q_EMIT statusMessage(tr("%1: split off").arg(bandplan::bandLabel(follower.currentBand().value_or(0))));
        } else {
            Q_EMIT switchWanted(step.antenna, wasHeld);
        }
        restoringNow = false;
        break;
    case BandFollower::Action::AllBusy:
        busyNotice = allBusyText();
        Q_EMIT statusMessage(busyNotice);
        break;
    case BandFollower::Action::Hold:
        holdNotice = tr("Ant %1 waits for the end of the transmission").arg(step.antenna + 1);
        Q_EMIT statusMessage(holdNotice);
        break;
    case BandFollower::Action::Paused:
        Q_EMIT statusMessage(tr("Band following paused while split is on"));
        break;
    case BandFollower::Action::Dropped:
        // Made blind, the switch could land under power. The notice stands
        // until band following switches again.
        holdNotice.clear();
        standingNotice =
            tr("Ant %1 not switched: the radio's source went away while it was transmitting").arg(step.antenna + 1);
        awaitedAntenna = -1;
        Q_EMIT statusMessage(standingNotice);
        break;
    case BandFollower::Action::CameBack:
        if (follower.cameBackTold().had >= 0) {
            Q_EMIT statusMessage(tr("The Merax came back on Ant %1 (it had Ant %2)")
                                     .arg(follower.cameBackTold().on + 1)
                                     .arg(follower.cameBackTold().had + 1));
        }
        break;
    case BandFollower::Action::NoAntenna:
        Q_EMIT statusMessage(tr("The Merax reports no antenna"));
        break;
    case BandFollower::Action::None:
        break;
    }
    if (!step.outputs.isEmpty()) {
        Q_EMIT outputsWanted(step.outputs.mask, step.outputs.on);
    }
    // Nothing waits any more: the notice must not say otherwise.
    if (!holdNotice.isEmpty() && !follower.heldAntenna()) {
        Q_EMIT statusReplaced(std::exchange(holdNotice, QString()), QString());
    }
    if (!busyNotice.isEmpty() && !follower.waitingForFree()) {
        Q_EMIT statusReplaced(std::exchange(busyNotice, QString()), QString());
    }
    if (freeWaitShown != follower.waitingForFree()) {
        freeWaitShown = follower.waitingForFree();
        Q_EMIT figuresChanged(figures());
    }
    withdrawMade();
    if (heldShown != follower.heldAntenna()) {
        heldShown = follower.heldAntenna();
        guardMoved();
        Q_EMIT heldChanged();
    } else if ((heldShown || follower.outputsWaiting()) && !guardRelease.isActive()) {
        guardMoved(); // the timer fired a moment early: armed again
    }
}

void BandFollowing::switchWritten(int antenna)
{
    follower.antennaWritten(antenna);
    if (standingNotice.isEmpty() || antenna != awaitedAntenna) {
        return;
    }
    const std::optional<int> band = follower.currentBand();
    const QString made = band ? tr("%1: Ant %2").arg(bandplan::bandLabel(*band)).arg(antenna + 1)
                              : tr("Ant %1 selected").arg(antenna + 1);
    Q_EMIT statusReplaced(std::exchange(standingNotice, QString()), made);
    awaitedAntenna = -1;
    madeNotice = made;
    madeBand = band.value_or(-1);
    madeAntenna = antenna;
    madeShown = false;
}

void BandFollowing::withdrawMade()
{
    if (madeNotice.isEmpty()) {
        return;
    }
    // Until the device shows the switch, its old antenna says nothing.
    const Situation s = situation();
    const bool shows = s.connected && s.stateKnown && s.selectedAntenna == madeAntenna;
    madeShown = madeShown || shows;
    const bool otherBand = madeBand >= 0 && follower.currentBand() != madeBand;
    if (otherBand || !connected || (madeShown && !shows)) {
        Q_EMIT statusReplaced(std::exchange(madeNotice, QString()), QString());
    }
}
