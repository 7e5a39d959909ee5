// Painting the panel from the device state.
#include "app/mainwindow.h"

// Placeholders until rendering lands.
void MainWindow::clearUI(MainWindow* w)
{
    Q_UNUSED(w)
}

void MainWindow::updateUI(MainWindow* w)
{
    Q_UNUSED(w)
}

void MainWindow::blinkBusyRot() { }

void MainWindow::setRingStyle(QWidget* widget)
{
    Q_UNUSED(widget)
}

void MainWindow::setColourStyle(QWidget* widget, const QColor& colour)
{
    Q_UNUSED(widget)
    Q_UNUSED(colour)
}
