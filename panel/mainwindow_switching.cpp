// Antenna and radio selection.
#include <QKeyEvent>

#include "app/mainwindow.h"

// Every antenna choice, by button, RELEASE or F-key, ends in the station.
void MainWindow::enviaComutacao(signed char pos)
{
    station->switchTo(pos, false);
}

void MainWindow::operatorPicksAntenna(int antenna, Asker::Kind kind)
{
    station->pickAntenna(antenna, {kind, QString()});
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
    station->release({Asker::Kind::Key, QString()});
}

// The press has already acted.
void MainWindow::on_botaoTecla1_clicked() { }

// The radio buttons light only from the device's report, so nothing is
// repainted here.
void MainWindow::on_botaoTeclaRTX_pressed()
{
    station->rtx({Asker::Kind::Key, QString()});
}

void MainWindow::selectReceiver(quint8 receiver)
{
    station->selectReceiver(receiver, {Asker::Kind::Key, QString()});
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
            operatorPicksAntenna(key - Qt::Key_F1, Asker::Kind::FunctionKey);
        }
        return;
    }
    QMainWindow::keyPressEvent(event);
}
