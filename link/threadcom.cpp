#include "link/threadcom.h"

#include <QUdpSocket>

#include "app/mainwindow.h"

// Placeholder until the link lands.
ThreadCOM::ThreadCOM(MainWindow* w)
    : mainWindow(w)
{
}

ThreadCOM::~ThreadCOM() = default;

void ThreadCOM::enqueueDatagram(const QNetworkDatagram&) { }

qint64 ThreadCOM::lastSendTimeLocked()
{
    QMutexLocker lock(&queueMutex);
    return lastSendTime;
}

void ThreadCOM::receiveUDP() { }

void ThreadCOM::recebeRespostaLAN(QNetworkReply*) { }

void ThreadCOM::run() { }
