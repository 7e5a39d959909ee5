// The operator's GPIO button colours.
#include "app/mainwindow.h"

// Placeholders until colours land.
bool MainWindow::eventFilter(QObject* object, QEvent* event)
{
    Q_UNUSED(object)
    Q_UNUSED(event)
    return false;
}

void MainWindow::auxEFGPIOsColors(QObject* object, QEvent* e, QPushButton* b, QColor* c)
{
    Q_UNUSED(object)
    Q_UNUSED(e)
    Q_UNUSED(b)
    Q_UNUSED(c)
}

void MainWindow::saveGpioColors() { }
