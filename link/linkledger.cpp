#include "link/linkledger.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t roundTripSamples = 9;
// Before the first round trip, a poll is given this long.
constexpr qint64 unknownLostAfterMs = 3000;
constexpr qint64 lostAfterRoundTripMs = 1000;
constexpr std::size_t maxDecided = 1024;

} // namespace

quint64 LinkLedger::recordWrite(bool poll, qint64 at)
{
    ++lastSerial;
    if (poll) {
        expire(at);
        waiting.push_back({lastSerial, at});
    }
    return lastSerial;
}

std::optional<LinkLedger::Poll> LinkLedger::recordReport(qint64 at)
{
    expire(at);
    // Polls written after the report came in cannot be the ones answered.
    const auto asked = std::upper_bound(waiting.begin(), waiting.end(), at,
                                        [](qint64 time, const Poll& poll) { return time < poll.writtenAt; });
    const std::size_t count = static_cast<std::size_t>(asked - waiting.begin());
    if (count == 0) {
        // Unasked, or the late answer to a poll already written off.
        return std::nullopt;
    }
    const auto age = [at, this](std::size_t i) { return at - waiting[i].writtenAt; };
    std::size_t match = 0;
    bool ambiguous = false;
    if (median < 0) {
        // No round trip yet: one poll is out at a time, so the newest is
        // the one answered and any older one was lost.
        match = count - 1;
    } else {
        const auto couldBeAnswered = [&](std::size_t i) { return i < count && age(i) >= median - slackMs; };
        while (age(match) > median + slackMs && couldBeAnswered(match + 1)) {
            ++match;
        }
        ambiguous = couldBeAnswered(match + 1);
    }
    for (std::size_t i = 0; i < match; ++i) {
        decide(waiting.front().writtenAt, false);
        waiting.pop_front();
    }
    const Poll answered = waiting.front();
    waiting.pop_front();
    decide(answered.writtenAt, true);
    if (!ambiguous) {
        sample(std::max<qint64>(0, at - answered.writtenAt));
    }
    return answered;
}

bool LinkLedger::pollDue(qint64 now) const
{
    if (median >= 0) {
        return true;
    }
    return std::none_of(waiting.begin(), waiting.end(),
                        [now](const Poll& poll) { return now - poll.writtenAt < probeWaitMs; });
}

qint64 LinkLedger::roundTrip() const
{
    return median;
}

qint64 LinkLedger::lostAfter() const
{
    return median < 0 ? unknownLostAfterMs : median + lostAfterRoundTripMs;
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
