// Command datagrams towards the device.
#include "app/mainwindow.h"
#include "link/command.h"

// Placeholder until the link lands: frames and taps, queues nothing yet.
void MainWindow::sendCommand(quint8 type, quint8 first, quint8 second, quint8 third)
{
    if (!connected) {
        return;
    }
    tapCommand(frameCommand(type, first, second, third));
}

// The device's older HTTP interface is not used: every command is a datagram.
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
