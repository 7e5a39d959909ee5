#ifndef ZAREL_SETTINGSKEYS_H
#define ZAREL_SETTINGSKEYS_H

#include <QLatin1String>
#include <QString>
#include <QtGlobal>

#include <optional>

// Every key of the settings file and the sizes of the panel's groups, in one
// place, each key with its default and the values it may take where it has
// them: a default is written here once. The keys are the file's format:
// older files must keep reading the same, so none may change.

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

// The words a flag is written in, in the settings file and in a logger's
// datagrams: "true" or "false" in any case, or 1 or 0; blanks around ignored.
std::optional<bool> flagFromText(const QString& text);

namespace settingskey {

// A key's name, its length counted at compile time (clang does not count a
// C string there).
template<int N>
constexpr QLatin1String keyName(const char (&name)[N])
{
    return QLatin1String(name, N - 1);
}

// A whole number: its key, the value a file without it gives, its range.
struct NumberKey
{
    QLatin1String name;
    int fallback;
    int lowest;
    int highest;
    // The number `text` holds, when it is one in range.
    std::optional<int> read(const QString& text) const;
};

// true or false.
struct FlagKey
{
    QLatin1String name;
    bool fallback;
    std::optional<bool> read(const QString& text) const { return flagFromText(text); }
};

// A text with a default.
struct TextKey
{
    QLatin1String name;
    QLatin1String fallback;
};

// The colour a GPIO entry never stored lights in (0..7 GPI 1..8, 8..15 GPO
// 1..8). Bright enough to stand out from the unlit grey by 3:1 or more, with
// black captions; neither red (alarms) nor white or pale yellow (the selected
// antenna, RTX, RX). Inputs and outputs differ so the two rows read apart at
// a glance: lime green for a GPI, amber for a GPO.
struct ColourDefault
{
    int red;
    int green;
    int blue;
};
constexpr ColourDefault gpioColourDefault(int entry)
{
    return entry < group::Gpis ? ColourDefault {50, 205, 50} : ColourDefault {255, 191, 0};
}

constexpr QLatin1String Host = keyName("IP"); // host name or address of the device
constexpr QLatin1String Port = keyName("PORT"); // UDP port of the device, as typed
constexpr QLatin1String UseIpDirectly = keyName("IPdir");
constexpr QLatin1String Connected = keyName("CONNECTED"); // 1 while the link is on; never read
// File > Connect at Start: connects as the window opens, as File > Connect would.
constexpr FlagKey ConnectAtStart {keyName("ConnectAtStart"), false};
constexpr QLatin1String StationId = keyName("ID"); // the caption above the antenna keys
constexpr QLatin1String ReleaseAll = keyName("RL");
constexpr QLatin1String SkyrailView = keyName("SK");
constexpr QLatin1String GpioView = keyName("GPI");

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
constexpr QLatin1String Source = keyName("BandFollow/Source"); // off, rigctld or logger
constexpr TextKey RigHost {keyName("BandFollow/RigHost"), keyName("127.0.0.1")};
constexpr NumberKey RigPort {keyName("BandFollow/RigPort"), 4532, 1, 65535}; // rigctld's own
constexpr NumberKey LoggerPort {keyName("BandFollow/LoggerPort"), 12060, 1, 65535}; // loggers' broadcasts
constexpr NumberKey LoggerRadio {keyName("BandFollow/LoggerRadio"), 1, 1, 99}; // the logger's RadioNr
// Empty: any host. A logger source set up anew trusts this computer only.
constexpr TextKey LoggerHost {keyName("BandFollow/LoggerHost"), keyName("127.0.0.1")};
constexpr QLatin1String LoggerStation = keyName("BandFollow/LoggerStation"); // empty: any station
// A hand-picked antenna becomes the band's first.
constexpr FlagKey Remember {keyName("BandFollow/Remember"), false};
// The operator's own keys wait for the end of a transmission too.
constexpr FlagKey HoldManual {keyName("BandFollow/HoldManual"), false};
// How long every transmit signal must have said receive before a switch;
// values under the transmit guard's floor are raised to it.
constexpr NumberKey TxHangMs {keyName("BandFollow/TxHangMs"), 300, 0, 5000};
// The same while the radio is in CW, without an inhibit output: long
// enough to bridge a word space down to 12 WPM (7 dits of 100 ms) and one
// wire spacing.
constexpr NumberKey TxHangCwMs {keyName("BandFollow/TxHangCwMs"), 790, 250, 5000};
// The GPO wired to the radio's TX-inhibit input (1..8), raised around every
// automatic switch; 0: none.
constexpr NumberKey InhibitGpo {keyName("BandFollow/InhibitGpo"), 0, 0, 8};
// A key onto an antenna in use elsewhere asks to be pressed again.
constexpr FlagKey BusyInterlock {keyName("BandFollow/BusyInterlock"), false};
// The antennas and outputs of a band (0 is 2200 m): "BandFollow/2200m" .. "BandFollow/23cm".
QString band(int index);
// Band segments, numbered from 1: "BandFollow/Segment1" for index 0.
QString segment(int index);
} // namespace bandfollow

// Rotators, each a Hamlib rotctld, in [Rotators]: "Rotor1=127.0.0.1:4533",
// "Rotor1Antennas=4, 5", "Rotor1Name=Tower", and the station's own
// Maidenhead locator.
namespace rotators {
constexpr int Count = 4;
constexpr quint16 DefaultPort = 4533; // rotctld's own
constexpr QLatin1String Locator = keyName("Rotators/Locator");
// Numbered from 1: "Rotators/Rotor1", "Rotators/Rotor1Antennas", "Rotators/Rotor1Name" for index 0.
QString rotor(int index);
QString antennas(int index);
QString name(int index);
} // namespace rotators

// The journal, journal.sqlite beside the settings file, in [Journal].
namespace journal {
constexpr FlagKey Enabled {keyName("Journal/Enabled"), true};
// Rows older than this many days go at start; 0 keeps everything.
constexpr NumberKey KeepDays {keyName("Journal/KeepDays"), 365, 0, 36500};
} // namespace journal

// The browser panel served by the station.
namespace remote {
constexpr FlagKey Enabled {keyName("Remote/Enabled"), false};
// Loopback unless the operator opens it to the network on purpose.
constexpr TextKey Listen {keyName("Remote/Listen"), keyName("127.0.0.1")};
constexpr NumberKey Port {keyName("Remote/Port"), 8443, 1, 65535};
// PEM files; both empty: the station's own self-signed certificate.
constexpr QLatin1String Certificate = keyName("Remote/Certificate");
constexpr QLatin1String Key = keyName("Remote/Key");
} // namespace remote

} // namespace settingskey

#endif // ZAREL_SETTINGSKEYS_H
