// Status reports from the device, and what the link wrote before them.
#include <QHostAddress>
#include <QLabel>
#include <QNetworkReply>
#include <QPushButton>
#include <QStatusBar>

#include "app/mainwindow.h"
#include "forms/panelform.h"
#include "link/linkclock.h"
#include "link/linklog.h"
#include "link/linkqueue.h"
#include "link/statusreport.h"
#include "link/threadcom.h"

void MainWindow::linkWrote(const QByteArray& payload, qint64 at)
{
    const bool poll = isPoll(payload);
    const quint64 serial = linkLedger.recordWrite(poll, at);
    if (!poll) {
        pendingCommands.recordWrite(payload, serial);
    }
}

bool MainWindow::isFromDevice(const QString& sender) const
{
    // An IPv4 device may be seen through an IPv6 socket as ::ffff:a.b.c.d.
    const QHostAddress device(deviceAddress);
    return !device.isNull() && device.isEqual(QHostAddress(sender), QHostAddress::ConvertV4MappedToIPv4);
}

void MainWindow::linkReceived(const QByteArray& bytes, const QString& sender, qint64 at)
{
    if (!connected) {
        // Late answers after Disconnect, or anyone's datagram: the panel
        // shows nothing the operator did not ask to follow.
        return;
    }
    if (!isFromDevice(sender)) {
        // Another host on the network must not light lamps or keep the
        // watchdog green.
        ++ignoredReportCount;
        qCInfo(lcLink).noquote() << "ignored a datagram from" << sender;
        if (!ignoredReportShown) {
            ignoredReportShown = true;
            showStatus(tr("Ignored a status report from %1").arg(sender));
        }
        return;
    }
    applyReport(datagramText(bytes), at);
}

void MainWindow::processaPDRLan(MainWindow* w, QString res)
{
    w->applyReport(res, linkclock::steadyNow());
}

void MainWindow::applyReport(const QString& res, qint64 at)
{
    if (applyStatusReport(deviceState, parseStatusReport(res)) == ReportOutcome::Rejected) {
        updateUI(this);
        return;
    }
    lastReportTime = linkclock::now();

    // What the operator asked for and the device has not confirmed stays on
    // the panel, so reports still on their way do not paint the old state back.
    const std::optional<LinkLedger::Poll> answered = linkLedger.recordReport(at);
    const PendingCommands::Verdicts verdicts =
        pendingCommands.judge(deviceState, answered ? std::optional<quint64>(answered->serial) : std::nullopt);
    for (const QByteArray& payload : verdicts.resend) {
        qCInfo(lcLink).noquote() << "sending again:" << payload.toHex(' ');
        enqueueCommand(payload);
    }
    if (!verdicts.notConfirmed.isEmpty()) {
        showStatus(tr("%1 not confirmed by the Merax").arg(verdicts.notConfirmed.join(QStringLiteral(", "))));
    }

    // Before the repaint: the renderer paints the rotors only while this
    // timer is stopped.
    if (deviceState.rotorBlink == 1) {
        if (!busyRotBlinkTimer.isActive()) {
            busyRotBlinkTimer.start(600);
        }
    } else if (busyRotBlinkTimer.isActive()) {
        busyRotBlinkTimer.stop();
    }

    showLinkFigures(at);
    updateUI(this);
    bandReportApplied();
}

void MainWindow::showLinkFigures(qint64 now)
{
    qint64 ping = linkLedger.roundTrip();
    if (ping < 0 && linkWorker) {
        // No poll answered yet (an unasked report): time since the last write.
        ping = linkclock::now() - linkWorker->lastSendTimeLocked();
    }
    QString text = QStringLiteral("Ping: ") + QString::number(ping);
    const int loss = linkLedger.lossPercent(now);
    if (loss > 0) {
        text += QStringLiteral(" \u00b7 loss %1 %").arg(loss);
    }
    if (pingLabel->text() != text) {
        pingLabel->setText(text);
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
