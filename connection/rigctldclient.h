#ifndef ZAREL_RIGCTLDCLIENT_H
#define ZAREL_RIGCTLDCLIENT_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

#include <optional>

// A client of Hamlib's rigctld, the daemon through which Linux programs share
// a radio: asks the frequency ("f"), the PTT ("t") and the split ("s", then
// "i" for the transmit frequency while split) four times a second and
// reports what it reads. Nothing blocks: the socket works from the event loop
// of the thread that owns it. When the daemon is missing, silent or goes
// away, the client tries again by itself, waiting longer each time, up to
// maxRetryMs, until a daemon answers a whole poll again.
class RigctldClient : public QObject
{
    Q_OBJECT

public:
    enum class State { Stopped, Connecting, Connected, Waiting };
    // Why no frequency is read, kept across retries until one is: the
    // operator needs to see why, not the retries in between.
    enum class Trouble {
        None,
        NotConnected, // never connected yet, or the connection went away
        Refused,
        UnknownHost,
        NoAnswer, // connected, and the daemon stays silent
        ErrorAnswer, // connected, and "f" is answered "RPRT -n"
        Unreadable, // connected, and the answers are not rigctld's
    };

    static constexpr int pollMs = 250;
    // Around a transmission: a keyed spell of CW break-in or VOX (150 ms
    // and up) must not fall between two polls unseen.
    static constexpr int closePollMs = 100;
    static constexpr int answerTimeoutMs = 5000;
    static constexpr int firstRetryMs = 250;
    static constexpr int maxRetryMs = 4000;

    explicit RigctldClient(QObject* parent = nullptr);

    void start(const QString& host, quint16 port);
    void stop();
    // Polls every closePollMs instead of pollMs while on.
    void pollClosely(bool on);
    State state() const { return current; }
    Trouble trouble() const { return troubleNow; }
    // The last "RPRT -n" given for the frequency, while trouble() is ErrorAnswer.
    QByteArray errorAnswer() const { return lastError; }

    // One rigctld answer line: a frequency in hertz (rigctld may add
    // decimals), none for an error ("RPRT -n") or anything else.
    static std::optional<qint64> parseFrequency(const QByteArray& line);
    // PTT: 0 is receive, any other number a kind of transmit.
    static std::optional<bool> parsePtt(const QByteArray& line);

Q_SIGNALS:
    // After every answered poll; the frequency is 0 until one was read, the
    // transmit frequency 0 unless the radio is split. pttKnown is false while
    // the PTT has never been readable on this connection.
    void reading(qint64 frequencyHz, bool transmitting, bool pttKnown, qint64 txFrequencyHz);
    void stateChanged(RigctldClient::State state);
    void troubleChanged(RigctldClient::Trouble trouble);

private:
    void setState(State state);
    // Closes the connection and forgets what was asked and read on it.
    void hangUp();
    void connectNow();
    void poll();
    void readAnswers();
    void lost(Trouble trouble, const QString& why);
    static bool saysLess(Trouble newer, Trouble earlier);
    void setTrouble(Trouble trouble, const QByteArray& error = QByteArray());
    void answered(const QByteArray& line);

    QTcpSocket socket;
    QTimer pollTimer;
    QTimer retryTimer;
    QTimer answerTimer;
    QString host;
    quint16 port = 0;
    State current = State::Stopped;
    QByteArray pending; // received bytes not yet a whole line
    // The answer lines still due for the poll on the wire, in order.
    enum class Answer { Frequency, Ptt, SplitFlag, SplitVfo, TxFrequency };
    QList<Answer> awaited;
    std::optional<qint64> frequency;
    std::optional<bool> ptt;
    bool split = false;
    std::optional<qint64> txFrequency;
    Trouble troubleNow = Trouble::None;
    QByteArray lastError;
    int retryMs = firstRetryMs;
};

#endif // ZAREL_RIGCTLDCLIENT_H
