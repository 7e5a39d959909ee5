#ifndef ZAREL_THREADCOM_H
#define ZAREL_THREADCOM_H

#include <QList>
#include <QMutex>
#include <QNetworkDatagram>
#include <QThread>

#include <atomic>

class MainWindow;
class QNetworkReply;
class QUdpSocket;

// The link worker: paces outgoing command datagrams at one per 90 ms cycle
// and hands every datagram the device sends back to the status parser. It
// knows where the device is only through setEndpoint(): the window tells it
// whenever the settings or a host lookup change the address or the port.
//
// The object and its socket belong to the GUI thread; only run() executes in
// the worker thread. QUdpSocket is not thread-safe, so run() only decides
// that a datagram is due and the GUI thread writes it (writeNext); a new
// write is not asked for while the previous one waits, so a busy GUI thread
// never causes a burst.
class ThreadCOM : public QThread
{
    Q_OBJECT

public:
    explicit ThreadCOM(MainWindow* w);
    ~ThreadCOM() override;

    // Queues a datagram under the replacement rule (link/linkqueue.h). Its
    // destination is set when it is written, from the endpoint then in force.
    void enqueueDatagram(const QNetworkDatagram& datagram);

    // The device's address text ("error" holds the queue: the host could not
    // be resolved) and port. Any thread.
    void setEndpoint(const QString& address, quint16 port);
    QString endpointAddress();
    qint64 lastSendTimeLocked();

    MainWindow* window() const { return mainWindow; }
    // Datagrams waiting to be written.
    int queuedDatagramCount();

public Q_SLOTS:
    void receiveUDP();
    void recebeRespostaLAN(QNetworkReply* rep);

protected:
    void run() override;

private Q_SLOTS:
    void writeNext();

private:
    bool sendDue();

    // Before the first write: the worker's creation, so a report that comes
    // unasked shows the time since start-up rather than since 1970.
    qint64 lastSendTime = 0;
    QList<QNetworkDatagram> datagramQueue;
    QString deviceAddress;
    quint16 devicePort = 0;
    MainWindow* mainWindow;
    std::atomic<bool> stopRequested {false};
    // Guards the queue, the endpoint and the last send time.
    QMutex queueMutex;
    QUdpSocket* udpSocket = nullptr;
    // Set by run() when it asks the GUI thread for a write, cleared by the write.
    std::atomic<bool> writePending {false};
};

#endif // ZAREL_THREADCOM_H
