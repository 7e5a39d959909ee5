#include "link/linkledger.h"

#include <algorithm>

namespace {

// Round trips within this window set how long a poll may stay unanswered.
constexpr qint64 sampleWindowMs = 30000;
constexpr int pingSamples = 4;
constexpr qint64 minimumLostAfterMs = 1500;
constexpr qint64 maximumLostAfterMs = 10000;

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
    if (waiting.empty()) {
        // Unasked, or the late answer to a poll already given up.
        return std::nullopt;
    }
    const Poll answered = waiting.front();
    waiting.pop_front();
    decide(answered.writtenAt, true);
    samples.emplace_back(at, std::max<qint64>(0, at - answered.writtenAt));
    while (!samples.empty() && at - samples.front().first > sampleWindowMs) {
        samples.pop_front();
    }
    return answered;
}

qint64 LinkLedger::roundTrip() const
{
    if (samples.empty()) {
        return -1;
    }
    qint64 best = samples.back().second;
    const auto count = std::min<std::size_t>(samples.size(), pingSamples);
    for (auto it = samples.end() - static_cast<std::ptrdiff_t>(count); it != samples.end(); ++it) {
        best = std::min(best, it->second);
    }
    return best;
}

qint64 LinkLedger::lostAfter() const
{
    // Three round trips, judged by the best one lately: an answer that late
    // is not coming, and a too generous limit only delays judgements.
    qint64 best = -1;
    for (const auto& sample : samples) {
        best = best < 0 ? sample.second : std::min(best, sample.second);
    }
    return std::clamp(3 * std::max<qint64>(best, 0), minimumLostAfterMs, maximumLostAfterMs);
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
    while (decided.size() > 1024) {
        decided.pop_front();
    }
}
