#ifndef ZAREL_STOPSIGNALS_H
#define ZAREL_STOPSIGNALS_H

// The window-free program's way to be stopped: SIGINT and SIGTERM on Unix
// (Ctrl+C, systemd), Ctrl+C, Ctrl+Break, closing the console and logging off
// on Windows. Each becomes stopRequested() on the event loop, so the program
// ends through its normal path. Only one may exist at a time.

#include <QObject>
#include <QTimer>

class StopSignals : public QObject
{
    Q_OBJECT

public:
    explicit StopSignals(QObject* parent = nullptr);
    // The system's own handling again; on Windows it lets a closing console
    // go on.
    ~StopSignals() override;

Q_SIGNALS:
    void stopRequested();

private:
    void readSignal();
    QTimer collectTimer;
};

#endif // ZAREL_STOPSIGNALS_H
