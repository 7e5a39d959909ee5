#include "connection/radiosource.h"

#include "connection/hostlookup.h"

#include <QHostInfo>
#include <QNetworkDatagram>

#include <algorithm>

#include "app/bandplan.h"
#include "connection/radioinfo.h"
#include "link/linkclock.h"
#include "link/linklog.h"

bool RadioSourceSettings::operator==(const RadioSourceSettings& other) const
{
    return kind == other.kind && rigHost == other.rigHost && rigPort == other.rigPort &&
        loggerPort == other.loggerPort && loggerRadio == other.loggerRadio && loggerHost == other.loggerHost &&
        loggerStation == other.loggerStation;
}

namespace {

// Datagrams reach an IPv6 socket from IPv4 hosts as mapped addresses, and
// operators write either form: both are compared and named as IPv4.
// So many loggers on one network are a flood, not a station: no more are
// heard or named.
constexpr int maxLoggers = 16;
// Datagrams read before their outcome is taken: a flood cannot hold the
// event loop, and the outcome of its last one is taken all the same.
constexpr int maxDatagramsPerRead = 512;
// As large a receive buffer as the system grants up to this: a logger's
// burst fits whole while the panel is busy, so its last datagram is read.
constexpr int loggerReceiveBuffer = 1 << 20;

} // namespace

bool RadioSource::LoggerSender::operator==(const LoggerSender& other) const
{
    return address == other.address && station.compare(other.station, Qt::CaseInsensitive) == 0;
}

QString RadioSource::LoggerSender::name() const
{
    return station.isEmpty() ? address.toString() : station;
}

RadioSource::RadioSource(QObject* parent)
    : QObject(parent)
    , rig(this)
    , logger(this)
    , loggerSilence(this)
{
    connect(&rig, &RigctldClient::reading, this,
            [this](qint64 hz, bool transmitting, bool pttKnown, qint64 txHz, const QString& mode) {
                RadioReading reading;
                reading.mode = radioModeFromText(mode);
                if (hz > 0) {
                    reading.frequencyHz = hz;
                }
                if (txHz > 0) {
                    reading.txFrequencyHz = txHz;
                }
                reading.transmitting = transmitting;
                reading.pttKnown = pttKnown;
                take(reading);
                Q_EMIT polled();
            });
    loggerSilence.setSingleShot(true);
    connect(&loggerSilence, &QTimer::timeout, this, &RadioSource::loggersFellSilent);
    connect(&rig, &RigctldClient::stateChanged, this, &RadioSource::rigStateChanged);
    connect(&rig, &RigctldClient::troubleChanged, this, &RadioSource::changed);
    connect(&logger, &QUdpSocket::readyRead, this, &RadioSource::readLoggerDatagrams);
}

void RadioSource::configure(const RadioSourceSettings& settings)
{
    if (settings == current) {
        return;
    }
    rig.stop();
    logger.close();
    listening = false;
    forgetLogger();
    if (loggerLookup >= 0) {
        QHostInfo::abortHostLookup(loggerLookup);
        loggerLookup = -1;
    }
    loggerAddresses.clear();
    loggerHostUnknown = false;
    current = settings;
    if (current.kind == RadioSourceSettings::Kind::Rigctld) {
        rig.start(current.rigHost, current.rigPort);
    } else if (current.kind == RadioSourceSettings::Kind::Logger) {
        // Loggers broadcast to everyone on the network, and other programs
        // of the station listen on the same port.
        listening = logger.bind(QHostAddress::AnyIPv4, current.loggerPort,
                                QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint);
        if (listening) {
            logger.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, loggerReceiveBuffer);
            qCDebug(lcRadio) << "logger receive buffer"
                             << logger.socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toInt();
        } else {
            qCWarning(lcRadio).noquote() << "cannot listen for loggers on UDP" << current.loggerPort << ":"
                                         << logger.errorString();
        }
        lookUpLoggerHost();
    }
    Q_EMIT changed();
}

void RadioSource::forgetLogger()
{
    loggerSilence.stop();
    loggers.clear();
    followed.reset();
    wentQuiet.reset();
    now = RadioReading();
}

