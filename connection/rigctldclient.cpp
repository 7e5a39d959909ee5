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
    connect(&answerTimer, &QTimer::timeout, this, [this] { lost(QStringLiteral("no answer")); });
    connect(&socket, &QTcpSocket::connected, this, [this] {
        // Questions are a few bytes each: no waiting to fill a segment.
        socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        answerTimer.stop();
        setState(State::Connected);
        poll();
        pollTimer.start();
    });
    connect(&socket, &QTcpSocket::readyRead, this, &RigctldClient::readAnswers);
    connect(&socket, &QTcpSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError) { lost(socket.errorString()); });
}

void RigctldClient::start(const QString& newHost, quint16 newPort)
{
    stop();
    host = newHost;
    port = newPort;
    retryMs = firstRetryMs;
    connectNow();
}

void RigctldClient::stop()
{
    retryTimer.stop();
    hangUp();
    setState(State::Stopped);
}

void RigctldClient::hangUp()
{
    pollTimer.stop();
    answerTimer.stop();
    socket.abort();
    pending.clear();
    awaited = 0;
    // What the radio said on this connection is not known on the next.
    frequency.reset();
    ptt.reset();
}

void RigctldClient::setState(State state)
{
    if (state != current) {
        current = state;
        Q_EMIT stateChanged(state);
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

void RigctldClient::lost(const QString& why)
{
    if (current == State::Stopped || retryTimer.isActive()) {
        return;
    }
    qCInfo(lcRadio).noquote() << "rigctld" << host << port << "lost:" << why << "- again in" << retryMs << "ms";
    hangUp();
    setState(State::Waiting);
    retryTimer.start(retryMs);
    retryMs = qMin(retryMs * 2, maxRetryMs);
}

void RigctldClient::poll()
{
    // One question pair at a time: a slow radio must not pile questions up.
    if (awaited > 0 || socket.state() != QAbstractSocket::ConnectedState) {
        return;
    }
    awaited = 2;
    socket.write("f\nt\n");
    answerTimer.start();
}

void RigctldClient::readAnswers()
{
    pending += socket.readAll();
    int end;
    while ((end = pending.indexOf('\n')) >= 0) {
        const QByteArray line = pending.left(end).trimmed();
        pending.remove(0, end + 1);
        if (awaited == 2) {
            // An error answer (a busy CAT port) leaves the last value standing.
            if (const std::optional<qint64> hz = parseFrequency(line)) {
                frequency = hz;
            }
            awaited = 1;
        } else if (awaited == 1) {
            awaited = 0;
            answerTimer.stop();
            // A daemon that answers is worth a quick retry again.
            retryMs = firstRetryMs;
            if (const std::optional<bool> now = parsePtt(line)) {
                ptt = now;
            }
            // A radio whose PTT was never readable is taken as receiving;
            // one that said "transmitting" stays so until it says otherwise.
            Q_EMIT reading(frequency.value_or(0), ptt.value_or(false));
        }
        // Lines nobody asked for are dropped.
    }
    // rigctld answers in short lines; a peer sending endless text is not it.
    if (pending.size() > 4096) {
        lost(QStringLiteral("not a rigctld answer"));
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
