// Polling requests and the link watchdog, invoked from the polling thread.
#include <QPushButton>

#include "app/mainwindow.h"
#include "connection/watchdog.h"
#include "forms/panelform.h"
#include "link/linkclock.h"

void MainWindow::callEnviar()
{
    if (connected) {
        sendCommand(1);
    }
}

void MainWindow::checkCOMTimeout(MainWindow* w)
{
    const bool fresh = reportIsFresh(linkclock::now() - lastReportTime);
    const QString& style = fresh ? powerFreshStyle() : powerStaleStyle();
    // Runs every 80 ms: re-applying an unchanged style sheet would re-polish
    // the button each time for nothing.
    QPushButton* power = w->ui->botaoPower;
    if (power->styleSheet() != style) {
        power->setStyleSheet(style);
    }
    if (!fresh) {
        w->clearUI(w);
    }
}
