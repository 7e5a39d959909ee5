#ifndef ZAREL_RADIOSOURCE_H
#define ZAREL_RADIOSOURCE_H

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUdpSocket>

#include <optional>

#include "app/settingskeys.h"
#include "connection/radioinfo.h"
#include "connection/rigctldclient.h"

// Where the panel learns the radio's frequency and whether it transmits.
struct RadioSourceSettings
{
    enum class Kind { Off, Rigctld, Logger };
    Kind kind = Kind::Off;
    QString rigHost = settingskey::bandfollow::RigHost.fallback;
    quint16 rigPort = settingskey::bandfollow::RigPort.fallback;
    quint16 loggerPort = settingskey::bandfollow::LoggerPort.fallback;
    int loggerRadio = settingskey::bandfollow::LoggerRadio.fallback; // the logger's RadioNr to follow
    // The address logger datagrams must come from; empty: any host.
    QString loggerHost;
    // The logger's StationName to follow; empty: any station.
    QString loggerStation;

    bool operator==(const RadioSourceSettings& other) const;
    bool operator!=(const RadioSourceSettings& other) const { return !(*this == other); }
};

// What the radio is doing, as far as the source knows.
struct RadioReading
{
    std::optional<qint64> frequencyHz; // none until the source has told
    // While the radio is split: the frequency it transmits on.
    std::optional<qint64> txFrequencyHz;
    bool transmitting = false;
    // Whether the source can tell transmit from receive at all (a radio
    // whose PTT cannot be read over CAT, a logger that never said).
    bool pttKnown = true;
    RadioMode mode = RadioMode::Unknown;

    bool operator==(const RadioReading& other) const
    {
        return frequencyHz == other.frequencyHz && txFrequencyHz == other.txFrequencyHz &&
            transmitting == other.transmitting && pttKnown == other.pttKnown && mode == other.mode;
    }
    bool operator!=(const RadioReading& other) const { return !(*this == other); }
};

// The one radio source in use: a rigctld client or a listener for a logger's
// RadioInfo broadcasts. A source that is lost or changed forgets its
// reading, so a stale "transmitting" cannot hold the panel; a logger counts
// as lost when its radio has not been heard of for loggerSilenceMs.
//
// Several loggers may report the radio number followed (a run and a
// multiplier station): the first one heard gives the frequency, and when it
// falls silent the one heard last takes over. Whichever is followed, every
// logger that passes the host and station filters and says its radio
// transmits makes the reading say transmitting, until it says otherwise or
// falls silent. Of a burst of datagrams only the state after the last one is
// taken.
class RadioSource : public QObject
{
    Q_OBJECT

public:
    static constexpr int loggerSilenceMs = 30000;

    explicit RadioSource(QObject* parent = nullptr);

    // Restarts only when something changed.
    void configure(const RadioSourceSettings& settings);
    const RadioReading& reading() const { return now; }
    // When the radio was last asked (rigctld: the answer may come much
    // later) or last told of (a logger), on the link's steady clock: the
    // age of what reading() says.
    qint64 takenAt() const;

    // Reads the radio's PTT more often while on (rigctld only: a logger
    // says every change itself).
    void watchPttClosely(bool on);

    // "14.074 MHz · 20 m", "rigctld: not connected"; empty while off.
    QString statusText() const;

Q_SIGNALS:
    // The reading or the status text changed.
    void changed();
    // rigctld answered a poll, whether or not anything changed: the PTT
    // has been read afresh.
    void polled();
    // Something the operator should read once on the status bar ("two
    // loggers report radio 1: following 192.0.2.4", "RUN went quiet:
    // following MULT").
    void notice(const QString& text);

private:
    // A logger as the panel tells loggers apart.
    struct LoggerSender
    {
        QHostAddress address;
        QString station;
        bool operator==(const LoggerSender& other) const;
        // The station name, or the address without one.
        QString name() const;
    };
    // What one logger said last of the radio followed.
    struct LoggerHeard
    {
        LoggerSender sender;
        qint64 heardAt = 0; // steady clock, ms
        std::optional<bool> transmitting; // the flag it said last
        std::optional<qint64> frequencyHz;
        std::optional<qint64> txFrequencyHz;
        RadioMode mode = RadioMode::Unknown;
        bool named = false; // in a "two loggers" notice already
    };

    void take(const RadioReading& reading);
    void readLoggerDatagrams();
    // Notes one trusted datagram; returns whether it made a logger followed.
    bool hear(const LoggerSender& sender, const RadioInfo& info, qint64 at);
    // The reading from what the loggers said; `fresh`: emit even if equal.
    void takeLoggers(bool fresh);
    void loggersFellSilent();
    void watchSilence(qint64 now);
    int indexOf(const LoggerSender& sender) const;
    void rigStateChanged(HamlibClient::State state);
    void forgetLogger();
    void lookUpLoggerHost();

    RadioSourceSettings current;
    RadioReading now;
    RigctldClient rig;
    QUdpSocket logger;
    QTimer loggerSilence; // runs to the first logger's silence
    bool listening = false;
    QList<QHostAddress> loggerAddresses; // loggerHost, looked up
    int loggerLookup = -1;
    bool loggerHostUnknown = false;
    QList<LoggerHeard> loggers; // heard within loggerSilenceMs
    std::optional<LoggerSender> followed;
    std::optional<LoggerSender> wentQuiet; // followed until it fell silent
};

#endif // ZAREL_RADIOSOURCE_H
