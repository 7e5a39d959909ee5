// The whole panel against the device simulator on loopback: the real main
// window, its threads and socket, and the real merax-sim process.
#include <QAction>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QUdpSocket>

#include <memory>

#include "forms/panelform.h"
#include "link/linkclock.h"
#include "link/threadcom.h"
#include "panelharness.h"
#include "seams.h"
#include "simulatorprocess.h"
#include "testsupport.h"

namespace {

const char profile[] = "e2e";

void writeSettings(quint16 port)
{
    testsupport::writeLoopbackDevice(profile, port);
    QSettings settings(testsupport::profileSettingsPath(profile), QSettings::IniFormat);
    settings.setValue("GPI", true);
    settings.setValue("SK", true);
    for (int n = 1; n <= 8; ++n) {
        // Inputs light orange, outputs dark red.
        settings.setValue(QStringLiteral("GPI%1R").arg(n), 255);
        settings.setValue(QStringLiteral("GPI%1G").arg(n), 160);
        settings.setValue(QStringLiteral("GPI%1B").arg(n), 47);
        settings.setValue(QStringLiteral("GPO%1R").arg(n), 200);
        settings.setValue(QStringLiteral("GPO%1G").arg(n), 30);
        settings.setValue(QStringLiteral("GPO%1B").arg(n), 30);
    }
}

int litCount(QPushButton* const* buttons, int count, const QString& style)
{
    int lit = 0;
    for (int i = 0; i < count; ++i) {
        lit += buttons[i]->styleSheet() == style ? 1 : 0;
    }
    return lit;
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void followsTheDevice();
    void pressesReachTheDevice();
    void splitPair();
    void outputToggle();
    void activityBringsThePanelAlive();
    void watchdogClearsAndRecovers();
    void disconnectStopsPolls();
    void remoteStationNeverShowsTheOldAntenna();
    void refusedAntennaIsNamed();
    void heldKeyThenAnotherKey();
    void restartedDeviceGetsTheBandsAntenna_data();
    void restartedDeviceGetsTheBandsAntenna();
    void busyAntennaSkippedAndOutputsHeld();

private:
    // Starts a simulator with the options, then a connected panel on it.
    bool startPanel(const QStringList& simOptions);
    // Waits until the device's next report has been applied.
    bool nextReportApplied();

    std::unique_ptr<SimulatorProcess> sim;
    std::unique_ptr<MainWindow> window;
};

bool TestEndToEnd::startPanel(const QStringList& simOptions)
{
    sim = std::make_unique<SimulatorProcess>(QStringList {"--log"} + simOptions);
    const quint16 port = sim->waitForPort();
    if (port == 0) {
        return false;
    }
    writeSettings(port);
    window = std::make_unique<MainWindow>();
    window->show();
    window->ui->actionConnect_to_Merax->trigger();
    return connected;
}

bool TestEndToEnd::nextReportApplied()
{
    const qint64 before = lastReportTime;
    QElapsedTimer timer;
    timer.start();
    while (lastReportTime == before && timer.elapsed() < 5000) {
        QTest::qWait(10);
    }
    return lastReportTime != before;
}

void TestEndToEnd::init()
{
    if (qEnvironmentVariableIsEmpty("MERAX_SIM_BIN")) {
        QSKIP("MERAX_SIM_BIN is not set");
    }
    QFile::remove(testsupport::profileSettingsPath(profile));
    connected = false;
    splitConfigPending = false;
    lastReportTime = QDateTime::currentMSecsSinceEpoch();
}

void TestEndToEnd::cleanup()
{
    if (window) {
        window->ui->actionDisconnect->trigger();
    }
    // Threads before the window, as the program does.
    MainWindow::stopThreads();
    window.reset();
    sim.reset();
    connected = false;
    splitConfigPending = false;
    QFile::remove(testsupport::profileSettingsPath(profile));
}

void TestEndToEnd::followsTheDevice()
{
    QVERIFY(startPanel({"--initial-antenna", "4"}));
    QCOMPARE(window->ui->statusBar->currentMessage(), QStringLiteral("LAN enabled"));
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoTecla4->styleSheet(), harness::selected, 5000);
    QTRY_VERIFY(window->findChild<QLabel*>(QStringLiteral("labelPing"))->text().startsWith(QLatin1String("Ping: ")));
    QCOMPARE(window->ui->statusBar->currentMessage(), QStringLiteral("LAN enabled"));
    // Green from the watchdog's next look after the first report, not before.
    QTRY_COMPARE(window->ui->botaoPower->styleSheet(), harness::powerOn);
    QCOMPARE(litCount(window->ui->antennaButtons, 12, harness::selected), 1);
    QCOMPARE(window->ui->botaoSplit->styleSheet(), harness::idle);
    QVERIFY(!window->ui->actionConnect_to_Merax->isEnabled());
    QVERIFY(!window->ui->actionLAN_Settings->isEnabled());
}

