#include "connection/hamlibclient.h"

#include <algorithm>

#include "link/linklog.h"

namespace {

// The daemons' command names: "get_freq", "set_pos".
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

} // namespace

std::optional<QByteArray> HamlibAnswer::value(const char* key) const
{
    if (!fits || !ok()) {
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

HamlibReader::Took HamlibReader::line(const QByteArray& text, HamlibAnswer* done)
{
    if (!open) {
        // An answer starts with its command's name: "get_ptt:", "set_pos: 135 0".
        const int colon = text.indexOf(':');
        const QByteArray name = text.left(colon);
        if (colon > 0 && isCommandName(name)) {
            open = HamlibAnswer {name, {}, {}, true};
            return Took::Part;
        }
        return Took::Stray;
    }
    if (isResultCode(text)) {
        *done = std::move(*open);
        open.reset();
        done->code = text;
        return Took::Answer;
    }
    // Values are "Key: value"; a bare line ("0") inside an answer is one the
    // daemon did not mean for it.
    if (text.indexOf(": ") <= 0 || open->lines.size() >= maxAnswerLines) {
        open->fits = false;
        return Took::Part;
    }
    open->lines.append(text);
    return Took::Part;
}

HamlibClient::HamlibClient(const char* daemonName, int pollMs, QObject* parent)
    : QObject(parent)
    , pollTimer(this)
    , answerTimer(this)
    , daemon(daemonName)
    , socket(this)
    , retryTimer(this)
{
    pollTimer.setInterval(pollMs);
    retryTimer.setSingleShot(true);
    answerTimer.setSingleShot(true);
    answerTimer.setInterval(answerTimeoutMs);
    // What is read is bounded by the round's budget; the rest may wait in
    // the kernel until it is hung up on.
    socket.setReadBufferSize(4 * maxRoundBytes);
    connect(&pollTimer, &QTimer::timeout, this, [this] {
        if (socket.state() == QAbstractSocket::ConnectedState) {
            poll();
        }
    });
    connect(&retryTimer, &QTimer::timeout, this, &HamlibClient::connectNow);
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
    connect(&socket, &QTcpSocket::readyRead, this, &HamlibClient::readAnswers);
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

void HamlibClient::start(const QString& newHost, quint16 newPort)
{
    stop();
    peerHost = newHost;
    peerPort = newPort;
    retryMs = firstRetryMs;
    setTrouble(Trouble::None);
    connectNow();
}

void HamlibClient::stop()
{
    retryTimer.stop();
    hangUp();
    setTrouble(Trouble::None);
    setState(State::Stopped);
}

void HamlibClient::hangUp()
{
    ++connection;
    pollTimer.stop();
    answerTimer.stop();
    socket.abort();
    pending.clear();
    roundBytes = 0;
    reader.reset();
    forget();
}

void HamlibClient::setState(State state)
{
    if (state != current) {
        current = state;
        Q_EMIT stateChanged(state);
    }
}

void HamlibClient::setTrouble(Trouble trouble, const QByteArray& error)
{
    if (trouble != troubleNow || error != lastError) {
        troubleNow = trouble;
        lastError = error;
        Q_EMIT troubleChanged(trouble);
    }
}

void HamlibClient::connectNow()
{
    hangUp();
    setState(State::Connecting);
    // The host name is looked up without blocking; a route that swallows the
    // connection is cut short by the answer timer. Started first: a refusal
    // may come back from inside connectToHost.
    answerTimer.start();
    socket.connectToHost(peerHost, peerPort);
}

// Whether `newer` says less about the daemon than `earlier`, which then
// stays. What the daemon answered says more than how the connection ended (a
// web server answers and hangs up; an SSH server greets and waits), and an
// answer that could not be read more than a later silence.
bool HamlibClient::saysLess(Trouble newer, Trouble earlier)
{
    const bool answeredBadly =
        earlier == Trouble::NoAnswer || earlier == Trouble::ErrorAnswer || earlier == Trouble::Unreadable;
    if (newer == Trouble::NotConnected) {
        return answeredBadly;
    }
    return newer == Trouble::NoAnswer && earlier == Trouble::Unreadable;
}

void HamlibClient::lost(Trouble trouble, const QString& why)
{
    if (current == State::Stopped || retryTimer.isActive()) {
        return;
    }
    qCInfo(lcRadio).noquote() << daemon << peerHost << peerPort << "lost:" << why << "- again in" << retryMs << "ms";
    hangUp();
    if (!saysLess(trouble, troubleNow)) {
        setTrouble(trouble);
    }
    setState(State::Waiting);
    retryTimer.start(retryMs);
    retryMs = qMin(retryMs * 2, maxRetryMs);
}

void HamlibClient::write(const QByteArray& questions, bool newRound)
{
    if (newRound) {
        roundBytes = 0;
    }
    socket.write(questions);
    // Now, not once the event loop is back: a turn or a poll whose answer
    // the caller waits for must not wait for the repaint it causes.
    socket.flush();
}

void HamlibClient::readAnswers()
{
    const quint64 reading = connection;
    const QByteArray bytes = socket.readAll();
    roundBytes += bytes.size();
    if (roundBytes > maxRoundBytes) {
        lost(Trouble::Unreadable, QStringLiteral("not a %1 answer").arg(QLatin1String(daemon)));
        return;
    }
    pending += bytes;
    // Lines are taken by index and the buffer compacted once: a peer's
    // many short lines cost no more than its few long ones.
    int from = 0;
    for (int end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n', from)) {
        const QByteArray text = pending.mid(from, end - from).trimmed();
        from = end + 1;
        HamlibAnswer answer;
        switch (reader.line(text, &answer)) {
        case HamlibReader::Took::Part:
            break;
        case HamlibReader::Took::Answer:
            matched(answer);
            break;
        case HamlibReader::Took::Stray:
            stray(text);
            break;
        }
        if (connection != reading) {
            return; // hung up meanwhile: the buffer is gone
        }
    }
    pending.remove(0, from);
}
