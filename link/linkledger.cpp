#include "link/linkledger.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t roundTripSamples = 9;
constexpr qint64 lostAfterRoundTripMs = 1000;
constexpr std::size_t maxDecided = 1024;

} // namespace

quint64 LinkLedger::recordWrite(bool poll, qint64 at)
{
    ++lastSerial;
    if (poll) {
        expire(at);
        if (measuring && waiting.empty()) {
            probeSerial = lastSerial;
        }
        waiting.push_back({lastSerial, at});
    }
    return lastSerial;
}

LinkLedger::Answer LinkLedger::recordReport(qint64 at)
{
    expire(at);
    // Polls written after the report came in cannot be the ones answered.
    const auto asked = std::upper_bound(waiting.begin(), waiting.end(), at,
                                        [](qint64 time, const Poll& poll) { return time < poll.writtenAt; });
    const std::size_t count = static_cast<std::size_t>(asked - waiting.begin());
    if (count == 0) {
        // Unasked, or the late answer to a poll already answered or written
        // off, overtaken by a newer one.
        Answer late;
        late.stale = !measuring;
        return late;
    }
    const auto age = [at, this](std::size_t i) { return at - waiting[i].writtenAt; };
    const std::optional<quint64> oldest = waiting.front().serial;
    if (measuring) {
        const Poll answered = waiting.front();
        const qint64 roundTrip = std::max<qint64>(0, age(0));
        waiting.pop_front();
        decide(answered.writtenAt, true);
        if (count > 1 || answered.serial != probeSerial) {
            // An answer still on its way when measuring began: it judges
            // nothing.
            return {answered, std::nullopt};
        }
        // The one poll out, written when no other was: unmistakable.
        samples.clear();
        sample(roundTrip);
        measuring = false;
        oddInARow = 0;
        return {answered, answered.serial};
    }
    if (age(0) < median - slackMs) {
        // Younger than any waiting poll could be: a late answer to one
        // already written off, or a shorter round trip.
        odd();
        Answer late;
        late.stale = true;
        return late;
    }
    const auto couldBeAnswered = [&](std::size_t i) { return i < count && age(i) >= median - slackMs; };
    std::size_t match = 0;
    while (age(match) > median + slackMs && couldBeAnswered(match + 1)) {
        ++match;
    }
    const bool ambiguous = couldBeAnswered(match + 1);
    // Polls written off are what losses look like, however many in a row:
    // only reports too young for any waiting poll tell of a changed round trip.
    oddInARow = 0;
    for (std::size_t i = 0; i < match; ++i) {
        decide(waiting.front().writtenAt, false);
        waiting.pop_front();
    }
    const Poll answered = waiting.front();
    waiting.pop_front();
    decide(answered.writtenAt, true);
    if (!ambiguous && match == 0) {
        sample(std::max<qint64>(0, at - answered.writtenAt));
    }
    return {answered, oldest};
}

void LinkLedger::odd()
{
    if (++oddInARow >= oddReportsBeforeMeasuring) {
        measuring = true;
        oddInARow = 0;
    }
}

bool LinkLedger::pollDue(qint64 now)
{
    if (!measuring) {
        return true;
    }
    expire(now);
    return waiting.empty();
}

qint64 LinkLedger::roundTrip() const
{
    return median;
}

qint64 LinkLedger::lostAfter() const
{
    return median < 0 ? measureWaitMs : median + lostAfterRoundTripMs;
}

int LinkLedger::lossPercent(qint64 now)
{
    expire(now);
    while (!decided.empty() && now - decided.front().first > lossWindowMs) {
        decided.pop_front();
    }
    if (decided.empty()) {
        return 0;
    }
    const auto lost = std::count_if(decided.begin(), decided.end(), [](const auto& fate) { return !fate.second; });
    return static_cast<int>((100 * lost + static_cast<qint64>(decided.size()) / 2) /
                            static_cast<qint64>(decided.size()));
}

void LinkLedger::clear()
{
    waiting.clear();
    decided.clear();
    samples.clear();
    median = -1;
    measuring = true;
    oddInARow = 0;
    probeSerial = 0;
}

void LinkLedger::expire(qint64 now)
{
    const qint64 limit = lostAfter();
    while (!waiting.empty() && now - waiting.front().writtenAt > limit) {
        decide(waiting.front().writtenAt, false);
        waiting.pop_front();
    }
}

void LinkLedger::decide(qint64 writtenAt, bool answered)
{
    decided.emplace_back(writtenAt, answered);
    while (decided.size() > maxDecided) {
        decided.pop_front();
    }
}

void LinkLedger::sample(qint64 roundTrip)
{
    samples.push_back(roundTrip);
    while (samples.size() > roundTripSamples) {
        samples.pop_front();
    }
    std::vector<qint64> sorted(samples.begin(), samples.end());
    const auto middle = sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2);
    std::nth_element(sorted.begin(), middle, sorted.end());
    median = *middle;
}
