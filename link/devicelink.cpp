#include "link/devicelink.h"

#include "connection/hostlookup.h"
#include "connection/threadleitura.h"
#include "link/linklog.h"
#include "link/threadcom.h"

std::atomic<bool> connected {false};
ThreadLeitura* pollingThread = nullptr;
ThreadCOM* linkWorker = nullptr;

namespace {
int lookupsStarted = 0;
} // namespace

int hostLookupsStarted()
{
    return lookupsStarted;
}

DeviceLink::DeviceLink(QObject* parent)
    : QObject(parent)
{
}

DeviceLink::~DeviceLink()
{
    cancelHostLookup();
    // Normally the program has stopped the threads already; a link destroyed
    // any other way must not outlive its threads, nor stop another's.
    if (ownsThreads()) {
        stopThreads();
    }
}

void DeviceLink::startThreads(std::function<void()> poll, std::function<void()> watchdog)
{
    stopThreads();
    pollingThread = new ThreadLeitura(this, std::move(poll), std::move(watchdog));
    linkWorker = new ThreadCOM(this);
    linkWorker->setEndpoint(deviceAddress, commandPort(devicePort));
}

void DeviceLink::stopThreads()
{
    // The polling thread first: it feeds the worker's queue through the poll.
    // Each pointer is cleared before its thread is joined, so a late queued
    // poll finds no worker and is dropped.
    ThreadLeitura* polling = pollingThread;
    pollingThread = nullptr;
    delete polling;
    ThreadCOM* worker = linkWorker;
    linkWorker = nullptr;
    delete worker;
}

ThreadCOM* DeviceLink::worker() const
{
    return linkWorker != nullptr && linkWorker->owner() == this ? linkWorker : nullptr;
}

bool DeviceLink::ownsThreads() const
{
    return (pollingThread != nullptr && pollingThread->owner() == this) || worker() != nullptr;
}

void DeviceLink::setHost(const QString& host, const QString& port, bool useDirectly)
{
    hostText = host;
    devicePort = port;
    useIpDirectly = useDirectly;
    // A host name is never taken for an address; Connect refuses the pair.
    linkUsesIpDirectly = useDirectly && isIpAddress(host);
    // A lookup still running for the old host must not overwrite this one.
    cancelHostLookup();
}

bool DeviceLink::resolveNow()
{
    const QString address = addressFromLookup(QHostInfo::fromName(hostText));
    setDeviceAddress(address);
    return address != unresolvedAddress;
}

void DeviceLink::resolveHost()
{
    if (linkUsesIpDirectly) {
        setDeviceAddress(hostText);
        return;
    }
    // The send that asked goes on with the current address; the answer serves
    // the following sends.
    if (pendingHostLookup != -1) {
        return;
    }
    ++lookupsStarted;
    pendingHostLookup = QHostInfo::lookupHost(hostText, this, &DeviceLink::hostInfoResults);
}

void DeviceLink::hostInfoResults(const QHostInfo& host)
{
    // Only the lookup still wanted counts: one overtaken by new settings must
    // not overwrite the address they resolved.
    if (host.lookupId() != pendingHostLookup) {
        return;
    }
    pendingHostLookup = -1;
    const QString address = addressFromLookup(host);
    setDeviceAddress(address);
    qCDebug(lcConnection).noquote() << "Traduzida SLOT" << address;
    emit hostLookedUp(address != unresolvedAddress);
}

void DeviceLink::cancelHostLookup()
{
    if (pendingHostLookup != -1) {
        QHostInfo::abortHostLookup(pendingHostLookup);
        pendingHostLookup = -1;
    }
}

void DeviceLink::setDeviceAddress(const QString& address)
{
    deviceAddress = address;
    if (ThreadCOM* own = worker()) {
        own->setEndpoint(deviceAddress, commandPort(devicePort));
    }
    emit endpointChanged(deviceAddress, commandPort(devicePort));
}

void DeviceLink::enqueueCommand(const DeviceCommand& command)
{
    tapCommand(frameCommand(command));
    // The worker frames and addresses it when it leaves. After shutdown a
    // poll may still be queued: drop it.
    if (linkWorker) {
        linkWorker->enqueueCommand(command);
    }
}

void DeviceLink::clearQueue()
{
    if (linkWorker) {
        linkWorker->clearQueue();
    }
}

void DeviceLink::setGuardOpenAt(qint64 at, qint64 closesAt)
{
    if (ThreadCOM* own = worker()) {
        own->setGuardOpenAt(at, closesAt);
    }
}
