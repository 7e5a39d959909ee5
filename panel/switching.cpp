// Antenna and radio selection.
#include <QKeyEvent>

#include "app/mainwindow.h"

// Placeholders until switching lands.
void MainWindow::enviaComutacao(signed char pos)
{
    Q_UNUSED(pos)
}

void MainWindow::on_botaoTecla1_pressed()
{
    enviaComutacao(0);
}
void MainWindow::on_botaoTecla2_pressed()
{
    enviaComutacao(1);
}
void MainWindow::on_botaoTecla3_pressed()
{
    enviaComutacao(2);
}
void MainWindow::on_botaoTecla4_pressed()
{
    enviaComutacao(3);
}
void MainWindow::on_botaoTecla5_pressed()
{
    enviaComutacao(4);
}
void MainWindow::on_botaoTecla6_pressed()
{
    enviaComutacao(5);
}
void MainWindow::on_botaoTecla7_pressed()
{
    enviaComutacao(6);
}
void MainWindow::on_botaoTecla8_pressed()
{
    enviaComutacao(7);
}
void MainWindow::on_botaoTecla9_pressed()
{
    enviaComutacao(8);
}
void MainWindow::on_botaoTecla10_pressed()
{
    enviaComutacao(9);
}
void MainWindow::on_botaoTecla11_pressed()
{
    enviaComutacao(10);
}
void MainWindow::on_botaoTecla12_pressed()
{
    enviaComutacao(11);
}
void MainWindow::on_botaoRelease_pressed()
{
    enviaComutacao(15);
}

// The press has already acted.
void MainWindow::on_botaoTecla1_clicked() { }

void MainWindow::on_botaoTeclaRTX_pressed() { }

void MainWindow::on_botaoTeclaRX1_pressed() { }

void MainWindow::on_botaoTeclaRX2_pressed() { }

void MainWindow::on_botaoTeclaRX3_pressed() { }

void MainWindow::on_botaoTeclaRX4_pressed() { }

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    Q_UNUSED(event)
}
