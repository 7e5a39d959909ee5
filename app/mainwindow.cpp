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
#include "panel/panelaccess.h"
#include "panel/statusline.h"

std::atomic<bool> connected {false};
// Fresh at load time, so the watchdog starts green.
// No report yet: long ago, so POWER is not green before the first one (a lit
// POWER tells the operator the link is up).
qint64 lastReportTime = 0;
bool splitConfigPending = false;
QNetworkAccessManager* networkManager = nullptr;
ThreadLeitura* pollingThread = nullptr;
ThreadCOM* linkWorker = nullptr;

QString settingsPathFor(const QString& applicationDir, const QStringList& arguments)
{
    return chooseSettingsPath(applicationDir, true, QString(), arguments.value(1));
}

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent, Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    ui = new PanelForm;
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

    // One pair of threads per process: a second window takes them over.
    stopThreads();
    pollingThread = new ThreadLeitura(this);
    linkWorker = new ThreadCOM(this);
    connect(linkWorker, &ThreadCOM::datagramWritten, this, &MainWindow::linkWrote);
    connect(linkWorker, &ThreadCOM::datagramReceived, this, &MainWindow::linkReceived);

    resize(1015, 293);
    anchorLayout = new C4SAnchorLayout(this);
    QCoreApplication::instance()->installEventFilter(this);
    setEnabled(true);
    connect(ui->actionConnect_to_Merax, &QAction::triggered, this, &MainWindow::openCom);
    connect(ui->actionDisconnect, &QAction::triggered, this, &MainWindow::closeCom);

    access = std::make_unique<PanelAccess>(ui, ui->statusBar);
    statusLine = std::make_unique<StatusLine>(ui->statusBar, access.get());
    createBandFollowing();
    createInhibit();

    applySettings();
    registerAnchoredWidgets();
    // Once the event loop runs, so the window is up before any warning and
    // a window closed at once connects nothing.
    if (ui->actionConnectAtStart->isChecked()) {
        QMetaObject::invokeMethod(this, &MainWindow::openCom, Qt::QueuedConnection);
    }
    // Once, beside any complaint about the host that applySettings made: the
    // operator who lost a host may well be looking for the settings.
    const QString notice = settingsNotice(settingsLocation, QCoreApplication::applicationDirPath());
    if (!notice.isEmpty()) {
        const QString shown = ui->statusBar->currentMessage();
        ui->statusBar->showMessage(shown.isEmpty() ? notice : shown + QStringLiteral("  \u00b7  ") + notice);
    }
}

MainWindow::~MainWindow()
{
    // Normally main() has stopped the threads already; a window destroyed any
    // other way must not outlive its threads, nor stop another window's.
    if ((pollingThread != nullptr && pollingThread->window() == this) ||
        (linkWorker != nullptr && linkWorker->window() == this)) {
        stopThreads();
    }
    QCoreApplication::instance()->removeEventFilter(this);
    delete ui;
    ui = nullptr;
    delete anchorLayout;
    anchorLayout = nullptr;
}

void MainWindow::stopThreads()
{
    // The polling thread first: it feeds the worker's queue through callEnviar.
    // Each pointer is cleared before its thread is joined, so a late queued
    // poll finds no worker and is dropped.
    ThreadLeitura* polling = pollingThread;
    pollingThread = nullptr;
    delete polling;
    ThreadCOM* worker = linkWorker;
    linkWorker = nullptr;
    delete worker;
}

// A later window takes the link worker over; this one then speaks for none.
static ThreadCOM* workerOf(const MainWindow* window)
{
    return linkWorker != nullptr && linkWorker->window() == window ? linkWorker : nullptr;
}

void MainWindow::setDeviceAddress(const QString& address)
{
    deviceAddress = address;
    linkSession.setDevice(address, commandPort(devicePort));
    if (ThreadCOM* worker = workerOf(this)) {
        worker->setEndpoint(deviceAddress, commandPort(devicePort));
    }
}

void MainWindow::reportSettingsWriteFailure(const QString& notice)
{
    ui->statusBar->showMessage(notice);
}
