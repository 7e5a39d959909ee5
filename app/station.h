#ifndef ZAREL_STATION_H
#define ZAREL_STATION_H

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

#include "app/asker.h"
#include "connection/rotators.h"
#include "link/command.h"
#include "link/devicelink.h"
#include "link/devicestate.h"
#include "link/linksession.h"
#include "link/notices.h"
#include "link/statusreport.h"
#include "link/txinhibit.h"
#include "panel/bandfollow.h"
#include "panel/panelspeech.h"
#include "panel/switchlogic.h"

class BandFollowing;
class SettingsStore;
namespace bandfollowsettings {
struct Read;
}

// The station without a window: the link to the Merax, what the device
// has, the transmit guard and band following, and every operation an
// operator has. A front end (the panel window, the headless station) calls
// the operations and shows what the signals tell.
class Station : public QObject
{
    Q_OBJECT

public:
    explicit Station(QObject* parent = nullptr);
    ~Station() override;

    // The settings file that Connect and band following write to.
    void setSettingsPath(const QString& path) { settingsPath = path; }
    // Starts the polling thread and the link worker for this station.
    void startThreads();

    /* settings */
    // What the station takes from the settings file: the host, its port and
    // "Directly use IP", band following and the rotators.
    void applySettings(const SettingsStore& settings);
    // The host as set, its port and "Directly use IP": resolved at once, so a
    // bad entry shows up at once.
    void setHost(const QString& hostSetting, const QString& port, bool useDirectly);
    void loadBandFollow(const bandfollowsettings::Read& read);
    const BandFollowConfig& bandFollowConfig() const;
    void setBandFollowConfig(const BandFollowConfig& config);
    // The complaint for the host as set now: none set yet, or not found.
    QString hostErrorText() const;

    /* operations */
    // False when refused, with the reason shown or told by connectRefused.
    bool connectLink();
    void disconnectLink();
    // Closing with the radio held: the inhibit is lowered before the link goes.
    void closing();
    // An antenna key or F-key: may wait for the end of a transmission.
    void pickAntenna(int antenna, const Asker& asker);
    void release(const Asker& asker);
    void nextAntenna(const Asker& asker);
    // SPLIT: what it did (set-up begun, cancelled, split off).
    SplitClick splitPressed(const Asker& asker);
    void rtx(const Asker& asker);
    void selectReceiver(quint8 receiver, const Asker& asker);
    void toggleGpo(int index, const Asker& asker);
    // As a key would; `whenReceiving`: the command leaves only while the
    // station is known to receive; `heldBefore`: it waited already.
    void switchTo(signed char pos, bool whenReceiving, bool heldBefore = false);
    void sendCommand(const DeviceCommand& command);

    /* the link's threads */
    void pollTick();
    void watchdogTick();
    // A report's text that arrived now.
    void reportText(const QString& text);
    void linkWrote(const DeviceCommand& command, qint64 at);
    void linkReceived(const QByteArray& bytes, const QHostAddress& sender, quint16 senderPort, qint64 at);

    /* what it shows */
    DeviceState& state() { return deviceState; }
    const DeviceState& state() const { return deviceState; }
    LinkSession& session() { return linkSession; }
    const LinkSession& session() const { return linkSession; }
    DeviceLink& link() { return deviceLink; }
    BandFollowing* bandFollowing() const { return following; }
    Notices& notices() { return noticeLine; }
    Rotators& rotators() { return rotatorSet; }
    const Rotators& rotators() const { return rotatorSet; }
    // The antenna shown waiting: held by the rule, or given and waiting in
    // the link; none while disconnected.
    int waitingAntenna() const;
    // Who asks for what is being sent now.
    const Asker& asking() const { return currentAsker; }
    // "The Merax answers from port 5555".
    static QString answerPortText(quint16 port);

Q_SIGNALS:
    // Paint the device state again; `evenIfWithdrawn`: also over a panel
    // the watchdog has cleared.
    void repaintWanted(bool evenIfWithdrawn);
    // The device fell silent: what it has is unknown.
    void stateWithdrawn();
    // The watchdog's verdict on every cycle: a report came in time.
    void powerChecked(bool fresh);
    // The link as a screen reader tells it.
    void linkShown(PanelSpeechInput::Link link, int roundTripMs);
    void linkFigures(const QString& text);
    void radioFigures(const QString& text);
    // The device's rotors ask for blinking, or no longer; told before the
    // repaint of the same report.
    void rotorBlinkWanted(bool blinking);
    void connectedChanged(bool connected);
    // Connect refused, and why (a dialog's text).
    void connectRefused(const QString& reason);
    // Split set-up ended by the receive antenna's choice.
    void splitSetupDone();
    void bandFollowChanged();
    // A command given to the link (polls aside), and who asked for it; told
    // once the link has taken it, so what it replaced is gone already.
    void asked(const DeviceCommand& command, const Asker& asker);
    // Not given: the same request still waits for the device's word.
    void askedAgain(const DeviceCommand& command);
    // A command (polls aside) is on the wire, since `at` (steady clock).
    void written(const DeviceCommand& command, qint64 at);
    // A report's own word, before what waits is shown over it.
    void reported(const DeviceState& device);
    // What that report confirmed, and what the device did not take after
    // the last try (by name: "Ant 4", "GPO 2").
    void judged(const QStringList& confirmed, const QStringList& notConfirmed);

private:
    void createBandFollowing();
    void createInhibit();
    BandFollower::Situation bandSituation() const;
    void enqueueCommand(const DeviceCommand& command);
    void applyReport(const StatusReport& report, const QString& text, qint64 at);
    void showLinkFigures(qint64 now, bool reportApplied = false);
    // Tells what the session now shows: a switch that began or stopped
    // waiting for the end of a transmission; `repaint`: paints it too.
    void showLinkChanges(bool repaint = true);
    void writeSettingsValue(const QString& key, const QVariant& value);
    void hostLookedUp(bool found);
    void showHostError();

    /* transmit inhibit */
    void checkInhibit();
    void carryOut(const TxInhibit::Step& step);
    void inhibitReported(quint8 outputs, bool sending);
    // The link was lost, or Disconnect (`stopping`): the inhibit goes down.
    void dropInhibit(bool stopping);
    TxInhibit::Work inhibitWork() const;

    QString settingsPath;
    DeviceLink deviceLink;
    LinkSession linkSession;
    DeviceState deviceState;
    Notices noticeLine;
    Rotators rotatorSet;
    BandFollowing* following = nullptr;
    // Who asked for what the operation under way sends.
    Asker currentAsker {Asker::Kind::Station, QString()};
    class Asking;

    // The sequencer, the transmit guard's own word (steady clock) and the
    // notice that tells the radio is held.
    struct Inhibit
    {
        TxInhibit rule;
        qint64 guardOpenAt = 0;
        qint64 guardClosesAt = TransmitGuard::never;
        QTimer opens; // fires when the guard opens on a switch that waits for it
        QString notice;
        QString after; // what stands once the inhibit is down: "40 m: Ant 3"
    } inhibit;
};

/* one per process */
// Wall-clock time of the last report applied; 0: none this session.
extern qint64 lastReportTime;
// SPLIT waits for the receive antenna's choice.
extern bool splitConfigPending;

#endif // ZAREL_STATION_H
