#include "connection/rigctldclient.h"

#include <algorithm>

#include "connection/radioinfo.h"
#include "link/linkclock.h"
#include "link/linklog.h"

RigctldClient::RigctldClient(QObject* parent)
    : QObject(parent)
    , socket(this)
    , pollTimer(this)
    , retryTimer(this)
    , answerTimer(this)
{
    pollTimer.setInterval(pollMs);
    retryTimer.setSingleShot(true);
    answerTimer.setSingleShot(true);
    answerTimer.setInterval(answerTimeoutMs);
    // What is read is bounded by the round's budget; the rest may wait in
    // the kernel until it is hung up on.
    socket.setReadBufferSize(4 * maxRoundBytes);
    connect(&pollTimer, &QTimer::timeout, this, &RigctldClient::poll);
    connect(&retryTimer, &QTimer::timeout, this, &RigctldClient::connectNow);
    // A daemon that accepts and never answers (a hung radio, a dead route)
    // is treated like one that went away.
    connect(&answerTimer, &QTimer::timeout, this, [this] {
        if (current == State::Connected) {
            lost(Trouble::NoAnswer, QStringLiteral("no answer"));
        } else {
            lost(Trouble::NotConnected, QStringLiteral("no connection"));
        }
    });
    connect(&socket, &QTcpSocket::connected, this, [this] {
        // Questions are a few bytes each: no waiting to fill a segment.
        socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        answerTimer.stop();
        // How the daemon answered last time still stands until it answers.
        if (troubleNow == Trouble::NotConnected || troubleNow == Trouble::Refused ||
            troubleNow == Trouble::UnknownHost) {
            setTrouble(Trouble::None);
        }
        setState(State::Connected);
        poll();
        pollTimer.start();
    });
    connect(&socket, &QTcpSocket::readyRead, this, &RigctldClient::readAnswers);
    connect(&socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            lost(Trouble::Refused, socket.errorString());
            break;
        case QAbstractSocket::HostNotFoundError:
            lost(Trouble::UnknownHost, socket.errorString());
            break;
        default:
            lost(Trouble::NotConnected, socket.errorString());
            break;
        }
    });
}

void RigctldClient::start(const QString& newHost, quint16 newPort)
{
    stop();
    host = newHost;
    port = newPort;
    retryMs = firstRetryMs;
    setTrouble(Trouble::None);
    connectNow();
}

void RigctldClient::stop()
{
    retryTimer.stop();
    hangUp();
    setTrouble(Trouble::None);
    setState(State::Stopped);
}

void RigctldClient::hangUp()
{
    ++connection;
    pollTimer.stop();
    answerTimer.stop();
    socket.abort();
    pending.clear();
    roundBytes = 0;
    open.reset();
    awaited.clear();
    // What the radio said on this connection is not known on the next.
    frequency.reset();
    ptt.reset();
    pttReadable = false;
    txFrequency.reset();
    mode.clear();
}

void RigctldClient::setState(State state)
{
    if (state != current) {
        current = state;
        Q_EMIT stateChanged(state);
    }
}

void RigctldClient::setTrouble(Trouble trouble, const QByteArray& error)
{
    if (trouble != troubleNow || error != lastError) {
        troubleNow = trouble;
        lastError = error;
        Q_EMIT troubleChanged(trouble);
    }
}

void RigctldClient::connectNow()
{
    hangUp();
    setState(State::Connecting);
    // The host name is looked up without blocking; a route that swallows the
    // connection is cut short by the answer timer. Started first: a refusal
    // may come back from inside connectToHost.
    answerTimer.start();
    socket.connectToHost(host, port);
}

// Whether `newer` says less about the daemon than `earlier`, which then
// stays. What the daemon answered says more than how the connection ended (a
// web server answers and hangs up; an SSH server greets and waits), and an
// answer that could not be read more than a later silence.
bool RigctldClient::saysLess(Trouble newer, Trouble earlier)
{
    const bool answeredBadly =
        earlier == Trouble::NoAnswer || earlier == Trouble::ErrorAnswer || earlier == Trouble::Unreadable;
    if (newer == Trouble::NotConnected) {
        return answeredBadly;
    }
    return newer == Trouble::NoAnswer && earlier == Trouble::Unreadable;
}

void RigctldClient::lost(Trouble trouble, const QString& why)
{
    if (current == State::Stopped || retryTimer.isActive()) {
        return;
    }
    qCInfo(lcRadio).noquote() << "rigctld" << host << port << "lost:" << why << "- again in" << retryMs << "ms";
    hangUp();
    if (!saysLess(trouble, troubleNow)) {
        setTrouble(trouble);
    }
    setState(State::Waiting);
    retryTimer.start(retryMs);
    retryMs = qMin(retryMs * 2, maxRetryMs);
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
    if (!awaited.isEmpty() || socket.state() != QAbstractSocket::ConnectedState) {
        return;
    }
    roundBytes = 0;
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
    socket.write(questions);
}

