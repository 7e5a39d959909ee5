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

#include "connection/radiosource.h"
#include "connection/rigctldclient.h"
#include "forms/panelform.h"
#include "panelharness.h"
#include "simulatorprocess.h"
#include "testsupport.h"

namespace {

const char profile[] = "rigctld";

RadioSourceSettings rigAt(const QString& host, quint16 port)
{
    RadioSourceSettings settings;
    settings.kind = RadioSourceSettings::Kind::Rigctld;
    settings.rigHost = host;
    settings.rigPort = port;
    return settings;
}

} // namespace

class TestRigctld : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void antennaFollowsTheRadio();
    void failedAnswersKeepWhatWasRead();
    void splitFromTheDummyRadio();
    void daemonStates_data();
    void daemonStates();

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
#ifdef Q_OS_WIN
    QSKIP("Debian builds rigctld for Linux only: the daemon is tested there");
#endif
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

    // The daemon dies while the radio sends: the panel says so and stays
    // responsive.
    QVERIFY(rig("T 1"));
    QTRY_COMPARE_WITH_TIMEOUT(band->text(), QStringLiteral("7.074 MHz · 40 m · TX"), 5000);
    rigProcess.kill();
    QVERIFY(rigProcess.waitForFinished(5000));
    QTRY_COMPARE_WITH_TIMEOUT(band->text(), QStringLiteral("rigctld: connection refused"), 5000);
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

    // Split on the radio: listening on 20 m, sending on 40 m, the antenna
    // follows the transmit frequency.
    QVERIFY(rig("S 1 VFOB"));
    QVERIFY(rig("I 7074000"));
    QTRY_COMPARE_WITH_TIMEOUT(band->text(), QStringLiteral("RX 14.200 · TX 7.074 MHz · 40 m"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoTecla2->styleSheet(), harness::selected, 5000);
}

// A daemon whose radio answers some questions with an error, as a busy CAT
// port does while the radio sends: what was read last still stands, and a
// PTT read once stays known; one never read is unknown. The split question
// is answered in both its forms, one error line or two lines, and the rounds
// stay in step.
void TestRigctld::failedAnswersKeepWhatWasRead()
{
    QTcpServer daemon;
    QVERIFY(daemon.listen(QHostAddress(QHostAddress::LocalHost), 0));
    // Some rigctld versions give the frequency with decimals.
    const QList<QByteArray> answers {"14074000\nRPRT -11\nRPRT -11\n", "14074000\n1\nRPRT -11\n",
                                     "RPRT -5\nRPRT -5\n0\nVFOA\n", "7074000.000000\n0\nRPRT -11\n"};
    int polls = 0;
    connect(&daemon, &QTcpServer::newConnection, this, [&] {
        QTcpSocket* peer = daemon.nextPendingConnection();
        connect(peer, &QTcpSocket::readyRead, peer, [&, peer] {
            // One answer set per "f\nt\ns\n"; the client never asks twice at once.
            if (peer->readAll().contains("s\n") && polls < answers.size()) {
                peer->write(answers.at(polls++));
            }
        });
    });
    RigctldClient client;
    QList<QPair<qint64, bool>> readings;
    QList<bool> pttKnown;
    connect(&client, &RigctldClient::reading, this, [&](qint64 hz, bool transmitting, bool known) {
        readings.append({hz, transmitting});
        pttKnown.append(known);
    });
    client.start(QStringLiteral("127.0.0.1"), daemon.serverPort());
    QTRY_COMPARE(readings.size(), 4);
    const QList<QPair<qint64, bool>> expected {{14074000, false}, {14074000, true}, {14074000, true}, {7074000, false}};
    QCOMPARE(readings, expected);
    QCOMPARE(pttKnown, QList<bool>({false, true, true, true}));
    QCOMPARE(client.state(), RigctldClient::State::Connected);
}

// The dummy radio split by another program: the transmit frequency is read
// while split is on and forgotten when it is off.
void TestRigctld::splitFromTheDummyRadio()
{
    rigPort = testsupport::freeLoopbackPort();
    QVERIFY(startRig());
    RadioSource source;
    source.configure(rigAt(QStringLiteral("127.0.0.1"), rigPort));
    QVERIFY(rig("F 14074000"));
    QVERIFY(rig("S 1 VFOB"));
    QVERIFY(rig("I 7074000"));
    QTRY_COMPARE_WITH_TIMEOUT(source.reading().txFrequencyHz, std::optional<qint64>(7074000), 5000);
    QCOMPARE(source.reading().frequencyHz, std::optional<qint64>(14074000));
    QVERIFY(source.reading().pttKnown);
    QVERIFY(rig("S 0 VFOA"));
    QTRY_COMPARE_WITH_TIMEOUT(source.reading().txFrequencyHz, std::optional<qint64>(), 5000);
    QCOMPARE(source.reading().frequencyHz, std::optional<qint64>(14074000));
}

// What the operator reads for each way a daemon can fail.
void TestRigctld::daemonStates_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("listening");
    QTest::addColumn<QString>("status");
    QTest::newRow("refused") << "127.0.0.1" << false << "rigctld: connection refused";
    QTest::newRow("unknown host") << "rig.invalid" << false << "rigctld: unknown host";
    QTest::newRow("radio not answering") << "127.0.0.1" << true << "rigctld: connected, error RPRT -11";
}

void TestRigctld::daemonStates()
{
    QFETCH(QString, host);
    QFETCH(bool, listening);
    // Answers every question with an error, as for a radio it cannot read.
    QTcpServer daemon;
    QVERIFY(daemon.listen(QHostAddress(QHostAddress::LocalHost), 0));
    connect(&daemon, &QTcpServer::newConnection, this, [&daemon] {
        QTcpSocket* peer = daemon.nextPendingConnection();
        connect(peer, &QTcpSocket::readyRead, peer, [peer] {
            while (peer->canReadLine()) {
                peer->readLine();
                peer->write("RPRT -11\n");
            }
        });
    });
    const quint16 port = daemon.serverPort();
    if (!listening) {
        daemon.close();
    }
    RadioSource source;
    source.configure(rigAt(host, port));
    QFETCH(QString, status);
    QTRY_COMPARE_WITH_TIMEOUT(source.statusText(), status, 5000);
    QVERIFY(!source.reading().frequencyHz);
}

ZAREL_TEST_MAIN(TestRigctld, "rigctld")
#include "tst_rigctld.moc"
