#include "panel/bandfollow.h"

#include "app/settingskeys.h"
#include "connection/radioinfo.h"

#include <algorithm>
#include <utility>

bool BandFollowConfig::operator==(const BandFollowConfig& other) const
{
    return source == other.source && remember == other.remember && holdManual == other.holdManual &&
        txHangMs == other.txHangMs && antennas == other.antennas;
}

namespace bandfollowsettings {

namespace {

using Kind = RadioSourceSettings::Kind;

QString kindText(Kind kind)
{
    switch (kind) {
    case Kind::Rigctld:
        return QStringLiteral("rigctld");
    case Kind::Logger:
        return QStringLiteral("logger");
    case Kind::Off:
        break;
    }
    return QStringLiteral("off");
}

std::optional<Kind> kindFrom(const QString& text)
{
    for (Kind kind : {Kind::Off, Kind::Rigctld, Kind::Logger}) {
        if (text.trimmed().compare(kindText(kind), Qt::CaseInsensitive) == 0) {
            return kind;
        }
    }
    return std::nullopt;
}

std::optional<int> numberFrom(const QString& text, int lowest, int highest)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n >= lowest && n <= highest ? std::optional<int>(n) : std::nullopt;
}

QString flagText(bool on)
{
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

std::optional<QString> hostFrom(const QString& text)
{
    // A host name or address holds no blanks or commas.
    const QString host = text.trimmed();
    const bool usable = !host.isEmpty() && !host.contains(QLatin1Char(',')) &&
        std::none_of(host.begin(), host.end(), [](QChar c) { return c.isSpace(); });
    return usable ? std::optional<QString>(host) : std::nullopt;
}

Read read(const std::function<std::optional<QString>(const QString& key)>& lookup)
{
    Read result;
    BandFollowConfig& c = result.config;
    // Takes the key's value when parse accepts it; otherwise names it.
    const auto take = [&](const QString& key, auto parse, auto store) {
        const std::optional<QString> text = lookup(key);
        if (!text) {
            return;
        }
        if (const auto value = parse(*text)) {
            store(*value);
        } else {
            result.ignored << key.section(QLatin1Char('/'), 1) + QLatin1Char('=') + *text;
            result.ignoredKeys << key;
        }
    };
    const auto port = [](const QString& t) { return numberFrom(t, 1, 65535); };
    namespace key = settingskey::bandfollow;

    take(key::Source, kindFrom, [&](Kind kind) { c.source.kind = kind; });
    take(key::RigHost, hostFrom, [&](const QString& host) { c.source.rigHost = host; });
    take(key::RigPort, port, [&](int n) { c.source.rigPort = quint16(n); });
    take(key::LoggerPort, port, [&](int n) { c.source.loggerPort = quint16(n); });
    take(
        key::LoggerRadio, [](const QString& t) { return numberFrom(t, 1, 99); },
        [&](int n) { c.source.loggerRadio = n; });
    // Empty is a choice here: datagrams from any host, of any station.
    take(
        key::LoggerHost,
        [](const QString& t) { return t.trimmed().isEmpty() ? std::optional<QString>(QString()) : hostFrom(t); },
        [&](const QString& host) { c.source.loggerHost = host; });
    take(
        key::LoggerStation, [](const QString& t) { return std::optional<QString>(t.trimmed()); },
        [&](const QString& station) { c.source.loggerStation = station; });
    // A logger source set up anew trusts this computer only; one set up
    // before the host could be named keeps taking any host, as it did.
    if (!lookup(key::LoggerHost) && c.source.kind != Kind::Logger) {
        c.source.loggerHost = QStringLiteral("127.0.0.1");
    }
    take(key::Remember, flagFromText, [&](bool on) { c.remember = on; });
    take(key::HoldManual, flagFromText, [&](bool on) { c.holdManual = on; });
    take(
        key::TxHangMs, [](const QString& t) { return numberFrom(t, 0, 5000); }, [&](int n) { c.txHangMs = n; });
    // Shorter than the guard can honour: raised to its floor, and named, so
    // the file is written right.
    if (c.txHangMs < TransmitGuard::minimumHangMs) {
        result.ignored << QStringLiteral("TxHangMs=") + QString::number(c.txHangMs);
        result.ignoredKeys << key::TxHangMs;
        c.txHangMs = TransmitGuard::minimumHangMs;
    }
    for (int b = 0; b < bandplan::BandCount; ++b) {
        take(
            key::band(b), [](const QString& t) { return numberFrom(t, 0, 12); },
            [&](int n) { c.antennas[std::size_t(b)] = n; });
    }
    return result;
}

QVector<QPair<QString, QString>> changes(const BandFollowConfig& from, const BandFollowConfig& to,
                                         const QStringList& rewrite)
{
    QVector<QPair<QString, QString>> list;
    const auto add = [&list, &rewrite](const QString& key, const QString& old, const QString& now) {
        if (old != now || rewrite.contains(key)) {
            list.append({key, now});
        }
    };
    namespace key = settingskey::bandfollow;
    add(key::Source, kindText(from.source.kind), kindText(to.source.kind));
    add(key::RigHost, from.source.rigHost, to.source.rigHost);
    add(key::RigPort, QString::number(from.source.rigPort), QString::number(to.source.rigPort));
    add(key::LoggerPort, QString::number(from.source.loggerPort), QString::number(to.source.loggerPort));
    add(key::LoggerRadio, QString::number(from.source.loggerRadio), QString::number(to.source.loggerRadio));
    // Stored with the logger source it was chosen with, default or not.
    const bool loggerChosen = to.source.kind == Kind::Logger && from.source.kind != Kind::Logger;
    if (loggerChosen || from.source.loggerHost != to.source.loggerHost || rewrite.contains(key::LoggerHost)) {
        list.append({key::LoggerHost, to.source.loggerHost});
    }
    add(key::LoggerStation, from.source.loggerStation, to.source.loggerStation);
    add(key::Remember, flagText(from.remember), flagText(to.remember));
    add(key::HoldManual, flagText(from.holdManual), flagText(to.holdManual));
    add(key::TxHangMs, QString::number(from.txHangMs), QString::number(to.txHangMs));
    for (int b = 0; b < bandplan::BandCount; ++b) {
        add(key::band(b), QString::number(from.antennas[std::size_t(b)]), QString::number(to.antennas[std::size_t(b)]));
    }
    return list;
}

} // namespace bandfollowsettings

void BandFollower::setConfig(const BandFollowConfig& config)
{
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
        followedBand.reset();
        sourceLost = false;
        radioTransmitting = false;
        due = false;
        handPicked = false;
        return;
    }
    if (followedBand && config.antennas[std::size_t(*followedBand)] != old.antennas[std::size_t(*followedBand)]) {
        // The operator's new choice for this band replaces the one waiting.
        if (heldByBand) {
            clearHeld();
        }
        due = true;
        handPicked = false;
    }
}

