#ifndef ZAREL_HAMLIBCLIENT_H
#define ZAREL_HAMLIBCLIENT_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <optional>

// Hamlib's daemons (rigctld, rotctld) answer an extended question ("+f",
// "+p") with the command's name, "Key: value" lines and a result code:
//
//   get_pos:
//   Azimuth: 45.00
//   Elevation: 0.00
//   RPRT 0
//
// An error is the command's line and "RPRT -n" alone. The reader takes one
// line at a time and gives each answer once its code has come.
struct HamlibAnswer
{
    QByteArray command; // "get_pos"
    QList<QByteArray> lines; // between the command's line and the code
    QByteArray code; // "RPRT -11"
    bool fits = true; // only "Key: value" lines, not too many

    bool ok() const { return code == "RPRT 0"; }
    // An error code and nothing else: the daemon refused the command.
    bool refused() const { return fits && lines.isEmpty() && !ok(); }
    // The value of the one line "key: value"; none when missing, twice
    // there or the answer does not fit.
    std::optional<QByteArray> value(const char* key) const;
};

class HamlibReader
{
public:
    // An answer holds a few lines; more is not a Hamlib daemon's.
    static constexpr int maxAnswerLines = 8;

    enum class Took {
        Part, // a line of an answer still open
        Answer, // the line ended an answer
        Stray, // no answer starts so: a code alone, a bare text
    };
    // `text` without its line end.
    Took line(const QByteArray& text, HamlibAnswer* done);
    void reset() { open.reset(); }

private:
    std::optional<HamlibAnswer> open;
};

// The connection to a Hamlib daemon: questions asked from the event loop of
// the thread that owns it, answers read line by line with a bound on what
// a round may bring. When the daemon is missing, silent or goes away, the
// client tries again by itself, waiting longer each time, up to maxRetryMs,
// until the daemon answers again. A subclass asks its questions in poll()
// and takes the answers in matched().
class HamlibClient : public QObject
{
    Q_OBJECT

public:
    enum class State { Stopped, Connecting, Connected, Waiting };
    // Why nothing is read, kept across retries until something is: the
    // operator needs to see why, not the retries in between.
    enum class Trouble {
        None,
        NotConnected, // never connected yet, or the connection went away
        Refused,
        UnknownHost,
        NoAnswer, // connected, and the daemon stays silent
        ErrorAnswer, // connected, and the first question is answered "RPRT -n"
        Unreadable, // connected, and the answers are not the daemon's
    };
    Q_ENUM(Trouble)

    static constexpr int answerTimeoutMs = 5000;
    static constexpr int firstRetryMs = 250;
    static constexpr int maxRetryMs = 4000;
    // A whole round of answers is a few hundred bytes: a peer sending this
    // much before the next question is flooding.
    static constexpr int maxRoundBytes = 4096;

    // `daemon` names it in the log: "rigctld".
    HamlibClient(const char* daemon, int pollMs, QObject* parent);

    void start(const QString& host, quint16 port);
    void stop();
    State state() const { return current; }
    Trouble trouble() const { return troubleNow; }
    // The last "RPRT -n" given to the first question, while trouble() is ErrorAnswer.
    QByteArray errorAnswer() const { return lastError; }
    QString host() const { return peerHost; }
    quint16 port() const { return peerPort; }

Q_SIGNALS:
    void stateChanged(HamlibClient::State state);
    void troubleChanged(HamlibClient::Trouble trouble);

protected:
    // Asks the daemon; `questions` end in a line end each. `newRound`: the
    // budget of what may come back starts afresh.
    void write(const QByteArray& questions, bool newRound = true);
    // Hangs up and tries again later; `why` goes to the log.
    void lost(Trouble trouble, const QString& why);
    void setTrouble(Trouble trouble, const QByteArray& error = QByteArray());
    // A whole round was answered: the daemon is worth a quick retry again.
    void answeredWell() { retryMs = firstRetryMs; }
    // Gives `answer` to the question it answers in `awaited` (by the command
    // names in `commands`); the questions asked before it are given up
    // first, as their answers will not come any more. False when nobody
    // asked, or it was asked and answered already.
    template<class Question, class Answered>
    bool takeInOrder(QList<Question>& awaited, const QList<QPair<QByteArray, Question>>& commands,
                     const HamlibAnswer& answer, Answered answered)
    {
        const auto known = std::find_if(commands.begin(), commands.end(),
                                        [&answer](const auto& command) { return command.first == answer.command; });
        if (known == commands.end() || !awaited.contains(known->second)) {
            return false;
        }
        // A handler may hang up, and everything asked with it is gone.
        const quint64 reading = connection;
        while (awaited.first() != known->second) {
            answered(awaited.takeFirst(), nullptr);
            if (connection != reading) {
                return true;
            }
        }
        answered(awaited.takeFirst(), &answer);
        return true;
    }
    QTimer pollTimer;
    QTimer answerTimer;

    // Asks the next round, when none is outstanding.
    virtual void poll() = 0;
    virtual void matched(const HamlibAnswer& answer) = 0;
    // A line that is no answer.
    virtual void stray(const QByteArray& text) = 0;
    // Forgets what was asked and read on the connection that ends.
    virtual void forget() = 0;

private:
    void setState(State state);
    void hangUp();
    void connectNow();
    void readAnswers();
    static bool saysLess(Trouble newer, Trouble earlier);

    const char* daemon;
    QTcpSocket socket;
    QTimer retryTimer;
    QString peerHost;
    quint16 peerPort = 0;
    State current = State::Stopped;
    quint64 connection = 0;
    QByteArray pending; // received bytes not yet a whole line
    int roundBytes = 0; // received since the last questions
    HamlibReader reader;
    Trouble troubleNow = Trouble::None;
    QByteArray lastError;
    int retryMs = firstRetryMs;
};

#endif // ZAREL_HAMLIBCLIENT_H
