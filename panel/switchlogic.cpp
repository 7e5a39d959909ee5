#include "panel/switchlogic.h"

AntennaChoice chooseAntenna(DeviceState& state, bool splitConfigPending, signed char position)
{
    const auto pos = static_cast<quint8>(position);
    AntennaChoice choice;
    if (splitConfigPending) {
        // The choice names the receive antenna; the device's next report turns split on.
        choice.command = DeviceCommand::splitOn(pos, state.selectedAntenna);
        choice.completesSplitSetup = true;
        return choice;
    }
    if (state.splitActive == 1) {
        if (pos == state.selectedAntenna) {
            // Choosing the transmit antenna ends split.
            state.splitActive = 0;
            choice.command = DeviceCommand::splitOff();
            return choice;
        }
        state.splitRxAntenna = pos;
    } else {
        state.selectedAntenna = pos;
    }
    choice.command = pos == DeviceCommand::NoAntenna ? DeviceCommand::release() : DeviceCommand::antenna(pos);
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
    return DeviceCommand::gpo(index, !on);
}

QList<DeviceCommand> bandOutputCommands(const DeviceState& state, quint8 mask, quint8 on)
{
    QList<DeviceCommand> commands;
    for (int i = 0; i < 8; ++i) {
        const quint8 bit = static_cast<quint8>(1u << i);
        if ((mask & bit) && (state.gpoStates & bit) != (on & bit)) {
            DeviceCommand command = DeviceCommand::gpo(i, (on & bit) != 0);
            // A band relay must not switch under power either.
            command.guarded = true;
            command.heldBefore = true;
            commands.append(command);
        }
    }
    return commands;
}
