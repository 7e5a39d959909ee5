#ifndef ZAREL_THREADCOM_H
#define ZAREL_THREADCOM_H

#include <QHostAddress>
#include <QList>
#include <QMutex>
#include <QThread>

#include <atomic>

#include "link/command.h"
#include "link/transmitguard.h"

// Handed from the worker thread to the station with each datagram received.
Q_DECLARE_METATYPE(QHostAddress)

class CrossThreadCall;
class QNetworkReply;
class QObject;
class QTimer;
class QUdpSocket;

// The link worker: owns the UDP socket and paces outgoing command datagrams
// at one per 90 ms at most, on the wire, whatever the GUI thread is doing.
//
// The socket lives in the worker thread and is used there only: run() binds
// it, writes the queue and reads what comes back, then hands each write and
// each datagram received to the station by signal (queued, in wire order). A
// datagram whose predecessor left 90 ms ago or more leaves at once; the next
// one waits out the rest of the 90 ms. The station tells the worker where the
// device is (setEndpoint); the worker never reads the station's members.
class ThreadCOM : public QThread
{
    Q_OBJECT

public:
    explicit ThreadCOM(const QObject* owner);
    ~ThreadCOM() override;

    // Queues a command under the replacement rule (link/linkqueue.h). It is
    // framed and addressed when it is written, to the endpoint then in force.
    // Any thread.
    void enqueueCommand(const DeviceCommand& command);

    // The device's address text ("error" holds the queue: the host could not
    // be resolved) and port. Any thread.
    void setEndpoint(const QString& address, quint16 port);
    QString endpointAddress();

    // Wall-clock time of the last write (ms since the epoch).
    qint64 lastSendTimeLocked();

    const QObject* owner() const { return ownedBy; }
    // Commands waiting to be written.
    int queuedDatagramCount();
    // Drops what waits: a command given before Disconnect must not reach the
    // device unconfirmed later, nor open the next session. Any thread.
    void clearQueue();
    // The local port replies come back to; 0 until the thread has bound it.
    quint16 localPort() const { return boundPort; }

    // From when and until when (steady clock, ms) guarded commands may
    // leave; checked as each datagram is about to be written. Any thread.
    void setGuardOpenAt(qint64 at, qint64 closesAt = TransmitGuard::never);

    // The smallest spacing of two datagrams on the wire.
    static constexpr int pacingMs = 90;

Q_SIGNALS:
    // Emitted on the worker thread right after a command was written; `at`
    // is linkclock::steadyNow() then.
    void datagramWritten(const DeviceCommand& command, qint64 at);
    // A datagram came in from `sender`, read at `at` (steady clock).
    void datagramReceived(const QByteArray& bytes, const QHostAddress& sender, quint16 senderPort, qint64 at);
    // A report that came as a network reply.
    void reportReplied(const QString& text);

public Q_SLOTS:
    void receiveUDP();
    void recebeRespostaLAN(QNetworkReply* rep);

protected:
    void run() override;

private:
    void writeDue();
    void wake();

    QList<DeviceCommand> datagramQueue;
    QString deviceAddress;
    QHostAddress deviceHost; // deviceAddress, parsed once
    quint16 devicePort = 0;
    // Before the first write: the worker's creation, so a report that comes
    // unasked shows the time since start-up rather than since 1970.
    qint64 lastSendTime = 0;
    // Set while the worker thread's event loop runs: where wake-ups go.
    CrossThreadCall* wakeTarget = nullptr;
    // Guards the queue, the endpoint, the last send time and wakeTarget.
    QMutex queueMutex;

    const QObject* ownedBy;
    std::atomic<bool> stopRequested {false};
    std::atomic<quint16> boundPort {0};
    std::atomic<qint64> guardOpenAt {0};
    std::atomic<qint64> guardClosesAt {TransmitGuard::never};

    // Worker thread only. Spacing is kept in nanoseconds: whole milliseconds
    // would let a gap come out up to 1 ms short.
    QUdpSocket* udpSocket = nullptr;
    QTimer* pacer = nullptr;
    // Wakes the worker when the guard opens on commands that wait for it.
    QTimer* guardTimer = nullptr;
    qint64 lastWriteNs = 0;
    bool wroteBefore = false;
};

#endif // ZAREL_THREADCOM_H