void BandFollower::setReading(const RadioReading& reading)
{
    const bool wasTransmitting = radioTransmitting;
    radioTransmitting = reading.transmitting;
    if (!reading.frequencyHz) {
        band.reset();
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
    band = bandplan::bandAt(reading.txFrequencyHz.value_or(*reading.frequencyHz));
    settleRemembered();
    const bool cameBack = std::exchange(sourceLost, false);
    if (!band) {
        return; // outside every band nothing changes
    }
    if (band == followedBand) {
        // Back in the same band is no entry; back after the source was lost,
        // the band's antenna is put back unless a key chose another since.
        if (cameBack && !handPicked) {
            due = true;
        }
        return;
    }
    followedBand = band;
    due = true;
    handPicked = false;
    restoring = false;
    pauseAnnounced = false;
    // The last wanted antenna wins over one still waiting.
    if (cfg.antennas[std::size_t(*band)] > 0 || heldByBand) {
        clearHeld();
    }
}

void BandFollower::setDeviceSending(bool sending)
{
    deviceSending = sending;
}

void BandFollower::resume()
{
    // A key pressed since the band was entered still stands.
    due = followedBand.has_value() && !handPicked;
}

void BandFollower::linkDown()
{
    clearHeld();
    deviceSending = false;
    pauseAnnounced = false;
    deviceAntenna = -1;
    restoring = false;
    noAntennaDue = false;
}

void BandFollower::deviceShows(int antenna, bool afterSilence)
{
    const bool lost = deviceAntenna >= 0 && antenna < 0;
    deviceAntenna = antenna;
    if (!lost || releasedHere) {
        return;
    }
    // Only a device that came back (a restart) is given its antenna again:
    // without a silence before, someone else may have released it.
    if (afterSilence && followedBand && cfg.antennas[std::size_t(*followedBand)] > 0) {
        due = true;
        handPicked = false;
        restoring = true;
    } else {
        noAntennaDue = true;
    }
}

bool BandFollower::holdsPress(int antenna, const Situation& situation)
{
    if (!cfg.holdManual || (!transmitting() && situation.receiving) || !situation.connected || situation.splitBusy ||
        antenna == situation.selectedAntenna) {
        return false;
    }
    clearHeld();
    held = antenna;
    due = false;
    handPicked = true;
    releasedHere = false;
    restoring = false;
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
    due = false;
    releasedHere = true;
    restoring = false;
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
    due = false;
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
    if (rememberWaiting && band) {
        cfg.antennas[std::size_t(*band)] = *rememberWaiting + 1;
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
    if (std::exchange(noAntennaDue, false)) {
        return {Action::NoAntenna, -1};
    }
    std::optional<int> wanted = held;
    if (!wanted && due && followedBand && cfg.antennas[std::size_t(*followedBand)] > 0) {
        wanted = cfg.antennas[std::size_t(*followedBand)] - 1;
    }
    if (!wanted) {
        due = false;
        restoring = false;
        return {};
    }
    if (situation.splitBusy) {
        // Split picks its own pair of antennas; following waits until it ends.
        if (pauseAnnounced) {
            return {};
        }
        pauseAnnounced = true;
        return {Action::Paused, *wanted};
    }
    pauseAnnounced = false;
    if (*wanted == situation.selectedAntenna) {
        clearHeld();
        due = false;
        restoring = false;
        return {};
    }
    // The guard ends the wait, not the signals dropping: a break-in gap
    // shorter than the hang time releases nothing.
    if (transmitting() || !situation.receiving) {
        if (!held) {
            held = wanted;
            heldByBand = true;
        }
        due = false;
        if (announcedHold == wanted) {
            return {};
        }
        announcedHold = wanted;
        return {Action::Hold, *wanted};
    }
    clearHeld();
    due = false;
    releasedHere = false;
    return {std::exchange(restoring, false) ? Action::Restore : Action::Switch, *wanted};
}
