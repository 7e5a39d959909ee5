// Connect, disconnect and host resolution.
#include "app/mainwindow.h"

// Placeholders until the link lands.
void MainWindow::openCom() { }

void MainWindow::closeCom() { }

void MainWindow::resolveHost() { }

void MainWindow::hostInfoResults(QHostInfo host)
{
    Q_UNUSED(host)
}

void MainWindow::lookedUp(QHostInfo host)
{
    Q_UNUSED(host)
}
