#include "link/threadcom.h"

#include <QDateTime>
#include <QNetworkAccessManager>
#include <QNetworkDatagram>
#include <QNetworkReply>
#include <QTimer>
#include <QUdpSocket>

#include <limits>

#include "connection/hostlookup.h"
#include "link/crossthreadcall.h"
#include "link/linkclock.h"
#include "link/linklock.h"
#include "link/linklog.h"
#include "link/linkqueue.h"
#include "link/statusreport.h"
#include "link/transmitguard.h"

namespace {

constexpr qint64 nsPerMs = 1000000;

} // namespace

ThreadCOM::ThreadCOM(const QObject* owner)
    : QThread(nullptr)
    , lastSendTime(QDateTime::currentMSecsSinceEpoch())
    , ownedBy(owner)
{
    qRegisterMetaType<DeviceCommand>();
    qRegisterMetaType<QHostAddress>();
    start(QThread::InheritPriority);
}

ThreadCOM::~ThreadCOM()
{
    stopRequested = true;
    quit();
    wait();
    markHandOverAcquire(this);
    // Datagrams still queued are discarded with the worker.
}

void ThreadCOM::enqueueCommand(const DeviceCommand& command)
{
    LinkLocker lock(&queueMutex);
    enqueueMerging(datagramQueue, command);
    wake();
}

void ThreadCOM::setEndpoint(const QString& address, quint16 port)
{
    LinkLocker lock(&queueMutex);
    // The station hands the endpoint over on every send; the same one again
    // changes nothing and needs no wake-up.
    if (address == deviceAddress && port == devicePort) {
        return;
    }
    deviceAddress = address;
    deviceHost = QHostAddress(address);
    devicePort = port;
    // A queue held by "error" may leave now.
    wake();
}

QString ThreadCOM::endpointAddress()
{
    LinkLocker lock(&queueMutex);
    return deviceAddress;
}

qint64 ThreadCOM::lastSendTimeLocked()
{
    LinkLocker lock(&queueMutex);
    return lastSendTime;
}

int ThreadCOM::queuedDatagramCount()
{
    LinkLocker lock(&queueMutex);
    return datagramQueue.size();
}

void ThreadCOM::setGuardOpenAt(qint64 at, qint64 closesAt)
{
    LinkLocker lock(&queueMutex);
    // A newer reading after the last one aged may let a held command go.
    const qint64 before = guardClosesAt.exchange(closesAt);
    const bool reopened = closesAt > before && before <= linkclock::steadyNow();
    if (guardOpenAt.exchange(at) != at || reopened) {
        wake();
    }
}

void ThreadCOM::clearQueue()
{
    LinkLocker lock(&queueMutex);
    datagramQueue.clear();
}

// Called with queueMutex held: asks the worker thread to write what is due.
void ThreadCOM::wake()
{
    if (wakeTarget != nullptr) {
        wakeTarget->post();
    }
}

void ThreadCOM::run()
{
    // Connected for completeness; no request is ever issued through it.
    QNetworkAccessManager http;
    connect(&http, &QNetworkAccessManager::finished, this, &ThreadCOM::recebeRespostaLAN);

    QUdpSocket socket;
    // Any local address, a port of the system's choosing: the device answers
    // to the port each request came from, and the socket keeps it for the run.
    socket.bind(QHostAddress(QHostAddress::Any), 0);
    if (!socket.isOpen()) {
        socket.open(QIODevice::ReadWrite);
    }
    boundPort = socket.localPort();
    QTimer timer;
    timer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the spacing is a floor.
    timer.setTimerType(Qt::PreciseTimer);
    QTimer guardWait;
    guardWait.setSingleShot(true);
    guardWait.setTimerType(Qt::PreciseTimer);
    CrossThreadCall wakeUps([this] { writeDue(); });
    udpSocket = &socket;
    pacer = &timer;
    guardTimer = &guardWait;
    connect(&socket, &QUdpSocket::readyRead, &socket, [this] { receiveUDP(); });
    connect(&timer, &QTimer::timeout, &timer, [this] { writeDue(); });
    connect(&guardWait, &QTimer::timeout, &guardWait, [this] { writeDue(); });
    {
        LinkLocker lock(&queueMutex);
        wakeTarget = &wakeUps;
    }
    if (!stopRequested) {
        writeDue();
        exec();
    }
    {
        // Wake-ups posted after this are dropped with the object.
        LinkLocker lock(&queueMutex);
        wakeTarget = nullptr;
    }
    socket.close();
    udpSocket = nullptr;
    pacer = nullptr;
    guardTimer = nullptr;
    markHandOverRelease(this);
}

