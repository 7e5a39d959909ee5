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

#include "connection/hamlibclient.h"

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
// Nothing blocks; the connection and its retries are HamlibClient's.
class RigctldClient : public HamlibClient
{
    Q_OBJECT

public:
    static constexpr int pollMs = 250;
    // Around a transmission: a keyed spell of CW break-in, VOX or a
    // flapping PTT (50 ms and up) must not fall between two polls unseen.
    // One round at a time, so a slow daemon only polls as fast as it answers.
    static constexpr int closePollMs = 25;

    explicit RigctldClient(QObject* parent = nullptr);

    // When the last round of questions left: what its answers tell was
    // true then, not when they came.
    qint64 roundAskedAt() const { return askedAt; }
    // Polls every closePollMs instead of pollMs while on.
    void pollClosely(bool on);

Q_SIGNALS:
    // After every answered poll; the frequency is 0 until one was read, the
    // transmit frequency 0 unless the radio is split. pttKnown is false while
    // the PTT has never been readable on this connection; once it has been,
    // a round whose PTT answer is an error or unreadable says transmitting,
    // since the radio may have keyed meanwhile. The mode is rigctld's name
    // for it ("USB", "PKTUSB"); empty when it cannot be read.
    void reading(qint64 frequencyHz, bool transmitting, bool pttKnown, qint64 txFrequencyHz, const QString& mode);

private:
    qint64 askedAt = 0;
    enum class Question { Frequency, Mode, Ptt, Split, TxFrequency };
    void poll() override;
    void matched(const HamlibAnswer& answer) override;
    void stray(const QByteArray& text) override;
    void forget() override;
    void ask(const QByteArray& questions, std::initializer_list<Question> asked);
    void answered(Question question, const HamlibAnswer* answer);
    void roundDone();

    QList<Question> awaited; // asked and not answered yet, in order
    std::optional<qint64> frequency;
    bool frequencyRead = false; // in this round
    std::optional<bool> ptt; // read in this round
    bool pttReadable = false; // on this connection
    std::optional<qint64> txFrequency;
    QString mode; // read in this round
};

#endif // ZAREL_RIGCTLDCLIENT_H
