#ifndef ZAREL_HOSTLOOKUP_H
#define ZAREL_HOSTLOOKUP_H

#include <QHostAddress>
#include <QString>

class QHostInfo;

// The address text that marks a failed host lookup: nothing is sent while
// the device address reads so, and connecting is refused.
extern const QString unresolvedAddress;

// The configured host without a leading "http://" (operators paste URLs).
QString hostFromSetting(const QString& setting);

// The address text of a finished lookup, or unresolvedAddress when it failed
// or found no address at all.
QString addressFromLookup(const QHostInfo& info);

// True for an IPv4 or IPv6 address literal; false for a host name.
bool isIpAddress(const QString& host);

// 127.0.0.3 rather than ::ffff:127.0.0.3: an IPv4 sender seen through an
// IPv6 socket, as the operator wrote it and as it compares with their setting.
QHostAddress plainAddress(const QHostAddress& address);

// Why a host cannot be used with "Directly use IP" ticked.
QString directIpProblem(const QString& host);

// What the status bar says while `host` gives no address: that none is set
// yet (a first start), or that it was not found.
QString hostComplaint(const QString& host);
// True for either complaint, whichever host it was made for.
bool isHostComplaint(const QString& message);

// Asynchronous host lookups that resolveHost has started since the program
// began; for diagnostics and tests.
int hostLookupsStarted();

#endif // ZAREL_HOSTLOOKUP_H
