// Band following against the real Hamlib daemon: rigctld with its dummy
// radio (-m 1) on a free loopback port, the panel connected to merax-sim, and
// the radio tuned and keyed through a second rigctld connection, as a logger
// or a digital-mode program would. Daemons that misbehave are made here.
#include <QAction>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

#include "connection/radiosource.h"
#include "connection/rigctldclient.h"
#include "forms/panelform.h"
#include "panelharness.h"
#include "rigctldprocess.h"
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

// Answers in rigctld's extended form.
QByteArray answer(const char* command, const QByteArray& values, const QByteArray& code = "RPRT 0")
{
    return QByteArray(command) + ":\n" + values + code + '\n';
}

QByteArray frequency(const QByteArray& hz)
{
    return answer("get_freq", "Frequency: " + hz + '\n');
}

QByteArray ptt(int value)
{
    return answer("get_ptt", "PTT: " + QByteArray::number(value) + '\n');
}

const QByteArray noSplit = answer("get_split_vfo", "Split: 0\nTX VFO: VFOA\n");

// A daemon on a free loopback port that answers each round of questions
// ("+f\n+t\n+s\n", asked at once) with what `round` gives for its number,
// counted from 1, `answerMs` after it was asked; `greeting` is sent to each
// connection first.
class FakeDaemon : public QObject
{
public:
    FakeDaemon()
    {
        server.listen(QHostAddress(QHostAddress::LocalHost), 0);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* peer = server.nextPendingConnection();
            ++connections;
            connect(peer, &QTcpSocket::disconnected, peer, &QObject::deleteLater);
            connect(peer, &QTcpSocket::readyRead, peer, [this, peer] {
                asked += peer->readAll();
                int end;
                while ((end = asked.indexOf("+s\n")) >= 0) {
                    asked.remove(0, end + 3);
                    const QByteArray said = round(++rounds);
                    QTimer::singleShot(answerMs, peer, [peer, said] { peer->write(said); });
                }
            });
            peer->write(greeting);
        });
    }
    quint16 port() const { return server.serverPort(); }

    QTcpServer server;
    std::function<QByteArray(int round)> round = [](int) { return QByteArray(); };
    QByteArray greeting;
    QByteArray asked;
    int rounds = 0;
    int connections = 0;
    int answerMs = 0;
};

} // namespace

class TestRigctld : public QObject, private harness::PanelFixture
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
    void strayLinesWhileKeyed_data();
    void strayLinesWhileKeyed();
    void strayLineSwitchesNothingWhileKeyed();
    void lateReadingHoldsTheSwitch();
    void cwKeyedOnSendOnly_data();
    void cwKeyedOnSendOnly();
    void floodIsCutOff_data();
    void floodIsCutOff();

private:
    // A panel following `daemon` (20 m: Ant 4, 40 m: Ant 2), connected to a
    // device that reports `antenna` every 160 ms, once it has switched to
    // 20 m; `antenna` is the 20 m one then.
    harness::Panel& followingPanel(FakeDaemon& daemon, int& antenna, QTimer& device);

    std::unique_ptr<RigctldProcess> radio;
    std::unique_ptr<SimulatorProcess> sim;
    std::unique_ptr<MainWindow> window;
};

void TestRigctld::initTestCase()
{
#ifdef Q_OS_WIN
    QSKIP("Debian builds rigctld for Linux only: the daemon is tested there");
#endif
    if (RigctldProcess::program().isEmpty()) {
        QSKIP("rigctld is not installed (Debian package libhamlib-utils)");
    }
    if (qEnvironmentVariableIsEmpty("MERAX_SIM_BIN")) {
        QSKIP("MERAX_SIM_BIN is not set");
    }
}

void TestRigctld::cleanup()
{
    panel.reset();
    MainWindow::stopThreads();
    window.reset();
    sim.reset();
    radio.reset();
    connected = false;
    QFile::remove(testsupport::profileSettingsPath(profile));
}

