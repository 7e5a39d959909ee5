#include <QPushButton>
#include <QTest>

#include <atomic>

#include "connection/threadleitura.h"
#include "forms/panelform.h"
#include "link/threadcom.h"
#include "panelharness.h"
#include "seams.h"
#include "testsupport.h"

namespace {

const char* const profile = "link_watchdog";
const qint64 testNow = 1700000000000;

} // namespace

// The polling thread and the link watchdog, with the clock in the test's hand.
class TestWatchdog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    // First: the process's own start, before any test sets the time.
    void powerDarkBeforeFirstReport();
    void powerFollowsReportAge_data();
    void powerFollowsReportAge();
    void reportMakesStaleLinkFresh();
    void onlyStaleCheckClearsPanel();
    void pollingThreadRunsTheWatchdog();
    void pollsOnlyWhileConnected();
    void pollingThreadPollsWhileConnected();
    void stoppedThreadsPostNothing();
    void pollCadenceOnSimulatedTime();

private:
    QString powerStyle() const { return window->ui->botaoPower->styleSheet(); }
    MainWindow* window = nullptr;
    QList<QByteArray> tapped;
    const ScopedCommandTap tap {[this](const QByteArray& payload) { tapped.append(payload); }};
    const ScopedClock clock {[] { return testNow; }};
};

void TestWatchdog::init()
{
    connected = false;
    QFile::remove(testsupport::profileSettingsPath(profile));
    tapped.clear();
    window = new MainWindow;
}

void TestWatchdog::cleanup()
{
    delete window;
    window = nullptr;
    connected = false;
    QFile::remove(testsupport::profileSettingsPath(profile));
}

void TestWatchdog::powerDarkBeforeFirstReport()
{
    window->checkCOMTimeout(window);
    QCOMPARE(powerStyle(), harness::idle);
}

void TestWatchdog::powerFollowsReportAge_data()
{
    QTest::addColumn<qint64>("age");
    QTest::addColumn<bool>("fresh");
    QTest::newRow("just now") << qint64(0) << true;
    QTest::newRow("start-up, 5 s") << qint64(5000) << true;
    QTest::newRow("7000 ms") << qint64(7000) << true;
    QTest::newRow("7001 ms") << qint64(7001) << false;
    QTest::newRow("an hour") << qint64(3600000) << false;
    QTest::newRow("clock set back 1 ms") << qint64(-1) << true;
    QTest::newRow("clock set back a day") << qint64(-86400000) << true;
}

void TestWatchdog::powerFollowsReportAge()
{
    QFETCH(qint64, age);
    QFETCH(bool, fresh);
    // Start from the other look, so the check has to repaint.
    window->ui->botaoPower->setStyleSheet(fresh ? harness::idle : harness::powerOn);
    lastReportTime = testNow - age;
    QVERIFY(QMetaObject::invokeMethod(window, "checkCOMTimeout", Q_ARG(MainWindow*, window)));
    QCOMPARE(powerStyle(), fresh ? harness::powerOn : harness::idle);
}

void TestWatchdog::reportMakesStaleLinkFresh()
{
    lastReportTime = testNow - 60000;
    window->checkCOMTimeout(window);
    QCOMPARE(powerStyle(), harness::idle);
    window->processaPDRLan(window, QStringLiteral("3.0.0.0.1.0.FE.1.FF.F.0.0.FF"));
    QCOMPARE(lastReportTime, testNow);
    window->checkCOMTimeout(window);
    QCOMPARE(powerStyle(), harness::powerOn);
}

void TestWatchdog::onlyStaleCheckClearsPanel()
{
    QPushButton* ant4 = window->findChild<QPushButton*>(QStringLiteral("botaoTecla4"));
    QVERIFY(ant4);
    QVERIFY(QMetaObject::invokeMethod(window, "clearUI", Q_ARG(MainWindow*, window)));
    const QString cleared = ant4->styleSheet();
    window->processaPDRLan(window, QStringLiteral("3.0.0.0.1.0.FE.1.FF.F.0.0.FF"));
    const QString lit = ant4->styleSheet();
    QVERIFY(lit != cleared);

    lastReportTime = testNow - 7000;
    window->checkCOMTimeout(window);
    QCOMPARE(ant4->styleSheet(), lit);
    lastReportTime = testNow - 7001;
    window->checkCOMTimeout(window);
    QCOMPARE(ant4->styleSheet(), cleared);
}

