// Status reports from the device.
#include "app/mainwindow.h"

// Placeholders until the link lands.
void MainWindow::processaPDRLan(MainWindow* w, QString res)
{
    Q_UNUSED(w)
    Q_UNUSED(res)
}

void MainWindow::recebeRespostaRede(QNetworkReply* rep)
{
    Q_UNUSED(rep)
}

void MainWindow::processaPDR(MainWindow* w)
{
    Q_UNUSED(w)
}
