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
//    have been the one answered.
//
//   round trip 100 ms, answer to #2 lost
//   written  #1 at 0   #2 at 160   #3 at 320
//   report at 100 -> #1
//   report at 420 -> #3 (#2 is 260 ms old, #3 100 ms: #2 is written off)
//
// Until a first round trip is known (a fresh Connect) no rule can tell
// which of several polls a report answers, so only one poll is out at a
// time (pollDue), and a report answers the newest poll waiting.
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

    // A valid report came in: the poll it answers, if any is waiting.
    std::optional<Poll> recordReport(qint64 at);

    // Whether a poll may leave now: always once the round trip is known;
    // before, only when no poll of the last probeWaitMs is still unanswered.
    bool pollDue(qint64 now) const;

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
    static constexpr qint64 probeWaitMs = 1000;

private:
    void expire(qint64 now);
    void decide(qint64 writtenAt, bool answered);
    void sample(qint64 roundTrip);

    quint64 lastSerial = 0;
    std::deque<Poll> waiting;
    // Fate of recent polls, oldest first: when written, and whether answered.
    std::deque<std::pair<qint64, bool>> decided;
    // Recent unambiguous round trips, newest last.
    std::deque<qint64> samples;
    qint64 median = -1;
};

#endif // ZAREL_LINKLEDGER_H
