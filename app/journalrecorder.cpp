#include "app/journalrecorder.h"

#include <QCoreApplication>

#include <utility>

#include "app/station.h"
#include "link/linkclock.h"
#include "panel/bandfollowing.h"

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

QString antennaText(int antenna)
{
    return antenna >= 0 && antenna < 12 ? QStringLiteral("Ant %1").arg(antenna + 1) : QStringLiteral("RELEASE");
}

// The switch as the panel names it.
QString commandText(const DeviceCommand& command, bool splitOn)
{
    switch (command.type) {
    case DeviceCommand::Antenna:
        if (command.first == DeviceCommand::NoAntenna) {
            return QStringLiteral("RELEASE");
        }
        return splitOn ? Text::tr("%1 to receive").arg(antennaText(command.first)) : antennaText(command.first);
    case DeviceCommand::Split:
        if (command.first == 0) {
            return Text::tr("SPLIT off");
        }
        return Text::tr("SPLIT on: transmit %1, receive %2")
            .arg(antennaText(command.third), antennaText(command.second));
    case DeviceCommand::Gpo:
        return command.second != 0 ? Text::tr("GPO %1 on").arg(command.first + 1)
                                   : Text::tr("GPO %1 off").arg(command.first + 1);
    case DeviceCommand::Receiver:
        return QStringLiteral("RX %1").arg(command.first);
    case DeviceCommand::Rtx:
        return QStringLiteral("RTX");
    default:
        return QStringLiteral("%1 %2").arg(command.type).arg(command.first);
    }
}

// The antenna that carries the transmission as the device has it, or -1.
int transmitAntenna(const DeviceState& state)
{
    return antennaIndex(state.selectedAntenna);
}

} // namespace

JournalRecorder::JournalRecorder(Station& station, Sink sink, QObject* parent)
    : QObject(parent)
    , station(station)
    , sink(std::move(sink))
    , refPrefix(QStringLiteral("%1.%2.").arg(QCoreApplication::applicationPid()).arg(linkclock::now()))
{
    connect(&station, &Station::asked, this, &JournalRecorder::asked);
    connect(&station, &Station::askedAgain, this, &JournalRecorder::askedAgain);
    connect(&station, &Station::written, this, &JournalRecorder::written);
    connect(&station, &Station::reported, this, &JournalRecorder::reported);
    connect(&station, &Station::judged, this, &JournalRecorder::judged);
    connect(&station, &Station::connectedChanged, this, &JournalRecorder::connectedChanged);
    connect(&station, &Station::powerChecked, this, &JournalRecorder::powerChecked);
    connect(&station, &Station::radioFigures, this, &JournalRecorder::radioFigures);
    connect(&station.rotators(), &Rotators::asked, this, &JournalRecorder::rotatorAsked);
    connect(&station.notices(), &Notices::changed, this, &JournalRecorder::notice);
    connect(&station.notices(), &Notices::heard, this, &JournalRecorder::notice);
    if (BandFollowing* following = station.bandFollowing()) {
        connect(following, &BandFollowing::heldChanged, this, &JournalRecorder::heldChanged);
        // A standing notice comes back after every other one: recorded once
        // each time it is set.
        connect(following, &BandFollowing::guardNotice, this, [this](const QString& text) {
            if (text != standing) {
                standing = text;
                noticeRow(text);
            }
        });
    }
    transmitEnd.setSingleShot(true);
    connect(&transmitEnd, &QTimer::timeout, this, [this] { endTransmission(lastSendAt); });
    // A station that ended without saying so (a crash) leaves nothing known.
    JournalEvent row;
    row.kind = JournalEvent::Kind::Link;
    row.what = Text::tr("the station started");
    row.antenna = JournalEvent::unknownAntenna;
    emitRow(row);
}

qint64 JournalRecorder::now() const
{
    return linkclock::now();
}

QString JournalRecorder::nextRef()
{
    return refPrefix + QString::number(++refSerial);
}

void JournalRecorder::emitRow(JournalEvent row)
{
    if (row.at == 0) {
        row.at = now();
    }
    sink(row);
}

QString JournalRecorder::askerText(const Asker& asker, const DeviceCommand& command) const
{
    switch (asker.kind) {
    case Asker::Kind::Key:
        return Text::tr("key");
    case Asker::Kind::FunctionKey:
        return command.type == DeviceCommand::Antenna && command.first < 12
            ? QStringLiteral("F%1").arg(command.first + 1)
            : Text::tr("function key");
    case Asker::Kind::Menu:
        return Text::tr("menu");
    case Asker::Kind::BandFollowing:
        return radio.isEmpty() ? Text::tr("band following") : Text::tr("band following: %1").arg(radio);
    case Asker::Kind::NextAntenna:
        return Text::tr("next antenna");
    case Asker::Kind::DeviceBack:
        return Text::tr("the device came back");
    case Asker::Kind::Remote:
        return Text::tr("browser: %1").arg(asker.user);
    case Asker::Kind::Station:
        return Text::tr("transmit inhibit");
    }
    return QString();
}

