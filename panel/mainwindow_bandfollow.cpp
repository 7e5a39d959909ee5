// The window's side of band following (panel/bandfollowing.h): what the
// device and the operator do goes in, switches and notices come out.
#include <QLabel>
#include <QStatusBar>

#include "app/mainwindow.h"
#include "forms/panelform.h"
#include "link/linkclock.h"
#include "link/threadcom.h"
#include "panel/bandfollowing.h"
#include "panel/statusline.h"
#include "panel/switchlogic.h"

void MainWindow::createBandFollowing()
{
    bandFollowing = new BandFollowing([this] { return bandSituation(); }, this);
    connect(bandFollowing, &BandFollowing::switchWanted, this,
            [this](int antenna, bool heldBefore) { switchTo(static_cast<signed char>(antenna), true, heldBefore); });
    connect(bandFollowing, &BandFollowing::splitWanted, this, [this](int antenna, int receive, bool heldBefore) {
        DeviceCommand command = DeviceCommand::splitOn(static_cast<quint8>(receive), static_cast<quint8>(antenna));
        command.guarded = true;
        command.heldBefore = heldBefore;
        sendCommand(command);
    });
    connect(bandFollowing, &BandFollowing::splitEndWanted, this, [this](int antenna, bool heldBefore) {
        DeviceCommand command = DeviceCommand::splitOff();
        command.guarded = true;
        command.heldBefore = heldBefore;
        // As SPLIT does: the antenna that follows is no receive antenna.
        deviceState.splitActive = 0;
        sendCommand(command);
        if (antenna != deviceState.selectedAntenna) {
            switchTo(static_cast<signed char>(antenna), true, heldBefore);
        }
    });
    connect(bandFollowing, &BandFollowing::outputsWanted, this, [this](quint8 mask, quint8 on) {
        // The inhibit output is the sequencer's, whatever a band names.
        const quint8 bandMask = static_cast<quint8>(mask & ~inhibit.rule.bit());
        for (const DeviceCommand& command : bandOutputCommands(deviceState, bandMask, on)) {
            sendCommand(command);
        }
    });
    connect(bandFollowing, &BandFollowing::statusMessage, this, &MainWindow::showStatus);
    connect(bandFollowing, &BandFollowing::guardNotice, this,
            [this](const QString& text) { statusLine->setStanding(text); });
    connect(bandFollowing, &BandFollowing::statusReplaced, this,
            [this](const QString& text, const QString& replacement) {
                // Said once the inhibit is down, in place of its notice; a
                // notice withdrawn is only taken from there if it waits there.
                if (!inhibit.notice.isEmpty() && ui->statusBar->currentMessage() == inhibit.notice) {
                    if (!replacement.isEmpty() || inhibit.after == text) {
                        inhibit.after = replacement;
                    }
                } else {
                    replaceStatus(text, replacement);
                }
            });
    // The held key's look follows the rule.
    connect(bandFollowing, &BandFollowing::heldChanged, this, [this] {
        if (paintCache.showsState) {
            updateUI(this);
        }
    });
    connect(bandFollowing, &BandFollowing::figuresChanged, this,
            [this](const QString& text) { statusLine->setRadioFigures(text); });
    // Guarded commands leave through the inhibit's gate.
    connect(bandFollowing, &BandFollowing::guardChanged, this, [this](qint64 openAt, qint64 closesAt) {
        inhibit.guardOpenAt = openAt;
        inhibit.guardClosesAt = closesAt;
        checkInhibit();
    });
    connect(bandFollowing, &BandFollowing::configChanged, this, &MainWindow::bandFollowChanged);
    connect(bandFollowing, &BandFollowing::settingsNotSaved, this, &MainWindow::reportSettingsWriteFailure);
}

const BandFollowConfig& MainWindow::bandFollowConfig() const
{
    return bandFollowing->config();
}

void MainWindow::setBandFollowConfig(const BandFollowConfig& config)
{
    bandFollowing->setConfig(config);
}

void MainWindow::loadBandFollow(const bandfollowsettings::Read& read)
{
    const QString notice = bandFollowing->load(settingsPath, read);
    if (read.config.inhibitGpo != inhibit.rule.output()) {
        dropInhibit(false);
        inhibit.rule.setOutput(read.config.inhibitGpo);
        checkInhibit();
    }
    // Never over a complaint about the host.
    if (!notice.isEmpty() && ui->statusBar->currentMessage() != hostErrorText()) {
        showStatus(notice);
    }
}

BandFollower::Situation MainWindow::bandSituation() const
{
    BandFollower::Situation s;
    s.connected = connected;
    s.stateKnown = bandFollowing->deviceKnown();
    s.splitBusy = deviceState.splitActive != 0 || splitConfigPending;
    s.selectedAntenna = deviceState.selectedAntenna < group::Antennas ? deviceState.selectedAntenna : -1;
    s.busy = static_cast<quint16>(deviceState.busyMask1to8 | (deviceState.busyMask9to12 & 0x0F) << 8);
    s.outputs = deviceState.gpoStates;
    s.splitRx =
        deviceState.splitActive != 0 && deviceState.splitRxAntenna < group::Antennas ? deviceState.splitRxAntenna : -1;
    return s;
}

void MainWindow::bandReportApplied()
{
    bandFollowing->deviceReported(deviceState.sendActive != 0);
}

void MainWindow::bandLinkChanged()
{
    bandFollowing->linkChanged(connected);
}

void MainWindow::bandDeviceSilent()
{
    bandFollowing->deviceSilent();
}

void MainWindow::operatorPicksAntenna(int antenna)
{
    if (bandFollowing->operatorPicks(antenna)) {
        // With the hold option the press is checked again as it leaves.
        switchTo(static_cast<signed char>(antenna), bandFollowConfig().holdManual);
        bandFollowing->follow();
    }
}

void MainWindow::on_actionNext_Antenna_triggered()
{
    bandFollowing->nextAntenna();
}