void RadioSource::lookUpLoggerHost()
{
    const QString host = current.loggerHost.trimmed();
    if (host.isEmpty()) {
        return;
    }
    const QHostAddress address(host);
    if (!address.isNull()) {
        loggerAddresses = {plainAddress(address)};
        return;
    }
    // A name is looked up without blocking, once per configuration; until
    // it is found, no datagram comes from it.
    loggerLookup = QHostInfo::lookupHost(host, this, [this](const QHostInfo& info) {
        if (info.lookupId() != loggerLookup) {
            return;
        }
        loggerLookup = -1;
        for (const QHostAddress& address : info.addresses()) {
            loggerAddresses.append(plainAddress(address));
        }
        if (loggerAddresses.isEmpty()) {
            qCWarning(lcRadio).noquote() << "logger host" << current.loggerHost << "not found:" << info.errorString();
            loggerHostUnknown = true;
            Q_EMIT changed();
        }
    });
}

qint64 RadioSource::takenAt() const
{
    return current.kind == RadioSourceSettings::Kind::Rigctld ? rig.roundAskedAt() : linkclock::steadyNow();
}

void RadioSource::take(const RadioReading& reading)
{
    if (reading != now) {
        now = reading;
        Q_EMIT changed();
    }
}

void RadioSource::rigStateChanged(HamlibClient::State state)
{
    if (state != HamlibClient::State::Connected) {
        // Whatever the radio did before the daemon went away is unknown now.
        now = RadioReading();
    }
    Q_EMIT changed();
}

void RadioSource::readLoggerDatagrams()
{
    const qint64 at = linkclock::steadyNow();
    bool taken = false;
    for (int n = 0; n < maxDatagramsPerRead && logger.hasPendingDatagrams(); ++n) {
        const QNetworkDatagram datagram = logger.receiveDatagram();
        const QHostAddress from = plainAddress(datagram.senderAddress());
        const std::optional<RadioInfo> info = parseRadioInfo(datagram.data());
        if (!info) {
            qCDebug(lcRadio) << "not a RadioInfo datagram from" << from.toString();
            continue;
        }
        if (info->radioNr != current.loggerRadio) {
            continue;
        }
        if (!current.loggerHost.trimmed().isEmpty() && !loggerAddresses.contains(from)) {
            continue;
        }
        const QString station = current.loggerStation.trimmed();
        if (!station.isEmpty() && info->stationName.compare(station, Qt::CaseInsensitive) != 0) {
            continue;
        }
        taken = hear({from, info->stationName}, *info, at) || taken;
    }
    // Heard at all changes the status, even with nothing to read.
    takeLoggers(taken);
    watchSilence(at);
}

bool RadioSource::hear(const LoggerSender& sender, const RadioInfo& info, qint64 at)
{
    int index = indexOf(sender);
    if (index < 0) {
        if (loggers.size() >= maxLoggers) {
            return false;
        }
        loggers.append({sender, at, {}, {}, {}, RadioMode::Unknown, false});
        index = loggers.size() - 1;
    }
    LoggerHeard& heard = loggers[index];
    heard.heardAt = at;
    // A logger that leaves the flag out has not changed its mind.
    if (info.transmitting) {
        heard.transmitting = info.transmitting;
    }
    heard.frequencyHz = info.frequencyHz;
    heard.txFrequencyHz = info.txFrequencyHz;
    heard.mode = info.mode;
    if (!followed) {
        followed = sender;
        heard.named = true;
        if (wentQuiet && !(*wentQuiet == sender)) {
            Q_EMIT notice(tr("%1 went quiet: following %2").arg(wentQuiet->name(), sender.name()));
        }
        wentQuiet.reset();
        return true;
    }
    if (!heard.named) {
        // Two loggers for one radio would toss the antenna between them.
        heard.named = true;
        qCInfo(lcRadio).noquote() << "logger radio" << current.loggerRadio << "also reported by"
                                  << sender.address.toString() << sender.station;
        Q_EMIT notice(tr("Two loggers report radio %1: following %2").arg(current.loggerRadio).arg(followed->name()));
    }
    return false;
}

void RadioSource::takeLoggers(bool fresh)
{
    RadioReading reading;
    const int index = followed ? indexOf(*followed) : -1;
    if (index >= 0) {
        const LoggerHeard& leader = loggers.at(index);
        reading.frequencyHz = leader.frequencyHz;
        reading.txFrequencyHz = leader.txFrequencyHz;
        reading.mode = leader.mode;
        reading.transmitting = std::any_of(loggers.begin(), loggers.end(),
                                           [](const LoggerHeard& heard) { return heard.transmitting == true; });
        // Another logger's "transmitting" counts even while the one
        // followed never said.
        reading.pttKnown = leader.transmitting.has_value() || reading.transmitting;
    }
    if (fresh) {
        now = reading;
        Q_EMIT changed();
    } else {
        take(reading);
    }
}