void TestEndToEnd::pressesReachTheDevice()
{
    QVERIFY(startPanel({}));
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoTecla1->styleSheet(), harness::selected, 5000);

    // A press lights the key at once; the device's own report confirms it.
    QTest::mousePress(window->ui->botaoTecla7, Qt::LeftButton);
    QCOMPARE(window->ui->botaoTecla7->styleSheet(), harness::selected);
    QTest::mouseRelease(window->ui->botaoTecla7, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(sim->output().contains("FE 02 06 FD"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(window->session().unconfirmed(), 0, 5000);
    QVERIFY(nextReportApplied());
    QCOMPARE(int(window->deviceState.selectedAntenna), 6);
    QCOMPARE(window->ui->botaoTecla7->styleSheet(), harness::selected);
    QCOMPARE(litCount(window->ui->antennaButtons, 12, harness::selected), 1);

    // F9 is Ant 9.
    QTest::keyClick(window.get(), Qt::Key_F9);
    QTRY_VERIFY_WITH_TIMEOUT(sim->output().contains("FE 02 08 FD"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(window->session().unconfirmed(), 0, 5000);
    QVERIFY(nextReportApplied());
    QCOMPARE(int(window->deviceState.selectedAntenna), 8);
    QCOMPARE(window->ui->botaoTecla9->styleSheet(), harness::selected);
}

void TestEndToEnd::splitPair()
{
    QVERIFY(startPanel({"--initial-antenna", "1"}));
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoTecla1->styleSheet(), harness::selected, 5000);
    QTest::mouseClick(window->ui->botaoSplit, Qt::LeftButton);
    QCOMPARE(window->ui->statusBar->currentMessage(), QStringLiteral("Choose the RX position:"));
    QTest::mousePress(window->ui->botaoTecla5, Qt::LeftButton);
    QTest::mouseRelease(window->ui->botaoTecla5, Qt::LeftButton);
    QCOMPARE(window->ui->statusBar->currentMessage(), QStringLiteral("Split configured succesfuly!"));
    // Transmit on Ant 1 (ring), receive on Ant 5 (white), SPLIT red.
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoSplit->styleSheet(), harness::alarm, 5000);
    QTRY_COMPARE(window->ui->botaoTecla5->styleSheet(), harness::selected);
    QVERIFY(window->ui->botaoTecla1->styleSheet().contains(QLatin1String("border: 2px solid")));
    QVERIFY(sim->output().contains("FE 03 01 04 00 FD"));

    // SPLIT again turns it off on the device.
    QTest::mouseClick(window->ui->botaoSplit, Qt::LeftButton);
    QCOMPARE(window->ui->statusBar->currentMessage(), QStringLiteral("Split disabled"));
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoSplit->styleSheet(), harness::idle, 5000);
    QTRY_VERIFY(sim->output().contains("FE 03 00 00 00 FD"));
}

void TestEndToEnd::outputToggle()
{
    QVERIFY(startPanel({}));
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoPower->styleSheet(), harness::powerOn, 5000);
    QVERIFY(nextReportApplied());
    QCOMPARE(window->ui->botaoGPO3->styleSheet(), harness::idle);
    QTest::mousePress(window->ui->botaoGPO3, Qt::LeftButton);
    QTest::mouseRelease(window->ui->botaoGPO3, Qt::LeftButton);
    // White reads better than black on this red.
    const QString lit = QStringLiteral("background-color: rgb(200, 30, 30); color:  rgb(255, 255, 255);");
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoGPO3->styleSheet(), lit, 5000);
    QVERIFY(sim->output().contains("FE 04 02 01 FD"));
    // Pressed again, the output goes off.
    QTest::mousePress(window->ui->botaoGPO3, Qt::LeftButton);
    QTest::mouseRelease(window->ui->botaoGPO3, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoGPO3->styleSheet(), harness::idle, 5000);
    QVERIFY(sim->output().contains("FE 04 02 00 FD"));
}