/* switches */

void JournalRecorder::asked(const DeviceCommand& command, const Asker& asker)
{
    const bool splitOn = station.state().splitActive != 0;
    const std::optional<PendingCommands::Expectation> expectation =
        PendingCommands::expectationOf(command, station.session().commands().splitOnArrival(splitOn));
    const qint64 steady = linkclock::steadyNow();
    Open entry;
    entry.command = command;
    entry.name = expectation ? expectation->name : QString();
    entry.askedAt = steady;
    entry.guarded = command.guarded;
    entry.row.ref = nextRef();
    entry.row.at = now();
    entry.row.kind = JournalEvent::Kind::Switch;
    entry.row.what = commandText(command, splitOn);
    // Band following's own hold is the journal's too, whoever it was for.
    const bool wasHeld = heldAntenna &&
        ((command.type == DeviceCommand::Antenna && command.first == *heldAntenna) ||
         (command.type == DeviceCommand::Split && command.first == 1 && command.third == *heldAntenna));
    // A key that waited for the end of a transmission is still the key.
    const bool keyWaited = wasHeld && heldBy.kind != Asker::Kind::BandFollowing;
    entry.row.who = askerText(keyWaited || (wasHeld && asker.kind == Asker::Kind::Station) ? heldBy : asker, command);
    if (wasHeld) {
        entry.ruleHeldMs = steady - heldSince;
        heldAntenna.reset();
    }
    // A newer switch of the same thing makes the older one pointless; the
    // link drops one that a newer one took over whole without a verdict.
    const PendingCommands& pending = station.session().commands();
    for (auto it = open.begin(); it != open.end();) {
        if (sameSubject(it->command, command)) {
            settle(*it,
                   it->writtenAt == 0 ? Text::tr("not sent: superseded by %1").arg(entry.row.what)
                                      : Text::tr("sent, then replaced by %1").arg(entry.row.what),
                   false);
            it = open.erase(it);
        } else if (!pending.asks(it->command)) {
            settle(*it, Text::tr("taken over by %1").arg(entry.row.what), false);
            it = open.erase(it);
        } else {
            ++it;
        }
    }
    open.push_back(entry);
    emitRow(entry.row);
}

void JournalRecorder::askedAgain(const DeviceCommand& command)
{
    // The earlier request stands and keeps its own row.
    JournalEvent row;
    row.ref = nextRef();
    row.kind = JournalEvent::Kind::Switch;
    row.what = commandText(command, station.state().splitActive != 0);
    row.who = askerText(station.asking(), command);
    row.outcome = Text::tr("not sent: the same switch still waits for the Merax");
    row.at = now();
    row.settled = row.at;
    emitRow(row);
}

void JournalRecorder::written(const DeviceCommand& command, qint64 at)
{
    for (Open& entry : open) {
        if (entry.command == command && entry.writtenAt == 0) {
            entry.writtenAt = at;
            // A guarded switch that left later than the link's own pace
            // was held for the end of a transmission.
            const qint64 linkHeld = entry.guarded && at - entry.askedAt > 250 ? at - entry.askedAt : 0;
            const qint64 held = entry.ruleHeldMs + linkHeld;
            if (held > 0) {
                entry.row.heldMs = held;
                emitRow(entry.row);
            }
            return;
        }
    }
}

void JournalRecorder::judged(const QStringList& confirmed, const QStringList& notConfirmed)
{
    const qint64 steady = linkclock::steadyNow();
    const DeviceState& device = known ? *known : station.state();
    for (const QString& name : confirmed) {
        for (auto it = open.begin(); it != open.end(); ++it) {
            if (it->name == name && it->writtenAt != 0) {
                int antenna = JournalEvent::noAntenna;
                if (switchesAntenna(it->command) || it->command.type == DeviceCommand::Antenna) {
                    antenna = transmitAntenna(device);
                }
                settle(*it, Text::tr("confirmed after %1 ms").arg(steady - it->writtenAt), false, antenna);
                open.erase(it);
                break;
            }
        }
    }
    for (const QString& name : notConfirmed) {
        for (auto it = open.begin(); it != open.end(); ++it) {
            if (it->name == name) {
                settle(*it, Text::tr("not confirmed by the Merax"), true);
                open.erase(it);
                break;
            }
        }
    }
}