void TestRigctld::antennaFollowsTheRadio()
{
    radio = std::make_unique<RigctldProcess>();
    QVERIFY(radio->start(testsupport::freeLoopbackPort()));
    sim = std::make_unique<SimulatorProcess>(QStringList {"--log"});
    const quint16 simPort = sim->waitForPort();
    QVERIFY(simPort != 0);
    testsupport::writeLoopbackDevice(profile, simPort);
    testsupport::writeSettings(testsupport::profileSettingsPath(profile),
                               {{"BandFollow/Source", "rigctld"},
                                {"BandFollow/RigPort", radio->port},
                                {"BandFollow/20m", 4},
                                {"BandFollow/40m", 2},
                                {"BandFollow/2m", 7}});
    lastReportTime = QDateTime::currentMSecsSinceEpoch();
    window = std::make_unique<MainWindow>();
    window->show();
    window->ui->actionConnect_to_Merax->trigger();
    QVERIFY(connected);
    QLabel* band = window->findChild<QLabel*>(QStringLiteral("labelBand"));

    // The dummy radio starts on 145 MHz: 2 m names Ant 7.
    QTRY_COMPARE_WITH_TIMEOUT(band->text(), QStringLiteral("145.000 MHz · 2 m"), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(sim->output().contains("FE 02 06 FD"), 5000);

    // Tuned by another program.
    QVERIFY(radio->command("F 14074000"));
    QTRY_VERIFY_WITH_TIMEOUT(sim->output().contains("FE 02 03 FD"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoTecla4->styleSheet(), harness::selected, 5000);

    // Keyed, then moved to 40 m: the switch waits for PTT off.
    QVERIFY(radio->command("T 1"));
    QTRY_COMPARE_WITH_TIMEOUT(band->text(), QStringLiteral("14.074 MHz · 20 m · TX"), 5000);
    QVERIFY(radio->command("F 7074000"));
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->statusBar->currentMessage(),
                              QStringLiteral("Ant 2 waits for the end of the transmission"), 5000);
    QVERIFY(!sim->output().contains("FE 02 01 FD"));
    QVERIFY(radio->command("T 0"));
    QTRY_VERIFY_WITH_TIMEOUT(sim->output().contains("FE 02 01 FD"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoTecla2->styleSheet(), harness::selected, 5000);

    // The daemon dies while the radio sends: the panel says so and stays
    // responsive.
    QVERIFY(radio->command("T 1"));
    QTRY_COMPARE_WITH_TIMEOUT(band->text(), QStringLiteral("7.074 MHz · 40 m · TX"), 5000);
    QVERIFY(radio->kill());
    QTRY_COMPARE_WITH_TIMEOUT(band->text(), QStringLiteral("rigctld: connection refused"), 5000);
    const int polls = sim->polls();
    QTRY_VERIFY_WITH_TIMEOUT(sim->polls() > polls + 3, 5000);

    // Back on the same port, found again without help; the dummy radio starts
    // on 145 MHz again, so Ant 7 comes back.
    QVERIFY(radio->start(radio->port));
    QTRY_COMPARE_WITH_TIMEOUT(band->text(), QStringLiteral("145.000 MHz · 2 m"), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoTecla7->styleSheet(), harness::selected, 5000);
    QVERIFY(radio->command("F 14200000"));
    QTRY_COMPARE_WITH_TIMEOUT(window->ui->botaoTecla4->styleSheet(), harness::selected, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(window->session().unconfirmed(), 0, 5000);

    // Split on the radio: listening on 20 m, sending on 40 m, the antenna
    // follows the transmit frequency.
    QVERIFY(radio->command("S 1 VFOB"));
    QVERIFY(radio->command("I 7074000"));
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
    FakeDaemon daemon;
    // Some rigctld versions give the frequency with decimals.
    QList<QByteArray> answers {frequency("14074000") + answer("get_ptt", "", "RPRT -11") +
                                   answer("get_split_vfo", "", "RPRT -11"),
                               frequency("14074000") + ptt(1) + answer("get_split_vfo", "", "RPRT -11"),
                               answer("get_freq", "", "RPRT -5") + answer("get_ptt", "", "RPRT -5") + noSplit,
                               frequency("7074000.000000") + ptt(0) + answer("get_split_vfo", "", "RPRT -11")};
    daemon.round = [&answers](int round) { return answers.value(round - 1); };
    RigctldClient client;
    QList<QPair<qint64, bool>> readings;
    QList<bool> pttKnown;
    connect(&client, &RigctldClient::reading, this, [&](qint64 hz, bool transmitting, bool known) {
        readings.append({hz, transmitting});
        pttKnown.append(known);
    });
    client.start(QStringLiteral("127.0.0.1"), daemon.port());
    QTRY_COMPARE(readings.size(), 4);
    const QList<QPair<qint64, bool>> expected {{14074000, false}, {14074000, true}, {14074000, true}, {7074000, false}};
    QCOMPARE(readings, expected);
    QCOMPARE(pttKnown, QList<bool>({false, true, true, true}));
    QCOMPARE(client.state(), RigctldClient::State::Connected);

    // A daemon restarted with a radio whose PTT cannot be read: what the
    // last connection could read says nothing of this one.
    answers.append(frequency("7074000") + answer("get_ptt", "", "RPRT -11") + noSplit);
    for (QTcpSocket* peer : daemon.server.findChildren<QTcpSocket*>()) {
        peer->abort();
    }
    QTRY_VERIFY(daemon.connections == 2 && readings.size() >= 5);
    QCOMPARE(readings.at(4), qMakePair(qint64(7074000), false));
    QCOMPARE(pttKnown.at(4), false);
}

// The dummy radio split by another program: the transmit frequency is read
// while split is on and forgotten when it is off.
void TestRigctld::splitFromTheDummyRadio()
{
    radio = std::make_unique<RigctldProcess>();
    QVERIFY(radio->start(testsupport::freeLoopbackPort()));
    RadioSource source;
    source.configure(rigAt(QStringLiteral("127.0.0.1"), radio->port));
    QVERIFY(radio->command("F 14074000"));
    QVERIFY(radio->command("S 1 VFOB"));
    QVERIFY(radio->command("I 7074000"));
    QTRY_COMPARE_WITH_TIMEOUT(source.reading().txFrequencyHz, std::optional<qint64>(7074000), 5000);
    QCOMPARE(source.reading().frequencyHz, std::optional<qint64>(14074000));
    QVERIFY(source.reading().pttKnown);
    QVERIFY(radio->command("S 0 VFOA"));
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
    FakeDaemon daemon;
    daemon.round = [](int) {
        return answer("get_freq", "", "RPRT -11") + answer("get_ptt", "", "RPRT -11") +
            answer("get_split_vfo", "", "RPRT -11");
    };
    const quint16 port = daemon.port();
    if (!listening) {
        daemon.server.close();
    }
    RadioSource source;
    source.configure(rigAt(host, port));
    QFETCH(QString, status);
    QTRY_COMPARE_WITH_TIMEOUT(source.statusText(), status, 5000);
    QVERIFY(!source.reading().frequencyHz);
}

// A daemon that adds a line where it does not belong while the radio is
// keyed on 40 m, after a round on 20 m receiving and before one on 40 m
// receiving: no reading says "receive" while keyed.
void TestRigctld::strayLinesWhileKeyed_data()
{
    QTest::addColumn<QByteArray>("keyed");
    const QByteArray on40 = frequency("7074000");
    // What a daemon that is out of step may send: each is unknown or says
    // "transmitting", never "receive".
    QTest::newRow("stray line after the frequency") << on40 + "0\n" + ptt(1) + noSplit;
    QTest::newRow("stray line inside the PTT answer") << on40 + answer("get_ptt", "PTT: 0\n1\n") + noSplit;
    QTest::newRow("PTT given twice") << on40 + answer("get_ptt", "PTT: 1\nPTT: 0\n") + noSplit;
    QTest::newRow("result code before the PTT") << on40 + answer("get_ptt", "") + "PTT: 0\nRPRT 0\n" + noSplit;
    QTest::newRow("PTT answer missing") << on40 + noSplit;
    QTest::newRow("PTT read error") << on40 + answer("get_ptt", "", "RPRT -9") + noSplit;
}

void TestRigctld::strayLinesWhileKeyed()
{
    QFETCH(QByteArray, keyed);
    FakeDaemon daemon;
    daemon.round = [&keyed](int round) {
        if (round == 1) {
            return frequency("14074000") + ptt(0) + noSplit;
        }
        return round <= 4 ? keyed : frequency("7074000") + ptt(0) + noSplit;
    };
    RigctldClient client;
    client.pollClosely(true);
    QList<qint64> heard;
    QList<bool> transmitting;
    connect(&client, &RigctldClient::reading, this, [&](qint64 hz, bool tx, bool known) {
        heard.append(hz);
        transmitting.append(tx);
        QVERIFY(known);
    });
    client.start(QStringLiteral("127.0.0.1"), daemon.port());
    // Read closely, rounds come fast: the first five tell.
    QTRY_VERIFY(transmitting.size() >= 5);
    QCOMPARE(transmitting.mid(0, 5), QList<bool>({false, true, true, true, false}));
    QCOMPARE(heard.mid(0, 5), QList<qint64>({14074000, 7074000, 7074000, 7074000, 7074000}));
}

// The same in the window: the band's antenna waits for the radio to stop
// sending, whatever the daemon adds.
void TestRigctld::strayLineSwitchesNothingWhileKeyed()
{
    FakeDaemon daemon;
    bool keyed = true;
    // On 20 m until its antenna went (the first words start the hang), then keyed on 40 m.
    const harness::Panel* panel = nullptr;
    daemon.round = [&keyed, &panel](int) {
        if (panel == nullptr || panel->sent.isEmpty()) {
            return frequency("14074000") + ptt(0) + noSplit;
        }
        return keyed ? frequency("7074000") + "0\n" + ptt(1) + noSplit : frequency("7074000") + ptt(0) + noSplit;
    };
    int antenna = 0;
    QTimer device;
    harness::Panel& p = followingPanel(daemon, antenna, device);
    panel = &p;
    QTRY_VERIFY(!p.sent.isEmpty());
    const int from = daemon.rounds;
    QTRY_VERIFY(daemon.rounds >= from + 8);
    QCOMPARE(p.sent, QList<QByteArray> {harness::bytes("fe0203fd")});
    QCOMPARE(p.w().findChild<QLabel*>(QStringLiteral("labelBand"))->text(), QStringLiteral("7.074 MHz · 40 m · TX"));
    keyed = false;
    QTRY_COMPARE(p.sent, QList<QByteArray>({harness::bytes("fe0203fd"), harness::bytes("fe0201fd")}));
}

// A radio that answers a second after it was asked: its "receive" was true
// then, and it may have keyed since. The band's antenna waits until a reading
// young enough says receive.
void TestRigctld::lateReadingHoldsTheSwitch()
{
    FakeDaemon daemon;
    bool on40 = false;
    daemon.round = [&on40](int) { return frequency(on40 ? "7074000" : "14074000") + ptt(0) + noSplit; };
    int antenna = 0;
    QTimer device;
    harness::Panel& p = followingPanel(daemon, antenna, device);
    daemon.answerMs = 1000;
    on40 = true;
    // Three late readings of 40 m, each saying "receive".
    QTRY_VERIFY_WITH_TIMEOUT(p.w().findChild<QLabel*>(QStringLiteral("labelBand"))->text().startsWith("7.074"), 5000);
    const int from = daemon.rounds;
    QTRY_VERIFY_WITH_TIMEOUT(daemon.rounds >= from + 2, 5000);
    QCOMPARE(p.sent, QList<QByteArray> {harness::bytes("fe0203fd")});
    // The operator learns why nothing switches, until it does.
    const QString late = QStringLiteral("rigctld answers too late to tell the PTT: switching waits");
    QCOMPARE(p.w().ui->statusBar->currentMessage(), late);
    daemon.answerMs = 0;
    QTRY_COMPARE(p.sent, QList<QByteArray>({harness::bytes("fe0203fd"), harness::bytes("fe0201fd")}));
    QTRY_VERIFY(p.w().ui->statusBar->currentMessage() != late);
}

harness::Panel& TestRigctld::followingPanel(FakeDaemon& daemon, int& antenna, QTimer& device)
{
    harness::Panel& p = makePanel({{"IP", "127.0.0.1"},
                                   {"BandFollow/Source", "rigctld"},
                                   {"BandFollow/RigPort", daemon.port()},
                                   {"BandFollow/20m", 4},
                                   {"BandFollow/40m", 2}});
    connected = true;
    // The device reports as often as it is polled, the antenna it was told.
    connect(&device, &QTimer::timeout, this, [&p, &antenna] {
        p.w().processaPDRLan(&p.w(), QStringLiteral("%1.0.0.0.1.0.FF.0.FF.F.0.0.FF").arg(antenna, 0, 16));
    });
    device.start(160);
    if (QTest::qWaitFor([&p] { return p.sent == QList<QByteArray> {harness::bytes("fe0203fd")}; }, 5000)) {
        antenna = 3;
    }
    return p;
}

// Far more than any daemon says, from the moment of connecting: the client
// hangs up within a moment, says the peer is not rigctld, shows no frequency,
// and the event loop keeps turning.
// CW keyed by a keyer on the device's SEND input alone, as most stations
// wire it: rigctld's PTT stays 0 (or says 2 or 3 for a data PTT). The radio
// changes band during the calls; no antenna or output command may reach the
// device while it is on the air, and every band's antenna is reached.
void TestRigctld::cwKeyedOnSendOnly_data()
{
    QTest::addColumn<QStringList>("simOptions");
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<QByteArray>("ptt");
    // The band changes come during a call. With the inhibit any call is
    // safe. Without it only one whose gaps stay shorter than the CW wait even
    // when a sample misses an element or two (polls stretch behind
    // commands), with a pause longer than the wait: a switch released at the
    // end of a pause would meet the next call on its way.
    const QStringList keyer {"--keyer", "20", "--keyer-pause", "1500"};
    QTest::newRow("inhibit output, shortest hang")
        << keyer + QStringList {"--inhibit-gpo", "3"}
        << QVariantMap {{"BandFollow/InhibitGpo", 3}, {"BandFollow/TxHangMs", 250}} << QByteArray("0");
    QTest::newRow("no inhibit output, the file's CW wait")
        << QStringList {"--keyer", "20", "--keyer-text", "CQ CQ", "--keyer-pause", "3000"}
        << QVariantMap {{"BandFollow/TxHangCwMs", 1500}} << QByteArray("0");
    QTest::newRow("data PTT 2, no keyer") << QStringList {} << QVariantMap {} << QByteArray("2");
    QTest::newRow("data PTT 3, inhibit output")
        << QStringList {"--inhibit-gpo", "3"} << QVariantMap {{"BandFollow/InhibitGpo", 3}} << QByteArray("3");
}

void TestRigctld::cwKeyedOnSendOnly()
{
    QFETCH(QStringList, simOptions);
    QFETCH(QVariantMap, settings);
    QFETCH(QByteArray, ptt);
    radio = std::make_unique<RigctldProcess>();
    QVERIFY(radio->start(testsupport::freeLoopbackPort()));
    QVERIFY(radio->command("M CW 500"));
    QVERIFY(radio->command("F 7025000"));
    // On the 40 m antenna already: what is counted is band changes, not Connect.
    sim = std::make_unique<SimulatorProcess>(QStringList {"--log", "--initial-antenna", "2"} + simOptions);
    const quint16 simPort = sim->waitForPort();
    QVERIFY(simPort != 0);
    testsupport::writeLoopbackDevice(profile, simPort);
    settings.insert("BandFollow/Source", "rigctld");
    settings.insert("BandFollow/RigPort", radio->port);
    settings.insert("BandFollow/40m", "2");
    settings.insert("BandFollow/20m", "4 01------");
    settings.insert("BandFollow/80m", "1");
    settings.insert("BandFollow/15m", "5 -1------");
    testsupport::writeSettings(testsupport::profileSettingsPath(profile), settings);
    lastReportTime = QDateTime::currentMSecsSinceEpoch();
    window = std::make_unique<MainWindow>();
    window->show();
    window->ui->actionConnect_to_Merax->trigger();
    QVERIFY(connected);
    QTRY_COMPARE_WITH_TIMEOUT(window->findChild<QLabel*>(QStringLiteral("labelBand"))->text(),
                              QStringLiteral("7.025 MHz · 40 m"), 10000);
    const bool keyed = ptt != "0";
    if (keyed) {
        QTRY_COMPARE_WITH_TIMEOUT(window->session().unconfirmed(), 0, 5000);
        QVERIFY(radio->command("T " + ptt));
    }
    for (const auto& [hz, command] : {std::pair {"14025000", "FE 02 03 FD"}, std::pair {"3525000", "FE 02 00 FD"},
                                      std::pair {"21025000", "FE 02 04 FD"}}) {
        // During a call: the switch waits for its end.
        if (!keyed) {
            QTRY_VERIFY_WITH_TIMEOUT(window->deviceState.sendActive != 0, 10000);
        }
        QVERIFY(radio->command(QByteArray("F ") + hz));
        if (keyed) {
            // Held while the radio says it sends, whatever its PTT's kind.
            const int polls = sim->polls();
            QTRY_VERIFY_WITH_TIMEOUT(sim->polls() > polls + 6, 3000);
            QVERIFY2(!sim->output().contains(command), hz);
            QVERIFY(radio->command("T 0"));
        }
        QTRY_VERIFY2_WITH_TIMEOUT(sim->output().contains(command), hz, 15000);
        if (keyed) {
            QTRY_COMPARE_WITH_TIMEOUT(window->session().unconfirmed(), 0, 5000);
            QVERIFY(radio->command("T " + ptt));
        }
    }
    QTRY_COMPARE_WITH_TIMEOUT(window->session().unconfirmed(), 0, 5000);
    const QStringList onAir = sim->output().split('\n').filter(QStringLiteral("(on air)"));
    QVERIFY2(onAir.isEmpty(), qPrintable(onAir.join('\n')));
    // The inhibit is down again and was never taken for a band output.
    QCOMPARE(window->deviceState.gpoStates & 0x04, 0);
}

void TestRigctld::floodIsCutOff_data()
{
    constexpr int size = 4 << 20;
    QTest::addColumn<QByteArray>("flood");
    QTest::newRow("short lines") << QByteArray("1\n").repeated(size / 2);
    QTest::newRow("answers nobody asked for") << ptt(1).repeated(size / ptt(1).size());
    QTest::newRow("one endless line") << QByteArray(size, '7');
}

void TestRigctld::floodIsCutOff()
{
    QFETCH(QByteArray, flood);
    FakeDaemon daemon;
    daemon.greeting = flood;
    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    QTimer ticks;
    connect(&ticks, &QTimer::timeout, this, [&] {
        longestGap = qMax(longestGap, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
    });
    ticks.start(10);
    clock.start();
    RadioSource source;
    source.configure(rigAt(QStringLiteral("127.0.0.1"), daemon.port()));
    QTRY_COMPARE_WITH_TIMEOUT(source.statusText(), QStringLiteral("rigctld: connected, unreadable answer"), 1000);
    // Flooded again after the retry, and cut off again.
    QTRY_VERIFY(daemon.connections >= 2);
    QCOMPARE(source.statusText(), QStringLiteral("rigctld: connected, unreadable answer"));
    QVERIFY(!source.reading().frequencyHz);
    QVERIFY2(longestGap < 1000, qPrintable(QString::number(longestGap)));
    qInfo("longest gap between 10 ms ticks: %lld ms", longestGap);
}

ZAREL_TEST_MAIN(TestRigctld, "rigctld")
#include "tst_rigctld.moc"
