#include "panel/switchlogic.h"

AntennaChoice chooseAntenna(DeviceState& state, bool splitConfigPending, signed char position)
{
    const auto pos = static_cast<quint8>(position);
    AntennaChoice choice;
    if (splitConfigPending) {
        // The choice names the receive antenna; the device's next report turns split on.
        choice.command = deviceCommand(3, 1, pos, state.selectedAntenna);
        choice.completesSplitSetup = true;
        return choice;
    }
    if (state.splitActive == 1) {
        if (pos == state.selectedAntenna) {
            // Choosing the transmit antenna ends split.
            state.splitActive = 0;
            choice.command = deviceCommand(3, 0, 0, 0);
            return choice;
        }
        state.splitRxAntenna = pos;
    } else {
        state.selectedAntenna = pos;
    }
    choice.command = deviceCommand(2, pos);
    choice.repaint = true;
    return choice;
}

SplitClick splitClickAction(const DeviceState& state, bool splitConfigPending)
{
    if (state.splitActive != 0) {
        return SplitClick::TurnOff;
    }
    return splitConfigPending ? SplitClick::CancelSetup : SplitClick::BeginSetup;
}

DeviceCommand gpoToggleCommand(const DeviceState& state, int index)
{
    const bool on = (state.gpoStates >> index) & 1u;
    return deviceCommand(4, static_cast<quint8>(index), on ? 0 : 1);
}