void JournalRecorder::settle(Open& entry, const QString& outcome, bool failed, int antenna)
{
    entry.row.outcome = outcome;
    entry.row.failed = failed;
    entry.row.settled = now();
    entry.row.antenna = antenna;
    if (entry.row.heldMs < 0 && entry.ruleHeldMs > 0) {
        entry.row.heldMs = entry.ruleHeldMs;
    }
    emitRow(entry.row);
}

void JournalRecorder::heldChanged()
{
    const BandFollowing* following = station.bandFollowing();
    const std::optional<int> held = following != nullptr ? following->heldAntenna() : std::nullopt;
    if (held == heldAntenna) {
        return;
    }
    if (heldAntenna) {
        // It was given up before it was asked for: why, as far as the
        // station can tell.
        const int antenna = *heldAntenna;
        const DeviceState& state = station.state();
        const quint16 busy = static_cast<quint16>(state.busyMask1to8 | (state.busyMask9to12 & 0x0F) << 8);
        QString why;
        if (held) {
            why = Text::tr("superseded by %1").arg(antennaText(*held));
        } else if (!connected) {
            why = Text::tr("disconnected");
        } else if ((busy >> antenna & 1) != 0) {
            why = Text::tr("busy elsewhere");
        } else if (radio.isEmpty()) {
            why = Text::tr("the radio's source is gone");
        } else {
            why = Text::tr("no longer wanted");
        }
        JournalEvent row;
        row.ref = nextRef();
        row.heldMs = linkclock::steadyNow() - heldSince;
        row.at = now() - row.heldMs;
        row.kind = JournalEvent::Kind::Switch;
        row.what = antennaText(antenna);
        row.who = askerText(heldBy, DeviceCommand::antenna(static_cast<quint8>(antenna)));
        row.outcome = Text::tr("not sent: %1").arg(why);
        row.settled = now();
        emitRow(row);
    }
    heldAntenna = held;
    if (held) {
        heldSince = linkclock::steadyNow();
        heldBy = station.asking();
        if (heldBy.kind == Asker::Kind::Station) {
            heldBy.kind = Asker::Kind::BandFollowing;
        }
    }
}

/* the device */

void JournalRecorder::deviceRow(const QString& what, const QString& outcome, int antenna)
{
    JournalEvent row;
    row.kind = JournalEvent::Kind::Device;
    row.what = what;
    row.outcome = outcome;
    row.antenna = antenna;
    row.at = now();
    row.settled = row.at;
    emitRow(row);
}

void JournalRecorder::reported(const DeviceState& device)
{
    lastReportAt = now();
    // What this station asked for and has on the wire explains a change.
    const auto asked = [this, &device](DeviceCommand::Type type) {
        for (const Open& entry : open) {
            if (entry.writtenAt != 0 && (entry.command.type == type || switchesAntenna(entry.command)) &&
                station.session().commands().asks(entry.command) &&
                PendingCommands::expectationOf(entry.command, device.splitActive != 0)
                    .value_or(PendingCommands::Expectation())
                    .agreesWith(device)) {
                return true;
            }
        }
        return false;
    };
    if (!known) {
        // The first word since Connect or a silence: what the device has now.
        const QString what = antennaText(transmitAntenna(device));
        deviceRow(what,
                  answered ? Text::tr("on the device when it answered again") : Text::tr("on the device at Connect"),
                  transmitAntenna(device));
    } else {
        const DeviceState& before = *known;
        if (device.selectedAntenna != before.selectedAntenna && !asked(DeviceCommand::Antenna)) {
            deviceRow(antennaText(transmitAntenna(device)), Text::tr("switched elsewhere"), transmitAntenna(device));
        }
        if (device.splitActive != before.splitActive && !asked(DeviceCommand::Split)) {
            deviceRow(device.splitActive != 0 ? Text::tr("SPLIT on") : Text::tr("SPLIT off"),
                      Text::tr("switched elsewhere"), JournalEvent::noAntenna);
        }
        const quint8 outputs = device.gpoStates ^ before.gpoStates;
        for (int i = 0; i < 8; ++i) {
            if ((outputs >> i & 1) != 0 && !asked(DeviceCommand::Gpo)) {
                deviceRow((device.gpoStates >> i & 1) != 0 ? Text::tr("GPO %1 on").arg(i + 1)
                                                           : Text::tr("GPO %1 off").arg(i + 1),
                          Text::tr("switched elsewhere"), JournalEvent::noAntenna);
            }
        }
    }
    answered = true;
    known = device;
    // Transmissions: SEND as the reports show it, with a hang.
    if (device.sendActive != 0) {
        if (sendingSince == 0) {
            sendingSince = lastReportAt;
        }
        lastSendAt = lastReportAt;
        transmitEnd.stop();
    } else if (sendingSince != 0 && !transmitEnd.isActive()) {
        transmitEnd.start(static_cast<int>(transmitHangMs));
    }
}

