#include "link/linksession.h"

#include <QCoreApplication>

#include <utility>

#include "link/linkclock.h"

void LinkSession::start(qint64 now)
{
    ledger.clear();
    pending.clear();
    strangerShown = false;
    answerPort.clear();
    givenUp = 0;
    matchedAhead.reset();
    answeredOnDevicePort = false;
    answer = {};
    active = true;
    lastAnswerAt = now;
    pollWritten = false;
    reported.reset();
    shownChanged = false;
    waitTold.reset();
}

void LinkSession::stop()
{
    pending.clear();
    waitTold.reset();
    active = false;
}

void LinkSession::setDevice(const QString& addressText, quint16 port)
{
    device = QHostAddress(addressText);
    devicePort = port;
}

LinkSession::Sender LinkSession::classify(const QHostAddress& sender, quint16 port)
{
    if (isDeviceAddress(sender)) {
        if (port == devicePort) {
            answeredOnDevicePort = true;
            givenUp = answerPort.polledPortAnswered();
            return givenUp != 0 ? Sender::DevicePortAgain : Sender::Device;
        }
        if (port != 0 && port == answerPort.port()) {
            return Sender::Device;
        }
        // Another program on the device's host cannot pass for it, once the
        // device has shown which port it answers from (nor use up the polls
        // its answers are matched to).
        if (!answeredOnDevicePort && answerPort.port() == 0 && port != 0) {
            return Sender::NewDevicePort;
        }
    }
    return stranger();
}

LinkSession::Sender LinkSession::stranger()
{
    ++ignoredCount;
    if (strangerShown) {
        return Sender::Stranger;
    }
    strangerShown = true;
    return Sender::FirstStranger;
}

LinkSession::Sender LinkSession::answerFromNewPort(quint16 port, qint64 at)
{
    if (!answerPort.learns()) {
        return stranger();
    }
    // The ledger paces the polls on these answers as on the device's own.
    const LinkLedger::Answer match = ledger.recordReport(at);
    switch (answerPort.heard(port, match, at)) {
    case AnswerPort::Verdict::Believed:
        matchedAhead = match;
        return Sender::PortLearnt;
    case AnswerPort::Verdict::Learning:
        ++ignoredCount;
        return Sender::Learning;
    case AnswerPort::Verdict::Refused:
        break;
    }
    return stranger();
}

bool LinkSession::commandGiven(const DeviceCommand& command, DeviceState& state, qint64 now)
{
    // Split off held with the antenna behind it: the antenna is the
    // transmit one when it arrives, whatever the panel shows meanwhile.
    const bool splitOn = pending.splitOnArrival(state.splitActive == 1);
    if (pending.alreadyAsked(command, splitOn)) {
        return false;
    }
    // A command queued behind a held switch it depends on (split after an
    // antenna) leaves only after it, so it waits as well.
    const bool waits = (command.guarded && (command.heldBefore || now < guardOpenAt || now >= guardClosesAt)) ||
        pending.waitsBehind(command);
    pending.add(command, splitOn, waits);
    if (waits) {
        shownChanged = true;
        // It may replace a switch already shown: the device's word comes back.
        showReported(state);
    }
    pending.overlay(state);
    return true;
}

void LinkSession::deviceSilent()
{
    answerPort.deviceSilent();
}

void LinkSession::showReported(DeviceState& state) const
{
    if (reported) {
        // Which receiver key is lit is the panel's own, not the report's.
        const quint8 selectedRx = state.selectedRx;
        state = *reported;
        state.selectedRx = selectedRx;
    }
}

void LinkSession::guardMoved(qint64 openAt, qint64 now, qint64 closesAt)
{
    guardOpenAt = openAt;
    guardClosesAt = closesAt;
    if (openAt > now && pending.holdGuarded()) {
        shownChanged = true;
    }
}

LinkSession::Shown LinkSession::refresh(DeviceState& state)
{
    Shown shown;
    if (std::exchange(shownChanged, false)) {
        showReported(state);
        pending.overlay(state);
        shown.changed = true;
    }
    const std::optional<int> waiting = pending.waitingAntenna(false);
    if (waiting != waitTold) {
        if (waitTold) {
            shown.withdrawn = waitText(*waitTold);
        }
        if (waiting) {
            shown.notice = waitText(*waiting);
        }
        waitTold = waiting;
        shown.changed = true;
    }
    return shown;
}

QString LinkSession::pingText(qint64 ms)
{
    return QCoreApplication::translate("LinkSession", "Ping: %1").arg(ms);
}

QString LinkSession::waitText(int antenna)
{
    return QCoreApplication::translate("BandFollowing", "Ant %1 waits for the end of the transmission")
        .arg(antenna + 1);
}

quint64 LinkSession::wrote(const DeviceCommand& command, qint64 at)
{
    const quint64 serial = ledger.recordWrite(command.isPoll(), at);
    lastWriteTime = linkclock::now();
    if (command.isPoll()) {
        pollWritten = true;
    } else {
        shownChanged = pending.recordWrite(command, serial) || shownChanged;
    }
    return serial;
}

bool LinkSession::pollDue(qint64 now)
{
    return ledger.pollDue(now) && answerPort.pollDue();
}

bool LinkSession::reportArrived(qint64 at)
{
    lastAnswerAt = at;
    answerPort.deviceHeard();
    answer = matchedAhead ? *std::exchange(matchedAhead, std::nullopt) : ledger.recordReport(at);
    return !answer.stale;
}

LinkSession::Verdicts LinkSession::reportApplied(DeviceState& state)
{
    reported = state;
    shownChanged = false;
    return pending.judge(state, answer.judgedBy, lastAnswerAt < guardOpenAt);
}

bool LinkSession::figuresChanged(qint64 now, bool reportApplied)
{
    // What the field says, as numbers: the text is built only when they move
    // (the watchdog asks every 80 ms, reports come six times a second).
    Figures next;
    const qint64 silent = now - lastAnswerAt;
    if (active && pollWritten && silent > silenceShownAfterMs) {
        next = {Figures::Kind::Silent, silent / 1000, 0};
    } else if (active && ledger.roundTrip() >= 0) {
        next = {Figures::Kind::Ping, ledger.roundTrip(), ledger.lossPercent(now)};
    } else if (reportApplied) {
        // No round trip known (an unasked report): the time since the last write.
        next = {Figures::Kind::Ping, linkclock::now() - lastWriteTime, 0};
    }
    if (next == shownFigures) {
        return false;
    }
    shownFigures = next;
    switch (next.kind) {
    case Figures::Kind::None:
        figuresText.clear();
        break;
    case Figures::Kind::Silent:
        figuresText = QCoreApplication::translate("LinkSession", "no answer for %1 s").arg(next.number);
        break;
    case Figures::Kind::Ping:
        figuresText = pingText(next.number);
        if (next.loss > 0) {
            figuresText += QCoreApplication::translate("LinkSession", " \u00b7 loss %1 %").arg(next.loss);
        }
        break;
    }
    return true;
}