void TestEndToEnd::activityBringsThePanelAlive()
{
    // The simulator's activity cycle, fast: 24 steps of 250 ms.
    QVERIFY(startPanel({"--activity", "--activity-step", "250"}));
    const QString gpiLit = QStringLiteral("background-color: rgb(255, 160, 47); color:  rgb(0, 0, 0);");
    QTRY_VERIFY_WITH_TIMEOUT(litCount(window->ui->busyButtons, 12, harness::alarm) > 0, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(litCount(window->ui->gpiButtons, 8, gpiLit) > 0, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoSend->styleSheet(), harness::alarm, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(litCount(window->ui->rotorButtons, 8, harness::alarm) > 0, 10000);
    // The end-stop phase blinks the rotor lamps on the 600 ms timer.
    QTRY_VERIFY_WITH_TIMEOUT(window->busyRotBlinkTimer.isActive(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(window->ui->botaoRotor1->styleSheet() == harness::alarm, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!window->busyRotBlinkTimer.isActive(), 10000);
}

void TestEndToEnd::watchdogClearsAndRecovers()
{
    QVERIFY(startPanel({"--initial-antenna", "3"}));
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoTecla3->styleSheet(), harness::selected, 5000);
    sim->toggleAnswering(); // the device falls silent
    const int pollsBefore = sim->polls();
    QTRY_VERIFY_WITH_TIMEOUT(sim->polls() > pollsBefore + 2, 5000); // still polled, no longer answering
    const qint64 last = lastReportTime;
    QTest::qWait(300);
    QCOMPARE(lastReportTime, last);

    // Seven seconds pass without a report.
    const qint64 offset = 7100;
    const ScopedClock clock([offset] { return QDateTime::currentMSecsSinceEpoch() + offset; });
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoPower->styleSheet().startsWith(QLatin1String("background-color: "
                                                                                            "QLinearGradient")),
                              true, 5000);
    QCOMPARE(window->ui->botaoTecla3->styleSheet(), harness::idle);
    QVERIFY(connected); // still connected: it recovers by itself

    sim->toggleAnswering(); // the device answers again
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoPower->styleSheet(), harness::powerOn, 5000);
    QTRY_COMPARE(window->ui->botaoTecla3->styleSheet(), harness::selected);
}

void TestEndToEnd::disconnectStopsPolls()
{
    QVERIFY(startPanel({}));
    QTRY_VERIFY_WITH_TIMEOUT(sim->polls() >= 3, 5000);
    window->ui->actionDisconnect->trigger();
    QCOMPARE(window->ui->statusBar->currentMessage(), QStringLiteral("Disconnected"));
    // Polls already queued may still leave; then nothing more.
    QTest::qWait(400);
    const int after = sim->polls();
    QTest::qWait(600);
    QCOMPARE(sim->polls(), after);
}

// Over a bad internet path: 600 ms late, 100 ms jitter, a fifth of the
// datagrams lost each way. Every press must end on the pressed antenna and
// the panel must never light the previous one again meanwhile.
void TestEndToEnd::remoteStationNeverShowsTheOldAntenna()
{
    QVERIFY(startPanel({"--delay", "600", "--jitter", "100", "--loss", "20", "--loss-in", "20", "--seed", "7"}));
    QTRY_VERIFY_WITH_TIMEOUT(
        window->findChild<QLabel*>(QStringLiteral("labelPing"))->text().startsWith(QLatin1String("Ping: ")), 10000);

    int pressed = 0;
    int previous = -1;
    QStringList flicker;
    // Looks after every datagram the window has handled, in the same order.
    connect(
        linkWorker, &ThreadCOM::datagramReceived, window.get(),
        [&] {
            // After three sends lost on the way in, the device's word is the
            // previous antenna, and the loop below checks that case.
            const QString refusal = QStringLiteral("Ant %1 not confirmed by the Merax").arg(pressed + 1);
            if (window->ui->statusBar->currentMessage() == refusal) {
                return;
            }
            if (previous >= 0 && window->ui->antennaButtons[previous]->styleSheet() == harness::selected) {
                flicker << QStringLiteral("Ant %1 after Ant %2").arg(previous + 1).arg(pressed + 1);
            }
        },
        Qt::QueuedConnection);

    int refused = 0;
    for (int press = 0; press < 20; ++press) {
        previous = pressed;
        pressed = (pressed + 5) % 12;
        // The notice of an earlier refusal must not be read as this press's.
        window->ui->statusBar->clearMessage();
        const int logBefore = sim->output().size();
        QTest::mousePress(window->ui->antennaButtons[pressed], Qt::LeftButton);
        QTest::mouseRelease(window->ui->antennaButtons[pressed], Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(window->session().unconfirmed(), 0, 20000);
        const QString notice = QStringLiteral("Ant %1 not confirmed by the Merax").arg(pressed + 1);
        if (window->ui->statusBar->currentMessage() == notice) {
            // Only fair when all three sends were lost on the way in.
            const QString lost = QStringLiteral("FE 02 %1 FD antenna %2 (lost on the way in)")
                                     .arg(QString::number(pressed, 16).toUpper(), 2, QLatin1Char('0'))
                                     .arg(pressed + 1);
            QVERIFY2(sim->output().mid(logBefore).count(lost) >= 3, qPrintable(notice));
            ++refused;
            previous = -1;
            pressed = window->deviceState.selectedAntenna;
            continue;
        }
        QCOMPARE(int(window->deviceState.selectedAntenna), pressed);
        QCOMPARE(litCount(window->ui->antennaButtons, 12, harness::selected), 1);
    }
    QVERIFY2(flicker.isEmpty(), qPrintable(flicker.join(QStringLiteral(", "))));
    QVERIFY(refused <= 2);
    // Polls go unanswered on this path, and the figure says so.
    QTRY_VERIFY_WITH_TIMEOUT(
        window->findChild<QLabel*>(QStringLiteral("labelPing"))->text().contains(QLatin1String("loss")), 10000);
}

// A device that will not switch to Ant 5: sent three times, then the panel
// shows what the device has and says so.
void TestEndToEnd::refusedAntennaIsNamed()
{
    QVERIFY(startPanel({"--initial-antenna", "2", "--refuse-antenna", "5"}));
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoTecla2->styleSheet(), harness::selected, 5000);
    QTest::mousePress(window->ui->botaoTecla5, Qt::LeftButton);
    QTest::mouseRelease(window->ui->botaoTecla5, Qt::LeftButton);
    QCOMPARE(window->ui->botaoTecla5->styleSheet(), harness::selected);
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->statusBar->currentMessage(),
                              QStringLiteral("Ant 5 not confirmed by the Merax"), 5000);
    QCOMPARE(window->ui->botaoTecla2->styleSheet(), harness::selected);
    QCOMPARE(window->ui->botaoTecla5->styleSheet(), harness::idle);
    QCOMPARE(sim->output().count(QStringLiteral("FE 02 04 FD antenna 5 (refused)")), 3);
}

