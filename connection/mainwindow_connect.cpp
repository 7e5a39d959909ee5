// Connect, disconnect and host resolution.
#include <QAction>
#include <QHostAddress>
#include <QStatusBar>

#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/settingskeys.h"
#include "app/settingsstore.h"
#include "connection/hostlookup.h"
#include "forms/panelform.h"
#include "link/command.h"
#include "link/linkclock.h"
#include "link/linklog.h"
#include "link/threadcom.h"
#include "panel/panelaccess.h"
#include "panel/statusline.h"

namespace {
int lookupsStarted = 0;
} // namespace

int hostLookupsStarted()
{
    return lookupsStarted;
}

void MainWindow::openCom()
{
    // A first start: where to set the host says more than a failed lookup.
    if (hostText.trimmed().isEmpty()) {
        showStatus(hostErrorText());
        return;
    }
    if (deviceAddress == unresolvedAddress) {
        messages::warning(this, tr("Zarel"), tr("Could not find host address. Check LAN Settings!"));
        return;
    }
    // Used directly, a host name would address every datagram to nowhere.
    if (useIpDirectly && !isIpAddress(hostText)) {
        messages::warning(this, tr("Zarel"), directIpProblem(hostText));
        return;
    }
    // A hand-edited file may hold anything here; port 0 or a wrapped number
    // would send every command nowhere, or somewhere else.
    if (!isValidPort(devicePort)) {
        messages::warning(
            this, tr("Zarel"),
            tr("The device port \"%1\" is not a number from 1 to 65535. Check LAN Settings!").arg(devicePort));
        return;
    }
    SettingsStore store(settingsPath);
    ui->actionConnect_to_Merax->setEnabled(false);
    // A new session judges its reports afresh, with the settings in force now.
    linkUsesIpDirectly = useIpDirectly;
    linkSession.start(linkclock::steadyNow());
    inhibit.rule.start();
    statusLine->linkStarted(linkclock::now());
    // No report of this session yet: POWER is not green on an earlier one's.
    lastReportTime = 0;
    connected = true;
    bandLinkChanged();
    store.setValue(settingskey::Connected, 1);
    statusLine->showLink(tr("LAN enabled"));
    access->linkShown(PanelSpeechInput::Link::Silent, -1);
    ui->actionLAN_Settings->setEnabled(false);
    // The link does not depend on the file: connected either way.
    if (const auto written = store.sync(); !written) {
        reportSettingsWriteFailure(written.notice);
    }
}

void MainWindow::closeCom()
{
    SettingsStore store(settingsPath);
    connected = false;
    // Nothing will confirm the pending commands now; the panel keeps what it
    // shows, but no figure of a link that is off. What still waits to leave
    // would reach the device unconfirmed.
    linkSession.stop();
    if (linkWorker) {
        linkWorker->clearQueue();
    }
    dropInhibit(true);
    showLinkFigures(linkclock::steadyNow());
    bandLinkChanged();
    store.setValue(settingskey::Connected, 0);
    ui->actionConnect_to_Merax->setEnabled(true);
    ui->actionLAN_Settings->setEnabled(true);
    statusLine->showLink(tr("Disconnected"));
    access->linkShown(PanelSpeechInput::Link::Off, -1);
    if (const auto written = store.sync(); !written) {
        reportSettingsWriteFailure(written.notice);
    }
}

void MainWindow::on_actionConnectAtStart_triggered()
{
    SettingsStore store(settingsPath);
    store.setValue(settingskey::ConnectAtStart.name, ui->actionConnectAtStart->isChecked());
    if (const auto written = store.sync(); !written) {
        reportSettingsWriteFailure(written.notice);
    }
}

void MainWindow::resolveHost()
{
    if (linkUsesIpDirectly) {
        setDeviceAddress(hostText);
        return;
    }
    // The send that asked goes on with the current address; the answer serves
    // the following sends.
    if (pendingHostLookup != -1) {
        return;
    }
    ++lookupsStarted;
    pendingHostLookup = QHostInfo::lookupHost(hostText, this, &MainWindow::hostInfoResults);
}

void MainWindow::hostInfoResults(QHostInfo host)
{
    // Only the lookup still wanted counts: one overtaken by new settings must
    // not overwrite the address they resolved.
    if (host.lookupId() != pendingHostLookup) {
        return;
    }
    pendingHostLookup = -1;
    const QString address = addressFromLookup(host);
    setDeviceAddress(address);
    if (address == unresolvedAddress) {
        showHostError();
        return;
    }
    // The host is found again: the complaint it replaced no longer holds.
    if (isHostComplaint(ui->statusBar->currentMessage())) {
        ui->statusBar->clearMessage();
    }
    qCDebug(lcConnection).noquote() << "Traduzida SLOT" << address;
}

void MainWindow::cancelHostLookup()
{
    if (pendingHostLookup != -1) {
        QHostInfo::abortHostLookup(pendingHostLookup);
        pendingHostLookup = -1;
    }
}

QString MainWindow::hostErrorText() const
{
    return hostComplaint(hostText);
}

void MainWindow::showHostError()
{
    ui->statusBar->showMessage(hostErrorText());
}

void MainWindow::lookedUp(QHostInfo host)
{
    if (host.error() != QHostInfo::NoError) {
        qCDebug(lcConnection).noquote() << host.errorString();
        return;
    }
    for (const QHostAddress& address : host.addresses()) {
        qCDebug(lcConnection).noquote() << address.toString();
    }
}
