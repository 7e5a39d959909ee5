#include "link/threadcom.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUdpSocket>

#include <limits>

#include "app/mainwindow.h"
#include "connection/hostlookup.h"
#include "link/linkclock.h"
#include "link/linklock.h"
#include "link/linklog.h"
#include "link/linkqueue.h"
#include "link/statusreport.h"

ThreadCOM::ThreadCOM(MainWindow* w)
    : QThread(nullptr)
    , lastSendTime(linkclock::now())
    , mainWindow(w)
{
    udpSocket = new QUdpSocket(this);
    // Any local address, a port of the system's choosing: the device answers
    // to the port each request came from, and the socket keeps it for the run.
    udpSocket->bind(QHostAddress(QHostAddress::Any), 0);
    connect(udpSocket, &QUdpSocket::readyRead, this, &ThreadCOM::receiveUDP);
    // A successful bind has opened the socket already.
    if (!udpSocket->isOpen()) {
        udpSocket->open(QIODevice::ReadWrite);
    }
    start(QThread::InheritPriority);
}

ThreadCOM::~ThreadCOM()
{
    udpSocket->close();
    stopRequested = true;
    wait();
    markHandOverAcquire(this);
    // A write still queued for this object is discarded with it.
}

void ThreadCOM::enqueueDatagram(const QNetworkDatagram& datagram)
{
    LinkLocker lock(&queueMutex);
    enqueueWithReplacement(datagramQueue, datagram);
}

void ThreadCOM::setEndpoint(const QString& address, quint16 port)
{
    LinkLocker lock(&queueMutex);
    deviceAddress = address;
    devicePort = port;
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

void ThreadCOM::run()
{
    {
        // Connected for completeness; no request is ever issued through it.
        QNetworkAccessManager http;
        connect(&http, &QNetworkAccessManager::finished, this, &ThreadCOM::recebeRespostaLAN);

        for (;;) {
            QThread::msleep(90);
            if (stopRequested) {
                break;
            }
            if (writePending || !sendDue()) {
                continue;
            }
            writePending = true;
            QMetaObject::invokeMethod(this, &ThreadCOM::writeNext, Qt::QueuedConnection);
        }
    }
    markHandOverRelease(this);
}

bool ThreadCOM::sendDue()
{
    LinkLocker lock(&queueMutex);
    // A failed host lookup leaves "error": hold the queue until it resolves.
    return !datagramQueue.isEmpty() && deviceAddress != unresolvedAddress;
}

void ThreadCOM::writeNext()
{
    QNetworkDatagram next;
    {
        LinkLocker lock(&queueMutex);
        // The address may have turned to "error" since the write was asked for.
        if (datagramQueue.isEmpty() || deviceAddress == unresolvedAddress) {
            writePending = false;
            return;
        }
        next = datagramQueue.takeFirst();
        // Addressed now, not when queued: datagrams held while the host could
        // not be resolved would otherwise go nowhere once it resolves.
        next.setDestination(QHostAddress(deviceAddress), devicePort);
    }
    udpSocket->writeDatagram(next);
    {
        LinkLocker lock(&queueMutex);
        lastSendTime = linkclock::now();
    }
    writePending = false;
}

void ThreadCOM::receiveUDP()
{
    if (udpSocket->state() != QAbstractSocket::BoundState) {
        return;
    }
    // One datagram per notification. The socket announces the next one only
    // after a read, so every notification reads, even when nothing turns out
    // to be pending (a stray wake-up): that read finds nothing and re-arms
    // the announcement. Datagrams still pending get their own notification
    // on the next pass of the event loop, so timers and painting go on
    // between them during a flood.
    const qint64 size = udpSocket->pendingDatagramSize();
    QByteArray bytes(static_cast<int>(qBound<qint64>(0, size, std::numeric_limits<int>::max())), Qt::Uninitialized);
    // Any sender is accepted: its address and port are not asked for.
    const qint64 received = udpSocket->readDatagram(bytes.data(), bytes.size());
    if (received < 0) {
        return;
    }
    bytes.truncate(static_cast<int>(received));
    mainWindow->processaPDRLan(mainWindow, datagramText(bytes));
}

void ThreadCOM::recebeRespostaLAN(QNetworkReply* rep)
{
    if (!rep) {
        return;
    }
    qCDebug(lcLink) << "Recebe Resposta LAN";
    const qint64 size = rep->size();
    if (size >= 27 && size <= 29) {
        mainWindow->processaPDRLan(mainWindow, datagramText(rep->read(size)));
    }
    rep->deleteLater();
}
