#ifndef MERAXSIM_SIMOPTIONS_H
#define MERAXSIM_SIMOPTIONS_H

#include <QHostAddress>
#include <QString>

#include <optional>

class QCommandLineParser;

constexpr quint16 defaultSimPort = 4001;

struct SimOptions
{
    QHostAddress listen = QHostAddress(QHostAddress::LocalHost);
    quint16 port = defaultSimPort; // 0: the system picks one
    bool activity = false;
    int activityStepMs = 1000; // the activity cycle's pace
    bool silent = false;
    int silentAfterMs = -1; // < 0: never
    int resumeAfterMs = -1; // counted from the moment the device falls silent
    int restartDownMs = 2000; // how long a restart keeps it silent
    int quitAfterMs = -1;
    int delayMs = 0;
    int jitterMs = 0; // up to this much more delay, drawn for each report
    int lossPercent = 0; // of the reports
    int lossInPercent = 0; // of the datagrams received
    quint32 seed = 1;
    bool log = false;
    bool stdinCommands = false; // "quit" and "silence" lines on standard input
    quint8 initialAntenna = 0; // index: 0..11, 15 = none
    int refusedAntenna = -1; // index: 0..11, < 0 = none
    QString sendFile; // non-empty: SEND is on while this file exists
    quint16 busy = 0; // bit i: Ant i + 1 busy elsewhere at start
    int keyerWpm = 0; // > 0: SEND keyed in CW at this speed
    QString keyerText = QStringLiteral("CQ TEST DL1ABC DL1ABC TEST");
    int keyerPauseMs = 1500; // between calls
    int inhibitGpo = 0; // 1..8: SEND stays off while this GPO is on
};

// "4,9" (blanks allowed, empty for none) as bits: bit i is Ant i + 1; none
// for anything but antennas 1 to 12.
std::optional<quint16> busyAntennasFrom(const QString& text);

// Declares every option of the simulator (not --help).
void addSimOptions(QCommandLineParser& parser);

// Reads the options of a parsed command line; false with a message for the
// operator when a value is unusable.
bool readSimOptions(const QCommandLineParser& parser, SimOptions& options, QString& error);

#endif // MERAXSIM_SIMOPTIONS_H
