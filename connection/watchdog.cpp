// Polling requests and the link watchdog, invoked from the polling thread.
#include "app/mainwindow.h"

// Placeholders until the link lands.
void MainWindow::callEnviar() { }

void MainWindow::checkCOMTimeout(MainWindow* w)
{
    Q_UNUSED(w)
}
