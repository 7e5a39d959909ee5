// Split operation: set-up, cancel and switching off. Whether split is on is
// the device's word (report field 1); the panel only asks.
#include <QPushButton>

#include "app/mainwindow.h"
#include "forms/panelform.h"
#include "panel/indicatorstyles.h"

void MainWindow::on_botaoSplit_clicked()
{
    switch (station->splitPressed({Asker::Kind::Key, QString()})) {
    case SplitClick::TurnOff:
        // SPLIT keeps its red look until the next repaint.
        splitBlinkTimer.stop();
        break;
    case SplitClick::BeginSetup:
        splitBlinkTimer.start(400);
        setRingStyle(ui->botaoSplit);
        break;
    case SplitClick::CancelSetup:
        // The last blink look stays until the next repaint makes SPLIT idle.
        splitBlinkTimer.stop();
        break;
    }
}

// Alternates SPLIT between idle and ring while set-up waits for the receive
// antenna. The phase carries over from one set-up to the next.
void MainWindow::blinkSplit()
{
    if (!splitConfigPending) {
        return;
    }
    if (paintCache.splitBlinkPhase) {
        applyPanelStyle(ui->botaoSplit, panelIdleStyle());
        paintCache.splitBlinkPhase = false;
    } else {
        setRingStyle(ui->botaoSplit);
        paintCache.splitBlinkPhase = true;
    }
}