void RadioSource::loggersFellSilent()
{
    const qint64 at = linkclock::steadyNow();
    // What a silent logger said last, "transmitting" included, no longer
    // counts: its radio may long have stopped.
    loggers.erase(std::remove_if(loggers.begin(), loggers.end(),
                                 [at](const LoggerHeard& heard) { return at - heard.heardAt >= loggerSilenceMs; }),
                  loggers.end());
    if (followed && indexOf(*followed) < 0) {
        qCInfo(lcRadio).noquote() << "logger radio" << current.loggerRadio << "of" << followed->name() << "silent for"
                                  << loggerSilenceMs << "ms";
        wentQuiet = followed;
        followed.reset();
        // The one heard last takes over; with none, the source is lost.
        const auto last =
            std::max_element(loggers.begin(), loggers.end(),
                             [](const LoggerHeard& a, const LoggerHeard& b) { return a.heardAt < b.heardAt; });
        if (last != loggers.end()) {
            followed = last->sender;
            Q_EMIT notice(tr("%1 went quiet: following %2").arg(wentQuiet->name(), followed->name()));
            wentQuiet.reset();
        } else {
            now = RadioReading();
            Q_EMIT changed();
        }
    }
    takeLoggers(false);
    watchSilence(at);
}

void RadioSource::watchSilence(qint64 at)
{
    if (loggers.isEmpty()) {
        loggerSilence.stop();
        return;
    }
    const auto first = std::min_element(loggers.begin(), loggers.end(), [](const LoggerHeard& a, const LoggerHeard& b) {
        return a.heardAt < b.heardAt;
    });
    loggerSilence.start(int(qBound<qint64>(0, first->heardAt + loggerSilenceMs - at, loggerSilenceMs)));
}

int RadioSource::indexOf(const LoggerSender& sender) const
{
    for (int i = 0; i < loggers.size(); ++i) {
        if (loggers.at(i).sender == sender) {
            return i;
        }
    }
    return -1;
}

void RadioSource::watchPttClosely(bool on)
{
    rig.pollClosely(on);
}

QString RadioSource::statusText() const
{
    switch (current.kind) {
    case RadioSourceSettings::Kind::Off:
        return QString();
    case RadioSourceSettings::Kind::Rigctld:
        if (rig.state() == HamlibClient::State::Connected && now.frequencyHz) {
            break;
        }
        switch (rig.trouble()) {
        case RigctldClient::Trouble::None:
            break;
        case RigctldClient::Trouble::NotConnected:
            return tr("rigctld: not connected");
        case RigctldClient::Trouble::Refused:
            return tr("rigctld: connection refused");
        case RigctldClient::Trouble::UnknownHost:
            return tr("rigctld: unknown host");
        case RigctldClient::Trouble::NoAnswer:
            return tr("rigctld: connected, no answer");
        case RigctldClient::Trouble::ErrorAnswer:
            return tr("rigctld: connected, error %1").arg(QString::fromLatin1(rig.errorAnswer()));
        case RigctldClient::Trouble::Unreadable:
            return tr("rigctld: connected, unreadable answer");
        }
        return rig.state() == HamlibClient::State::Connected ? tr("rigctld: connected") : tr("rigctld: not connected");
    case RadioSourceSettings::Kind::Logger:
        if (!listening) {
            return tr("logger: UDP port %1 unavailable").arg(current.loggerPort);
        }
        if (loggerHostUnknown) {
            return tr("logger: unknown host %1").arg(current.loggerHost.trimmed());
        }
        if (!followed) {
            return tr("logger: waiting for radio %1").arg(current.loggerRadio);
        }
        if (!now.frequencyHz) {
            return tr("logger: radio %1, no frequency").arg(current.loggerRadio);
        }
        break;
    }
    // Split: both frequencies, and the band of the one that takes the power
    // ("RX 14.074 · TX 7.074 MHz · 40 m").
    const qint64 hz = now.txFrequencyHz.value_or(*now.frequencyHz);
    const std::optional<int> band = bandplan::bandAt(hz);
    QString text = bandplan::frequencyText(hz);
    if (now.txFrequencyHz) {
        text = QStringLiteral("RX ") + bandplan::megahertzText(*now.frequencyHz) + QStringLiteral(" \u00b7 TX ") + text;
    }
    text += QStringLiteral(" \u00b7 ") + (band ? bandplan::bandLabel(*band) : tr("no band"));
    if (now.transmitting) {
        text += QStringLiteral(" \u00b7 TX");
    }
    return text;
}
