#include "app/mainwindow.h"

#include "app/languages.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <QStatusBar>

#include "app/settingslocation.h"
#include "app/settingsstore.h"
#include "connection/threadleitura.h"
#include "forms/panelform.h"
#include "link/command.h"
#include "link/threadcom.h"
#include "panel/anchorlayout.h"
#include "panel/journalpanel.h"
#include "panel/panelaccess.h"
#include "panel/remotepanel.h"
#include "panel/rotatorpanel.h"
#include "panel/statusline.h"

QNetworkAccessManager* networkManager = nullptr;

QString settingsPathFor(const QString& applicationDir, const QStringList& arguments)
{
    return chooseSettingsPath(applicationDir, true, QString(), arguments.value(1));
}

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent, Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , station(std::make_unique<Station>())
    , hostText(station->link().hostText)
    , deviceAddress(station->link().deviceAddress)
    , devicePort(station->link().devicePort)
    , useIpDirectly(station->link().useIpDirectly)
    , ui(std::make_unique<PanelForm>())
    , deviceState(station->state())
{
    ui->build(this);

    networkManager = new QNetworkAccessManager(this);
    connect(networkManager, &QNetworkAccessManager::finished, this, &MainWindow::recebeRespostaRede);
    connect(&splitBlinkTimer, &QTimer::timeout, this, &MainWindow::blinkSplit);
    connect(&busyRotBlinkTimer, &QTimer::timeout, this, &MainWindow::blinkBusyRot);

    QStringList arguments = QCoreApplication::arguments();
    languages::takeOption(arguments);
    const SettingsLocation settingsLocation = settingsLocationForProgram(arguments);
    settingsPath = settingsLocation.path;
    SettingsStore::copyOnFirstWrite(settingsPath, settingsLocation.copiedFrom);
    station->setSettingsPath(settingsPath);

    // One pair of threads per process: a second window takes them over.
    station->startThreads();

    resize(1015, 293);
    anchorLayout = std::make_unique<C4SAnchorLayout>(this);
    QCoreApplication::instance()->installEventFilter(this);
    setEnabled(true);
    connect(ui->actionConnect_to_Merax, &QAction::triggered, this, &MainWindow::openCom);
    connect(ui->actionDisconnect, &QAction::triggered, this, &MainWindow::closeCom);

    access = std::make_unique<PanelAccess>(ui.get(), ui->statusBar);
    statusLine = std::make_unique<StatusLine>(ui->statusBar, access.get());
    rotators = std::make_unique<RotatorPanel>(this, ui.get(), *station, access.get(),
                                              [this](const KeyValues& keys) { return bool(storeKeys(keys)); });
    journal = std::make_unique<JournalPanel>(this, *station, [this](const QString& text) { access->announce(text); });
    remote = std::make_unique<RemotePanel>(this, *station, [this](const KeyValues& keys) { return storeKeys(keys); });
    connectStation();

    applySettings();
    registerAnchoredWidgets();
    // Once the event loop runs, so the window is up before any warning and
    // a window closed at once connects nothing.
    if (ui->actionConnectAtStart->isChecked()) {
        QMetaObject::invokeMethod(this, &MainWindow::openCom, Qt::QueuedConnection);
    }
    // Once, beside any complaint about the host that applySettings made: the
    // operator who lost a host may well be looking for the settings.
    station->notices().append(settingsNotice(settingsLocation, QCoreApplication::applicationDirPath()));
}

MainWindow::~MainWindow()
{
    // Normally main() has stopped the threads already; a window destroyed any
    // other way must not outlive its threads, nor stop another window's.
    if (station->link().ownsThreads()) {
        stopThreads();
    }
    QCoreApplication::instance()->removeEventFilter(this);
    // The station's signals reach widgets: none after this.
    station->disconnect(this);
    station->notices().disconnect(this);
}

void MainWindow::stopThreads()
{
    DeviceLink::stopThreads();
}

void MainWindow::setDeviceAddress(const QString& address)
{
    station->link().setDeviceAddress(address);
}

void MainWindow::reportSettingsWriteFailure(const QString& notice)
{
    station->notices().show(notice);
}

SettingsStore::Written MainWindow::storeKeys(const KeyValues& keys)
{
    SettingsStore store(settingsPath);
    for (const auto& key : keys) {
        store.setValue(key.first, key.second);
    }
    const SettingsStore::Written written = store.sync();
    if (!written) {
        reportSettingsWriteFailure(written.notice);
    }
    return written;
}
