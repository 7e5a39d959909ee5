#ifndef ZAREL_MAINWINDOW_H
#define ZAREL_MAINWINDOW_H

#include <QColor>
#include <QHostInfo>
#include <QList>
#include <QMainWindow>
#include <QNetworkRequest>
#include <QPair>
#include <QString>
#include <QTimer>

#include <atomic>
#include <memory>

#include "app/settingskeys.h"
#include "app/settingsstore.h"
#include "app/station.h"
#include "link/command.h"
#include "link/devicestate.h"
#include "link/linksession.h"
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
class JournalPanel;
class RemotePanel;
class RotatorPanel;

// The panel window and hub of the program, and a view of the station
// (app/station.h), which does the station's work: the window's slots hand
// it on. Its members are defined in the folder of their concern: app/ (life
// cycle, settings, the station's side), panel/ (keys, split, GPIO,
// rendering, colours, scaling), dialogs/ (the menu slots that open them).
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
    const LinkSession& session() const { return station->session(); }
    void resolveHost();
    // Sets deviceAddress and hands it, with devicePort, to the link worker.
    void setDeviceAddress(const QString& address);

    // Status-bar notice that the settings file could not be written, and why.
    void reportSettingsWriteFailure(const QString& notice);
    // Writes these keys to the settings file; a failure is told as above.
    using KeyValues = QList<QPair<QString, QString>>;
    SettingsStore::Written storeKeys(const KeyValues& keys);

    /* band following */
    const BandFollowConfig& bandFollowConfig() const;
    // Stores what changed and follows the new setting at once.
    void setBandFollowConfig(const BandFollowConfig& config);
    // The antenna following the radio's band: its source, rule and settings.
    BandFollowing* bandFollow() const { return station->bandFollowing(); }
    // What the window shows and hands its keys to.
    Station& core() { return *station; }

    /* rendering helpers */
    void setRingStyle(QWidget* widget);
    void setColourStyle(QWidget* widget, const QColor& colour);

    // Stops and joins the polling thread and the link worker, so nothing of
    // theirs reaches this window afterwards. Safe to call more than once.
    static void stopThreads();

private:
    // First: the members below that name the station's parts refer to it.
    std::unique_ptr<Station> station;

public:
    // The station's, by their names in the window.
    QString& hostText;
    QString& deviceAddress;
    QString& devicePort;
    bool& useIpDirectly;
    QTimer splitBlinkTimer;
    QTimer busyRotBlinkTimer;
    QColor gpioColors[group::Colours];
    std::unique_ptr<C4SAnchorLayout> anchorLayout;
    std::unique_ptr<PanelForm> ui;
    QString settingsPath;

    DeviceState& deviceState;
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
    void on_actionRotators_Setup_triggered();
    void on_actionRotators_Window_triggered();
    void on_actionJournal_triggered();
    void on_actionRemote_Access_triggered();
    void on_actionTurn_Antenna_triggered();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void registerAnchoredWidgets();
    void fitCaptions();
    void placeLogo();
    void toggleGpo(int index);
    void toggleView(bool checked, QWidget* frame, const QString& key);

    // The station's signals to the window's keys, lamps and status bar.
    void connectStation();
    // An antenna key or F-key.
    void operatorPicksAntenna(int antenna, Asker::Kind kind = Asker::Kind::Key);
    // Closing with the radio held: the inhibit is lowered before the link goes.
    void closeEvent(QCloseEvent* event) override;

    /* rendering */
    // Every panel style change goes through here: Qt re-polishes a widget on
    // each setStyleSheet, even with the same text, so unchanged looks are skipped.
    void applyPanelStyle(QWidget* widget, const QString& text);
    void paintLooks(const PanelLooks& looks);
    PanelFlags panelFlags() const;
    void showStatus(const QString& text);
    void selectReceiver(quint8 receiver);

    /* accessibility and the status line */
    std::unique_ptr<PanelAccess> access;
    std::unique_ptr<StatusLine> statusLine;
    std::unique_ptr<RotatorPanel> rotators;

    std::unique_ptr<JournalPanel> journal;
    std::unique_ptr<RemotePanel> remote;
};

// The settings file in applicationDir: settings.ini, or the profile file the
// first argument names.
QString settingsPathFor(const QString& applicationDir, const QStringList& arguments);

// Sets a widget's font to a pixel size, keeping family, weight and the rest.
void setFontPixelSize(QWidget* widget, int size);

/* globals, one per process (the station's are in app/station.h) */
extern QNetworkAccessManager* networkManager;

#endif // ZAREL_MAINWINDOW_H
