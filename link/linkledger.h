#ifndef ZAREL_LINKLEDGER_H
#define ZAREL_LINKLEDGER_H

// What went over the wire and what came back, for judging reports.
//
// The device answers each status request with one report and carries no
// sequence number, so a report is matched to the oldest poll still waiting
// for its answer. A poll that has waited longer than lostAfter() is taken as
// lost. Matching this way is conservative: after a loss the later reports are
// credited to older polls until the lost one expires, so a report is never
// taken for newer than it is. Times are milliseconds on a steady clock.
//
//   written  #1 poll  #2 poll  #3 command  #4 poll
//   report          -> answers #1 (cannot show the command)
//   report          -> answers #2 (cannot show the command)
//   report          -> answers #4 (can)

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

    // Round trip of recent answers (the smallest of the last few, which
    // leaves out the jitter), or -1 before the first answer.
    qint64 roundTrip() const;

    // Per cent of the polls written in the last 30 s whose fate is known
    // that were never answered.
    int lossPercent(qint64 now);

    // How long an unanswered poll may still be answered.
    qint64 lostAfter() const;

    void clear();

    static constexpr qint64 lossWindowMs = 30000;

private:
    void expire(qint64 now);
    void decide(qint64 writtenAt, bool answered);

    quint64 lastSerial = 0;
    std::deque<Poll> waiting;
    // Fate of recent polls, oldest first: when written, and whether answered.
    std::deque<std::pair<qint64, bool>> decided;
    // Recent round trips, newest last.
    std::deque<std::pair<qint64, qint64>> samples; // (answered at, round trip)
};

#endif // ZAREL_LINKLEDGER_H
