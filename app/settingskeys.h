#ifndef ZAREL_SETTINGSKEYS_H
#define ZAREL_SETTINGSKEYS_H

#include <QLatin1String>
#include <QString>

// Every key of the settings file and the sizes of the panel's groups, in one
// place. The keys are the file's format: older files must keep reading the
// same, so none may change.

// Sizes of the groups of buttons and of the GPIO colour table.
namespace group {
constexpr int Antennas = 12;
constexpr int Gpis = 8;
constexpr int Gpos = 8;
constexpr int Receivers = 4;
constexpr int Rotors = 8;
// GPI 1..8, then GPO 1..8.
constexpr int Colours = Gpis + Gpos;
} // namespace group

namespace settingskey {

constexpr QLatin1String Host("IP"); // host name or address of the device
constexpr QLatin1String Port("PORT"); // UDP port of the device, as typed
constexpr QLatin1String UseIpDirectly("IPdir");
constexpr QLatin1String Connected("CONNECTED"); // 1 while the link is on; never read
constexpr QLatin1String StationId("ID"); // the caption above the antenna keys
constexpr QLatin1String ReleaseAll("RL");
constexpr QLatin1String SkyrailView("SK");
constexpr QLatin1String GpioView("GPI");

// Captions of the buttons, numbered from 1: "K1".."K12", "GPI1".."GPI8",
// "GPO1".."GPO8". The GPIO captions share their stem with the view key.
QString antennaCaption(int number);
QString gpiCaption(int number);
QString gpoCaption(int number);

// One component of a GPIO colour: entry 0..7 is GPI 1..8, 8..15 is GPO 1..8;
// component 0, 1, 2 is red, green, blue. Entry 10, component 1 gives "GPO3G".
QString gpioColour(int entry, int component);

// Band following lives in its own group, [BandFollow], so the top-level keys
// stay as older versions wrote them.
namespace bandfollow {
constexpr QLatin1String Source("BandFollow/Source"); // off, rigctld or logger
constexpr QLatin1String RigHost("BandFollow/RigHost");
constexpr QLatin1String RigPort("BandFollow/RigPort");
constexpr QLatin1String LoggerPort("BandFollow/LoggerPort");
constexpr QLatin1String LoggerRadio("BandFollow/LoggerRadio");
constexpr QLatin1String LoggerHost("BandFollow/LoggerHost"); // empty: any host
constexpr QLatin1String LoggerStation("BandFollow/LoggerStation"); // empty: any station
constexpr QLatin1String Remember("BandFollow/Remember"); // true or false
constexpr QLatin1String HoldManual("BandFollow/HoldManual"); // true or false
constexpr QLatin1String TxHangMs("BandFollow/TxHangMs"); // 0..5000
constexpr QLatin1String BusyInterlock("BandFollow/BusyInterlock"); // true or false
// The antennas and outputs of a band (0 is 2200 m): "BandFollow/2200m" .. "BandFollow/23cm".
QString band(int index);
// Band segments, numbered from 1: "BandFollow/Segment1" for index 0.
QString segment(int index);
} // namespace bandfollow

} // namespace settingskey

#endif // ZAREL_SETTINGSKEYS_H
