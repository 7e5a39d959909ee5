#include "connection/radiosource.h"

#include <QNetworkDatagram>

#include "connection/radioinfo.h"
#include "link/linklog.h"
#include "panel/bandplan.h"

bool RadioSourceSettings::operator==(const RadioSourceSettings& other) const
{
    return kind == other.kind && rigHost == other.rigHost && rigPort == other.rigPort &&
        loggerPort == other.loggerPort && loggerRadio == other.loggerRadio;
}

RadioSource::RadioSource(QObject* parent)
    : QObject(parent)
    , rig(this)
    , logger(this)
    , loggerSilence(this)
{
    connect(&rig, &RigctldClient::reading, this, [this](qint64 hz, bool transmitting) {
        take(RadioReading {hz > 0 ? std::optional<qint64>(hz) : std::nullopt, transmitting});
    });
    loggerSilence.setSingleShot(true);
    loggerSilence.setInterval(loggerSilenceMs);
    connect(&loggerSilence, &QTimer::timeout, this, [this] {
        qCInfo(lcRadio) << "logger radio" << current.loggerRadio << "silent for" << loggerSilenceMs << "ms";
        take(RadioReading());
    });
    connect(&rig, &RigctldClient::stateChanged, this, &RadioSource::rigStateChanged);
    connect(&logger, &QUdpSocket::readyRead, this, &RadioSource::readLoggerDatagrams);
}

void RadioSource::configure(const RadioSourceSettings& settings)
{
    if (settings == current) {
        return;
    }
    rig.stop();
    logger.close();
    loggerSilence.stop();
    listening = false;
    current = settings;
    now = RadioReading();
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
    }
    Q_EMIT changed();
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
        const std::optional<RadioInfo> info = parseRadioInfo(datagram.data());
        if (!info) {
            qCDebug(lcRadio) << "not a RadioInfo datagram from" << datagram.senderAddress().toString();
            continue;
        }
        if (info->radioNr != current.loggerRadio) {
            continue;
        }
        loggerSilence.start();
        // A logger that leaves the flag out has not changed its mind.
        take(RadioReading {info->frequencyHz, info->transmitting.value_or(now.transmitting)});
    }
}

QString RadioSource::statusText() const
{
    switch (current.kind) {
    case RadioSourceSettings::Kind::Off:
        return QString();
    case RadioSourceSettings::Kind::Rigctld:
        if (rig.state() != RigctldClient::State::Connected) {
            return tr("rigctld: not connected");
        }
        if (!now.frequencyHz) {
            return tr("rigctld: connected");
        }
        break;
    case RadioSourceSettings::Kind::Logger:
        if (!listening) {
            return tr("logger: UDP port %1 unavailable").arg(current.loggerPort);
        }
        if (!now.frequencyHz) {
            return tr("logger: waiting for radio %1").arg(current.loggerRadio);
        }
        break;
    }
    const qint64 hz = *now.frequencyHz;
    const std::optional<int> band = bandplan::bandAt(hz);
    QString text =
        bandplan::frequencyText(hz) + QStringLiteral(" \u00b7 ") + (band ? bandplan::bandLabel(*band) : tr("no band"));
    if (now.transmitting) {
        text += QStringLiteral(" \u00b7 TX");
    }
    return text;
}
