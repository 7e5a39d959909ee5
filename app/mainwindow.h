#ifndef ZAREL_MAINWINDOW_H
#define ZAREL_MAINWINDOW_H

#include <QColor>
#include <QHostInfo>
#include <QMainWindow>
#include <QNetworkRequest>
#include <QString>
#include <QTimer>

#include <atomic>
#include <memory>

#include "app/settingskeys.h"
#include "link/command.h"
#include "link/devicestate.h"
#include "link/linksession.h"
#include "link/txinhibit.h"
#include "panel/bandfollow.h"
#include "panel/paintcache.h"
#include "panel/scalemath.h"

class BandFollowing;
class C4SAnchorLayout;
class PanelForm;
class QCloseEvent;
class QKeyEvent;
class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QPushButton;
class QResizeEvent;
class ThreadCOM;
class ThreadLeitura;

// The panel window and hub of the program. Its members are defined in the
// folder of their concern: app/ (life cycle, settings), connection/ (connect,
// polling, watchdog), link/ (commands, reports), panel/ (switching, split,
// GPIO, rendering, colours, scaling), dialogs/ (the menu slots that open them).
class PanelAccess;
class StatusLine;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    /* settings */
    void applySettings();
    void setUseIpDirectly(bool useDirectly);
    QString settingsFilePath() const { return settingsPath; }

    /* link */
    void sendCommand(quint8 type, quint8 first = 0, quint8 second = 0, quint8 third = 0);
    void sendCommand(const DeviceCommand& command);
    // The link's session: what was written, what the device confirmed.
    const LinkSession& session() const { return linkSession; }
    void resolveHost();
    // Sets deviceAddress and hands it, with devicePort, to the link worker.
    void setDeviceAddress(const QString& address);

    /* colours */
    void saveGpioColors();

    // Status-bar notice that the settings file could not be written, and why.
    void reportSettingsWriteFailure(const QString& notice);

    /* band following */
    const BandFollowConfig& bandFollowConfig() const;
    // Stores what changed and follows the new setting at once.
    void setBandFollowConfig(const BandFollowConfig& config);
    // The antenna following the radio's band: its source, rule and settings.
    BandFollowing* bandFollow() const { return bandFollowing; }

    /* rendering helpers */
    void setRingStyle(QWidget* widget);
    void setColourStyle(QWidget* widget, const QColor& colour);

    // Stops and joins the polling thread and the link worker, so nothing of
    // theirs reaches this window afterwards. Safe to call more than once.
    static void stopThreads();

    QString hostText;
    QString deviceAddress;
    QString devicePort;
    bool useIpDirectly = false;
    QTimer splitBlinkTimer;
    QTimer busyRotBlinkTimer;
    QColor gpioColors[group::Colours];
    C4SAnchorLayout* anchorLayout = nullptr;
    PanelForm* ui = nullptr;
    QString settingsPath;

    DeviceState deviceState;
    PaintCache paintCache;

Q_SIGNALS:
    // The band-following setting changed (in a dialog, or by "remember").
    void bandFollowChanged();
    // The settings file was applied again: captions may have changed.
    void settingsApplied();

public Q_SLOTS:
    /* polling and watchdog */
    void callEnviar();
    void checkCOMTimeout(MainWindow* w);

    /* unused: every command and report travels as a UDP datagram */
    void callReceber(MainWindow* w);
    void enviaRequestSlot(QNetworkRequest req);
    void enviaRequestsGlobal(QNetworkRequest req);

    /* split and blinking */
    void blinkSplit();
    void blinkBusyRot();

    /* status reports */
    void recebeRespostaRede(QNetworkReply* rep);
    void processaPDRLan(MainWindow* w, QString res);
    // What the link worker wrote and received, in wire order.
    void linkWrote(const DeviceCommand& command, qint64 at);
    void linkReceived(const QByteArray& bytes, const QHostAddress& sender, quint16 senderPort, qint64 at);

    /* connection */
    void lookedUp(QHostInfo host);
    void hostInfoResults(QHostInfo host);
    void openCom();
    void closeCom();

    /* keyboard */
    void keyPressEvent(QKeyEvent* event) override;