// F4 held for 3.3 s (75 auto-repeats), then F7: one FE 02 03 FD on the
// wire, Ant 7 right behind it, and the polls keep going all along.
void TestEndToEnd::heldKeyThenAnotherKey()
{
    QVERIFY(startPanel({"--initial-antenna", "1"}));
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoTecla1->styleSheet(), harness::selected, 5000);
    std::vector<std::pair<qint64, QByteArray>> written;
    connect(linkWorker, &ThreadCOM::datagramWritten, window.get(),
            [&written](const DeviceCommand& command, qint64 at) { written.emplace_back(at, frameCommand(command)); });

    const qint64 held = linkclock::steadyNow();
    for (int i = 0; i < 75; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier, QString(), i > 0);
        QApplication::sendEvent(window.get(), &press);
        QTest::qWait(44);
    }
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_F4, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &release);
    const qint64 pressed = linkclock::steadyNow();
    QTest::keyClick(window.get(), Qt::Key_F7);
    QTRY_COMPARE_WITH_TIMEOUT(window->session().unconfirmed(), 0, 5000);
    QTRY_VERIFY(!written.empty() && written.back().first > pressed + 1000);

    const QByteArray ant4 = QByteArray::fromHex("FE0203FD");
    const QByteArray ant7 = QByteArray::fromHex("FE0206FD");
    const QByteArray poll = QByteArray::fromHex("FE01FD");
    int ant4Sent = 0;
    qint64 ant7At = -1;
    qint64 lastPoll = held;
    qint64 longestPollGap = 0;
    for (const auto& [at, payload] : written) {
        ant4Sent += payload == ant4 ? 1 : 0;
        if (payload == ant7 && ant7At < 0) {
            ant7At = at;
        }
        if (payload == poll) {
            longestPollGap = std::max(longestPollGap, at - lastPoll);
            lastPoll = at;
        }
    }
    QCOMPARE(ant4Sent, 1);
    QVERIFY(ant7At >= pressed);
    QVERIFY2(ant7At - pressed <= 500, qPrintable(QString::number(ant7At - pressed)));
    QVERIFY2(longestPollGap < 2000, qPrintable(QString::number(longestPollGap)));
    QCOMPARE(window->ui->botaoTecla7->styleSheet(), harness::selected);
}

