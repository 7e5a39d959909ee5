#include "connection/rigctldclient.h"

#include <algorithm>

#include "connection/radioinfo.h"
#include "link/linkclock.h"
#include "link/linklog.h"

RigctldClient::RigctldClient(QObject* parent)
    : HamlibClient("rigctld", pollMs, parent)
{
}

void RigctldClient::forget()
{
    awaited.clear();
    // What the radio said on this connection is not known on the next.
    frequency.reset();
    ptt.reset();
    pttReadable = false;
    txFrequency.reset();
    mode.clear();
}

void RigctldClient::pollClosely(bool on)
{
    const int interval = on ? closePollMs : pollMs;
    if (pollTimer.interval() != interval) {
        pollTimer.setInterval(interval);
    }
}

void RigctldClient::poll()
{
    // One round of questions at a time: a slow radio must not pile them up.
    if (!awaited.isEmpty()) {
        return;
    }
    askedAt = linkclock::steadyNow();
    frequencyRead = false;
    ptt.reset();
    mode.clear();
    // Watching closely after a transmission, the PTT is what counts: the
    // mode waits for the ordinary rounds (an unread mode is taken as kept).
    if (pollTimer.interval() == closePollMs) {
        ask("+f\n+t\n+s\n", {Question::Frequency, Question::Ptt, Question::Split});
    } else {
        ask("+f\n+m\n+t\n+s\n", {Question::Frequency, Question::Mode, Question::Ptt, Question::Split});
    }
    answerTimer.start();
}

void RigctldClient::ask(const QByteArray& questions, std::initializer_list<Question> asked)
{
    for (const Question question : asked) {
        awaited.append(question);
    }
    // A split radio's second question belongs to the round under way.
    write(questions, asked.size() > 1);
}

namespace {

// Plain digits, as rigctld prints PTT and split flags.
std::optional<int> smallNumber(const QByteArray& text)
{
    if (text.isEmpty() || text.size() > 3 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return text.toInt();
}

std::optional<qint64> hzFrom(const std::optional<QByteArray>& text)
{
    if (!text) {
        return std::nullopt;
    }
    const std::optional<qint64> hz = frequencyFromText(QString::fromLatin1(*text), 1);
    if (!hz || *hz <= 0) {
        return std::nullopt;
    }
    return hz;
}

} // namespace

void RigctldClient::matched(const HamlibAnswer& answer)
{
    static const QList<QPair<QByteArray, Question>> commands {
        {"get_freq", Question::Frequency},
        {"get_mode", Question::Mode},
        {"get_ptt", Question::Ptt},
        {"get_split_vfo", Question::Split},
        {"get_split_freq", Question::TxFrequency},
    };
    if (!takeInOrder(awaited, commands, answer,
                     [this](Question question, const HamlibAnswer* given) { answered(question, given); })) {
        stray(answer.command); // nobody asked, or asked and answered already
    }
}

void RigctldClient::stray(const QByteArray& /*text*/)
{
    // A daemon that never told the frequency and says things that are no
    // answer is not rigctld (or not one that speaks its extended form).
    if (!frequency) {
        setTrouble(Trouble::Unreadable);
    }
}

void RigctldClient::answered(Question question, const HamlibAnswer* answer)
{
    switch (question) {
    case Question::Frequency:
        if (const std::optional<qint64> hz = hzFrom(answer ? answer->value("Frequency") : std::nullopt)) {
            frequency = hz;
            frequencyRead = true;
            setTrouble(Trouble::None);
        } else if (!frequency) {
            // An error answer (a busy CAT port) leaves the last value
            // standing; only a daemon that never told is in trouble.
            if (answer && answer->refused()) {
                setTrouble(Trouble::ErrorAnswer, answer->code);
            } else {
                setTrouble(Trouble::Unreadable);
            }
        }
        break;
    case Question::Mode:
        // A radio that cannot tell its mode leaves only mode-less segments.
        mode = QString::fromLatin1(answer ? answer->value("Mode").value_or("") : QByteArray()).left(16);
        break;
    case Question::Ptt:
        if (const std::optional<int> value = smallNumber(answer ? answer->value("PTT").value_or("") : QByteArray())) {
            // 0 is receive, any other value a kind of transmit.
            ptt = *value != 0;
            pttReadable = true;
        }
        break;
    case Question::Split: {
        const std::optional<int> flag = smallNumber(answer ? answer->value("Split").value_or("") : QByteArray());
        if (flag && *flag != 0) {
            ask("+i\n", {Question::TxFrequency});
        } else {
            // An error means the radio cannot split, as does anything else.
            txFrequency.reset();
        }
        break;
    }
    case Question::TxFrequency:
        txFrequency = hzFrom(answer ? answer->value("TX Frequency") : std::nullopt);
        break;
    }
    if (awaited.isEmpty()) {
        roundDone();
    }
}

void RigctldClient::roundDone()
{
    answerTimer.stop();
    if (frequencyRead) {
        answeredWell();
    }
    // A radio whose PTT was never readable is taken as receiving, and said
    // to be unknown; one that was readable and now is not may have keyed.
    const bool transmitting = ptt ? *ptt : pttReadable;
    Q_EMIT reading(frequency.value_or(0), transmitting, pttReadable, txFrequency.value_or(0), mode);
}