void JournalRecorder::endTransmission(qint64 at)
{
    transmitEnd.stop();
    if (sendingSince == 0) {
        return;
    }
    JournalEvent row;
    row.kind = JournalEvent::Kind::Transmit;
    row.at = sendingSince;
    row.what = Text::tr("transmitting");
    // A report shows SEND for about one poll period at least.
    row.lastedMs = qMax<qint64>(at - sendingSince, 160);
    row.settled = at;
    sendingSince = 0;
    emitRow(row);
}

/* the link */

void JournalRecorder::stationEnds()
{
    if (std::exchange(ended, true)) {
        return;
    }
    endTransmission(lastSendAt);
    for (Open& entry : open) {
        settle(entry,
               entry.writtenAt == 0 ? Text::tr("not sent: the station stopped")
                                    : Text::tr("not confirmed: the station stopped"),
               entry.writtenAt != 0);
    }
    open.clear();
    JournalEvent row;
    row.kind = JournalEvent::Kind::Link;
    row.what = Text::tr("the station stopped");
    row.antenna = JournalEvent::unknownAntenna;
    emitRow(row);
}

void JournalRecorder::connectedChanged(bool nowConnected)
{
    if (nowConnected == connected) {
        return;
    }
    connected = nowConnected;
    JournalEvent row;
    row.kind = JournalEvent::Kind::Link;
    if (connected) {
        row.what = Text::tr("Connect");
        row.outcome = station.link().hostText;
        // Nothing is known of the device until it answers.
        row.antenna = JournalEvent::unknownAntenna;
        answered = false;
        fresh = false;
        lost = false;
    } else {
        endTransmission(lastSendAt);
        // Nothing will confirm them now.
        for (Open& entry : open) {
            settle(entry,
                   entry.writtenAt == 0 ? Text::tr("not sent: disconnected") : Text::tr("not confirmed: disconnected"),
                   entry.writtenAt != 0);
        }
        open.clear();
        row.what = Text::tr("Disconnect");
        row.antenna = JournalEvent::unknownAntenna;
        known.reset();
    }
    emitRow(row);
}

void JournalRecorder::powerChecked(bool nowFresh)
{
    if (!connected || nowFresh == fresh) {
        return;
    }
    fresh = nowFresh;
    // Silent from the start, or answering for the first time: nothing was lost.
    if (!answered || fresh != lost) {
        return;
    }
    lost = !fresh;
    JournalEvent row;
    row.kind = JournalEvent::Kind::Link;
    if (!fresh) {
        endTransmission(lastSendAt);
        silentSince = lastReportAt;
        row.what = Text::tr("link lost");
        row.outcome = Text::tr("silent for %1 s").arg((now() - lastReportAt + 500) / 1000);
        row.antenna = JournalEvent::unknownAntenna;
        known.reset();
    } else {
        row.what = Text::tr("link back");
        row.outcome = Text::tr("after %1 s").arg((now() - silentSince + 500) / 1000);
    }
    emitRow(row);
}

void JournalRecorder::radioFigures(const QString& text)
{
    const BandFollowing* following = station.bandFollowing();
    const bool reading = following != nullptr && following->readsRadio();
    // Told when the radio is read again or no longer, with the source's word.
    if (reading != radioKnown && (reading || !radio.isEmpty())) {
        JournalEvent row;
        row.kind = JournalEvent::Kind::Link;
        row.what = reading ? Text::tr("radio read") : Text::tr("radio lost");
        row.outcome = text;
        emitRow(row);
    }
    radioKnown = reading;
    radio = reading ? text : QString();
}

/* the rest */

void JournalRecorder::rotatorAsked(int rotor, std::optional<double> bearing, const Asker& asker)
{
    JournalEvent row;
    row.kind = JournalEvent::Kind::Rotator;
    const QString name = station.rotators().view(rotor).name;
    row.what = bearing ? Text::tr("%1 to %2°").arg(name).arg(qRound(*bearing)) : Text::tr("%1 stop").arg(name);
    row.who = askerText(asker, DeviceCommand());
    emitRow(row);
}

void JournalRecorder::notice(const QString& text)
{
    if (text != standing) {
        noticeRow(text);
    }
}

void JournalRecorder::noticeRow(const QString& text)
{
    // The guard's notice reaches the line and this recorder at one moment.
    const qint64 steady = linkclock::steadyNow();
    if (text.isEmpty() || (text == lastNotice && steady - lastNoticeAt < 50)) {
        return;
    }
    lastNotice = text;
    lastNoticeAt = steady;
    JournalEvent row;
    row.kind = JournalEvent::Kind::Notice;
    row.what = text;
    emitRow(row);
}