// The device restarts (two seconds down, well inside the watchdog's time)
// and comes back with no antenna: band following puts the band's back.
// A device that restarts comes back on its power-on antenna (or none) with
// its outputs off: band following gives it the band's antenna and outputs
// again; without it the operator is told what it had.
void TestEndToEnd::restartedDeviceGetsTheBandsAntenna_data()
{
    QTest::addColumn<QString>("powerOnAntenna");
    QTest::addColumn<bool>("following");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<int>("switchesAfter");
    QTest::newRow("back without an antenna")
        << "0" << true << "The Merax came back without an antenna: Ant 4 selected again" << 2;
    QTest::newRow("back on Ant 1, following")
        << "1" << true << "The Merax came back on Ant 1: Ant 4 selected again" << 2;
    QTest::newRow("back on Ant 1, not following") << "1" << false << "The Merax came back on Ant 1 (it had Ant 4)" << 1;
}

void TestEndToEnd::restartedDeviceGetsTheBandsAntenna()
{
    QFETCH(QString, powerOnAntenna);
    QFETCH(bool, following);
    QFETCH(QString, notice);
    QFETCH(int, switchesAfter);
    const quint16 loggerPort = testsupport::freeLoopbackPort();
    sim = std::make_unique<SimulatorProcess>(QStringList {"--log", "--initial-antenna", powerOnAntenna});
    const quint16 port = sim->waitForPort();
    QVERIFY(port != 0);
    writeSettings(port);
    {
        QSettings settings(testsupport::profileSettingsPath(profile), QSettings::IniFormat);
        settings.setValue("BandFollow/Source", following ? "logger" : "off");
        settings.setValue("BandFollow/LoggerPort", loggerPort);
        settings.setValue("BandFollow/20m", "4 --1-----");
    }
    window = std::make_unique<MainWindow>();
    window->show();
    window->ui->actionConnect_to_Merax->trigger();
    QUdpSocket logger;
    logger.writeDatagram(QByteArrayLiteral("<RadioInfo><RadioNr>1</RadioNr><Freq>1407400</Freq>"
                                           "<IsTransmitting>False</IsTransmitting></RadioInfo>"),
                         QHostAddress::LocalHost, loggerPort);
    if (!following) {
        QVERIFY(nextReportApplied());
        QTest::mousePress(window->ui->botaoTecla4, Qt::LeftButton);
    }
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoTecla4->styleSheet(), harness::selected, 5000);
    QTRY_VERIFY(sim->output().count(QStringLiteral("FE 02 03 FD")) == 1);
    const int polls = sim->polls();
    QTRY_VERIFY_WITH_TIMEOUT(sim->polls() > polls + 3, 3000);

    sim->restart();
    QVERIFY(sim->waitForOutput(QStringLiteral("answering again"), 5000));
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->statusBar->currentMessage(), notice, 3000);
    QTRY_COMPARE_WITH_TIMEOUT(sim->output().count(QStringLiteral("FE 02 03 FD")), switchesAfter, 3000);
    // The band's output comes back with its antenna.
    QTRY_COMPARE_WITH_TIMEOUT(sim->output().count(QStringLiteral("FE 04 02 01 FD")), following ? 2 : 0, 3000);
    // Only the device's state shows: Ant 1 stays lit when nothing selects Ant 4 again.
    QTRY_COMPARE(window->ui->botaoTecla4->styleSheet(), following ? harness::selected : harness::idle);
}

