#include "connection/rigctldclient.h"

#include <cmath>

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
    pollTimer.stop();
    answerTimer.stop();
    socket.abort();
    pending.clear();
    awaited.clear();
    // What the radio said on this connection is not known on the next.
    frequency.reset();
    ptt.reset();
    txFrequency.reset();
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
    awaited = {Answer::Frequency, Answer::Ptt, Answer::SplitFlag};
    socket.write("f\nt\ns\n");
    answerTimer.start();
}

void RigctldClient::readAnswers()
{
    pending += socket.readAll();
    int end;
    while ((end = pending.indexOf('\n')) >= 0) {
        const QByteArray line = pending.left(end).trimmed();
        pending.remove(0, end + 1);
        // Lines nobody asked for are dropped.
        if (!awaited.isEmpty()) {
            answered(line);
        }
    }
    // rigctld answers in short lines; a peer sending endless text is not it.
    if (pending.size() > 4096) {
        lost(Trouble::Unreadable, QStringLiteral("not a rigctld answer"));
    }
}

void RigctldClient::answered(const QByteArray& line)
{
    switch (awaited.takeFirst()) {
    case Answer::Frequency:
        if (const std::optional<qint64> hz = parseFrequency(line)) {
            frequency = hz;
            setTrouble(Trouble::None);
        } else if (!frequency) {
            // An error answer (a busy CAT port) leaves the last value
            // standing; only a daemon that never told is in trouble.
            if (line.startsWith("RPRT ") && line.size() <= 12) {
                setTrouble(Trouble::ErrorAnswer, line);
            } else {
                setTrouble(Trouble::Unreadable);
            }
        }
        break;
    case Answer::Ptt:
        if (const std::optional<bool> now = parsePtt(line)) {
            ptt = now;
        }
        break;
    case Answer::SplitFlag: {
        // Two lines, the flag and the TX VFO; an error is one line and means
        // the radio cannot split, as does anything else.
        bool isNumber = false;
        const int flag = line.toInt(&isNumber);
        if (isNumber && flag != 0) {
            awaited = {Answer::SplitVfo, Answer::TxFrequency};
            socket.write("i\n");
        } else {
            txFrequency.reset();
            if (isNumber) {
                awaited = {Answer::SplitVfo};
            }
        }
        break;
    }
    case Answer::SplitVfo:
        break;
    case Answer::TxFrequency:
        txFrequency = parseFrequency(line);
        break;
    }
    if (awaited.isEmpty()) {
        answerTimer.stop();
        // A daemon that answers is worth a quick retry again.
        retryMs = firstRetryMs;
        // A radio whose PTT was never readable is taken as receiving, and
        // said to be unknown; one that said "transmitting" stays so until it
        // says otherwise.
        Q_EMIT reading(frequency.value_or(0), ptt.value_or(false), ptt.has_value(), txFrequency.value_or(0));
    }
}

std::optional<qint64> RigctldClient::parseFrequency(const QByteArray& line)
{
    bool ok = false;
    const double hz = line.trimmed().toDouble(&ok);
    // Above 0 and below 1 THz: a number a radio can be tuned to.
    if (!ok || !std::isfinite(hz) || hz <= 0 || hz >= 1e12) {
        return std::nullopt;
    }
    return qint64(std::llround(hz));
}

std::optional<bool> RigctldClient::parsePtt(const QByteArray& line)
{
    bool ok = false;
    const int ptt = line.trimmed().toInt(&ok);
    if (!ok || ptt < 0) {
        return std::nullopt;
    }
    return ptt != 0;
}
