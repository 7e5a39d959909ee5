#ifndef MERAXSIM_STOPREQUESTS_H
#define MERAXSIM_STOPREQUESTS_H

#include <QObject>
#include <QTimer>

// Turns the ways an operator or a script stops the simulator into Qt signals
// on the event loop, so it prints its summary and toggles silence safely:
// SIGINT, SIGTERM and SIGUSR1 on Unix; Ctrl+C, Ctrl+Break and closing the
// console on Windows; and, when asked for,
// the lines "quit", "silence", "restart" and "busy 4,9" on standard input (the one way that works
// the same everywhere, without signals). Only one may exist at a time.
class StopRequests : public QObject
{
    Q_OBJECT

public:
    explicit StopRequests(bool readStandardInput, QObject* parent = nullptr);
    // Tells a waiting Windows console handler that the summary is out.
    ~StopRequests() override;

Q_SIGNALS:
    void terminationRequested();
    void silenceToggleRequested();
    void restartRequested();
    // The antennas busy elsewhere from now on (bit i: Ant i + 1).
    void busyRequested(quint16 antennas);

private:
    static constexpr int collectMs = 50;

    void readSignal();
    // Emits what the other threads asked for since the last time.
    void collect();

    QTimer collectTimer;
};

#endif // MERAXSIM_STOPREQUESTS_H