// A band whose first antenna another station uses gets its second; a band's
// outputs wait with its antenna until the radio has stopped sending.
void TestEndToEnd::busyAntennaSkippedAndOutputsHeld()
{
    const quint16 loggerPort = testsupport::freeLoopbackPort();
    sim = std::make_unique<SimulatorProcess>(QStringList {"--log", "--initial-antenna", "1", "--busy", "4"});
    const quint16 port = sim->waitForPort();
    QVERIFY(port != 0);
    writeSettings(port);
    {
        QSettings settings(testsupport::profileSettingsPath(profile), QSettings::IniFormat);
        settings.setValue("BandFollow/Source", "logger");
        settings.setValue("BandFollow/LoggerPort", loggerPort);
        settings.setValue("BandFollow/20m", QStringList {"4", "9"});
        settings.setValue("BandFollow/40m", "2 01------");
    }
    window = std::make_unique<MainWindow>();
    window->show();
    window->ui->actionConnect_to_Merax->trigger();
    QUdpSocket logger;
    const auto radio = [&](const char* freq, bool transmitting) {
        logger.writeDatagram(QByteArray("<RadioInfo><RadioNr>1</RadioNr><Freq>") + freq + "</Freq><IsTransmitting>" +
                                 (transmitting ? "True" : "False") + "</IsTransmitting></RadioInfo>",
                             QHostAddress::LocalHost, loggerPort);
    };
    radio("1407400", false);
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoTecla9->styleSheet(), harness::selected, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(sim->output().contains(QStringLiteral("FE 02 08 FD")), 3000);
    QVERIFY(!sim->output().contains(QStringLiteral("FE 02 03 FD")));

    // QSY to 40 m while sending: nothing moves until the radio receives.
    radio("707400", true);
    const int polls = sim->polls();
    QTRY_VERIFY_WITH_TIMEOUT(sim->polls() > polls + 4, 3000);
    QVERIFY(!sim->output().contains(QStringLiteral("FE 02 01 FD")));
    QVERIFY(!sim->output().contains(QStringLiteral("FE 04")));
    QCOMPARE(window->ui->botaoGPO2->styleSheet(), harness::idle);
    radio("707400", false);
    QTRY_VERIFY_WITH_TIMEOUT(sim->output().contains(QStringLiteral("FE 04 01 01 FD")), 5000);
    const QString out = sim->output();
    QVERIFY(out.indexOf(QStringLiteral("FE 02 01 FD")) >= 0);
    QVERIFY(out.indexOf(QStringLiteral("FE 02 01 FD")) < out.indexOf(QStringLiteral("FE 04 01 01 FD")));
    // GPO 1 is named off and is off already: nothing sent for it.
    QVERIFY(!out.contains(QStringLiteral("FE 04 00")));
    QTRY_COMPARE(window->ui->botaoTecla2->styleSheet(), harness::selected);
    QTRY_VERIFY(window->ui->botaoGPO2->styleSheet() != harness::idle);
}

ZAREL_TEST_MAIN(TestEndToEnd, "e2e")
#include "tst_e2e.moc"