// Worker thread: writes the oldest datagram if the wire is free, or arms the
// pacer for the moment it will be.
void ThreadCOM::writeDue()
{
    if (pacer == nullptr || pacer->isActive()) {
        return;
    }
    DeviceCommand next;
    QNetworkDatagram datagram;
    {
        LinkLocker lock(&queueMutex);
        // A failed host lookup leaves "error": hold the queue until it resolves.
        if (datagramQueue.isEmpty() || deviceAddress == unresolvedAddress) {
            return;
        }
        const qint64 nowNs = linkclock::steadyNowNs();
        const qint64 wait = wroteBefore ? lastWriteNs + pacingMs * nsPerMs - nowNs : 0;
        if (wait > 0) {
            pacer->start(static_cast<int>((wait + nsPerMs - 1) / nsPerMs));
            return;
        }
        // Checked now, as it leaves: the station may have keyed up since the
        // command was queued.
        const qint64 openAt = guardOpenAt;
        const qint64 nowMs = nowNs / nsPerMs;
        // A reading too old by now says nothing of the station: the next
        // word (setGuardOpenAt again) lets the command go.
        const int index = nextToWrite(datagramQueue, nowMs >= openAt && nowMs < guardClosesAt);
        if (index < 0) {
            // Past the reading's age only a new word opens it again.
            if (openAt != TransmitGuard::never && openAt > nowMs) {
                guardTimer->start(static_cast<int>(qBound<qint64>(1, openAt - nowMs, 60000)));
            }
            return;
        }
        next = datagramQueue.takeAt(index);
        // Addressed now, not when queued: datagrams held while the host could
        // not be resolved would otherwise go nowhere once it resolves.
        datagram = QNetworkDatagram(frameCommand(next), deviceHost, devicePort);
    }
    udpSocket->writeDatagram(datagram);
    // Stamped after the write returns, so the next one is at least a full
    // spacing behind it on the wire.
    lastWriteNs = linkclock::steadyNowNs();
    wroteBefore = true;
    bool more = false;
    {
        LinkLocker lock(&queueMutex);
        lastSendTime = QDateTime::currentMSecsSinceEpoch();
        more = !datagramQueue.isEmpty();
    }
    emit datagramWritten(next, lastWriteNs / nsPerMs);
    if (more) {
        pacer->start(pacingMs);
    }
}

// Worker thread, on the socket's notification.
void ThreadCOM::receiveUDP()
{
    if (udpSocket == nullptr || udpSocket->state() != QAbstractSocket::BoundState) {
        return;
    }
    // One datagram per notification. The socket announces the next one only
    // after a read, so every notification reads, even when nothing turns out
    // to be pending (a stray wake-up): that read finds nothing and re-arms
    // the announcement. Datagrams still pending get their own notification
    // on the next pass of the event loop.
    const qint64 size = udpSocket->pendingDatagramSize();
    QByteArray bytes(static_cast<int>(qBound<qint64>(0, size, std::numeric_limits<int>::max())), Qt::Uninitialized);
    QHostAddress sender;
    quint16 senderPort = 0;
    const qint64 received = udpSocket->readDatagram(bytes.data(), bytes.size(), &sender, &senderPort);
    if (received < 0) {
        return;
    }
    bytes.truncate(static_cast<int>(received));
    emit datagramReceived(bytes, sender, senderPort, linkclock::steadyNow());
}

void ThreadCOM::recebeRespostaLAN(QNetworkReply* rep)
{
    if (!rep) {
        return;
    }
    qCDebug(lcLink) << "Recebe Resposta LAN";
    const qint64 size = rep->size();
    if (size >= 27 && size <= 29) {
        emit reportReplied(datagramText(rep->read(size)));
    }
    rep->deleteLater();
}
