#ifndef ZAREL_BANDFOLLOW_H
#define ZAREL_BANDFOLLOW_H

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>
#include <optional>

#include "connection/radiosource.h"
#include "link/transmitguard.h"
#include "panel/bandplan.h"

// What the operator set for band following.
struct BandFollowConfig
{
    RadioSourceSettings source;
    bool remember = false; // a hand-picked antenna becomes the band's
    bool holdManual = false; // the operator's own keys wait for the end of a transmission too
    // How long every transmit signal must have said receive before a switch.
    int txHangMs = TransmitGuard::defaultHangMs;
    std::array<int, bandplan::BandCount> antennas {}; // per band: 1..12, 0 none

    bool operator==(const BandFollowConfig& other) const;
    bool operator!=(const BandFollowConfig& other) const { return !(*this == other); }
};

namespace bandfollowsettings {

// A host name or address as the sources take it: trimmed, without blanks or
// commas; none for anything else.
std::optional<QString> hostFrom(const QString& text);

// Reads the [BandFollow] group through lookup (none: the key is absent). A
// value that cannot be used keeps the default and is named in ignored, as
// "Source=radio".
struct Read
{
    BandFollowConfig config;
    QStringList ignored;
    QStringList ignoredKeys; // the same, as keys with their group
};
Read read(const std::function<std::optional<QString>(const QString& key)>& lookup);

// The keys (with their group) and values to write to go from one setting to
// the other; unchanged keys are left out, so a file the operator never set
// this up in stays as it is. Keys in rewrite are written in any case.
QVector<QPair<QString, QString>> changes(const BandFollowConfig& from, const BandFollowConfig& to,
                                         const QStringList& rewrite = {});

} // namespace bandfollowsettings

// The rule of band following and of switching under power. Plain state: the
// window feeds it what the radio, the device and the operator do and carries
// out the steps it returns. Antennas are numbered from 0 (Ant 1) here.
class BandFollower
{
public:
    struct Situation
    {
        bool connected = false;
        bool stateKnown = false; // a report has shown the device's antenna since Connect
        bool splitBusy = false; // split on or being set up
        int selectedAntenna = -1;
        // The transmit guard is open: the station has received for the
        // hang time. Switches wait for it, not for the signals to drop.
        bool receiving = true;
    };
    enum class Action {
        None,
        Switch, // select antenna now, as a key press would
        Hold, // antenna waits for the end of the transmission (said once per antenna)
        Paused, // a switch is wanted, but split is in the way (said once per pause)
        Dropped, // antenna was waiting when the radio's source went away: not switched
        Restore, // the device came back without an antenna: select the band's again
        NoAntenna, // the device reports no antenna the panel asked for (said once)
    };
    struct Step
    {
        Action action = Action::None;
        int antenna = -1;
    };

    const BandFollowConfig& config() const { return cfg; }
    // A change of the current band's antenna is acted on; a new source starts
    // afresh, so its first band is followed.
    void setConfig(const BandFollowConfig& config);

    void setReading(const RadioReading& reading);
    void setDeviceSending(bool sending);
    bool transmitting() const { return radioTransmitting || deviceSending; }
    std::optional<int> heldAntenna() const { return held; }
    // The band last entered (bandplan's index).
    std::optional<int> currentBand() const { return followedBand; }

    // Following starts again (after Connect, when split ends, when the
    // device answers again after a silence): the band's antenna is selected
    // if it is not already.
    void resume();
    // The link went down: nothing waits for it to come back.
    void linkDown();
    // A report showed `antenna` (-1: none) on the device; `afterSilence`:
    // the device had not answered for a while before it.
    void deviceShows(int antenna, bool afterSilence);

    // An antenna key or F-key: true when the press must wait for the end of
    // the transmission (the caller then leaves it to next()).
    bool holdsPress(int antenna, const Situation& situation);
    // A press that went through replaces anything waiting.
    void pressed(int antenna);
    // RELEASE: the operator's latest choice, never held, nothing waits after it.
    void released();
    // With "remember", both kinds of press make the antenna the band's of
    // the next reading (the one at hand may predate a QSY made just before
    // the press): config() then differs from what was set. Without a next
    // reading, settleRemembered() takes the band at hand.
    bool rememberPending() const { return rememberWaiting.has_value(); }
    void settleRemembered();

    Step next(const Situation& situation);

private:
    void remember(int antenna);
    void clearHeld();
    // Nothing waiting is switched; next() says which antenna was given up.
    void giveUpWaiting();

    BandFollowConfig cfg;
    std::optional<int> band; // of the latest reading
    std::optional<int> followedBand; // the band last entered
    bool due = false; // the followed band's antenna is to be selected
    std::optional<int> held;
    bool heldByBand = false;
    bool handPicked = false; // a key chose the antenna since the band was entered
    bool sourceLost = false; // the source has told no frequency since it went away
    std::optional<int> rememberWaiting; // pressed with "remember", band not read since
    std::optional<int> dropped;
    std::optional<int> announcedHold;
    bool pauseAnnounced = false;
    bool radioTransmitting = false;
    bool deviceSending = false;
    int deviceAntenna = -1; // as the last report showed it
    bool releasedHere = false; // RELEASE was this panel's latest choice
    bool restoring = false; // the band's antenna is due because the device lost it
    bool noAntennaDue = false;
};

#endif // ZAREL_BANDFOLLOW_H
