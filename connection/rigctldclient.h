#ifndef ZAREL_RIGCTLDCLIENT_H
#define ZAREL_RIGCTLDCLIENT_H

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

#include <optional>

// A client of Hamlib's rigctld, the daemon through which Linux programs share
// a radio: asks the frequency ("f") and the PTT ("t") four times a second and
// reports what it reads. Nothing blocks: the socket works from the event loop
// of the thread that owns it. When the daemon is missing, silent or goes
// away, the client tries again by itself, waiting longer each time, up to
// maxRetryMs, until a daemon answers a whole poll again.
class RigctldClient : public QObject
{
    Q_OBJECT

public:
    enum class State { Stopped, Connecting, Connected, Waiting };

    static constexpr int pollMs = 250;
    static constexpr int answerTimeoutMs = 5000;
    static constexpr int firstRetryMs = 250;
    static constexpr int maxRetryMs = 4000;

    explicit RigctldClient(QObject* parent = nullptr);

    void start(const QString& host, quint16 port);
    void stop();
    State state() const { return current; }

    // One rigctld answer line: a frequency in hertz (rigctld may add
    // decimals), none for an error ("RPRT -n") or anything else.
    static std::optional<qint64> parseFrequency(const QByteArray& line);
    // PTT: 0 is receive, any other number a kind of transmit.
    static std::optional<bool> parsePtt(const QByteArray& line);

Q_SIGNALS:
    // After every answered poll; the frequency is 0 until one was read.
    void reading(qint64 frequencyHz, bool transmitting);
    void stateChanged(RigctldClient::State state);

private:
    void setState(State state);
    // Closes the connection and forgets what was asked and read on it.
    void hangUp();
    void connectNow();
    void poll();
    void readAnswers();
    void lost(const QString& why);

    QTcpSocket socket;
    QTimer pollTimer;
    QTimer retryTimer;
    QTimer answerTimer;
    QString host;
    quint16 port = 0;
    State current = State::Stopped;
    QByteArray pending; // received bytes not yet a whole line
    int awaited = 0; // answer lines still due for the poll on the wire
    std::optional<qint64> frequency;
    std::optional<bool> ptt;
    int retryMs = firstRetryMs;
};

#endif // ZAREL_RIGCTLDCLIENT_H