void TestWatchdog::pollingThreadRunsTheWatchdog()
{
    // Nothing calls the check here: the polling thread's invocations do.
    lastReportTime = testNow - 7001;
    QTRY_COMPARE_WITH_TIMEOUT(powerStyle(), harness::idle, 2000);
    lastReportTime = testNow - 7000;
    QTRY_COMPARE_WITH_TIMEOUT(powerStyle(), harness::powerOn, 2000);
}

void TestWatchdog::pollsOnlyWhileConnected()
{
    QVERIFY(QMetaObject::invokeMethod(window, "callEnviar"));
    QVERIFY(tapped.isEmpty());
    connected = true;
    QVERIFY(QMetaObject::invokeMethod(window, "callEnviar"));
    QVERIFY(!tapped.isEmpty());
    QCOMPARE(tapped.first().toHex(' '), QByteArray("fe 01 fd"));
}

void TestWatchdog::pollingThreadPollsWhileConnected()
{
    QTest::qWait(200);
    QVERIFY(tapped.isEmpty());
    connected = true;
    QTRY_VERIFY_WITH_TIMEOUT(tapped.size() >= 4, 3000);
    for (const QByteArray& payload : qAsConst(tapped)) {
        QCOMPARE(payload.toHex(' '), QByteArray("fe 01 fd"));
    }
    connected = false;
    // A poll already queued sends nothing once disconnected.
    QCoreApplication::processEvents();
    const int polls = tapped.size();
    QTest::qWait(400);
    QCOMPARE(tapped.size(), polls);
}

void TestWatchdog::stoppedThreadsPostNothing()
{
    connected = true;
    QTRY_VERIFY_WITH_TIMEOUT(!tapped.isEmpty(), 3000);
    MainWindow::stopThreads();
    QVERIFY(pollingThread == nullptr);
    QVERIFY(linkWorker == nullptr);
    // Whatever was queued before the stop runs harmlessly; then nothing comes.
    QCoreApplication::processEvents();
    const int polls = tapped.size();
    window->ui->botaoPower->setStyleSheet(QString());
    lastReportTime = testNow - 60000;
    QTest::qWait(300);
    QCOMPARE(tapped.size(), polls);
    QCOMPARE(powerStyle(), QString());
    // A poll asked for by hand finds no worker and is dropped.
    window->callEnviar();
    QCOMPARE(tapped.size(), polls + 1);
    // A second stop, as the window's destructor does, is harmless.
    MainWindow::stopThreads();
}

// Ten simulated seconds of 80 ms cycles, run as fast as the thread goes: a
// status request on every second cycle, about six a second, no more, no less.
void TestWatchdog::pollCadenceOnSimulatedTime()
{
    MainWindow::stopThreads();
    connected = true;
    std::atomic<qint64> simulated {testNow};
    std::atomic<int> cycles {0};
    constexpr int tenSeconds = 125;
    ThreadLeitura::Timing timing;
    timing.now = [&simulated] { return simulated.load(); };
    timing.sleep = [&](unsigned long ms) {
        // Time stands still after ten seconds, until the thread is stopped.
        if (cycles < tenSeconds) {
            simulated += static_cast<qint64>(ms);
            ++cycles;
        }
        QThread::usleep(300);
    };
    Station& station = window->core();
    ThreadLeitura polling(
        &station.link(), [&station] { station.pollTick(); }, [&station] { station.watchdogTick(); }, timing);
    QTRY_COMPARE_WITH_TIMEOUT(cycles.load(), tenSeconds, 10000);
    // Every request asked for has reached the window; time stands still now.
    QTRY_COMPARE(tapped.count(frameCommand(1)), tenSeconds / 2);
    QTest::qWait(50);
    QCOMPARE(tapped.count(frameCommand(1)), tenSeconds / 2);
}

ZAREL_TEST_MAIN(TestWatchdog, profile)
#include "tst_watchdog.moc"
