#include "link/linksession.h"

#include <QCoreApplication>

void LinkSession::start(qint64 now)
{
    ledger.clear();
    pending.clear();
    strangerShown = false;
    answer = {};
    active = true;
    lastAnswerAt = now;
    pollWritten = false;
}

void LinkSession::stop()
{
    pending.clear();
    active = false;
}

void LinkSession::setDevice(const QString& addressText)
{
    device = QHostAddress(addressText);
}

LinkSession::Sender LinkSession::classify(const QHostAddress& sender)
{
    // An IPv4 device may be seen through an IPv6 socket as ::ffff:a.b.c.d.
    if (!device.isNull() && device.isEqual(sender, QHostAddress::ConvertV4MappedToIPv4)) {
        return Sender::Device;
    }
    ++ignoredCount;
    if (strangerShown) {
        return Sender::Stranger;
    }
    strangerShown = true;
    return Sender::FirstStranger;
}

bool LinkSession::commandGiven(const DeviceCommand& command, DeviceState& state)
{
    const bool splitOn = state.splitActive == 1;
    if (pending.alreadyAsked(command, splitOn)) {
        return false;
    }
    pending.add(command, splitOn);
    pending.overlay(state);
    return true;
}

quint64 LinkSession::wrote(const DeviceCommand& command, qint64 at)
{
    const quint64 serial = ledger.recordWrite(command.isPoll(), at);
    if (command.isPoll()) {
        pollWritten = true;
    } else {
        pending.recordWrite(command, serial);
    }
    return serial;
}

bool LinkSession::pollDue(qint64 now)
{
    return ledger.pollDue(now);
}

bool LinkSession::reportArrived(qint64 at)
{
    lastAnswerAt = at;
    answer = ledger.recordReport(at);
    return !answer.stale;
}

LinkSession::Verdicts LinkSession::reportApplied(DeviceState& state)
{
    return pending.judge(state, answer.judgedBy);
}

QString LinkSession::figures(qint64 now)
{
    if (!active) {
        return QString();
    }
    const qint64 silent = now - lastAnswerAt;
    if (pollWritten && silent > silenceShownAfterMs) {
        return QCoreApplication::translate("LinkSession", "no answer for %1 s").arg(silent / 1000);
    }
    const qint64 roundTrip = ledger.roundTrip();
    if (roundTrip < 0) {
        return QString();
    }
    QString text = QStringLiteral("Ping: ") + QString::number(roundTrip);
    const int loss = ledger.lossPercent(now);
    if (loss > 0) {
        text += QCoreApplication::translate("LinkSession", " \u00b7 loss %1 %").arg(loss);
    }
    return text;
}