private Q_SLOTS:
    void processaPDR(MainWindow* w);
    void on_botaoTecla1_clicked();

    /* switching */
    void enviaComutacao(signed char pos);
    void on_botaoTecla1_pressed();
    void on_botaoTecla2_pressed();
    void on_botaoTecla3_pressed();
    void on_botaoTecla4_pressed();
    void on_botaoTecla5_pressed();
    void on_botaoTecla6_pressed();
    void on_botaoTecla7_pressed();
    void on_botaoTecla8_pressed();
    void on_botaoTecla9_pressed();
    void on_botaoTecla10_pressed();
    void on_botaoTecla11_pressed();
    void on_botaoTecla12_pressed();
    void on_botaoRelease_pressed();
    void on_botaoTeclaRTX_pressed();
    void on_botaoTeclaRX1_pressed();
    void on_botaoTeclaRX2_pressed();
    void on_botaoTeclaRX3_pressed();
    void on_botaoTeclaRX4_pressed();
    void on_botaoSplit_clicked();

    /* GPIO and view toggles */
    void on_actionGPIO_triggered();
    void on_actionSkyrail_WF_triggered();
    void on_botaoGPO1_pressed();
    void on_botaoGPO2_pressed();
    void on_botaoGPO3_pressed();
    void on_botaoGPO4_pressed();
    void on_botaoGPO5_pressed();
    void on_botaoGPO6_pressed();
    void on_botaoGPO7_pressed();
    void on_botaoGPO8_pressed();

    /* rendering */
    void clearUI(MainWindow* w);
    void updateUI(MainWindow* w);

    /* GPIO colours */
    bool eventFilter(QObject* object, QEvent* event) override;
    void auxEFGPIOsColors(QObject* object, QEvent* e, QPushButton* b, QColor* c);

    /* layout and scaling */
    void updateUISize();
    void resizeAllTexts(short size);

    /* dialogs */
    void on_actionAbout_triggered();
    void on_actionAbout_Quorvan_triggered();
    void on_actionLabels_triggered();
    void on_actionLAN_Settings_triggered();
    void on_actionBand_Following_triggered();
    void on_actionNext_Antenna_triggered();
    void on_actionKeys_triggered();
    void on_actionConnectAtStart_triggered();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void registerAnchoredWidgets();
    void fitCaptions();
    void placeLogo();
    void toggleGpo(int index);
    void toggleView(bool checked, QWidget* frame, const QString& key);

    /* link */
    void enqueueCommand(const DeviceCommand& command);
    // The session's figures; `reportApplied`: a report was just applied,
    // so before any round trip is known the time since the last write shows.
    void showLinkFigures(qint64 now, bool reportApplied = false);
    // Paints and tells what the session now shows: a switch that began or
    // stopped waiting for the end of a transmission.
    void showLinkChanges();
    LinkSession linkSession;
    // Applies a report that arrived at `at` (steady clock).
    void applyReport(const QString& res, qint64 at);
    // "Directly use IP" as the link uses it: taken from the setting at
    // Connect, and when settings are applied only for an address, so a box
    // ticked under a live link never sends to a host name.
    bool linkUsesIpDirectly = false;

    /* transmit inhibit */
    // The sequencer, the transmit guard's own word (steady clock) and the
    // notice that tells the radio is held.
    struct Inhibit
    {
        TxInhibit rule;
        qint64 guardOpenAt = 0;
        qint64 guardClosesAt = TransmitGuard::never;
        QTimer opens; // fires when the guard opens on a switch that waits for it
        QString notice;
        QString after; // what the bar says once the inhibit is down: "40 m: Ant 3"
    } inhibit;
    void createInhibit();
    // After a command, a report or a guard change: raises or lowers the
    // inhibit, then lets guarded commands through as it allows.
    void checkInhibit();
    void carryOut(const TxInhibit::Step& step);
    void inhibitReported(quint8 outputs, bool sending);
    // The link was lost, or Disconnect (`stopping`): the inhibit goes down.
    void dropInhibit(bool stopping);
    TxInhibit::Work inhibitWork() const;
    // Closing with the radio held: the inhibit is lowered before the link goes.
    void closeEvent(QCloseEvent* event) override;

    /* band following */
    void createBandFollowing();
    void loadBandFollow(const bandfollowsettings::Read& read);
    // The device's report tells whether the station sends.
    void bandReportApplied();
    // Connect or Disconnect: following waits for the device's first report.
    void bandLinkChanged();
    // The watchdog cleared the panel: following waits for the next report.
    void bandDeviceSilent();
    // An antenna key or F-key: may wait for the end of a transmission.
    void operatorPicksAntenna(int antenna);
    // As the key would; `whenReceiving`: the command leaves only while the
    // station is known to receive.
    // `heldBefore`: it waited for the end of a transmission already.
    void switchTo(signed char pos, bool whenReceiving, bool heldBefore = false);
    BandFollower::Situation bandSituation() const;
    BandFollowing* bandFollowing = nullptr;

    /* connection */
    // The host lookup that resolveHost started and that has not answered yet:
    // one at a time, so a dead name server does not pile lookups up.
    int pendingHostLookup = -1;
    void cancelHostLookup();
    // The complaint for the host as set now: none yet, or not found.
    QString hostErrorText() const;
    void showHostError();

    /* rendering */
    // Every panel style change goes through here: Qt re-polishes a widget on
    // each setStyleSheet, even with the same text, so unchanged looks are skipped.
    void applyPanelStyle(QWidget* widget, const QString& text);
    void paintLooks(const PanelLooks& looks);
    PanelFlags panelFlags() const;
    void showStatus(const QString& text);
    // `text`, if the bar still shows it, gives way to `replacement` (empty: none).
    void replaceStatus(const QString& text, const QString& replacement);
    // "The Merax answers from port 5555".
    static QString answerPortText(quint16 port);
    void selectReceiver(quint8 receiver);

    /* accessibility and the status line */
    std::unique_ptr<PanelAccess> access;
    std::unique_ptr<StatusLine> statusLine;
};

// The settings file in applicationDir: settings.ini, or the profile file the
// first argument names.
QString settingsPathFor(const QString& applicationDir, const QStringList& arguments);

// Sets a widget's font to a pixel size, keeping family, weight and the rest.
void setFontPixelSize(QWidget* widget, int size);

/* globals, one per process */
extern std::atomic<bool> connected;
extern qint64 lastReportTime;
extern bool splitConfigPending;
extern QNetworkAccessManager* networkManager;
extern ThreadLeitura* pollingThread;
extern ThreadCOM* linkWorker;

#endif // ZAREL_MAINWINDOW_H
