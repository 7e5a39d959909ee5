#ifndef ZAREL_BANDFOLLOW_H
#define ZAREL_BANDFOLLOW_H

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>
#include <optional>

#include "app/bandplan.h"
#include "app/settingskeys.h"
#include "connection/radiosource.h"
#include "link/transmitguard.h"

// A band's antennas in the order they are tried, 1..12; empty: none.
using AntennaList = QVector<int>;

// The outputs a band sets: GPO i+1 is named when bit i of mask is set, and
// then on when bit i of on is set too.
struct BandOutputs
{
    quint8 mask = 0;
    quint8 on = 0;
    bool isEmpty() const { return mask == 0; }
    // `over` laid on this, output by output: what it leaves unnamed is ours.
    BandOutputs overlaid(const BandOutputs& over) const
    {
        return {quint8(mask | over.mask), quint8((over.on & over.mask) | (on & mask & ~over.mask))};
    }
    bool operator==(const BandOutputs& o) const { return mask == o.mask && on == o.on; }
    bool operator!=(const BandOutputs& o) const { return !(*this == o); }
};

// Part of a band, by frequency and optionally by mode, with antennas and
// outputs of its own; what it leaves empty is its band's.
struct BandSegment
{
    qint64 lowHz = 0; // edges included
    qint64 highHz = 0;
    RadioMode mode = RadioMode::Unknown; // Unknown: any mode
    AntennaList antennas;
    int receive = 0; // Ant 1..12 to receive on in split; 0: the band's
    BandOutputs outputs;
    bool operator==(const BandSegment& o) const;
    bool operator!=(const BandSegment& o) const { return !(*this == o); }
};

// What the operator set for band following.
struct BandFollowConfig
{
    RadioSourceSettings source;
    bool remember = settingskey::bandfollow::Remember.fallback;
    bool holdManual = settingskey::bandfollow::HoldManual.fallback;
    int txHangMs = settingskey::bandfollow::TxHangMs.fallback;
    int txHangCwMs = settingskey::bandfollow::TxHangCwMs.fallback;
    int inhibitGpo = settingskey::bandfollow::InhibitGpo.fallback; // 0: none
    // The hang the guard keeps for a radio in `mode`: the CW one only
    // without an inhibit output, which makes any keying safe.
    int hangFor(RadioMode mode) const { return inhibitGpo == 0 && mode == RadioMode::Cw ? txHangCwMs : txHangMs; }
    std::array<AntennaList, bandplan::BandCount> antennas {};
    std::array<BandOutputs, bandplan::BandCount> outputs {};
    // The antenna (1..12) a band receives on, in split with its own for
    // transmit; 0: none, split off.
    std::array<int, bandplan::BandCount> receive {};
    // Every output a band or segment names belongs to band following.
    quint8 followedOutputs() const;
    // In the order the operator gave them: the first that fits wins.
    QVector<BandSegment> segments;
    bool busyInterlock = settingskey::bandfollow::BusyInterlock.fallback;

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
    int segmentSlots = 0; // the highest SegmentN holding text
};
Read read(const std::function<std::optional<QString>(const QString& key)>& lookup);

