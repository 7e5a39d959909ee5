#ifndef ZAREL_RIGCTLDCLIENT_H
#define ZAREL_RIGCTLDCLIENT_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

#include <initializer_list>
#include <optional>

// A client of Hamlib's rigctld, the daemon through which Linux programs share
// a radio: asks the frequency, the PTT and the split (then the transmit
// frequency while split) four times a second and reports what it reads.
// Questions are asked in rigctld's extended form, where each answer names the
// command it answers and ends with its result code, so no answer can be taken
// for the next question's:
//
//   +f\n+m\n+t\n+s\n  get_freq:             get_mode:        get_ptt:   get_split_vfo:
//                     Frequency: 14074000   Mode: USB        PTT: 1     Split: 1
//                     RPRT 0                Passband: 2400   RPRT 0     TX VFO: VFOB
//                                           RPRT 0                      RPRT 0
//   +i\n (split)    get_split_freq:
//                   TX Frequency: 7074000
//                   RPRT 0
//
// An error is the command's line and "RPRT -n" alone. An answer of another
// shape, or missing, reads as unknown; a peer that sends more than any daemon
// would is not rigctld and is hung up on.
//
// Nothing blocks: the socket works from the event loop of the thread that
// owns it. When the daemon is missing, silent or goes away, the client tries
// again by itself, waiting longer each time, up to maxRetryMs, until a daemon
// answers a whole poll again.
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
    // Around a transmission: a keyed spell of CW break-in, VOX or a
    // flapping PTT (50 ms and up) must not fall between two polls unseen.
    // One round at a time, so a slow daemon only polls as fast as it answers.
    static constexpr int closePollMs = 25;
    static constexpr int answerTimeoutMs = 5000;
    static constexpr int firstRetryMs = 250;
    static constexpr int maxRetryMs = 4000;
    // A whole round of answers is about 150 bytes: a peer sending this much
    // before the next question is flooding.
    static constexpr int maxRoundBytes = 4096;

    explicit RigctldClient(QObject* parent = nullptr);

    void start(const QString& host, quint16 port);
    void stop();
    // When the last round of questions left: what its answers tell was
    // true then, not when they came.
    qint64 roundAskedAt() const { return askedAt; }
    // Polls every closePollMs instead of pollMs while on.
    void pollClosely(bool on);
    State state() const { return current; }
    Trouble trouble() const { return troubleNow; }
    // The last "RPRT -n" given for the frequency, while trouble() is ErrorAnswer.
    QByteArray errorAnswer() const { return lastError; }

Q_SIGNALS:
    // After every answered poll; the frequency is 0 until one was read, the
    // transmit frequency 0 unless the radio is split. pttKnown is false while
    // the PTT has never been readable on this connection; once it has been,
    // a round whose PTT answer is an error or unreadable says transmitting,
    // since the radio may have keyed meanwhile. The mode is rigctld's name
    // for it ("USB", "PKTUSB"); empty when it cannot be read.
    void reading(qint64 frequencyHz, bool transmitting, bool pttKnown, qint64 txFrequencyHz, const QString& mode);
    void stateChanged(RigctldClient::State state);
    void troubleChanged(RigctldClient::Trouble trouble);

private:
    qint64 askedAt = 0;
    enum class Question { Frequency, Mode, Ptt, Split, TxFrequency };
    // One answer as the daemon ended it with "RPRT n".
    struct Answer
    {
        QByteArray command; // "get_ptt"
        QList<QByteArray> lines; // between the command's line and the code
        QByteArray code; // "RPRT -11"
        bool fits = true; // only "Key: value" lines, not too many
        // The value of the one line "key: value"; none when missing, twice
        // there or the answer does not fit.
        std::optional<QByteArray> value(const char* key) const;
    };

    void setState(State state);
    // Closes the connection and forgets what was asked and read on it.
    void hangUp();
    void connectNow();
    void poll();
    void ask(const QByteArray& questions, std::initializer_list<Question> asked);
    void readAnswers();
    void lost(Trouble trouble, const QString& why);
    static bool saysLess(Trouble newer, Trouble earlier);
    void setTrouble(Trouble trouble, const QByteArray& error = QByteArray());
    void line(const QByteArray& text);
    void matched(const Answer& answer);
    void answered(Question question, const Answer* answer);
    void notAnAnswer();
    void roundDone();

    QTcpSocket socket;
    QTimer pollTimer;
    QTimer retryTimer;
    QTimer answerTimer;
    QString host;
    quint16 port = 0;
    State current = State::Stopped;
    quint64 connection = 0; // counts hang-ups: a handler may hang up mid-read
    QByteArray pending; // received bytes not yet a whole line
    int roundBytes = 0; // received since the last round of questions
    std::optional<Answer> open; // the answer being read
    QList<Question> awaited; // asked and not answered yet, in order
    std::optional<qint64> frequency;
    bool frequencyRead = false; // in this round
    std::optional<bool> ptt; // read in this round
    bool pttReadable = false; // on this connection
    std::optional<qint64> txFrequency;
    QString mode; // read in this round
    Trouble troubleNow = Trouble::None;
    QByteArray lastError;
    int retryMs = firstRetryMs;
};

#endif // ZAREL_RIGCTLDCLIENT_H
