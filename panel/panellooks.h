#ifndef ZAREL_PANELLOOKS_H
#define ZAREL_PANELLOOKS_H

#include <QString>

#include <array>

#include "link/devicestate.h"

// Which look every indicator of the panel should have, worked out without
// widgets. The indicators are numbered in the order the panel resets them.
namespace indicator {
constexpr int Antenna = 0; // botaoTecla1..12
constexpr int Busy = 12; // botaoBusy1..12
constexpr int Split = 24; // botaoSplit
constexpr int Send = 25; // botaoSend
constexpr int Rotor = 26; // botaoRotor1..8
constexpr int Rtx = 34; // botaoTeclaRTX
constexpr int Rx = 35; // botaoTeclaRX1..4
constexpr int Gpi = 39; // botaoGPI1..8
constexpr int Gpo = 47; // botaoGPO1..8
constexpr int Count = 55;
} // namespace indicator

// One style sheet text per indicator; a null text leaves the widget as it is
// (the SPLIT button keeps its blink look during split set-up).
using PanelLooks = std::array<QString, indicator::Count>;

// Style texts of the sixteen GPIO colours: GPI 1..8, then GPO 1..8.
using ColourStyles = std::array<QString, 16>;

// What the renderer needs besides the device state.
struct PanelFlags
{
    bool splitConfigPending = false;
    bool rotorBlinkRunning = false; // rotors are then left to their blink timer
};

// Every indicator unlit, the SPLIT button left alone while set-up is pending.
PanelLooks clearedLooks(const PanelFlags& flags);

// The full picture of the device state: unlit, then lit where it says so.
PanelLooks litLooks(const DeviceState& state, const ColourStyles& colours, const PanelFlags& flags);

// The antenna button that a position lights, or -1 for none (15: released).
int antennaIndex(quint8 position);

// The RX button lit while a receiver is active: RX 2..4 by number, else RX 1.
int rxIndex(quint8 selectedRx);

#endif // ZAREL_PANELLOOKS_H
