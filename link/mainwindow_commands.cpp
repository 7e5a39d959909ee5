// Command datagrams towards the device.
#include <QNetworkDatagram>

#include "app/mainwindow.h"
#include "link/command.h"
#include "link/threadcom.h"

void MainWindow::sendCommand(quint8 type, quint8 first, quint8 second, quint8 third)
{
    if (!connected) {
        return;
    }
    resolveHost();
    const QByteArray payload = frameCommand(type, first, second, third);
    // The device's reports must confirm what the operator asked for.
    pendingCommands.add(payload, deviceState.splitActive == 1);
    enqueueCommand(payload);
}

void MainWindow::enqueueCommand(const QByteArray& payload)
{
    tapCommand(payload);
    // The worker addresses it when it leaves. After shutdown a poll may still
    // be queued for this window: drop it.
    if (linkWorker) {
        linkWorker->enqueueDatagram(QNetworkDatagram(payload));
    }
}

// Not used: every command travels as a UDP datagram.
void MainWindow::enviaRequestsGlobal(QNetworkRequest req)
{
    Q_UNUSED(req)
}

void MainWindow::enviaRequestSlot(QNetworkRequest req)
{
    Q_UNUSED(req)
}

void MainWindow::callReceber(MainWindow* w)
{
    Q_UNUSED(w)
}
