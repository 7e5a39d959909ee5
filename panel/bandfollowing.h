#ifndef ZAREL_BANDFOLLOWING_H
#define ZAREL_BANDFOLLOWING_H

// Band following as one object: the radio's source, the rule
// (panel/bandfollow.h), the transmit guard (link/transmitguard.h) and the
// [BandFollow] settings. The window tells it what the device and the
// operator do and carries out what it asks for by signals; nothing here
// reads a widget. GUI thread only.

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

#include "link/transmitguard.h"
#include "panel/bandfollow.h"

class RadioSource;

class BandFollowing : public QObject
{
    Q_OBJECT

public:
    using Situation = BandFollower::Situation;
    // `situation` tells the device's side as the window knows it.
    explicit BandFollowing(std::function<Situation()> situation, QObject* parent = nullptr);

    // The settings file's [BandFollow] group, as read from `settingsPath`
    // (where changes are stored). Returns the notice naming values that
    // could not be used, or nothing.
    QString load(const QString& settingsPath, const bandfollowsettings::Read& read);

    const BandFollowConfig& config() const { return follower.config(); }
    // The operator's setting (the dialog): applied at once and stored.
    void setConfig(const BandFollowConfig& config);

    // The radio as its source reports it: "14.074 MHz · 20 m"; empty while off.
    QString figures() const;
    // Whether the source tells the radio's frequency now.
    bool readsRadio() const;
    // Whether the device has reported since Connect (or since it fell silent).
    bool deviceKnown() const { return reportSinceConnect; }

    // A report of the device came in: whether the station sends. Told
    // before anything the report leads to is queued, so nothing leaves on it.
    void deviceSends(bool sending);
    // A report of the device was applied, after deviceSends told its SEND:
    // whether the station sends.
    void deviceReported(bool sending);
    // Connect or Disconnect.
    void linkChanged(bool connected);
    // The device has been silent so long that the panel was cleared: when
    // it answers again, the band's antenna is put back if it is not there.
    void deviceSilent();
    // An antenna key or F-key: true when the press is to go ahead now,
    // false when it waits for the end of the transmission.
    bool operatorPicks(int antenna);
    // RELEASE: never held, and nothing waits after it.
    void operatorReleases();
    // Asks the rule what to do now and does it.
    void follow();
    // An antenna command is on the wire: a notice that waited for it ends.
    void switchWritten(int antenna);
    // The next-antenna key: the band's next antenna not in use elsewhere,
    // switched as band following switches.
    void nextAntenna();
    // The antenna key (0 is Ant 1) that waits for the end of a transmission.
    std::optional<int> heldAntenna() const { return follower.heldAntenna(); }
    // While a switch is wanted: it selects again what a device that came
    // back lost.
    bool restoring() const { return restoringNow; }

Q_SIGNALS:
    // Select the antenna (0 is Ant 1) as its key would, once the station
    // is known to receive; `heldBefore`: it waited for that already.
    void switchWanted(int antenna, bool heldBefore);
    // Split on, transmitting on `antenna`, receiving on `receive`, as
    // switchWanted goes.
    void splitWanted(int antenna, int receive, bool heldBefore);
    // Split off (the one band following made), then `antenna` selected.
    void splitEndWanted(int antenna, bool heldBefore);
    void statusMessage(const QString& text);
    // The guard is not what the settings make it, and why (stands until it
    // is: empty).
    void guardNotice(const QString& text);
    // Set the outputs named (bit i: GPO i+1) as `on` says, once the station
    // is known to receive; sent after the antenna switch, if any.
    void outputsWanted(quint8 mask, quint8 on);
    // The message, if still showing, no longer holds: `replacement` takes
    // its place (empty: none).
    void statusReplaced(const QString& text, const QString& replacement);
    // An antenna began or stopped waiting for the end of a transmission.
    void heldChanged();
    void figuresChanged(const QString& text);
    // Guarded switches may leave from openAt on, until closesAt unless a
    // newer reading comes.
    void guardChanged(qint64 openAt, qint64 closesAt);
    // The setting changed (in the dialog, or by "remember").
    void configChanged();
    void settingsNotSaved(const QString& notice);

private:
    // How long a press with "remember" waits for the next reading.
    static constexpr int rememberWaitMs = 1000;
    // How long after a transmission the PTT is still read closely.
    static constexpr int closeWatchMs = 3000;
    // A device silent this long before a report has come back (restarted):
    // longer than a few lost reports on a poor link.
    static constexpr int cameBackAfterMs = 1500;

    void radioChanged();
    // The hang for the radio's mode as last read.
    void applyHang();
    void storeRemembered(const BandFollowConfig& before);
    void store(const BandFollowConfig& config);
    void guardMoved();
    void tellGuard();
    void dropStandingWait();
    // "40 m: Ant 3" gives way once it no longer holds.
    void withdrawMade();
    // "20 m: Ant 4 and Ant 9 in use elsewhere"
    QString allBusyText() const;
    // The window's situation, with the guard's word on whether switching may go.
    Situation now() const;

    std::function<Situation()> situation;
    RadioSource* source;
    BandFollower follower;
    TransmitGuard guard {settingskey::bandfollow::TxHangMs.fallback};
    QString settingsPath;
    BandFollowConfig stored; // as the file holds it
    QStringList unusableKeys; // keys whose values were ignored
    int segmentSlots = 0; // the highest SegmentN the file held when read
    QString holdNotice; // the status text saying a switch waits
    QString busyNotice; // the status text saying the band's antennas are all in use
    // "40 m: Ant 3" once written: it gives way when the device is on
    // another band or antenna.
    QString madeNotice;
    int madeBand = -1;
    int madeAntenna = -1;
    bool madeShown = false; // a report has shown madeAntenna
    bool freeWaitShown = false; // as figures() last told it
    // A notice that stands until the switch to awaitedAntenna is written.
    QString standingNotice;
    int awaitedAntenna = -1;
    std::optional<int> heldShown; // as heldChanged last told
    qint64 lastReportAt = 0; // steady clock
    QTimer guardRelease; // fires when the guard opens on a held switch
    bool reportSinceConnect = false;
    bool restoringNow = false;
    bool connected = false;
    QString guardTold; // the standing notice, if any
    int lateReadings = 0; // rigctld's, in a row
    RadioMode mode = RadioMode::Unknown; // the radio's, as last read
    QTimer rememberFallback;
    QTimer closeWatch; // runs while the PTT is read closely
};

#endif // ZAREL_BANDFOLLOWING_H
