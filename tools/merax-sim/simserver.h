#ifndef MERAXSIM_SIMSERVER_H
#define MERAXSIM_SIMSERVER_H

#include <QElapsedTimer>
#include <QObject>

#include <QRandomGenerator>
#include <QTimer>
#include <QUdpSocket>
#include <optional>

#include "keyer.h"
#include "meraxdevice.h"
#include "simoptions.h"

class QNetworkDatagram;

// Puts a MeraxDevice on a UDP port: every datagram goes to the device, every
// report goes back to the sender, shaped by the silence, delay, jitter and
// loss options. Operator-facing lines go to stdout, flushed at once so scripts
// can follow them.
class SimServer : public QObject
{
    Q_OBJECT

public:
    explicit SimServer(const SimOptions& options, QObject* parent = nullptr);

    // Binds and prints "listening on ADDRESS:PORT".
    bool start(QString& error);

    void setSilent(bool silent);
    bool isSilent() const { return m_silent; }
    void toggleSilent() { setSilent(!m_silent); }
    // A power cycle: silent for the restart time, then back as at start,
    // with what the operator switched forgotten.
    void restart();
    // Antennas busy elsewhere from now on (bit i: Ant i + 1).
    void setBusy(quint16 antennas);

    const MeraxDevice& device() const { return m_device; }
    QString summary() const;

private:
    void readPending();
    void handle(const QNetworkDatagram& datagram);
    void sendReply(const QByteArray& reply, const QHostAddress& address, quint16 port);
    bool lose(int percent);
    void nextActivityStep();
    void checkSendFile();

    SimOptions m_options;
    MeraxDevice m_device;
    QUdpSocket m_socket;
    QTimer m_activityTimer;
    QTimer m_silentTimer;
    QTimer m_resumeTimer;
    QTimer m_sendFileTimer;
    QRandomGenerator m_random;
    std::optional<Keyer> m_keyer;
    QElapsedTimer m_keyerClock;
    int m_activityStep = 0;
    bool m_silent = false;
    bool m_sendFromFile = false;
    quint64 m_replies = 0;
    quint64 m_lost = 0;
    quint64 m_lostIn = 0;
    quint64 m_ignoredWhileSilent = 0;
};

// Writes one line to stdout and flushes it.
void printLine(const QString& line);

#endif // MERAXSIM_SIMSERVER_H
