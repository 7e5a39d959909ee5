#include "simserver.h"

#include <QFileInfo>
#include <QNetworkDatagram>

#include <cstdio>

namespace {

QString addressText(const QHostAddress& address)
{
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    if (isV4) {
        return QHostAddress(v4).toString();
    }
    return QStringLiteral("[%1]").arg(address.toString());
}

} // namespace

void printLine(const QString& line)
{
    std::fputs(line.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

SimServer::SimServer(const SimOptions& options, QObject* parent)
    : QObject(parent)
    , m_options(options)
    , m_socket(this)
    , m_activityTimer(this)
    , m_silentTimer(this)
    , m_resumeTimer(this)
    , m_sendFileTimer(this)
    , m_random(options.seed)
{
    m_device.state().antenna = options.initialAntenna;
    m_device.state().busy = options.busy;
    m_device.setRefusedAntenna(options.refusedAntenna);
    connect(&m_socket, &QUdpSocket::readyRead, this, &SimServer::readPending);

    m_activityTimer.setInterval(m_options.activityStepMs);
    connect(&m_activityTimer, &QTimer::timeout, this, &SimServer::nextActivityStep);

    m_silentTimer.setSingleShot(true);
    connect(&m_silentTimer, &QTimer::timeout, this, [this] { setSilent(true); });
    m_resumeTimer.setSingleShot(true);
    connect(&m_resumeTimer, &QTimer::timeout, this, [this] { setSilent(false); });

    // Polled: 10 ms is finer than any keying worth playing, and simpler
    // than watching the file's directory.
    m_sendFileTimer.setInterval(10);
    m_sendFileTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_sendFileTimer, &QTimer::timeout, this, &SimServer::checkSendFile);
}

bool SimServer::start(QString& error)
{
    if (!m_socket.bind(m_options.listen, m_options.port)) {
        error = QStringLiteral("cannot listen on %1:%2: %3")
                    .arg(addressText(m_options.listen))
                    .arg(m_options.port)
                    .arg(m_socket.errorString());
        return false;
    }
    printLine(QStringLiteral("listening on %1:%2").arg(addressText(m_socket.localAddress())).arg(m_socket.localPort()));
    if (m_options.activity) {
        m_device.applyActivity(activityFrame(m_activityStep));
        m_activityTimer.start();
    }
    if (!m_options.sendFile.isEmpty()) {
        checkSendFile();
        m_sendFileTimer.start();
    }
    m_device.setInhibitGpo(m_options.inhibitGpo);
    if (m_options.keyerWpm > 0) {
        m_keyer.emplace(m_options.keyerWpm, m_options.keyerText, m_options.keyerPauseMs);
        m_keyerClock.start();
        printLine(QStringLiteral("keying \"%1\" at %2 WPM").arg(m_options.keyerText).arg(m_options.keyerWpm));
    }
    if (m_options.silent) {
        setSilent(true);
    } else if (m_options.silentAfterMs >= 0) {
        m_silentTimer.start(m_options.silentAfterMs);
    }
    return true;
}

void SimServer::setSilent(bool silent)
{
    m_silentTimer.stop();
    m_resumeTimer.stop();
    if (silent == m_silent) {
        return;
    }
    m_silent = silent;
    printLine(silent ? QStringLiteral("silent") : QStringLiteral("answering again"));
    if (silent && m_options.resumeAfterMs >= 0) {
        m_resumeTimer.start(m_options.resumeAfterMs);
    }
}

void SimServer::restart()
{
    setSilent(true);
    m_resumeTimer.stop();
    MeraxState& state = m_device.state();
    state.antenna = m_options.initialAntenna;
    state.splitActive = false;
    state.splitRxAntenna = 0;
    state.receiver = 0;
    state.gpoOn = 0;
    printLine(QStringLiteral("restarting"));
    m_resumeTimer.start(m_options.restartDownMs);
}

void SimServer::setBusy(quint16 antennas)
{
    m_device.state().busy = antennas;
    QStringList names;
    for (int i = 0; i < 12; ++i) {
        if (antennas & (1u << i)) {
            names << QString::number(i + 1);
        }
    }
    printLine(QStringLiteral("busy %1").arg(names.isEmpty() ? QStringLiteral("none") : names.join(QLatin1Char(','))));
}

QString SimServer::summary() const
{
    return QStringLiteral("requests %1, commands %2, malformed %3, refused %4, replies %5, lost %6, "
                          "lost on the way in %7, ignored while silent %8")
        .arg(m_device.requests())
        .arg(m_device.commands())
        .arg(m_device.malformed())
        .arg(m_device.refused())
        .arg(m_replies)
        .arg(m_lost)
        .arg(m_lostIn)
        .arg(m_ignoredWhileSilent);
}

void SimServer::readPending()
{
    // Drain everything: a notification may stand for many datagrams.
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram();
        if (!datagram.isValid()) {
            break; // e.g. a refused earlier reply; the next notification picks up the rest
        }
        handle(datagram);
    }
}

