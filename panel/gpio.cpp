// GPO toggles and the two view toggles.
#include "app/mainwindow.h"

// Placeholders until GPIO lands.
void MainWindow::toggleGpo(int index)
{
    Q_UNUSED(index)
}

void MainWindow::on_botaoGPO1_pressed()
{
    toggleGpo(0);
}
void MainWindow::on_botaoGPO2_pressed()
{
    toggleGpo(1);
}
void MainWindow::on_botaoGPO3_pressed()
{
    toggleGpo(2);
}
void MainWindow::on_botaoGPO4_pressed()
{
    toggleGpo(3);
}
void MainWindow::on_botaoGPO5_pressed()
{
    toggleGpo(4);
}
void MainWindow::on_botaoGPO6_pressed()
{
    toggleGpo(5);
}
void MainWindow::on_botaoGPO7_pressed()
{
    toggleGpo(6);
}
void MainWindow::on_botaoGPO8_pressed()
{
    toggleGpo(7);
}

void MainWindow::toggleView(bool checked, QWidget* frame, const QString& key)
{
    Q_UNUSED(checked)
    Q_UNUSED(frame)
    Q_UNUSED(key)
}

void MainWindow::on_actionGPIO_triggered() { }

void MainWindow::on_actionSkyrail_WF_triggered() { }
