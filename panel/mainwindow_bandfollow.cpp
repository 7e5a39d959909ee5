// Band following: the antenna follows the radio's band, and no switch is
// made while the station transmits.
#include <QLabel>
#include <QStatusBar>

#include "app/mainwindow.h"
#include "app/settingsstore.h"
#include "connection/radiosource.h"
#include "forms/panelform.h"
#include "link/linkclock.h"
#include "link/threadcom.h"

void MainWindow::loadBandFollow(const bandfollowsettings::Read& read)
{
    storedBandFollow = read.config;
    bandFollower.setConfig(read.config);
    transmitGuard.setHangMs(read.config.txHangMs);
    updateTransmitGuard();
    radioSource->configure(read.config.source);
    unusableBandKeys = read.ignoredKeys;
    // Never over a complaint about the host.
    if (!read.ignored.isEmpty() && ui->statusBar->currentMessage() != hostErrorText()) {
        showStatus(tr("Band following ignores %1").arg(read.ignored.join(QStringLiteral(", "))));
    }
    // A new source has announced itself through radioChanged already.
    followBand();
}

void MainWindow::setBandFollowConfig(const BandFollowConfig& config)
{
    storeBandFollow(config);
    bandFollower.setConfig(config);
    transmitGuard.setHangMs(config.txHangMs);
    updateTransmitGuard();
    radioSource->configure(config.source);
    followBand();
    Q_EMIT bandFollowChanged();
}

void MainWindow::storeBandFollow(const BandFollowConfig& config)
{
    // Keys holding values that could not be used are written over, so the
    // complaint does not come back at every start.
    const auto changes = bandfollowsettings::changes(storedBandFollow, config, unusableBandKeys);
    if (changes.isEmpty()) {
        return;
    }
    SettingsStore settings(settingsPath);
    for (const auto& change : changes) {
        settings.setValue(change.first, change.second);
    }
    if (!settings.sync()) {
        reportSettingsWriteFailure();
        return;
    }
    storedBandFollow = config;
    unusableBandKeys.clear();
}

void MainWindow::radioChanged()
{
    bandFollower.setReading(radioSource->reading());
    transmitGuard.set(TransmitGuard::Signal::RadioPtt, radioSource->reading().transmitting, linkclock::steadyNow());
    updateTransmitGuard();
    const QString text = radioSource->statusText();
    if (bandLabel->text() != text) {
        bandLabel->setText(text);
    }
    bandLabel->setVisible(!text.isEmpty());
    followBand();
}

BandFollower::Situation MainWindow::bandSituation() const
{
    BandFollower::Situation s;
    s.connected = connected;
    s.stateKnown = reportSinceConnect;
    s.splitBusy = deviceState.splitActive != 0 || splitConfigPending;
    s.selectedAntenna = deviceState.selectedAntenna < group::Antennas ? deviceState.selectedAntenna : -1;
    return s;
}

void MainWindow::followBand()
{
    const BandFollower::Step step = bandFollower.next(bandSituation());
    switch (step.action) {
    case BandFollower::Action::Switch:
        // Exactly as the key: the same command, confirmation and display,
        // but it leaves only while the station is known to receive.
        switchTo(static_cast<signed char>(step.antenna), true);
        break;
    case BandFollower::Action::Hold:
        holdNotice = tr("Ant %1 waits for the end of the transmission").arg(step.antenna + 1);
        showStatus(holdNotice);
        return;
    case BandFollower::Action::Paused:
        showStatus(tr("Band following paused while split is on"));
        break;
    case BandFollower::Action::Dropped:
        // Made blind, the switch could land under power.
        showStatus(
            tr("Ant %1 not switched: the radio's source went away while it was transmitting").arg(step.antenna + 1));
        holdNotice.clear();
        break;
    case BandFollower::Action::None:
        break;
    }
    // Nothing waits any more: the notice must not say otherwise.
    if (!holdNotice.isEmpty() && !bandFollower.heldAntenna()) {
        if (ui->statusBar->currentMessage() == holdNotice) {
            ui->statusBar->clearMessage();
        }
        holdNotice.clear();
    }
}

void MainWindow::bandReportApplied()
{
    bandFollower.setDeviceSending(deviceState.sendActive != 0);
    transmitGuard.set(TransmitGuard::Signal::DeviceSend, deviceState.sendActive != 0, linkclock::steadyNow());
    updateTransmitGuard();
    if (!reportSinceConnect) {
        reportSinceConnect = true;
        // The device's antenna is known now: the band's one can be compared.
        bandFollower.resume();
    }
    followBand();
}

void MainWindow::bandLinkChanged()
{
    reportSinceConnect = false;
    if (!connected) {
        bandFollower.linkDown();
        transmitGuard.forget(TransmitGuard::Signal::DeviceSend, linkclock::steadyNow());
        updateTransmitGuard();
        followBand();
    }
}

void MainWindow::updateTransmitGuard()
{
    if (linkWorker != nullptr && linkWorker->window() == this) {
        linkWorker->setGuardOpenAt(transmitGuard.openAt());
    }
}

void MainWindow::operatorPicksAntenna(int antenna)
{
    const BandFollower::Situation situation = bandSituation();
    // Keys that set up or move a split pair are not band choices.
    if (!situation.splitBusy) {
        const BandFollowConfig before = bandFollower.config();
        const bool held = bandFollower.holdsPress(antenna, situation);
        if (!held) {
            bandFollower.pressed(antenna);
        }
        if (bandFollower.config() != before) {
            // "Remember my choice" gave the band this antenna.
            storeBandFollow(bandFollower.config());
            Q_EMIT bandFollowChanged();
        }
        if (held) {
            followBand();
            return;
        }
    }
    enviaComutacao(static_cast<signed char>(antenna));
    followBand();
}