// How the file writes them, and back; none for text that is no such thing.
// Antennas: "4, 9, 2", "0" for none. Outputs: one character per GPO from
// GPO 1, 1 on, 0 off, - not named by this band: "1-0-----". A band's value
// is its antennas, its receive antenna if any, then its outputs if any:
// "4, 9, 2 rx 8 1-0-----". A segment's is its range in kHz, its mode if any
// (CW, SSB, DATA), its antennas and outputs: "3500-3600 CW 2, 5",
// "14070-14099 DATA 0 rx 8 --1-----". A segment must lie inside one band.
std::optional<AntennaList> antennasFrom(const QString& text);
std::optional<BandOutputs> outputsFrom(const QString& text);
QString antennasText(const AntennaList& antennas);
// Antennas with a receive antenna (0: none) as one field: "1 rx 8".
std::optional<QPair<AntennaList, int>> antennasWithReceiveFrom(const QString& text);
QString antennasWithReceiveText(const AntennaList& antennas, int receive);
QString outputsText(const BandOutputs& outputs);
// Why a segment's text cannot be used, and the words at fault as the text
// holds them (`word`, and for a range the other edge in `other`).
struct SegmentProblem
{
    enum class Kind {
        None,
        Incomplete, // an edge of the range missing
        NotKilohertz, // "14,070": an edge that is no number of kHz
        LooksLikeMegahertz, // "14.070": in no band as kHz, in one as MHz
        NoBand, // an edge outside every band
        Reversed, // `word`, the lower edge, above `other`
        TwoBands, // `word` and `other` in different bands
        NotAMode, // "USB": a word where the mode goes
        NotAntennas, // "13", "4;9"
        NotReceive, // "rx" without an antenna 1 to 12 after it (`word` is "rx")
        NotOutputs, // "1-0": not one of 1, 0, - for each of the 8 outputs
        SecondAntennas, // "4 9": a second antenna list where the outputs go
        LeftOver, // a word after the outputs
    };
    Kind kind = Kind::None;
    QString word;
    QString other;
};
std::optional<BandSegment> segmentFrom(const QString& text, SegmentProblem* problem = nullptr);
// The words of a value as the parsing above reads them: blanks around commas
// taken out, "4, 9, 2 1-0-----" gives "4,9,2" and "1-0-----".
QStringList wordsOf(const QString& text);
QString segmentText(const BandSegment& segment);
QString modeText(RadioMode mode); // "CW"; empty for Unknown
QString kilohertzText(qint64 hz); // "3500", "3573.5"
constexpr int MaxSegments = 32;

// The keys (with their group) and values to write to go from one setting to
// the other; unchanged keys are left out, so a file the operator never set
// this up in stays as it is. Keys in rewrite are written in any case.
// segmentSlots: the highest SegmentN the file may hold, emptied if unused.
QVector<QPair<QString, QString>> changes(const BandFollowConfig& from, const BandFollowConfig& to,
                                         const QStringList& rewrite = {}, int segmentSlots = 0);

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
        int selectedAntenna = -1; // while split is on, the transmit antenna
        // The transmit guard is open: the station has received for the
        // hang time. Switches wait for it, not for the signals to drop.
        bool receiving = true;
        quint16 busy = 0; // bit i: Ant i+1 is in use elsewhere
        quint8 outputs = 0; // bit i: GPO i+1 is on
        int splitRx = -1; // the receive antenna while the device shows split on
    };
    enum class Action {
        None,
        Switch, // select antenna now, as a key press would
        Hold, // antenna waits for the end of the transmission (said once per antenna)
        Paused, // a switch is wanted, but split is in the way (said once per pause)
        Dropped, // antenna was waiting when the radio's source went away: not switched
        Restore, // the device came back without an antenna, or on another: select the band's again
        CameBack, // the device came back on another antenna, and band following has none to give it
        NoAntenna, // the device reports no antenna the panel asked for (said once)
        AllBusy, // every antenna of the band is in use elsewhere (said once per band entry)
    };
    // The antenna a device that came back after a silence showed, and the
    // one it had before (-1: none).
    struct CameBack
    {
        int on = -1;
        int had = -1;
    };
    // What a Switch or Restore does to split: a band with a receive antenna
    // puts split on (antenna for transmit, receive for receive); leaving it
    // takes the split band following made off again.
    enum class Split { Keep, On, Off };
    struct Step
    {
        Step(Action action = Action::None, int antenna = -1)
            : action(action)
            , antenna(antenna)
        {
        }
        Action action = Action::None;
        int antenna = -1;
        Split split = Split::Keep;
        int receive = -1; // with Split::On
        // Outputs to set now, with the switch or alone; empty: none.
        BandOutputs outputs;
    };
    // What the device came back on, for the last Restore or CameBack.
    const CameBack& cameBackTold() const { return told; }

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
    // The antennas of the band (or segment) last entered.
    AntennaList currentAntennas() const;
    // Band outputs wait for the station to receive.
    bool outputsWaiting() const { return outputsDue; }
    // The band's antennas are all in use elsewhere: it follows when one frees.
    bool waitingForFree() const { return allBusyTold; }

    // The next antenna of the band's list after the selected one that is
    // not in use elsewhere; it is switched by next() like a band's.
    enum class Stepped { Ok, NoList, NoneFree };
    Stepped stepNext(const Situation& situation);
    // With the busy interlock, a key onto an antenna in use elsewhere goes
    // only when pressed again within interlockMs; false: tell the operator.
    // Long enough for a screen reader to say the prompt first.
    static constexpr int interlockMs = 5000;
    bool busyPressGoes(int antenna, const Situation& situation, qint64 now);

    // Following starts again (after Connect, when split ends, when the
    // device answers again after a silence): the band's antenna is selected
    // if it is not already.
    void resume();
    // The link went down: nothing waits for it to come back.
    void linkDown();
    // A report showed `antenna` (-1: none) and `outputs` on the device;
    // `afterSilence`: the device had not answered for a while before it.
    void deviceShows(int antenna, quint8 outputs, bool afterSilence);
    // This panel wrote a switch to `antenna`: the device may show it next.
    void antennaWritten(int antenna) { deviceAntenna = antenna; }

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
    // Split is on, or being set up, not as band following made it.
    bool splitByHand(const Situation& situation) const;

