#include "connection/radiosource.h"

#include "connection/hostlookup.h"

#include <QHostInfo>
#include <QNetworkDatagram>

#include "connection/radioinfo.h"
#include "link/linklog.h"
#include "panel/bandplan.h"

bool RadioSourceSettings::operator==(const RadioSourceSettings& other) const
{
    return kind == other.kind && rigHost == other.rigHost && rigPort == other.rigPort &&
        loggerPort == other.loggerPort && loggerRadio == other.loggerRadio && loggerHost == other.loggerHost &&
        loggerStation == other.loggerStation;
}

namespace {

// Datagrams reach an IPv6 socket from IPv4 hosts as mapped addresses, and
// operators write either form: both are compared and named as IPv4.
// So many loggers on one network are a flood, not a station: no more notices.
constexpr int maxRivals = 16;

} // namespace

bool RadioSource::LoggerSender::operator==(const LoggerSender& other) const
{
    return address == other.address && station.compare(other.station, Qt::CaseInsensitive) == 0;
}

RadioSource::RadioSource(QObject* parent)
    : QObject(parent)
    , rig(this)
    , logger(this)
    , loggerSilence(this)
{
    connect(&rig, &RigctldClient::reading, this, [this](qint64 hz, bool transmitting, bool pttKnown, qint64 txHz) {
        RadioReading reading;
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
    loggerSilence.setInterval(loggerSilenceMs);
    connect(&loggerSilence, &QTimer::timeout, this, [this] {
        qCInfo(lcRadio) << "logger radio" << current.loggerRadio << "silent for" << loggerSilenceMs << "ms";
        // Another logger may take over now.
        forgetLogger();
        Q_EMIT changed();
    });
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
        if (!listening) {
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
    followed.reset();
    rivals.clear();
    loggerPtt.reset();
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

void RadioSource::take(const RadioReading& reading)
{
    if (reading != now) {
        now = reading;
        Q_EMIT changed();
    }
}

void RadioSource::rigStateChanged(RigctldClient::State state)
{
    if (state != RigctldClient::State::Connected) {
        // Whatever the radio did before the daemon went away is unknown now.
        now = RadioReading();
    }
    Q_EMIT changed();
}

void RadioSource::readLoggerDatagrams()
{
    while (logger.hasPendingDatagrams()) {
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
        const LoggerSender sender {from, info->stationName};
        const bool first = !followed;
        if (first) {
            followed = sender;
        } else if (!(*followed == sender)) {
            // Two loggers for one radio would toss the antenna between them.
            if (!rivals.contains(sender) && rivals.size() < maxRivals) {
                rivals.append(sender);
                const QString name = followed->station.isEmpty() ? followed->address.toString() : followed->station;
                qCInfo(lcRadio).noquote()
                    << "logger radio" << current.loggerRadio << "also reported by" << from.toString() << sender.station;
                Q_EMIT notice(tr("Two loggers report radio %1: following %2").arg(current.loggerRadio).arg(name));
            }
            continue;
        }
        loggerSilence.start();
        // A logger that leaves the flag out has not changed its mind.
        if (info->transmitting) {
            loggerPtt = info->transmitting;
        }
        RadioReading reading;
        reading.frequencyHz = info->frequencyHz;
        reading.txFrequencyHz = info->txFrequencyHz;
        reading.transmitting = loggerPtt.value_or(false);
        reading.pttKnown = loggerPtt.has_value();
        if (first) {
            // Heard at all changes the status, even with nothing to read.
            now = reading;
            Q_EMIT changed();
        } else {
            take(reading);
        }
    }
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
        if (rig.state() == RigctldClient::State::Connected && now.frequencyHz) {
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
        return rig.state() == RigctldClient::State::Connected ? tr("rigctld: connected") : tr("rigctld: not connected");
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
