#ifndef ZAREL_DEVICELINK_H
#define ZAREL_DEVICELINK_H

#include <QHostInfo>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>

#include "link/command.h"
#include "link/transmitguard.h"

class ThreadCOM;
class ThreadLeitura;

// The wire side of the station: the process's polling thread and link
// worker, the device's host, address and port, and the host lookup. What
// the reports mean is the station's business, not this one's.
class DeviceLink : public QObject
{
    Q_OBJECT

public:
    explicit DeviceLink(QObject* parent = nullptr);
    ~DeviceLink() override;

    // One pair of threads per process: a later link takes them over. `poll`
    // and `watchdog` run on this object's thread.
    void startThreads(std::function<void()> poll, std::function<void()> watchdog);
    // Stops and joins the polling thread and the link worker, so nothing of
    // theirs arrives afterwards. Safe to call more than once.
    static void stopThreads();
    // The worker, while it is this link's.
    ThreadCOM* worker() const;
    bool ownsThreads() const;

    // The host as set (no "http://"), its port text and "Directly use IP".
    void setHost(const QString& host, const QString& port, bool useDirectly);
    // Resolves the host at once (blocks; an address literal returns at once).
    // False: not found.
    bool resolveNow();
    // Before a send: the address as the link uses it; a name is looked up
    // in the background, one lookup at a time.
    void resolveHost();
    void cancelHostLookup();
    // Sets the address and hands it, with the port, to the worker.
    void setDeviceAddress(const QString& address);
    // Connect takes "Directly use IP" as set; settings applied under a live
    // link take it only for an address.
    void startSession() { linkUsesIpDirectly = useIpDirectly; }

    // Queues a command for the worker; dropped when there is none.
    void enqueueCommand(const DeviceCommand& command);
    void clearQueue();
    // From when and until when guarded commands may leave.
    void setGuardOpenAt(qint64 at, qint64 closesAt = TransmitGuard::never);

    QString hostText;
    QString deviceAddress;
    QString devicePort;
    bool useIpDirectly = false;
    // "Directly use IP" as the link uses it (see startSession).
    bool linkUsesIpDirectly = false;

Q_SIGNALS:
    // The address or port changed; the worker has it already.
    void endpointChanged(const QString& address, quint16 port);
    // A background lookup answered: found, or not.
    void hostLookedUp(bool found);

public Q_SLOTS:
    // A background lookup's answer; only the one still wanted counts.
    void hostInfoResults(const QHostInfo& host);

private:
    // The host lookup that resolveHost started and that has not answered
    // yet: one at a time, so a dead name server does not pile lookups up.
    int pendingHostLookup = -1;
};

/* one per process */
// The operator asked for the link (Connect) and has not ended it.
extern std::atomic<bool> connected;
extern ThreadLeitura* pollingThread;
extern ThreadCOM* linkWorker;

#endif // ZAREL_DEVICELINK_H
