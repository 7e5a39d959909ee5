// The window's side of the transmit-inhibit sequencer (link/txinhibit.h):
// the link's commands and reports go in, the inhibit output's commands and
// the gate for guarded commands come out.
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QThread>

#include "app/mainwindow.h"
#include "link/linkclock.h"
#include "link/threadcom.h"
#include "panel/bandfollowing.h"

void MainWindow::createInhibit()
{
    inhibit.opens.setSingleShot(true);
    inhibit.opens.setTimerType(Qt::PreciseTimer);
    connect(&inhibit.opens, &QTimer::timeout, this, &MainWindow::checkInhibit);
    inhibit.rule.setOutput(bandFollowConfig().inhibitGpo);
    connect(bandFollowing, &BandFollowing::configChanged, this, [this] {
        const int output = bandFollowConfig().inhibitGpo;
        if (output != inhibit.rule.output()) {
            dropInhibit(false);
            inhibit.rule.setOutput(output);
            checkInhibit();
        }
    });
}

TxInhibit::Work MainWindow::inhibitWork() const
{
    const PendingCommands::Guarded guarded = linkSession.commands().guarded();
    TxInhibit::Work work;
    work.waiting = guarded.unwritten;
    work.pending = guarded.unconfirmed;
    work.inhibitAsked =
        inhibit.rule.enabled() && linkSession.commands().asks(DeviceCommand::gpo(inhibit.rule.output() - 1, true));
    return work;
}

void MainWindow::checkInhibit()
{
    const qint64 now = linkclock::steadyNow();
    if (connected && linkSession.isActive()) {
        // Raised on an old reading too: once it holds the radio, age does not matter.
        carryOut(inhibit.rule.update(inhibitWork(), now >= inhibit.guardOpenAt));
    }
    // Without a report to wake it, a guard that opens later is waited for.
    if (inhibit.rule.phase() == TxInhibit::Phase::Idle && inhibit.guardOpenAt > now &&
        inhibit.guardOpenAt != TransmitGuard::never) {
        inhibit.opens.start(static_cast<int>(qMin<qint64>(inhibit.guardOpenAt - now, 60000)));
    }
    const qint64 gate = inhibit.rule.gate(inhibit.guardOpenAt);
    // A radio held off the air cannot have keyed since the last reading.
    const qint64 closes = inhibit.rule.phase() == TxInhibit::Phase::Held ? TransmitGuard::never : inhibit.guardClosesAt;
    if (linkWorker != nullptr && linkWorker->window() == this) {
        linkWorker->setGuardOpenAt(gate, closes);
    }
    linkSession.guardMoved(gate, now, closes);
    showLinkChanges();
}

void MainWindow::carryOut(const TxInhibit::Step& step)
{
    const int output = inhibit.rule.output();
    switch (step.act) {
    case TxInhibit::Act::None:
        return;
    case TxInhibit::Act::Raise: {
        sendCommand(DeviceCommand::gpo(output - 1, true));
        const std::optional<int> antenna = linkSession.waitingAntenna();
        const QString notice = antenna ? tr("TX inhibited for the switch to Ant %1").arg(*antenna + 1)
                                       : tr("TX inhibited for the band outputs");
        if (step.notConfirmed) {
            showStatus(tr("GPO %1 (TX inhibit) not confirmed by the Merax: switching waits").arg(output));
        } else if (notice != inhibit.notice) {
            replaceStatus(inhibit.notice, QString());
            inhibit.notice = notice;
            showStatus(notice);
        }
        return;
    }
    case TxInhibit::Act::Lower:
        sendCommand(DeviceCommand::gpo(output - 1, false));
        replaceStatus(std::exchange(inhibit.notice, QString()), std::exchange(inhibit.after, QString()));
        if (step.leftOn) {
            showStatus(tr("GPO %1 (TX inhibit) was left on: lowered").arg(output));
        }
        return;
    }
}

void MainWindow::inhibitReported(quint8 outputs, bool sending)
{
    carryOut(inhibit.rule.reported(outputs, sending, inhibitWork()));
    checkInhibit();
}

void MainWindow::dropInhibit(bool stopping)
{
    inhibit.opens.stop();
    const int output = inhibit.rule.output();
    if (!inhibit.rule.stop()) {
        return;
    }
    replaceStatus(std::exchange(inhibit.notice, QString()), QString());
    inhibit.after.clear();
    const DeviceCommand lower = DeviceCommand::gpo(output - 1, false);
    if (!stopping) {
        sendCommand(lower);
        checkInhibit();
    } else if (linkWorker != nullptr && linkWorker->window() == this) {
        // The session is over: straight to the worker, past what it dropped.
        linkWorker->setGuardOpenAt(TransmitGuard::never);
        linkWorker->clearQueue();
        linkWorker->enqueueCommand(lower);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (connected && inhibit.rule.holds()) {
        dropInhibit(true);
        // The worker writes it within a spacing or two; the threads stop after.
        QElapsedTimer waited;
        waited.start();
        while (linkWorker != nullptr && linkWorker->queuedDatagramCount() > 0 && waited.elapsed() < 500) {
            QThread::msleep(5);
        }
    }
    QMainWindow::closeEvent(event);
}
