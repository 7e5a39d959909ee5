#ifndef ZAREL_DEVICESTATE_H
#define ZAREL_DEVICESTATE_H

#include <QtGlobal>

// The panel's picture of the Merax, decoded from status reports. Button
// handlers write some fields ahead of the device for immediate feedback;
// every applied report overwrites fields 0 to 11 with the device's own view,
// over which the commands it has not confirmed yet are shown.
// GUI thread only.
struct DeviceState
{
    quint8 selectedAntenna = 0; // transmit path: 0..11 = Ant 1..12, anything else none
    quint8 splitActive = 0;
    quint8 sendActive = 0;
    quint8 splitRxAntenna = 0; // receive antenna while split is on
    quint8 rtxActive = 0;
    quint8 rxActive = 0;
    quint8 gpiStates = 0; // bit i set: GPI i+1 active (inverted from the wire)
    quint8 gpoStates = 0; // bit i set: GPO i+1 on
    quint8 busyMask1to8 = 0; // bit i set: Ant i+1 busy (inverted from the wire)
    quint8 busyMask9to12 = 0; // bits 0..3 set: Ant 9..12 busy (inverted from the wire)
    quint8 rotorStates = 0; // bit i set: RT i+1 on
    quint8 rotorBlink = 0; // 1: rotor indicators blink
    quint8 selectedRx = 0; // 2, 3, 4 light RX 2..4; anything else RX 1

    bool operator==(const DeviceState& o) const
    {
        return selectedAntenna == o.selectedAntenna && splitActive == o.splitActive && sendActive == o.sendActive &&
            splitRxAntenna == o.splitRxAntenna && rtxActive == o.rtxActive && rxActive == o.rxActive &&
            gpiStates == o.gpiStates && gpoStates == o.gpoStates && busyMask1to8 == o.busyMask1to8 &&
            busyMask9to12 == o.busyMask9to12 && rotorStates == o.rotorStates && rotorBlink == o.rotorBlink &&
            selectedRx == o.selectedRx;
    }
    bool operator!=(const DeviceState& o) const { return !(*this == o); }
};

// The antenna (0 is Ant 1) a position names, or -1 for none: any value
// outside 0..11 (15 after RELEASE, FF from some devices).
inline int antennaIndex(quint8 position)
{
    return position <= 11 ? position : -1;
}

#endif // ZAREL_DEVICESTATE_H
