// The window's side of the station (app/station.h): the link's slots hand
// on to it, and what it tells is painted, shown and said here.
#include <QAction>
#include <QCloseEvent>
#include <QHostAddress>
#include <QNetworkReply>
#include <QPushButton>
#include <QStatusBar>

#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/settingsstore.h"
#include "connection/hostlookup.h"
#include "forms/panelform.h"
#include "link/linkclock.h"
#include "link/linklog.h"
#include "link/statusreport.h"
#include "panel/bandfollowing.h"
#include "panel/indicatorstyles.h"
#include "panel/panelaccess.h"
#include "panel/statusline.h"

void MainWindow::connectStation()
{
    Notices& notices = station->notices();
    connect(&notices, &Notices::changed, this, [this](const QString& text) { statusLine->shown(text); });
    connect(&notices, &Notices::heard, this, [this](const QString& text) { statusLine->heard(text); });
    connect(station.get(), &Station::repaintWanted, this, [this](bool evenIfWithdrawn) {
        // While the watchdog has the panel cleared, nothing old is painted back.
        if (evenIfWithdrawn || paintCache.showsState) {
            updateUI(this);
        }
    });
    connect(station.get(), &Station::stateWithdrawn, this, [this] { clearUI(this); });
    connect(station.get(), &Station::powerChecked, this, [this](bool fresh) {
        const QString& style = fresh ? powerFreshStyle() : powerStaleStyle();
        // Every 80 ms: re-applying an unchanged style sheet would re-polish
        // the button each time for nothing.
        if (ui->botaoPower->styleSheet() != style) {
            ui->botaoPower->setStyleSheet(style);
        }
    });
    connect(station.get(), &Station::linkShown, this,
            [this](PanelSpeechInput::Link link, int roundTrip) { access->linkShown(link, roundTrip); });
    connect(station.get(), &Station::linkFigures, this,
            [this](const QString& text) { statusLine->setLinkFigures(text); });
    connect(station.get(), &Station::radioFigures, this,
            [this](const QString& text) { statusLine->setRadioFigures(text); });
    connect(station.get(), &Station::rotorBlinkWanted, this, [this](bool blinking) {
        if (blinking && !busyRotBlinkTimer.isActive()) {
            busyRotBlinkTimer.start(600);
        } else if (!blinking && busyRotBlinkTimer.isActive()) {
            busyRotBlinkTimer.stop();
        }
    });
    connect(station.get(), &Station::connectedChanged, this, [this](bool on) {
        ui->actionConnect_to_Merax->setEnabled(!on);
        ui->actionLAN_Settings->setEnabled(!on);
    });
    connect(station.get(), &Station::connectRefused, this,
            [this](const QString& reason) { messages::warning(this, tr("Zarel"), reason); });
    connect(station.get(), &Station::splitSetupDone, this, [this] { splitBlinkTimer.stop(); });
    connect(station.get(), &Station::bandFollowChanged, this, &MainWindow::bandFollowChanged);
}

/* connection */

void MainWindow::openCom()
{
    station->connectLink();
}

void MainWindow::closeCom()
{
    station->disconnectLink();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    station->closing();
    QMainWindow::closeEvent(event);
}

void MainWindow::on_actionConnectAtStart_triggered()
{
    SettingsStore store(settingsPath);
    store.setValue(settingskey::ConnectAtStart.name, ui->actionConnectAtStart->isChecked());
    if (const auto written = store.sync(); !written) {
        reportSettingsWriteFailure(written.notice);
    }
}

void MainWindow::resolveHost()
{
    station->link().resolveHost();
}

void MainWindow::hostInfoResults(QHostInfo host)
{
    station->link().hostInfoResults(host);
}

void MainWindow::lookedUp(QHostInfo host)
{
    if (host.error() != QHostInfo::NoError) {
        qCDebug(lcConnection).noquote() << host.errorString();
        return;
    }
    for (const QHostAddress& address : host.addresses()) {
        qCDebug(lcConnection).noquote() << address.toString();
    }
}

/* polling and watchdog, invoked from the polling thread's requests */

void MainWindow::callEnviar()
{
    station->pollTick();
}

void MainWindow::checkCOMTimeout(MainWindow* w)
{
    w->station->watchdogTick();
}

/* commands and reports */

void MainWindow::sendCommand(quint8 type, quint8 first, quint8 second, quint8 third)
{
    sendCommand(deviceCommand(type, first, second, third));
}

void MainWindow::sendCommand(const DeviceCommand& command)
{
    station->sendCommand(command);
}

void MainWindow::linkWrote(const DeviceCommand& command, qint64 at)
{
    station->linkWrote(command, at);
}

void MainWindow::linkReceived(const QByteArray& bytes, const QHostAddress& sender, quint16 senderPort, qint64 at)
{
    station->linkReceived(bytes, sender, senderPort, at);
}

void MainWindow::processaPDRLan(MainWindow* w, QString res)
{
    w->station->reportText(res);
}

void MainWindow::recebeRespostaRede(QNetworkReply* rep)
{
    if (!rep) {
        return;
    }
    const qint64 size = rep->size();
    if (size >= 27 && size <= 29) {
        processaPDRLan(this, datagramText(rep->read(size)));
    }
    rep->deleteLater();
}

void MainWindow::processaPDR(MainWindow* w)
{
    w->ui->botaoPower->setStyleSheet(QStringLiteral("background-color: rgb(0, 220, 0);color: rgb(0, 0, 0);"));
    w->updateUI(w);
}

// Not used: every command travels as a UDP datagram.
void MainWindow::enviaRequestsGlobal(QNetworkRequest req)
{
    Q_UNUSED(req)
}

void MainWindow::enviaRequestSlot(QNetworkRequest req)
{
    Q_UNUSED(req)
}

void MainWindow::callReceber(MainWindow* w)
{
    Q_UNUSED(w)
}

/* band following */

const BandFollowConfig& MainWindow::bandFollowConfig() const
{
    return station->bandFollowConfig();
}

void MainWindow::setBandFollowConfig(const BandFollowConfig& config)
{
    station->setBandFollowConfig(config);
}

void MainWindow::on_actionNext_Antenna_triggered()
{
    station->nextAntenna({Asker::Kind::NextAntenna, QString()});
}
