// Painting the panel from the device state.
//
// The wanted look of every indicator is worked out first (panel/panellooks.h)
// and only the widgets whose look differs get a new style sheet. The result is
// the same as resetting every indicator and lighting it again, without paying
// Qt's re-polish for each of them several times a second.
#include <algorithm>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "app/mainwindow.h"
#include "connection/watchdog.h"
#include "forms/panelform.h"
#include "link/linkclock.h"
#include "link/linklog.h"
#include "panel/indicatorstyles.h"
#include "panel/panelaccess.h"
#include "panel/statusline.h"

void MainWindow::applyPanelStyle(QWidget* widget, const QString& text)
{
    // The widget's own text is always the truth, whoever set it last.
    if (widget->styleSheet() != text) {
        widget->setStyleSheet(text);
    }
}

void MainWindow::paintLooks(const PanelLooks& looks)
{
    if (!paintCache.widgetsKnown) {
        paintCache.widgets = ui->indicatorButtons();
        paintCache.widgetsKnown = true;
    }
    for (int k = 0; k < indicator::Count; ++k) {
        if (!looks[k].isNull()) {
            applyPanelStyle(paintCache.widgets[k], looks[k]);
        }
    }
}

PanelFlags MainWindow::panelFlags() const
{
    PanelFlags flags;
    flags.splitConfigPending = splitConfigPending;
    flags.rotorBlinkRunning = busyRotBlinkTimer.isActive();
    flags.rotorBlinkLit = paintCache.rotorBlinkLit;
    flags.waitingAntenna = station->waitingAntenna();
    return flags;
}

void MainWindow::clearUI(MainWindow* w)
{
    MainWindow* const target = w != nullptr ? w : this;
    const PanelFlags flags = target->panelFlags();
    target->paintLooks(clearedLooks(flags));
    target->paintCache.showsState = false;
    target->access->panelShown(target->deviceState, false, flags, true);
}

void MainWindow::updateUI(MainWindow* w)
{
    MainWindow* const target = w != nullptr ? w : this;
    const PanelFlags flags = target->panelFlags();
    target->paintLooks(litLooks(target->deviceState, target->paintCache.colourStyles(target->gpioColors), flags));
    if (flags.waitingAntenna != target->paintCache.waitingPainted) {
        target->paintCache.waitingPainted = flags.waitingAntenna;
        qCDebug(lcLink) << "waiting look on" << flags.waitingAntenna;
    }
    target->paintCache.showsState = true;
    target->access->panelShown(target->deviceState, true, flags, !target->station->session().showsUnconfirmed());
    if (!connected) {
        target->ui->actionConnect_to_Merax->setEnabled(true);
        target->ui->actionLAN_Settings->setEnabled(true);
    }
}

void MainWindow::blinkBusyRot()
{
    paintCache.rotorBlinkLit = !paintCache.rotorBlinkLit;
    paintLooks(rotorBlinkLooks(deviceState, paintCache.rotorBlinkLit));
}

void MainWindow::setRingStyle(QWidget* widget)
{
    applyPanelStyle(widget, panelRingStyle());
}

void MainWindow::setColourStyle(QWidget* widget, const QColor& colour)
{
    applyPanelStyle(widget, colourStyleText(colour.red(), colour.green(), colour.blue()));
}

void MainWindow::showStatus(const QString& text)
{
    station->notices().show(text);
}
