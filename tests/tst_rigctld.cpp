// Band following against the real Hamlib daemon: rigctld with its dummy
// radio (-m 1) on a free loopback port, the panel connected to merax-sim, and
// the radio tuned and keyed through a second rigctld connection, as a logger
// or a digital-mode program would.
#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

#include "connection/rigctldclient.h"
#include "forms/panelform.h"
#include "panelharness.h"
#include "simulatorprocess.h"
#include "testsupport.h"

namespace {

const char profile[] = "rigctld";

} // namespace

class TestRigctld : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void antennaFollowsTheRadio();
    void failedAnswersKeepWhatWasRead();

private:
    bool startRig();
    // Sends one rigctld command on the second connection; true on "RPRT 0".
    bool rig(const QByteArray& command);

    QString rigctld;
    quint16 rigPort = 0;
    QProcess rigProcess;
    QTcpSocket control;
    std::unique_ptr<SimulatorProcess> sim;
    std::unique_ptr<MainWindow> window;
};

void TestRigctld::initTestCase()
{
    rigctld = QStandardPaths::findExecutable(QStringLiteral("rigctld"));
    if (rigctld.isEmpty()) {
        QSKIP("rigctld is not installed (Debian package libhamlib-utils)");
    }
    if (qEnvironmentVariableIsEmpty("MERAX_SIM_BIN")) {
        QSKIP("MERAX_SIM_BIN is not set");
    }
}

void TestRigctld::cleanup()
{
    MainWindow::stopThreads();
    window.reset();
    sim.reset();
    control.abort();
    rigProcess.kill();
    rigProcess.waitForFinished(5000);
    connected = false;
    QFile::remove(testsupport::profileSettingsPath(profile));
}

bool TestRigctld::startRig()
{
    rigProcess.start(rigctld, {"-m", "1", "-P", "RIG", "-T", "127.0.0.1", "-t", QString::number(rigPort)});
    if (!rigProcess.waitForStarted(5000)) {
        return false;
    }
    // Ready once it accepts the control connection.
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        control.abort();
        control.connectToHost(QHostAddress(QHostAddress::LocalHost), rigPort);
        if (control.waitForConnected(500)) {
            return true;
        }
        QTest::qWait(50);
    }
    return false;
}

bool TestRigctld::rig(const QByteArray& command)
{
    control.write(command + '\n');
    QByteArray answer;
    QDeadlineTimer deadline(5000);
    while (!answer.contains('\n') && !deadline.hasExpired()) {
        control.waitForReadyRead(100);
        answer += control.readAll();
    }
    return answer.trimmed() == "RPRT 0";
}

void TestRigctld::antennaFollowsTheRadio()
{
    rigPort = testsupport::freeLoopbackPort();
    QVERIFY(startRig());
    sim = std::make_unique<SimulatorProcess>(QStringList {"--log"});
    const quint16 simPort = sim->waitForPort();
    QVERIFY(simPort != 0);
    testsupport::writeLoopbackDevice(profile, simPort);
    testsupport::writeSettings(testsupport::profileSettingsPath(profile),
                               {{"BandFollow/Source", "rigctld"},
                                {"BandFollow/RigPort", rigPort},
                                {"BandFollow/20m", 4},
                                {"BandFollow/40m", 2},
                                {"BandFollow/2m", 7}});
    lastReportTime = QDateTime::currentMSecsSinceEpoch();
    window = std::make_unique<MainWindow>();
    window->show();
    window->ui->actionConnect_to_Merax->trigger();
    QVERIFY(connected);
    QLabel* band = window->bandFigures();

    // The dummy radio starts on 145 MHz: 2 m names Ant 7.
    QTRY_COMPARE_WITH_TIMEOUT(band->text(), QStringLiteral("145.000 MHz · 2 m"), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(sim->output().contains("FE 02 06 FD"), 5000);

    // Tuned by another program.
    QVERIFY(rig("F 14074000"));
    QTRY_VERIFY_WITH_TIMEOUT(sim->output().contains("FE 02 03 FD"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoTecla4->styleSheet(), harness::selected, 5000);

    // Keyed, then moved to 40 m: the switch waits for PTT off.
    QVERIFY(rig("T 1"));
    QTRY_COMPARE_WITH_TIMEOUT(band->text(), QStringLiteral("14.074 MHz · 20 m · TX"), 5000);
    QVERIFY(rig("F 7074000"));
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->statusBar->currentMessage(),
                              QStringLiteral("Ant 2 waits for the end of the transmission"), 5000);
    QVERIFY(!sim->output().contains("FE 02 01 FD"));
    QVERIFY(rig("T 0"));
    QTRY_VERIFY_WITH_TIMEOUT(sim->output().contains("FE 02 01 FD"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoTecla2->styleSheet(), harness::selected, 5000);

    // The daemon dies: the panel says so and stays responsive.
    rigProcess.kill();
    QVERIFY(rigProcess.waitForFinished(5000));
    QTRY_COMPARE_WITH_TIMEOUT(band->text(), QStringLiteral("rigctld: not connected"), 5000);
    const int polls = sim->polls();
    QTRY_VERIFY_WITH_TIMEOUT(sim->polls() > polls + 3, 5000);

    // Back on the same port, found again without help; the dummy radio starts
    // on 145 MHz again, so Ant 7 comes back.
    QVERIFY(startRig());
    QTRY_COMPARE_WITH_TIMEOUT(band->text(), QStringLiteral("145.000 MHz · 2 m"), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoTecla7->styleSheet(), harness::selected, 5000);
    QVERIFY(rig("F 14200000"));
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoTecla4->styleSheet(), harness::selected, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(window->unconfirmedCommands(), 0, 5000);
}

// A daemon whose radio answers some questions with an error, as a busy CAT
// port does while the radio sends: what was read last still stands.
void TestRigctld::failedAnswersKeepWhatWasRead()
{
    QTcpServer daemon;
    QVERIFY(daemon.listen(QHostAddress(QHostAddress::LocalHost), 0));
    // Some rigctld versions give the frequency with decimals.
    const QList<QByteArray> answers {"14074000\n1\n", "RPRT -5\nRPRT -5\n", "7074000.000000\n0\n"};
    int polls = 0;
    connect(&daemon, &QTcpServer::newConnection, this, [&] {
        QTcpSocket* peer = daemon.nextPendingConnection();
        connect(peer, &QTcpSocket::readyRead, peer, [&, peer] {
            // One answer pair per "f\nt\n"; the client never asks twice at once.
            if (peer->readAll().contains("t\n") && polls < answers.size()) {
                peer->write(answers.at(polls++));
            }
        });
    });
    RigctldClient client;
    QList<QPair<qint64, bool>> readings;
    connect(&client, &RigctldClient::reading, this, [&readings](qint64 hz, bool transmitting) {
        readings.append({hz, transmitting});
    });
    client.start(QStringLiteral("127.0.0.1"), daemon.serverPort());
    QTRY_COMPARE(readings.size(), 3);
    const QList<QPair<qint64, bool>> expected {{14074000, true}, {14074000, true}, {7074000, false}};
    QCOMPARE(readings, expected);
    QCOMPARE(client.state(), RigctldClient::State::Connected);
}

ZAREL_TEST_MAIN(TestRigctld, "rigctld")
#include "tst_rigctld.moc"