private:
    // A band, and the segment of it that applies (-1: none).
    struct Place
    {
        int band = -1;
        int segment = -1;
        bool operator==(const Place& o) const { return band == o.band && segment == o.segment; }
        bool operator!=(const Place& o) const { return !(*this == o); }
    };
    Place placeAt(qint64 hz, RadioMode mode) const;
    const AntennaList& antennasOf(const Place& place) const;
    AntennaList& antennasOf(const Place& place);
    // The band's pattern with its segment's laid over it, extended to every
    // output band following owns: one no pattern here names is off.
    BandOutputs outputsOf(const Place& place) const;
    // The receive antenna (0 is Ant 1; -1: none).
    int receiveOf(const Place& place) const;
    // What the split is to be for transmitting on `antenna` in the band
    // followed, against what the device shows; Keep when it is that already.
    Split splitFor(int antenna, const Situation& situation) const;
    // The device's split is one of the band's antennas with its receive one.
    bool bandsSplit(const Situation& situation) const;
    std::optional<int> firstFree(const AntennaList& antennas, const Situation& situation) const;
    void entered(const Place& place);
    void remember(int antenna);
    void clearHeld();
    // Nothing waiting is switched; next() says which antenna was given up.
    void giveUpWaiting();

    BandFollowConfig cfg;
    std::optional<int> band; // of the latest reading
    std::optional<Place> place; // of the latest reading
    std::optional<int> followedBand; // the band last entered
    std::optional<Place> followed; // the band or segment last entered
    std::optional<qint64> readHz; // the frequency followed, of the latest reading
    RadioMode readMode = RadioMode::Unknown;
    std::optional<int> stepped; // chosen by the next-antenna key, not switched yet
    bool outputsDue = false;
    bool allBusyTold = false;
    std::optional<int> interlockAntenna; // pressed once onto a busy antenna
    qint64 interlockAt = 0;
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
    int deviceAntenna = -1; // as the last report showed it, or as this panel wrote it since
    quint8 deviceOutputs = 0;
    bool deviceKnown = false;
    std::optional<CameBack> returned; // told with the next Restore or CameBack
    CameBack told;
    bool cameBackDue = false;
    bool releasedHere = false; // RELEASE was this panel's latest choice
    bool restoring = false; // the band's antenna is due because the device lost it
    bool noAntennaDue = false;
    // The split band following asked for (transmit, receive), until it is
    // taken off; shown: the device has reported it.
    std::optional<QPair<int, int>> ownSplit;
    bool ownSplitShown = false;
};

#endif // ZAREL_BANDFOLLOW_H
