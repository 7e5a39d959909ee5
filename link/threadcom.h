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
// and hands every datagram the device sends back to the status parser.
class ThreadCOM : public QThread
{
    Q_OBJECT

public:
    explicit ThreadCOM(MainWindow* w);
    ~ThreadCOM() override;

    void enqueueDatagram(const QNetworkDatagram& datagram);
    qint64 lastSendTimeLocked();

public Q_SLOTS:
    void receiveUDP();
    void recebeRespostaLAN(QNetworkReply* rep);

protected:
    void run() override;

private:
    qint64 lastSendTime = 0;
    QList<QNetworkDatagram> datagramQueue;
    MainWindow* mainWindow;
    std::atomic<bool> stopRequested {false};
    QMutex queueMutex;
    QUdpSocket* udpSocket = nullptr;
};

#endif // ZAREL_THREADCOM_H
