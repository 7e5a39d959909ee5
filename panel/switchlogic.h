#ifndef ZAREL_SWITCHLOGIC_H
#define ZAREL_SWITCHLOGIC_H

#include <QList>
#include <QtGlobal>

#include "link/command.h"
#include "link/devicestate.h"

// What an antenna choice (button, F-key or RELEASE) means in the current split
// state. Updates the panel's copy of the device state at once, so the panel
// shows the choice before the device does.
struct AntennaChoice
{
    DeviceCommand command; // sent only while connected
    bool completesSplitSetup = false; // ends set-up mode: message, blinking stops
    bool repaint = false;
};
AntennaChoice chooseAntenna(DeviceState& state, bool splitConfigPending, signed char position);

// What a click on SPLIT does. Split on is tested first, so a click always
// turns a running split off, even while set-up is pending.
enum class SplitClick { TurnOff, BeginSetup, CancelSetup };
SplitClick splitClickAction(const DeviceState& state, bool splitConfigPending);

// A GPO press asks for the opposite of the output's last reported state.
DeviceCommand gpoToggleCommand(const DeviceState& state, int index);

// A band's outputs (bit i of mask: GPO i+1 named, set on or off as `on`
// says): one command for each named output `state` does not show so yet,
// held like a switch until the station receives and shown once written.
QList<DeviceCommand> bandOutputCommands(const DeviceState& state, quint8 mask, quint8 on);

#endif // ZAREL_SWITCHLOGIC_H
