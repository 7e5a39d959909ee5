#ifndef ZAREL_ANSWERPORT_H
#define ZAREL_ANSWERPORT_H

// Which other port of the device's address is believed, for a device that
// does not answer from the port commands go to (behind a NAT, say). Anyone
// on that host can send from any port, so a port is learnt only from answers
// to this panel's own polls: one per poll, each about one round trip after
// it, for several polls in a row, while the polled port says nothing. While
// a port is being learnt, the polls leave at uneven gaps of two to four poll
// periods, so a sender that talks at a pace of its own, however steady, soon
// speaks where no poll was. Nothing is learnt while the watchdog finds the
// device silent: that is when a restarted device's place is easiest to take.
//
//   polls      |    .    .    |    .    |    .    .    .    |
//   device      `-a           `-a       `-a                 `-a   learnt
//   sender     ^    ^    ^    ^    ^                              refused
//
// Times are milliseconds on the link's steady clock.

#include <QRandomGenerator>
#include <QtGlobal>

#include "link/linkledger.h"

class AnswerPort
{
public:
    // Answers in a row that teach a port.
    static constexpr int pollsInARow = 6;
    // How far an answer's delay may stray from the first one's: a little
    // over a loaded host's scheduling, and a tenth of a long round trip.
    static constexpr qint64 toleranceMs = 25;

    // Connect: nothing is believed but the polled port.
    void clear();
    void seed(quint32 value) { random.seed(value); }

    enum class Verdict {
        Believed, // the port is the device's: the report is applied
        Learning, // it may be: ignored until it has answered enough polls
        Refused, // it spoke where no poll was
    };
    // A well-formed report from another port of the device's address, as
    // the ledger matched it to a poll; asked only while no port is learnt
    // and the device is not silent (learns()).
    Verdict heard(quint16 port, const LinkLedger::Answer& match, qint64 at);
    quint16 port() const { return learnt; }

    // The device answered from the polled port: the port learnt before is
    // given up. Returns it (0: none).
    quint16 polledPortAnswered();
    // The watchdog's verdict: silent, or heard again.
    void deviceSilent();
    void deviceHeard() { silent = false; }
    bool learns() const { return !silent; }

    // Called on every poll period: whether a poll may leave on it.
    bool pollDue();

private:
    QRandomGenerator random {QRandomGenerator::global()->generate()};
    quint16 learnt = 0;
    quint16 candidate = 0;
    int inARow = 0;
    qint64 firstDelay = 0;
    int ticksToWait = 0;
    bool silent = false;
};

#endif // ZAREL_ANSWERPORT_H
