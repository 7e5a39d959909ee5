// Status reports from the device.
#include <QNetworkReply>
#include <QPushButton>
#include <QStatusBar>

#include "app/mainwindow.h"
#include "forms/panelform.h"
#include "link/linkclock.h"
#include "link/statusreport.h"
#include "link/threadcom.h"

void MainWindow::linkReceived(const QByteArray& bytes, const QString& sender, qint64 at)
{
    Q_UNUSED(sender)
    Q_UNUSED(at)
    processaPDRLan(this, datagramText(bytes));
}

void MainWindow::processaPDRLan(MainWindow* w, QString res)
{
    const qint64 now = linkclock::now();
    switch (applyStatusReport(w->deviceState, parseStatusReport(res))) {
    case ReportOutcome::Rejected:
        w->updateUI(w);
        return;
    case ReportOutcome::Skipped:
        return;
    case ReportOutcome::Applied:
        break;
    }
    lastReportTime = linkclock::now();

    // Before the repaint: the renderer paints the rotors only while this
    // timer is stopped.
    if (w->deviceState.rotorBlink == 1) {
        if (!w->busyRotBlinkTimer.isActive()) {
            w->busyRotBlinkTimer.start(600);
        }
    } else if (w->busyRotBlinkTimer.isActive()) {
        w->busyRotBlinkTimer.stop();
    }

    if (linkWorker) {
        // Time since the last datagram written, normally the poll answered here.
        const qint64 ping = now - linkWorker->lastSendTimeLocked();
        w->ui->statusBar->showMessage(QStringLiteral("Ping: ") + QString::number(ping));
    }
    w->updateUI(w);
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
    if (w->deviceState.reportsToSkip == 1) {
        w->deviceState.reportsToSkip = 0;
    } else {
        w->updateUI(w);
    }
}
