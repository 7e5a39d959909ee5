// Status reports from the device, and what the link wrote before them.
#include <QHostAddress>
#include <QLabel>
#include <QNetworkReply>
#include <QPushButton>
#include <QStatusBar>

#include "app/mainwindow.h"
#include "connection/hostlookup.h"
#include "forms/panelform.h"
#include "link/command.h"
#include "link/linkclock.h"
#include "link/linklog.h"
#include "link/statusreport.h"
#include "link/threadcom.h"
#include "panel/bandfollowing.h"
#include "panel/panelaccess.h"
#include "panel/statusline.h"

void MainWindow::linkWrote(const DeviceCommand& command, qint64 at)
{
    linkSession.wrote(command, at);
    if (!command.isPoll()) {
        qCDebug(lcLink).noquote() << "wrote" << frameCommand(command).toHex(' ');
    }
    // An antenna, or the transmit antenna of a split pair.
    if (command.type == DeviceCommand::Antenna || (command.type == DeviceCommand::Split && command.first == 1)) {
        bandFollowing->switchWritten(command.type == DeviceCommand::Antenna ? command.first : command.third);
    }
    showLinkChanges();
}

void MainWindow::showLinkChanges()
{
    const LinkSession::Shown shown = linkSession.refresh(deviceState);
    replaceStatus(shown.withdrawn, shown.notice);
    if (!shown.notice.isEmpty() && ui->statusBar->currentMessage() != shown.notice) {
        showStatus(shown.notice);
    }
    // While the watchdog has the panel cleared, nothing old is painted back.
    if (shown.changed && paintCache.showsState) {
        updateUI(this);
    }
}

void MainWindow::linkReceived(const QByteArray& bytes, const QHostAddress& sender, quint16 senderPort, qint64 at)
{
    if (!connected) {
        // Late answers after Disconnect, or anyone's datagram: the panel
        // shows nothing the operator did not ask to follow.
        return;
    }
    // Another host on the network must not light lamps or keep the watchdog
    // green.
    const QString from = plainAddress(sender).toString();
    LinkSession::Sender verdict = linkSession.classify(sender, senderPort);
    if (verdict == LinkSession::Sender::NewDevicePort) {
        // Only a report teaches the port: junk from that host does not.
        if (parseStatusReport(datagramText(bytes)).valid) {
            verdict = linkSession.answerFromNewPort(senderPort, at);
        } else {
            linkSession.malformedReport();
        }
    }
    switch (verdict) {
    case LinkSession::Sender::PortLearnt:
        statusLine->showLink(answerPortText(senderPort));
        applyReport(datagramText(bytes), at);
        return;
    case LinkSession::Sender::DevicePortAgain:
        // What the bar said of the other port is no longer true.
        replaceStatus(answerPortText(linkSession.portGivenUp()), QString());
        applyReport(datagramText(bytes), at);
        return;
    case LinkSession::Sender::Device:
        applyReport(datagramText(bytes), at);
        return;
    case LinkSession::Sender::FirstStranger:
        // The device's own address from another port: named with its port.
        showStatus(
            tr("Ignored a status report from %1")
                .arg(linkSession.isDeviceAddress(sender) ? QStringLiteral("%1:%2").arg(from).arg(senderPort) : from));
        break;
    case LinkSession::Sender::NewDevicePort:
    case LinkSession::Sender::Learning:
    case LinkSession::Sender::Stranger:
        break;
    }
    qCInfo(lcLink).noquote() << "ignored a datagram from" << from << "port" << senderPort;
}

QString MainWindow::answerPortText(quint16 port)
{
    return tr("The Merax answers from port %1").arg(port);
}

void MainWindow::processaPDRLan(MainWindow* w, QString res)
{
    w->applyReport(res, linkclock::steadyNow());
}

void MainWindow::applyReport(const QString& res, qint64 at)
{
    const StatusReport report = parseStatusReport(res);
    if (report.malformed) {
        // Believed, garbled fields would read as Ant 1 and "not sending".
        linkSession.malformedReport();
        qCInfo(lcLink).noquote() << "ignored a malformed report:" << res.left(80);
        return;
    }
    if (!report.valid) {
        // While the watchdog has the panel of a silent device cleared, a
        // stray datagram paints nothing old back.
        if (!connected || paintCache.showsState) {
            updateUI(this);
        }
        return;
    }
    // An answer overtaken by a newer one shows a state the device has left.
    if (!linkSession.reportArrived(at)) {
        return;
    }
    // The guard hears SEND before a switch is sent again on this report.
    bandFollowing->deviceSends(report.sendActive != 0);
    applyStatusReport(deviceState, report);
    lastReportTime = linkclock::now();

    // What the operator asked for and the device has not confirmed stays on
    // the panel, so reports still on their way do not paint the old state back.
    const LinkSession::Verdicts verdicts = linkSession.reportApplied(deviceState);
    for (const DeviceCommand& command : verdicts.resend) {
        qCInfo(lcLink).noquote() << "sending again:" << frameCommand(command).toHex(' ');
        enqueueCommand(command);
    }
    if (!verdicts.notConfirmed.isEmpty()) {
        showStatus(tr("%1 not confirmed by the Merax").arg(verdicts.notConfirmed.join(QStringLiteral(", "))));
    }
    // The device's own outputs and SEND, before anything is shown over them.
    inhibitReported(report.gpoStates, report.sendActive != 0);

    // Before the repaint: the renderer paints the rotors only while this
    // timer is stopped.
    if (deviceState.rotorBlink == 1) {
        if (!busyRotBlinkTimer.isActive()) {
            busyRotBlinkTimer.start(600);
        }
    } else if (busyRotBlinkTimer.isActive()) {
        busyRotBlinkTimer.stop();
    }

    showLinkFigures(at, true);
    showLinkChanges();
    updateUI(this);
    access->linkShown(PanelSpeechInput::Link::Up, linkSession.roundTrip());
    // What the device said against what the panel shows, for a trace.
    qCDebug(lcLink).noquote() << "report: device" << int(report.selectedAntenna) << "send" << int(report.sendActive)
                              << "shown" << int(deviceState.selectedAntenna) << "waiting"
                              << panelFlags().waitingAntenna;
    bandReportApplied();
}

void MainWindow::showLinkFigures(qint64 now, bool reportApplied)
{
    if (linkSession.figuresChanged(now, reportApplied)) {
        statusLine->setLinkFigures(linkSession.figures());
    }
}

void MainWindow::recebeRespostaRede(QNetworkReply* rep)
{
    if (!rep) {
        return;
    }
    const qint64 size = rep->size();
    if (size >= 27 && size <= 29) {
        processaPDRLan(this, datagramText(rep->read(size)));
    }
    rep->deleteLater();
}

void MainWindow::processaPDR(MainWindow* w)
{
    w->ui->botaoPower->setStyleSheet(QStringLiteral("background-color: rgb(0, 220, 0);color: rgb(0, 0, 0);"));
    w->updateUI(w);
}
