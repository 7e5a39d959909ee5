#ifndef ZAREL_COMMAND_H
#define ZAREL_COMMAND_H

// Command datagrams towards the Merax. Each is one UDP payload:
//
//   FE <type> <argument bytes> FD
//
// with 0, 1, 2 or 3 raw argument bytes fixed by the type:
//
//   type 1  status request      FE 01 FD
//   type 2  antenna p (15=none) FE 02 p FD            e.g. Ant 12: FE 02 0B FD
//   type 3  split on / off      FE 03 01 rx tx FD     / FE 03 00 00 00 FD
//   type 4  GPO g on/off        FE 04 g v FD
//   type 5  receiver n          FE 05 n 00 FD         e.g. RX 4: FE 05 04 00 FD
//   type 6  RTX                 FE 06 01 FD
//
// Types 0 and 7..255 carry no arguments. The device confirms nothing; the
// next status report shows the outcome.

#include <QByteArray>
#include <QMetaType>
#include <QString>

#include <functional>

// One command for the device: a type and up to three argument bytes. It
// travels typed from the key press to the link worker, which frames it as
// it writes it; arguments beyond the type's count are not sent.
struct DeviceCommand
{
    // The command types the device knows, as they go on the wire.
    enum Type : quint8 { Poll = 1, Antenna = 2, Split = 3, Gpo = 4, Receiver = 5, Rtx = 6 };
    // The antenna position that names none: RELEASE.
    static constexpr quint8 NoAntenna = 15;

    // Status request.
    static DeviceCommand poll();
    // Antenna `position` (0 is Ant 1); while split is on, the receive antenna.
    static DeviceCommand antenna(quint8 position);
    // Antenna none: RF off every antenna.
    static DeviceCommand release();
    static DeviceCommand splitOn(quint8 receiveAntenna, quint8 transmitAntenna);
    static DeviceCommand splitOff();
    // Receiver RX n (1..4).
    static DeviceCommand receiver(quint8 n);
    static DeviceCommand rtx();
    // Output GPO index+1 on or off.
    static DeviceCommand gpo(int index, bool on);

    quint8 type = 0;
    quint8 first = 0;
    quint8 second = 0;
    quint8 third = 0;
    // Waits in the queue until the station is known to receive
    // (link/transmitguard.h). Not part of what the command is.
    bool guarded = false;
    // The switch already waited for the end of a transmission before it was
    // given: the panel shows it as waiting until it is on the wire.
    bool heldBefore = false;

    bool isPoll() const { return type == Poll; }
    friend bool operator==(const DeviceCommand& a, const DeviceCommand& b)
    {
        return a.type == b.type && a.first == b.first && a.second == b.second && a.third == b.third;
    }
    friend bool operator!=(const DeviceCommand& a, const DeviceCommand& b) { return !(a == b); }
};
Q_DECLARE_METATYPE(DeviceCommand)

DeviceCommand deviceCommand(quint8 type, quint8 first = 0, quint8 second = 0, quint8 third = 0);

// Whether two commands set the same thing on the device, so the newer one
// makes the older pointless: the antenna (RELEASE included), split, the
// radio path (RTX or RX n), one GPO output.
bool sameSubject(const DeviceCommand& a, const DeviceCommand& b);
// Antenna and split commands depend on each other: while split is on, an
// antenna command names the receive antenna.
bool dependentSubjects(const DeviceCommand& a, const DeviceCommand& b);
// Whether the command can move RF from one antenna to another: an antenna
// or a split command. RELEASE only ever takes it away: the operator's
// emergency action is never held.
bool switchesAntenna(const DeviceCommand& command);

// Number of argument bytes that a command type carries.
int commandArgumentCount(quint8 type);

// Frames one command; arguments beyond the type's count are not sent.
QByteArray frameCommand(quint8 type, quint8 first = 0, quint8 second = 0, quint8 third = 0);
QByteArray frameCommand(const DeviceCommand& command);

// Destination port from the port text: base-10 toInt taken as 16 bits,
// 0 when the text is not a number.
quint16 commandPort(const QString& portText);

// A port the operator may configure: a base-10 number from 1 to 65535.
bool isValidPort(const QString& portText);

// Test seam: sees every command payload that sendCommand queues.
using CommandTap = std::function<void(const QByteArray& payload)>;
void setCommandTap(CommandTap tap);
void tapCommand(const QByteArray& payload);

#endif // ZAREL_COMMAND_H
