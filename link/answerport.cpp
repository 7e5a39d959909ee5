#include "link/answerport.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

void AnswerPort::clear()
{
    learnt = 0;
    candidate = 0;
    inARow = 0;
    ticksToWait = 0;
    silent = false;
}

AnswerPort::Verdict AnswerPort::heard(quint16 port, const LinkLedger::Answer& match, qint64 at)
{
    if (port != candidate) {
        candidate = port;
        inARow = 0;
    }
    // No poll of its own left to answer: not an answer at all.
    if (!match.poll) {
        inARow = 0;
        return Verdict::Refused;
    }
    const qint64 delay = at - match.poll->writtenAt;
    const qint64 tolerance = std::max(toleranceMs, firstDelay / 10);
    if (inARow == 0 || std::abs(delay - firstDelay) > tolerance) {
        // A round trip of its own: counted from here.
        inARow = 0;
        firstDelay = delay;
    }
    if (++inARow < pollsInARow) {
        return Verdict::Learning;
    }
    learnt = port;
    candidate = 0;
    inARow = 0;
    return Verdict::Believed;
}

quint16 AnswerPort::polledPortAnswered()
{
    candidate = 0;
    inARow = 0;
    silent = false;
    return std::exchange(learnt, quint16(0));
}

void AnswerPort::deviceSilent()
{
    silent = true;
    candidate = 0;
    inARow = 0;
}

bool AnswerPort::pollDue()
{
    if (candidate == 0) {
        ticksToWait = 0;
        return true;
    }
    if (ticksToWait > 0) {
        --ticksToWait;
        return false;
    }
    // One to three periods skipped after this poll, at random.
    ticksToWait = 1 + static_cast<int>(random.bounded(3));
    return true;
}
