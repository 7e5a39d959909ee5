#ifndef ZAREL_PANELLOOKS_H
#define ZAREL_PANELLOOKS_H

#include <QString>

#include <array>

#include "app/settingskeys.h"
#include "link/devicestate.h"

// Which look every indicator of the panel should have, worked out without
// widgets. The indicators are numbered in the order the panel resets them.
namespace indicator {
constexpr int Antenna = 0; // botaoTecla1..12
constexpr int Busy = Antenna + group::Antennas; // botaoBusy1..12
constexpr int Split = Busy + group::Antennas; // botaoSplit
constexpr int Send = Split + 1; // botaoSend
constexpr int Rotor = Send + 1; // botaoRotor1..8
constexpr int Rtx = Rotor + group::Rotors; // botaoTeclaRTX
constexpr int Rx = Rtx + 1; // botaoTeclaRX1..4
constexpr int Gpi = Rx + group::Receivers; // botaoGPI1..8
constexpr int Gpo = Gpi + group::Gpis; // botaoGPO1..8
constexpr int Count = Gpo + group::Gpos;
static_assert(Count == 55, "the panel has 55 indicators");
} // namespace indicator

// One style sheet text per indicator; a null text leaves the widget as it is
// (the SPLIT button keeps its blink look during split set-up).
using PanelLooks = std::array<QString, indicator::Count>;

// Style texts of the sixteen GPIO colours: GPI 1..8, then GPO 1..8.
using ColourStyles = std::array<QString, group::Colours>;

// What the renderer needs besides the device state.
struct PanelFlags
{
    bool splitConfigPending = false;
    bool rotorBlinkRunning = false; // the device asks the rotor lamps to blink
    bool rotorBlinkLit = false; // the blink is in its lit half
    // The antenna key (0 is Ant 1) of a switch that waits for the end of a
    // transmission; -1: none.
    int waitingAntenna = -1;

    bool operator==(const PanelFlags& o) const
    {
        return splitConfigPending == o.splitConfigPending && rotorBlinkRunning == o.rotorBlinkRunning &&
            rotorBlinkLit == o.rotorBlinkLit && waitingAntenna == o.waitingAntenna;
    }
    bool operator!=(const PanelFlags& o) const { return !(*this == o); }
};

// Every indicator unlit, the SPLIT button left alone while set-up is pending.
PanelLooks clearedLooks(const PanelFlags& flags);

// The full picture of the device state: unlit, then lit where it says so.
PanelLooks litLooks(const DeviceState& state, const ColourStyles& colours, const PanelFlags& flags);

// A tick of the rotor blink into the given half: in the lit half the rotors
// that are on light up and the others are left alone; in the dark half every
// rotor goes out. Every other indicator is left alone.
PanelLooks rotorBlinkLooks(const DeviceState& state, bool lit);

// The RX button lit while a receiver is active: RX 2..4 by number, else RX 1.
int rxIndex(quint8 selectedRx);

#endif // ZAREL_PANELLOOKS_H
