#include "panel/panellooks.h"

#include "panel/indicatorstyles.h"

PanelLooks clearedLooks(const PanelFlags& flags)
{
    PanelLooks looks;
    looks.fill(panelIdleStyle());
    if (flags.splitConfigPending) {
        looks[indicator::Split] = QString();
    }
    return looks;
}

int rxIndex(quint8 selectedRx)
{
    return selectedRx >= 2 && selectedRx <= 4 ? selectedRx - 1 : 0;
}

PanelLooks litLooks(const DeviceState& state, const ColourStyles& colours, const PanelFlags& flags)
{
    PanelLooks looks = clearedLooks(flags);
    if (state.splitActive == 1) {
        looks[indicator::Split] = panelAlarmStyle();
        // The transmit antenna stands by while receiving and is in use while sending.
        const bool sending = state.sendActive == 1;
        const int ring = antennaIndex(sending ? state.splitRxAntenna : state.selectedAntenna);
        const int white = antennaIndex(sending ? state.selectedAntenna : state.splitRxAntenna);
        if (ring >= 0) {
            looks[indicator::Antenna + ring] = panelRingStyle();
        }
        if (white >= 0) {
            looks[indicator::Antenna + white] = panelSelectedStyle();
        }
    } else if (antennaIndex(state.selectedAntenna) >= 0) {
        looks[indicator::Antenna + state.selectedAntenna] = panelSelectedStyle();
    }
    // The device keeps its antenna lit; the wanted one only shows it waits.
    const int waiting = flags.waitingAntenna;
    if (waiting >= 0 && waiting < group::Antennas && looks[indicator::Antenna + waiting] == panelIdleStyle()) {
        looks[indicator::Antenna + waiting] = panelWaitingStyle();
    }
    if (state.sendActive == 1) {
        looks[indicator::Send] = panelAlarmStyle();
    }
    for (int i = 0; i < group::Gpos; ++i) {
        if (state.gpoStates & (1u << i)) {
            looks[indicator::Gpo + i] = colours[group::Gpis + i];
        }
        if (state.gpiStates & (1u << i)) {
            looks[indicator::Gpi + i] = colours[i];
        }
    }
    if (state.rtxActive == 1) {
        looks[indicator::Rtx] = panelActiveStyle();
    }
    if (state.rxActive == 1) {
        looks[indicator::Rx + rxIndex(state.selectedRx)] = panelActiveStyle();
    }
    // A repaint keeps the blink's current half: reports come several times
    // per half, so darkening here would leave the lamps lit for a moment only.
    if (!flags.rotorBlinkRunning || flags.rotorBlinkLit) {
        for (int i = 0; i < group::Rotors; ++i) {
            if (state.rotorStates & (1u << i)) {
                looks[indicator::Rotor + i] = panelAlarmStyle();
            }
        }
    }
    for (int i = 0; i < 8; ++i) {
        if (state.busyMask1to8 & (1u << i)) {
            looks[indicator::Busy + i] = panelAlarmStyle();
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (state.busyMask9to12 & (1u << i)) {
            looks[indicator::Busy + 8 + i] = panelAlarmStyle();
        }
    }
    return looks;
}

PanelLooks rotorBlinkLooks(const DeviceState& state, bool lit)
{
    PanelLooks looks;
    for (int i = 0; i < group::Rotors; ++i) {
        if (!lit) {
            looks[indicator::Rotor + i] = panelIdleStyle();
        } else if (state.rotorStates & (1u << i)) {
            looks[indicator::Rotor + i] = panelAlarmStyle();
        }
    }
    return looks;
}
