// Command datagrams towards the device.
#include "app/mainwindow.h"
#include "link/command.h"
#include "link/linkclock.h"
#include "link/threadcom.h"

void MainWindow::sendCommand(quint8 type, quint8 first, quint8 second, quint8 third)
{
    sendCommand(deviceCommand(type, first, second, third));
}

void MainWindow::sendCommand(const DeviceCommand& given)
{
    if (!connected) {
        return;
    }
    resolveHost();
    DeviceCommand command = given;
    // Behind the inhibit a switch waits for the radio to be held, which the
    // inhibit's own notice tells.
    if (command.guarded && inhibit.rule.enabled() && inhibit.rule.phase() != TxInhibit::Phase::Held) {
        command.heldBefore = true;
    }
    // The device's reports must confirm what the operator asked for.
    if (linkSession.commandGiven(command, deviceState, linkclock::steadyNow())) {
        enqueueCommand(command);
        if (command.guarded) {
            checkInhibit();
        } else {
            showLinkChanges();
        }
    }
}

void MainWindow::enqueueCommand(const DeviceCommand& command)
{
    tapCommand(frameCommand(command));
    // The worker frames and addresses it when it leaves. After shutdown a
    // poll may still be queued for this window: drop it.
    if (linkWorker) {
        linkWorker->enqueueCommand(command);
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
