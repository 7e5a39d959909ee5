#ifndef ZAREL_LINKSESSION_H
#define ZAREL_LINKSESSION_H

// What the link knows between a Connect and a Disconnect: which poll each
// report answers (link/linkledger.h), the commands the device has not
// confirmed yet (link/pendingcommands.h), whose datagrams are believed, and
// the round trip and loss the operator sees. It is fed with what the link
// worker wrote and received, stamped on the link's steady clock, and
// answers what to show and what to send again. GUI thread only.

#include <QHostAddress>
#include <QString>

#include <optional>

#include "link/answerport.h"
#include "link/command.h"
#include "link/devicestate.h"
#include "link/linkclock.h"
#include "link/linkledger.h"
#include "link/pendingcommands.h"
#include "link/transmitguard.h"

class LinkSession
{
public:
    // Connect: everything measured or pending before is forgotten.
    void start(qint64 now);
    // Disconnect: nothing will confirm the pending commands now.
    void stop();
    bool isActive() const { return active; }

    // The device's address text ("error" or a name believes nobody) and the
    // port commands go to.
    void setDevice(const QString& addressText, quint16 port = 0);

    enum class Sender {
        Device,
        DevicePortAgain, // the device, back on the polled port: the other port is given up
        NewDevicePort, // another port of the device's address: see answerFromNewPort
        PortLearnt, // that port is the device's from now on, worth a notice
        Learning, // it may be: ignored until it has answered enough polls
        Stranger,
        FirstStranger, // the first of a session, worth a notice
    };
    // Only the device's datagrams are believed: from its address, and from
    // the port commands go to or, for a device that answers from another
    // one, the port learnt from its answers (link/answerport.h). Once the
    // device has answered from either, no other port counts.
    Sender classify(const QHostAddress& sender, quint16 port);
    // A well-formed report from the NewDevicePort `port` came in at `at`;
    // with PortLearnt it is to be applied.
    Sender answerFromNewPort(quint16 port, qint64 at);
    // The port given up by the last DevicePortAgain.
    quint16 portGivenUp() const { return givenUp; }
    // The watchdog found the device silent: no port is learnt until it
    // answers again.
    void deviceSilent();
    // How long since the device last answered, or the session started.
    qint64 silentFor(qint64 now) const { return now - lastAnswerAt; }
    // A datagram from the device that is not a well-formed report.
    void malformedReport() { ++ignoredCount; }
    int ignoredReports() const { return ignoredCount; }
    // An IPv4 device may be seen through an IPv6 socket as ::ffff:a.b.c.d.
    bool isDeviceAddress(const QHostAddress& sender) const
    {
        return !device.isNull() && device.isEqual(sender, QHostAddress::ConvertV4MappedToIPv4);
    }

    // The operator gave a command: from now on `state` shows it until the
    // device confirms it, so the next command is read against it (an
    // antenna after split on is the receive antenna). Returns whether it is
    // to be sent: not when the same request still waits for the device's
    // word (a key pressed twice, a band met again).
    // A guarded switch given while the transmit guard is closed (or one
    // that waited for it before) is not shown until it is written.
    bool commandGiven(const DeviceCommand& command, DeviceState& state, qint64 now = 0);
    // The worker wrote `command` at `at`; returns its serial number.
    quint64 wrote(const DeviceCommand& command, qint64 at);

    // Guarded switches may leave from openAt on (link/transmitguard.h); while
    // it lies ahead, those not yet written wait.
    // until closesAt, when the reading it rests on is too old.
    void guardMoved(qint64 openAt, qint64 now, qint64 closesAt = TransmitGuard::never);
    // The antenna key (0 is Ant 1) of a switch held back, if any.
    std::optional<int> waitingAntenna() const { return pending.waitingAntenna(); }
    // After a command, a write or a guard change: shows on `state` the
    // device's last report with what is given and not waiting on top.
    struct Shown
    {
        bool changed = false; // the panel is to be painted again
        QString notice; // a switch now waits: "Ant 3 waits for ..."
        QString withdrawn; // the notice of a wait that ended
    };
    Shown refresh(DeviceState& state);
    // Whether a status request may go out now; asked once per poll period.
    bool pollDue(qint64 now);
    // Seeds the uneven polling while a port is being learnt.
    void seedPolls(quint32 value) { answerPort.seed(value); }

    using Verdicts = PendingCommands::Verdicts;
    // A valid report from the device came in at `at`. Returns false for a
    // late answer the panel has moved past: it is not to be applied.
    bool reportArrived(qint64 at);
    // The report that arrived last was applied to `state`: judges what it
    // can, then shows what is still waiting on top of it.
    Verdicts reportApplied(DeviceState& state);
    int unconfirmed() const { return pending.count(); }
    const PendingCommands& commands() const { return pending; }
    // Commands shown as made and not yet confirmed: what the panel shows is
    // not yet the device's word.
    bool showsUnconfirmed() const { return pending.shownUnconfirmed() > 0; }
    // What the ledger made of the last applied report.
    const LinkLedger::Answer& lastAnswer() const { return answer; }

    // The round trip and loss field: "Ping: 12", "Ping: 120 · loss 20 %",
    // "no answer for 4 s"; empty before anything is known and when stopped.
    // Whether it changed since last asked; with `reportApplied`, a report
    // that came before any round trip is known shows the time since the last
    // write.
    bool figuresChanged(qint64 now, bool reportApplied = false);
    const QString& figures() const { return figuresText; }
    qint64 lastWrite() const { return lastWriteTime; }
    // The round trip in milliseconds, -1 before the first is measured.
    qint64 roundTrip() const { return ledger.roundTrip(); }
    // After this long without an answer the field says so.
    static constexpr qint64 silenceShownAfterMs = 1000;

    // "Ping: 12".
    static QString pingText(qint64 ms);
    // "Ant 3 waits for the end of the transmission" (0 is Ant 1).
    static QString waitText(int antenna);

private:
    Sender stranger();
    void showReported(DeviceState& state) const;

    LinkLedger ledger;
    PendingCommands pending;
    QHostAddress device;
    quint16 devicePort = 0;
    AnswerPort answerPort;
    quint16 givenUp = 0;
    // The ledger's match of the report that taught the port, for reportArrived.
    std::optional<LinkLedger::Answer> matchedAhead;
    bool answeredOnDevicePort = false;
    bool active = false;
    bool strangerShown = false;
    int ignoredCount = 0;
    // When the device last answered, or the session started.
    qint64 lastAnswerAt = 0;
    bool pollWritten = false;
    // When the link last wrote (wall clock), or the session was made.
    qint64 lastWriteTime = linkclock::now();
    struct Figures
    {
        enum class Kind { None, Silent, Ping } kind = Kind::None;
        qint64 number = 0;
        int loss = 0;
        bool operator==(const Figures& o) const { return kind == o.kind && number == o.number && loss == o.loss; }
    };
    Figures shownFigures;
    QString figuresText;
    LinkLedger::Answer answer;
    qint64 guardOpenAt = 0;
    qint64 guardClosesAt = TransmitGuard::never;
    std::optional<DeviceState> reported; // the last applied report, as the device sent it
    bool shownChanged = false;
    std::optional<int> waitTold; // the antenna whose wait the last notice told
};

#endif // ZAREL_LINKSESSION_H
