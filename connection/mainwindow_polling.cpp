// Polling requests and the link watchdog, invoked from the polling thread.
#include <QPushButton>

#include "app/mainwindow.h"
#include "connection/watchdog.h"
#include "forms/panelform.h"
#include "link/linkclock.h"
#include "panel/indicatorstyles.h"
#include "panel/panelaccess.h"
#include "panel/statusline.h"

void MainWindow::callEnviar()
{
    // While the first round trip is measured, one poll is out at a time.
    if (connected && linkSession.pollDue(linkclock::steadyNow())) {
        sendCommand(DeviceCommand::poll());
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
    // The operator who cannot see the POWER key hears it change.
    w->statusLine->linkChecked(connected, fresh, linkclock::now());
    if (connected) {
        w->access->linkShown(fresh ? PanelSpeechInput::Link::Up : PanelSpeechInput::Link::Silent,
                             w->linkSession.roundTrip());
    }
    if (!fresh) {
        w->clearUI(w);
        // What the device has is unknown until it answers again.
        w->bandDeviceSilent();
        // A session still waiting for its first answer is not silent yet.
        if (!reportIsFresh(w->linkSession.silentFor(linkclock::steadyNow()))) {
            w->linkSession.deviceSilent();
        }
        w->dropInhibit(false);
    }
    // The silence of the device counts up here, between reports.
    if (w->linkSession.isActive()) {
        w->showLinkFigures(linkclock::steadyNow());
    }
}
