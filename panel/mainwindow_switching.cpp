// Antenna and radio selection.
#include <QKeyEvent>

#include "app/mainwindow.h"
#include "panel/bandfollowing.h"
#include "panel/switchlogic.h"

// Every antenna choice, by button, RELEASE or F-key, ends here. The panel's
// copy of the state changes at once, even while the link is down; only the
// command waits for the link.
void MainWindow::enviaComutacao(signed char pos)
{
    switchTo(pos, false);
}

void MainWindow::switchTo(signed char pos, bool whenReceiving, bool heldBefore)
{
    const AntennaChoice choice = chooseAntenna(deviceState, splitConfigPending, pos);
    DeviceCommand command = choice.command;
    command.guarded = whenReceiving && switchesAntenna(command);
    command.heldBefore = command.guarded && heldBefore;
    sendCommand(command);
    if (choice.completesSplitSetup) {
        showStatus(tr("Split configured succesfuly!"));
        splitConfigPending = false;
        splitBlinkTimer.stop();
    }
    if (choice.repaint) {
        updateUI(this);
    }
}

void MainWindow::on_botaoTecla1_pressed()
{
    operatorPicksAntenna(0);
}
void MainWindow::on_botaoTecla2_pressed()
{
    operatorPicksAntenna(1);
}
void MainWindow::on_botaoTecla3_pressed()
{
    operatorPicksAntenna(2);
}
void MainWindow::on_botaoTecla4_pressed()
{
    operatorPicksAntenna(3);
}
void MainWindow::on_botaoTecla5_pressed()
{
    operatorPicksAntenna(4);
}
void MainWindow::on_botaoTecla6_pressed()
{
    operatorPicksAntenna(5);
}
void MainWindow::on_botaoTecla7_pressed()
{
    operatorPicksAntenna(6);
}
void MainWindow::on_botaoTecla8_pressed()
{
    operatorPicksAntenna(7);
}
void MainWindow::on_botaoTecla9_pressed()
{
    operatorPicksAntenna(8);
}
void MainWindow::on_botaoTecla10_pressed()
{
    operatorPicksAntenna(9);
}
void MainWindow::on_botaoTecla11_pressed()
{
    operatorPicksAntenna(10);
}
void MainWindow::on_botaoTecla12_pressed()
{
    operatorPicksAntenna(11);
}
void MainWindow::on_botaoRelease_pressed()
{
    bandFollowing->operatorReleases();
    enviaComutacao(DeviceCommand::NoAntenna);
    bandFollowing->follow();
}

// The press has already acted.
void MainWindow::on_botaoTecla1_clicked() { }

// The radio buttons light only from the device's report, so nothing is
// repainted here.
void MainWindow::on_botaoTeclaRTX_pressed()
{
    if (connected) {
        sendCommand(DeviceCommand::rtx());
    }
}

void MainWindow::selectReceiver(quint8 receiver)
{
    if (!connected) {
        return;
    }
    sendCommand(DeviceCommand::receiver(receiver));
    deviceState.selectedRx = receiver;
}

void MainWindow::on_botaoTeclaRX1_pressed()
{
    selectReceiver(1);
}
void MainWindow::on_botaoTeclaRX2_pressed()
{
    selectReceiver(2);
}
void MainWindow::on_botaoTeclaRX3_pressed()
{
    selectReceiver(3);
}
void MainWindow::on_botaoTeclaRX4_pressed()
{
    selectReceiver(4);
}

// F1..F12 pick Ant 1..12. With Ctrl, Alt or Shift they are other keys
// (Shift+F10 opens a key's menu, Alt+F4 closes the window): they pick nothing.
// A held key picks once: its auto-repeats would only ask again for what is
// already asked.
void MainWindow::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12 && modifiers == Qt::NoModifier) {
        if (!event->isAutoRepeat()) {
            operatorPicksAntenna(key - Qt::Key_F1);
        }
        return;
    }
    QMainWindow::keyPressEvent(event);
}
