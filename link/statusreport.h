#ifndef ZAREL_STATUSREPORT_H
#define ZAREL_STATUSREPORT_H

// Status report of the Merax: the text of one datagram, fields separated by
// '.', empty fields counted:
//
//   field  0 selected antenna (hex)      7 GPO outputs (hex)
//          1 split on (dec)              8 busy Ant 1..8 (hex, active low)
//          2 radio sending (dec)         9 busy Ant 9..12 (hex, active low)
//          3 split RX antenna (hex)     10 rotor indicators (hex)
//          4 RTX selected (dec)         11 rotor blink (hex)
//          5 an RX selected (dec)       12 end marker, must read 255 (hex)
//          6 GPI inputs (hex, active low)
//
//   3.0.0.0.1.0.FE.1.FF.F.0.0.FF   Ant 4 on RTX, GPI 1 active, GPO 1 on,
//                                  no antenna busy, rotors off
//
// Each field is one to eight digits of its base, read and kept to its low 8
// bits; a report holding anything else in fields 0 to 11 (an empty field, a
// sign, a letter a decimal field cannot hold) is malformed and not believed
// at all. Fields after the thirteenth are ignored; a text with fewer than
// thirteen fields is rejected like a wrong marker.

#include <QByteArray>
#include <QString>

#include "link/devicestate.h"

// Fields 0 to 11 as they stand on the wire (active-low masks not inverted).
struct StatusReport
{
    bool valid = false; // thirteen fields or more, the marker reads 255, well formed
    bool malformed = false; // marked as a report, but a field is not a number of its base
    quint8 selectedAntenna = 0;
    quint8 splitActive = 0;
    quint8 sendActive = 0;
    quint8 splitRxAntenna = 0;
    quint8 rtxActive = 0;
    quint8 rxActive = 0;
    quint8 gpiWire = 0;
    quint8 gpoStates = 0;
    quint8 busyWire1to8 = 0;
    quint8 busyWire9to12 = 0;
    quint8 rotorStates = 0;
    quint8 rotorBlink = 0;
};

// Reads a report. Work is linear in the text, whatever its length.
StatusReport parseStatusReport(const QString& text);

enum class ReportOutcome {
    Rejected, // not a report: nothing changes, the panel is only repainted
    Applied, // the state now holds the device's view
};

// Applies a report to the state: a rejected one changes nothing; an applied
// one stores fields 0 to 11, inverts the active-low masks and forgets the
// chosen RX when none is active. Commands still waiting for the device are
// shown over it afterwards (link/pendingcommands.h).
ReportOutcome applyStatusReport(DeviceState& state, const StatusReport& report);

// The text of a datagram: its bytes up to the first zero byte, as UTF-8.
QString datagramText(const QByteArray& bytes);

#endif // ZAREL_STATUSREPORT_H