void SimServer::handle(const QNetworkDatagram& datagram)
{
    const QByteArray data = datagram.data();
    QString from = QStringLiteral("%1:%2 -> ").arg(addressText(datagram.senderAddress())).arg(datagram.senderPort());
    if (!data.isEmpty()) {
        from += hexDump(data) + QLatin1Char(' ');
    }
    if (m_silent) {
        // As if the cable were pulled: nothing is carried out.
        ++m_ignoredWhileSilent;
        if (m_options.log) {
            printLine(from + QStringLiteral("(silent, ignored)"));
        }
        return;
    }
    if (lose(m_options.lossInPercent)) {
        // Lost on the network: the device never sees it.
        ++m_lostIn;
        if (m_options.log) {
            printLine(from + m_device.describe(data).meaning + QStringLiteral(" (lost on the way in)"));
        }
        return;
    }
    if (m_keyer) {
        m_device.state().sending = m_keyer->keyDown(m_keyerClock.elapsed());
    }
    // On the air as the command arrives: what a switch must never meet.
    const bool onAir = m_device.onAir();
    const MeraxDevice::Outcome outcome = m_device.handle(data);
    bool lost = false;
    if (!outcome.reply.isEmpty()) {
        lost = lose(m_options.lossPercent);
        if (lost) {
            ++m_lost;
        } else {
            sendReply(outcome.reply, datagram.senderAddress(), quint16(datagram.senderPort()));
        }
    }
    if (m_options.log) {
        QString line = from + outcome.meaning;
        if (outcome.kind == MeraxDevice::Kind::Refused) {
            line += QStringLiteral(" (refused)");
        }
        // The inhibit itself may go out at any time.
        const bool inhibit = m_options.inhibitGpo > 0 && data.size() == 5 && quint8(data.at(1)) == 4 &&
            quint8(data.at(2)) == m_options.inhibitGpo - 1;
        if (onAir && !inhibit && outcome.kind != MeraxDevice::Kind::StatusRequest) {
            line += QStringLiteral(" (on air)");
        }
        if (lost) {
            line += QStringLiteral(" (report lost)");
        }
        printLine(line);
    }
}

bool SimServer::lose(int percent)
{
    // No draw at 0 %: turning one kind of loss on leaves the other's pattern for a seed as it was.
    return percent > 0 && int(m_random.bounded(100u)) < percent;
}

void SimServer::sendReply(const QByteArray& reply, const QHostAddress& address, quint16 port)
{
    const auto write = [this, reply, address, port] {
        if (m_socket.writeDatagram(reply, address, port) == reply.size()) {
            ++m_replies;
        }
    };
    int delayMs = m_options.delayMs;
    if (m_options.jitterMs > 0) {
        delayMs += int(m_random.bounded(quint32(m_options.jitterMs) + 1));
    }
    if (delayMs > 0) {
        QTimer::singleShot(delayMs, this, write);
    } else {
        write();
    }
}

void SimServer::nextActivityStep()
{
    m_activityStep = (m_activityStep + 1) % activityStepCount;
    m_device.applyActivity(activityFrame(m_activityStep));
    if (!m_options.sendFile.isEmpty()) {
        m_device.state().sending = m_sendFromFile;
    }
}

void SimServer::checkSendFile()
{
    const bool sending = QFileInfo::exists(m_options.sendFile);
    m_device.state().sending = sending;
    if (sending != m_sendFromFile) {
        m_sendFromFile = sending;
        printLine(sending ? QStringLiteral("send on") : QStringLiteral("send off"));
    }
}
