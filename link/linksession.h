#ifndef ZAREL_LINKSESSION_H
#define ZAREL_LINKSESSION_H

// What the link knows between a Connect and a Disconnect: which poll each
// report answers (link/linkledger.h), the commands the device has not
// confirmed yet (panel/confirmation.h), whose datagrams are believed, and
// the round trip and loss the operator sees. It is fed with what the link
// worker wrote and received, stamped on the link's steady clock, and
// answers what to show and what to send again. GUI thread only.

#include <QHostAddress>
#include <QString>

#include "link/command.h"
#include "link/devicestate.h"
#include "link/linkledger.h"
#include "panel/confirmation.h"

class LinkSession
{
public:
    // Connect: everything measured or pending before is forgotten.
    void start(qint64 now);
    // Disconnect: nothing will confirm the pending commands now.
    void stop();
    bool isActive() const { return active; }

    // The device's address text ("error" or a name believes nobody).
    void setDevice(const QString& addressText);

    enum class Sender { Device, Stranger, FirstStranger };
    // Only the device's datagrams are believed; the first stranger of a
    // session is worth a notice.
    Sender classify(const QHostAddress& sender);
    int ignoredReports() const { return ignoredCount; }

    // The operator gave a command: from now on `state` shows it until the
    // device confirms it, so the next command is read against it (an
    // antenna after split on is the receive antenna). Returns whether it is
    // to be sent: not when the same request still waits for the device's
    // word (a key pressed twice, a band met again).
    bool commandGiven(const DeviceCommand& command, DeviceState& state);
    // The worker wrote `command` at `at`; returns its serial number.
    quint64 wrote(const DeviceCommand& command, qint64 at);
    // Whether a status request may go out now.
    bool pollDue(qint64 now);

    using Verdicts = PendingCommands::Verdicts;
    // A valid report from the device came in at `at`. Returns false for a
    // late answer the panel has moved past: it is not to be applied.
    bool reportArrived(qint64 at);
    // The report that arrived last was applied to `state`: judges what it
    // can, then shows what is still waiting on top of it.
    Verdicts reportApplied(DeviceState& state);
    int unconfirmed() const { return pending.count(); }
    // What the ledger made of the last applied report.
    const LinkLedger::Answer& lastAnswer() const { return answer; }

    // The round trip and loss field: "Ping: 12", "Ping: 120 · loss 20 %",
    // "no answer for 4 s"; empty before anything is known and when stopped.
    QString figures(qint64 now);
    // The round trip in milliseconds, -1 before the first is measured.
    qint64 roundTrip() const { return ledger.roundTrip(); }
    // After this long without an answer the field says so.
    static constexpr qint64 silenceShownAfterMs = 1000;

private:
    LinkLedger ledger;
    PendingCommands pending;
    QHostAddress device;
    bool active = false;
    bool strangerShown = false;
    int ignoredCount = 0;
    // When the device last answered, or the session started.
    qint64 lastAnswerAt = 0;
    bool pollWritten = false;
    LinkLedger::Answer answer;
};

#endif // ZAREL_LINKSESSION_H
