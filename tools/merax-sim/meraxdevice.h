#ifndef MERAXSIM_MERAXDEVICE_H
#define MERAXSIM_MERAXDEVICE_H

// The Merax as the simulator plays it, with no socket in sight.
//
// Datagrams in (raw bytes):
//
//   FE 01 FD              status request, answered with one report
//   FE 02 p FD            antenna p (0..11, 0F = none); in split: receive antenna p
//   FE 03 01 rx tx FD     split on: receive on rx, transmit on tx
//   FE 03 00 00 00 FD     split off
//   FE 04 g v FD          GPO g (0..7) on (v = 1) or off (v = 0)
//   FE 05 n 00 FD         receiver RX n (1..4)
//   FE 06 01 FD           RTX
//
// Anything else (other types, wrong length, framing or values) is counted as
// malformed and changes nothing: the panel never sends it, so it points at a
// fault worth seeing in the log.
//
// A device can be told to refuse one antenna: FE 02 p FD for that p is
// received but not carried out, in split too, so a panel's unconfirmed
// switch can be tried at will. Split commands naming it still work.
//
// Report out (ASCII, 13 fields joined by '.'):
//
//   ant.split.send.splitRx.rtx.rx.gpi.gpo.busy1-8.busy9-12.rotors.blink.FF
//   e.g. Ant 4, RTX, GPO 1 on, GPI 1 active, nothing busy:
//   3.0.0.0.1.0.FE.1.FF.F.0.0.FF
//
// Fields 1, 2, 4, 5 are decimal, the others upper-case hex with as few digits
// as the value needs. GPI and busy bits are active low on the wire; busy 9-12
// uses only the low four bits.

#include <QByteArray>
#include <QString>

struct MeraxState
{
    quint8 antenna = 0; // transmit path: 0..11, 15 = none
    bool splitActive = false;
    quint8 splitRxAntenna = 0; // receive antenna while split is on
    bool sending = false;
    quint8 receiver = 0; // 0 = RTX, 1..4 = RX n
    quint8 gpiActive = 0; // bit i: GPI i + 1 active
    quint8 gpoOn = 0; // bit i: GPO i + 1 on
    quint16 busy = 0; // bit i: Ant i + 1 busy (12 bits)
    quint8 rotors = 0; // bit i: RT i + 1 on
    bool rotorBlink = false;
};

// What the scripted activity mode shows at one step of its cycle. It drives
// only the inputs the operator cannot switch from the panel.
struct ActivityFrame
{
    quint8 gpiActive = 0;
    quint16 busy = 0;
    bool sending = false;
    quint8 rotors = 0;
    bool rotorBlink = false;
};

constexpr int activityStepCount = 24;
constexpr int activityStepMs = 1000;

// The frame of a step; steps repeat every activityStepCount.
ActivityFrame activityFrame(int step);

class MeraxDevice
{
public:
    enum class Kind { StatusRequest, Command, Refused, Malformed };

    struct Outcome
    {
        Kind kind = Kind::Malformed;
        QString meaning; // for the log, e.g. "antenna 4" or "malformed: wrong end byte"
        QByteArray reply; // the report for a status request, empty otherwise
    };

    Outcome handle(const QByteArray& datagram);
    QByteArray handleDatagram(const QByteArray& datagram) { return handle(datagram).reply; }
    // What handle() would make of it, for the log of a datagram that never
    // reaches the device: nothing changes, nothing is counted, no reply.
    Outcome describe(const QByteArray& datagram) const;
    QString report() const;

    void applyActivity(const ActivityFrame& frame);

    // Antenna index 0..11 whose antenna command is refused; < 0: none.
    void setRefusedAntenna(int index) { m_refusedAntenna = index; }
    // GPO 1..8 wired to the radio's TX-inhibit input; 0: none. While it is
    // on, the radio stays off the air whatever keys it.
    void setInhibitGpo(int gpo) { m_inhibitGpo = gpo; }
    // The radio transmits: keyed (state().sending) and not held off.
    bool onAir() const
    {
        return m_state.sending && !(m_inhibitGpo > 0 && (m_state.gpoOn & (1u << (m_inhibitGpo - 1))));
    }

    MeraxState& state() { return m_state; }
    const MeraxState& state() const { return m_state; }

    quint64 requests() const { return m_requests; }
    quint64 commands() const { return m_commands; }
    quint64 malformed() const { return m_malformed; }
    quint64 refused() const { return m_refused; }

private:
    QString execute(const QByteArray& datagram); // empty result: the command is invalid
    Outcome reject(const QString& reason);

    MeraxState m_state;
    int m_refusedAntenna = -1;
    int m_inhibitGpo = 0;
    quint64 m_requests = 0;
    quint64 m_commands = 0;
    quint64 m_malformed = 0;
    quint64 m_refused = 0;
};

// "FE 02 03 FD"; long datagrams are cut after a few bytes.
QString hexDump(const QByteArray& bytes);

#endif // MERAXSIM_MERAXDEVICE_H