void RigctldClient::readAnswers()
{
    const quint64 reading = connection;
    const QByteArray bytes = socket.readAll();
    roundBytes += bytes.size();
    if (roundBytes > maxRoundBytes) {
        lost(Trouble::Unreadable, QStringLiteral("not a rigctld answer"));
        return;
    }
    pending += bytes;
    // Lines are taken by index and the buffer compacted once: a peer's
    // many short lines cost no more than its few long ones.
    int from = 0;
    for (int end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n', from)) {
        const QByteArray text = pending.mid(from, end - from).trimmed();
        from = end + 1;
        line(text);
        if (connection != reading) {
            return; // hung up meanwhile: the buffer is gone
        }
    }
    pending.remove(0, from);
}

namespace {

// rigctld's command names: "get_freq", "get_split_vfo".
bool isCommandName(const QByteArray& name)
{
    if (name.isEmpty() || name.size() > 32 || name.at(0) < 'a' || name.at(0) > 'z') {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [](char c) { return (c >= 'a' && c <= 'z') || c == '_'; });
}

bool isResultCode(const QByteArray& text)
{
    if (!text.startsWith("RPRT ")) {
        return false;
    }
    bool ok = false;
    text.mid(5).toInt(&ok);
    return ok;
}

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

// An answer holds a few lines; more is not rigctld's.
constexpr int maxAnswerLines = 8;

} // namespace

std::optional<QByteArray> RigctldClient::Answer::value(const char* key) const
{
    if (!fits || code != "RPRT 0") {
        return std::nullopt;
    }
    const QByteArray prefix = QByteArray(key) + ": ";
    std::optional<QByteArray> found;
    for (const QByteArray& text : lines) {
        if (text.startsWith(prefix)) {
            if (found) {
                return std::nullopt;
            }
            found = text.mid(prefix.size()).trimmed();
        }
    }
    return found;
}

void RigctldClient::line(const QByteArray& text)
{
    if (!open) {
        // An answer starts with its command's name: "get_ptt:".
        const int colon = text.indexOf(':');
        const QByteArray name = text.left(colon);
        if (colon > 0 && isCommandName(name)) {
            open = Answer {name, {}, {}, true};
        } else {
            notAnAnswer();
        }
        return;
    }
    if (isResultCode(text)) {
        Answer answer = std::move(*open);
        open.reset();
        answer.code = text;
        matched(answer);
        return;
    }
    // Values are "Key: value"; a bare line ("0") inside an answer is one the
    // daemon did not mean for it.
    if (text.indexOf(": ") <= 0 || open->lines.size() >= maxAnswerLines) {
        open->fits = false;
        return;
    }
    open->lines.append(text);
}

void RigctldClient::matched(const Answer& answer)
{
    static const QList<QPair<QByteArray, Question>> commands {
        {"get_freq", Question::Frequency},
        {"get_mode", Question::Mode},
        {"get_ptt", Question::Ptt},
        {"get_split_vfo", Question::Split},
        {"get_split_freq", Question::TxFrequency},
    };
    const auto known = std::find_if(commands.begin(), commands.end(),
                                    [&answer](const auto& command) { return command.first == answer.command; });
    const int at = known == commands.end() ? -1 : awaited.indexOf(known->second);
    if (at < 0) {
        notAnAnswer(); // nobody asked, or asked and answered already
        return;
    }
    // The questions before it will not be answered any more.
    const quint64 reading = connection;
    while (awaited.first() != known->second) {
        answered(awaited.takeFirst(), nullptr);
        if (connection != reading) {
            return;
        }
    }
    answered(awaited.takeFirst(), &answer);
}

void RigctldClient::notAnAnswer()
{
    // A daemon that never told the frequency and says things that are no
    // answer is not rigctld (or not one that speaks its extended form).
    if (!frequency) {
        setTrouble(Trouble::Unreadable);
    }
}

void RigctldClient::answered(Question question, const Answer* answer)
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
            if (answer && answer->fits && answer->lines.isEmpty() && answer->code != "RPRT 0") {
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
        // A daemon that answers is worth a quick retry again.
        retryMs = firstRetryMs;
    }
    // A radio whose PTT was never readable is taken as receiving, and said
    // to be unknown; one that was readable and now is not may have keyed.
    const bool transmitting = ptt ? *ptt : pttReadable;
    Q_EMIT reading(frequency.value_or(0), transmitting, pttReadable, txFrequency.value_or(0), mode);
}
