#ifndef MERAXSIM_UNIXSIGNALS_H
#define MERAXSIM_UNIXSIGNALS_H

#include <QObject>

// Turns SIGINT, SIGTERM and SIGUSR1 into Qt signals on the event loop, so the
// simulator can print its summary and toggle silence safely. Only one watcher
// may exist; elsewhere than on Unix it never fires.
class UnixSignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit UnixSignalWatcher(QObject* parent = nullptr);
    ~UnixSignalWatcher() override;

Q_SIGNALS:
    void terminationRequested();
    void silenceToggleRequested();

private:
    void readSignal();
};

#endif // MERAXSIM_UNIXSIGNALS_H
