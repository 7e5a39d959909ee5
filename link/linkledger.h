#ifndef ZAREL_LINKLEDGER_H
#define ZAREL_LINKLEDGER_H

// What went over the wire and what came back, for judging reports.
//
// The device answers each status request with one report and carries no
// sequence number, so which poll a report answers is read from the timing.
// Polls leave at least 90 ms apart (normally 160 ms), and a report comes
// back about one round trip after its poll. Each report is matched on its
// own, by a rule that owes nothing to earlier matches:
//
//  - Answers come back in order, so the report answers the oldest poll
//    still waiting, unless that poll is more than half a poll period older
//    than the usual round trip while a newer one is old enough to be the
//    one answered: the older poll's answer was lost, and it is written off.
//  - Polls older than the round trip plus a second are written off too.
//  - The round trip is the median of the recent samples, and a sample is
//    taken only where the match is unambiguous: no other waiting poll could
//    have been the one answered, none was written off for it.
//
//   round trip 100 ms, answer to #2 lost
//   written  #1 at 0   #2 at 160   #3 at 320
//   report at 100 -> #1
//   report at 420 -> #3 (#2 is 260 ms old, #3 100 ms: #2 is written off)
//
// Commands are judged only by a report that cannot be older than they are:
// by the oldest poll the report may answer, and not at all by a report
// younger than any poll waiting could be.
//
// Measuring (after Connect) keeps one poll out at a time, the next only
// once the last is answered or given up, so the answer is unmistakable.
// Three reports in a row younger than any waiting poll could be mean the
// round trip has shrunk: it is measured again, and answers still on their
// way meanwhile judge nothing. Polls written off are not counted: on a lossy
// link they come in runs, and measuring again there would only slow the
// reports to one per round trip.
//
// Timing alone cannot tell a round trip grown at once by a whole poll
// period from a report lost: such a jump can leave the figure short by
// that period until the next Connect. The round trip is right again after
// any loss, outage or late report, and follows gradual changes.
// Times are milliseconds on a steady clock.

#include <QtGlobal>

#include <deque>
#include <optional>

class LinkLedger
{
public:
    struct Poll
    {
        quint64 serial = 0;
        qint64 writtenAt = 0;
    };

    // A datagram left; returns its serial number (1, 2, ...).
    quint64 recordWrite(bool poll, qint64 at);

    struct Answer
    {
        // The poll the report is taken to answer, for the figures.
        std::optional<Poll> poll;
        // The serial of a poll the report is surely not older than: what
        // may judge commands written before it.
        std::optional<quint64> judgedBy;
        // A late answer the panel has moved past (no waiting poll could be
        // the one answered): it must not paint the old state back.
        bool stale = false;
    };
    // A valid report came in.
    Answer recordReport(qint64 at);

    // Whether a poll may leave now: while measuring, only when none is out.
    bool pollDue(qint64 now);

    // Round trip of recent answers, or -1 before the first.
    qint64 roundTrip() const;

    // Per cent of the polls written in the last 30 s whose fate is known
    // that were never answered.
    int lossPercent(qint64 now);

    // How long an unanswered poll may still be answered.
    qint64 lostAfter() const;

    void clear();

    static constexpr qint64 lossWindowMs = 30000;
    // Half the 160 ms poll period: how far a report may stray from the
    // usual round trip and still be taken for the answer to its own poll.
    static constexpr qint64 slackMs = 80;
    // Before the first round trip, how long a poll is given before the next.
    static constexpr qint64 measureWaitMs = 2000;
    static constexpr int oddReportsBeforeMeasuring = 3;

private:
    void expire(qint64 now);
    void decide(qint64 writtenAt, bool answered);
    void sample(qint64 roundTrip);
    void odd();

    quint64 lastSerial = 0;
    std::deque<Poll> waiting;
    // Fate of recent polls, oldest first: when written, and whether answered.
    std::deque<std::pair<qint64, bool>> decided;
    // Recent unambiguous round trips, newest last.
    std::deque<qint64> samples;
    qint64 median = -1;
    bool measuring = true;
    int oddInARow = 0;
    quint64 probeSerial = 0; // the poll written while measuring with none out
};

#endif // ZAREL_LINKLEDGER_H
