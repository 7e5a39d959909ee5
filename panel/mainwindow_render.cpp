// Painting the panel from the device state.
//
// The wanted look of every indicator is worked out first (panel/panellooks.h)
// and only the widgets whose look differs get a new style sheet. The result is
// the same as resetting every indicator and lighting it again, without paying
// Qt's re-polish for each of them several times a second.
#include <algorithm>

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "app/mainwindow.h"
#include "connection/watchdog.h"
#include "forms/panelform.h"
#include "link/linkclock.h"
#include "link/linklog.h"
#include "panel/bandfollowing.h"
#include "panel/indicatorstyles.h"
#include "panel/panelaccess.h"

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
    if (connected) {
        // A switch held by the rule (the newest wish), or one given that
        // waits in the link.
        std::optional<int> waiting = bandFollowing != nullptr ? bandFollowing->heldAntenna() : std::nullopt;
        if (!waiting) {
            waiting = linkSession.waitingAntenna();
        }
        flags.waitingAntenna = waiting.value_or(-1);
    }
    return flags;
}

void MainWindow::clearUI(MainWindow* w)
{
    MainWindow* const target = w != nullptr ? w : this;
    target->paintLooks(clearedLooks(target->panelFlags()));
    target->panelShowsState = false;
    target->speakPanel();
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
    target->panelShowsState = true;
    target->speakPanel();
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

void MainWindow::speakPanel()
{
    if (!access) {
        return; // still being built
    }
    PanelSpeechInput input;
    input.state = deviceState;
    input.stateKnown = panelShowsState;
    input.flags = panelFlags();
    input.antennaCaptions = access->antennaCaptions;
    input.gpiCaptions = access->gpiCaptions;
    input.gpoCaptions = access->gpoCaptions;
    if (connected) {
        const bool fresh = reportIsFresh(linkclock::now() - lastReportTime);
        input.link = fresh ? PanelSpeechInput::Link::Up : PanelSpeechInput::Link::Silent;
        roundTripSaid = roundTripToSay(roundTripSaid, linkSession.roundTrip());
        input.roundTripMs = roundTripSaid;
        input.confirmed = !linkSession.showsUnconfirmed();
    } else {
        roundTripSaid = -1;
    }
    access->follow(input);
}

void MainWindow::speakLinkChange(bool fresh)
{
    // Silent since Connect counts once the watchdog's time has passed.
    const bool lost = !fresh && !reportIsFresh(linkclock::now() - connectedAt);
    if (connected && lost != linkLostSpoken && (lost || fresh)) {
        linkLostSpoken = lost;
        const QString text = lost ? tr("No answer from the Merax") : tr("The Merax answers again");
        // What the bar said of the link no longer holds: it gives way. Other
        // notices stand, and the change is heard all the same.
        const QString shown = ui->statusBar->currentMessage();
        const bool aboutTheLink = shown.isEmpty() || shown == tr("LAN enabled") ||
            shown == tr("No answer from the Merax") || shown == tr("The Merax answers again");
        if (aboutTheLink) {
            showStatus(text);
        } else {
            access->announce(text);
        }
    }
}

void MainWindow::showStatus(const QString& text)
{
    // The bar says nothing new for the same text again; the operator who
    // pressed again must still hear it.
    if (text == ui->statusBar->currentMessage() && access) {
        access->announce(text);
    }
    ui->statusBar->showMessage(text, 0);
}

void MainWindow::replaceStatus(const QString& text, const QString& replacement)
{
    if (text.isEmpty() || ui->statusBar->currentMessage() != text) {
        return;
    }
    if (replacement.isEmpty()) {
        ui->statusBar->clearMessage();
    } else {
        showStatus(replacement);
    }
}

void MainWindow::fitStatusMessage(const QString& text)
{
    QStatusBar* bar = ui->statusBar;
    // Not laid out before the window is shown: nothing to measure against.
    if (fittingStatus) {
        return;
    }
    qCDebug(lcLink).noquote() << "status:" << text;
    // Heard whole, as it appears; shortened below only for the eye.
    if (access) {
        access->announce(text);
    }
    if (!bar->isVisible()) {
        return;
    }
    // The message shares the bar with the band and round-trip fields.
    int room = bar->width() - 12;
    for (const QLabel* field : {bandLabel, pingLabel}) {
        if (field != nullptr && field->isVisible()) {
            room -= field->sizeHint().width() + 6;
        }
    }
    const QFontMetrics metrics(bar->font());
    const bool tooLong = !text.isEmpty() && metrics.horizontalAdvance(text) > room;
    // A message cut at the bar's edge loses its point: it is shortened where
    // the operator sees it was, and the tooltip holds it whole.
    const QString tip = tooLong ? text : QString();
    if (bar->toolTip() != tip) {
        bar->setToolTip(tip);
    }
    if (tooLong) {
        fittingStatus = true;
        bar->showMessage(metrics.elidedText(text, Qt::ElideRight, qMax(room, 0)));
        fittingStatus = false;
    }
}
