#include <QCommandLineParser>
#include <QTest>

#include "meraxdevice.h"
#include "simoptions.h"

Q_DECLARE_METATYPE(MeraxState)

namespace {

QByteArray bytes(const char* hexText)
{
    return QByteArray::fromHex(hexText);
}

// The panel's reading of a report, redone here from the wire format so the
// simulator is checked against the format and not against itself.
struct PanelView
{
    int fieldCount = 0;
    int endMarker = 0;
    quint8 selectedAntenna = 0, splitActive = 0, sendActive = 0, splitRxAntenna = 0, rtxActive = 0, rxActive = 0;
    quint8 gpiStates = 0, gpoStates = 0, busyMask1to8 = 0, busyMask9to12 = 0, rotorStates = 0, rotorBlink = 0;
};

PanelView readLikePanel(const QString& report)
{
    const QStringList f = report.split(QLatin1Char('.'));
    PanelView v;
    v.fieldCount = f.size();
    if (f.size() < 13) {
        return v;
    }
    const auto at = [&f](int i, int base) { return quint8(f.at(i).toInt(nullptr, base)); };
    v.selectedAntenna = at(0, 16);
    v.splitActive = at(1, 10);
    v.sendActive = at(2, 10);
    v.splitRxAntenna = at(3, 16);
    v.rtxActive = at(4, 10);
    v.rxActive = at(5, 10);
    v.gpiStates = quint8(~at(6, 16));
    v.gpoStates = at(7, 16);
    v.busyMask1to8 = quint8(~at(8, 16));
    v.busyMask9to12 = quint8(~at(9, 16));
    v.rotorStates = at(10, 16);
    v.rotorBlink = at(11, 16);
    v.endMarker = f.at(12).toInt(nullptr, 16);
    return v;
}

MeraxState knownState()
{
    MeraxState s;
    s.antenna = 3;
    s.gpoOn = 0x01;
    s.gpiActive = 0x01;
    return s;
}

} // namespace

class TestMeraxSim : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandEffects_data();
    void commandEffects();
    void reportMatchesPanelReading_data();
    void reportMatchesPanelReading();
    void malformedIgnored_data();
    void malformedIgnored();
    void requestsAnswerCurrentState();
    void refusedAntenna_data();
    void refusedAntenna();
    void activityCycle();
    void options_data();
    void options();
};

void TestMeraxSim::commandEffects_data()
{
    QTest::addColumn<QList<QByteArray>>("datagrams");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("lastMeaning");

    QTest::newRow("power-up") << QList<QByteArray> {} << "0.0.0.0.1.0.FF.0.FF.F.0.0.FF"
                              << "";
    QTest::newRow("Ant 12") << QList<QByteArray> {bytes("FE020BFD")} << "B.0.0.0.1.0.FF.0.FF.F.0.0.FF"
                            << "antenna 12";
    QTest::newRow("release") << QList<QByteArray> {bytes("FE0204FD"), bytes("FE020FFD")}
                             << "F.0.0.0.1.0.FF.0.FF.F.0.0.FF"
                             << "release";
    QTest::newRow("split on") << QList<QByteArray> {bytes("FE03010503FD")} << "3.1.0.5.1.0.FF.0.FF.F.0.0.FF"
                              << "split on, receive antenna 6, transmit antenna 4";
    QTest::newRow("split on with release as receive")
        << QList<QByteArray> {bytes("FE03010F00FD")} << "0.1.0.F.1.0.FF.0.FF.F.0.0.FF"
        << "split on, receive antenna none, transmit antenna 1";
    QTest::newRow("antenna in split moves the receive side")
        << QList<QByteArray> {bytes("FE03010503FD"), bytes("FE0208FD")} << "3.1.0.8.1.0.FF.0.FF.F.0.0.FF"
        << "receive antenna 9";
    QTest::newRow("split off keeps the transmit antenna")
        << QList<QByteArray> {bytes("FE03010503FD"), bytes("FE03000000FD")} << "3.0.0.0.1.0.FF.0.FF.F.0.0.FF"
        << "split off";
    QTest::newRow("antenna after split off moves the transmit side")
        << QList<QByteArray> {bytes("FE03010503FD"), bytes("FE03000000FD"), bytes("FE0208FD")}
        << "8.0.0.0.1.0.FF.0.FF.F.0.0.FF"
        << "antenna 9";
    QTest::newRow("GPO 1 on") << QList<QByteArray> {bytes("FE040001FD")} << "0.0.0.0.1.0.FF.1.FF.F.0.0.FF"
                              << "GPO 1 on";
    QTest::newRow("GPO 8 and GPO 3 on") << QList<QByteArray> {bytes("FE040701FD"), bytes("FE040201FD")}
                                        << "0.0.0.0.1.0.FF.84.FF.F.0.0.FF"
                                        << "GPO 3 on";
    QTest::newRow("GPO on twice stays on")
        << QList<QByteArray> {bytes("FE040401FD"), bytes("FE040401FD")} << "0.0.0.0.1.0.FF.10.FF.F.0.0.FF"
        << "GPO 5 on";
    QTest::newRow("GPO off leaves the others")
        << QList<QByteArray> {bytes("FE040001FD"), bytes("FE040101FD"), bytes("FE040000FD")}
        << "0.0.0.0.1.0.FF.2.FF.F.0.0.FF"
        << "GPO 1 off";
    QTest::newRow("RX 4") << QList<QByteArray> {bytes("FE050400FD")} << "0.0.0.0.0.1.FF.0.FF.F.0.0.FF"
                          << "RX 4";
    QTest::newRow("RX then RTX") << QList<QByteArray> {bytes("FE050200FD"), bytes("FE0601FD")}
                                 << "0.0.0.0.1.0.FF.0.FF.F.0.0.FF"
                                 << "RTX";
}

void TestMeraxSim::commandEffects()
{
    QFETCH(QList<QByteArray>, datagrams);
    QFETCH(QString, report);
    QFETCH(QString, lastMeaning);

    MeraxDevice device;
    QString meaning;
    for (const QByteArray& d : datagrams) {
        const MeraxDevice::Outcome outcome = device.handle(d);
        QCOMPARE(int(outcome.kind), int(MeraxDevice::Kind::Command));
        QVERIFY(outcome.reply.isEmpty()); // commands are never answered
        meaning = outcome.meaning;
    }
    QCOMPARE(meaning, lastMeaning);
    QCOMPARE(device.commands(), quint64(datagrams.size()));
    QCOMPARE(device.malformed(), quint64(0));
    QCOMPARE(QString::fromLatin1(device.handleDatagram(bytes("FE01FD"))), report);
}

void TestMeraxSim::reportMatchesPanelReading_data()
{
    QTest::addColumn<MeraxState>("state");
    QTest::addColumn<QString>("report");

    QTest::newRow("Ant 4, RTX, GPO 1, GPI 1") << knownState() << "3.0.0.0.1.0.FE.1.FF.F.0.0.FF";

    MeraxState all;
    all.antenna = 11;
    all.splitActive = true;
    all.splitRxAntenna = 10;
    all.sending = true;
    all.receiver = 2;
    all.gpiActive = 0xFF;
    all.gpoOn = 0xFF;
    all.busy = 0x0FFF;
    all.rotors = 0xFF;
    all.rotorBlink = true;
    QTest::newRow("everything on") << all << "B.1.1.A.0.1.0.FF.0.0.FF.1.FF";

    MeraxState high;
    high.busy = 0x0F00;
    QTest::newRow("Ant 9 to 12 busy") << high << "0.0.0.0.1.0.FF.0.FF.0.0.0.FF";

    MeraxState edges;
    edges.antenna = 15;
    edges.busy = 0x0880; // Ant 8 and Ant 12
    edges.gpiActive = 0x80;
    edges.rotors = 0x81;
    QTest::newRow("released, Ant 8 and 12 busy") << edges << "F.0.0.0.1.0.7F.0.7F.7.81.0.FF";
}

void TestMeraxSim::reportMatchesPanelReading()
{
    QFETCH(MeraxState, state);
    QFETCH(QString, report);

    MeraxDevice device;
    device.state() = state;
    QCOMPARE(device.report(), report);

    const PanelView v = readLikePanel(device.report());
    QCOMPARE(v.fieldCount, 13);
    QCOMPARE(v.endMarker, 255);
    QCOMPARE(v.selectedAntenna, state.antenna);
    QCOMPARE(v.splitActive, quint8(state.splitActive));
    QCOMPARE(v.sendActive, quint8(state.sending));
    QCOMPARE(v.splitRxAntenna, state.splitRxAntenna);
    QCOMPARE(v.rtxActive, quint8(state.receiver == 0));
    QCOMPARE(v.rxActive, quint8(state.receiver != 0));
    QCOMPARE(v.gpiStates, state.gpiActive);
    QCOMPARE(v.gpoStates, state.gpoOn);
    QCOMPARE(v.busyMask1to8, quint8(state.busy));
    // Bits 4 to 7 of the high busy field are unused and read back as set.
    QCOMPARE(v.busyMask9to12, quint8(0xF0 | (state.busy >> 8)));
    QCOMPARE(v.rotorStates, state.rotors);
    QCOMPARE(v.rotorBlink, quint8(state.rotorBlink));
}

void TestMeraxSim::malformedIgnored_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QString>("reason");

    QTest::newRow("empty") << QByteArray() << "empty";
    QTest::newRow("text") << QByteArray("hello") << "wrong start byte";
    QTest::newRow("end byte first") << bytes("FD01FD") << "wrong start byte";
    QTest::newRow("start byte only") << bytes("FE") << "too short";
    QTest::newRow("no end byte") << bytes("FE01") << "too short";
    QTest::newRow("type 0") << bytes("FE00FD") << "unknown type 0";
    QTest::newRow("type 7") << bytes("FE07FD") << "unknown type 7";
    QTest::newRow("type 255") << bytes("FEFFFD") << "unknown type 255";
    QTest::newRow("request with a byte too many") << bytes("FE0100FD") << "type 1 takes 3 bytes, got 4";
    QTest::newRow("antenna without argument") << bytes("FE02FD") << "type 2 takes 4 bytes, got 3";
    QTest::newRow("antenna with two end bytes") << bytes("FE0203FDFD") << "type 2 takes 4 bytes, got 5";
    QTest::newRow("antenna wrong end byte") << bytes("FE0203FC") << "wrong end byte";
    QTest::newRow("antenna 13") << bytes("FE020CFD") << "argument out of range";
    QTest::newRow("antenna 0x10") << bytes("FE0210FD") << "argument out of range";
    QTest::newRow("antenna FD") << bytes("FE02FDFD") << "argument out of range";
    QTest::newRow("split short") << bytes("FE030105FD") << "type 3 takes 6 bytes, got 5";
    QTest::newRow("split mode 2") << bytes("FE03020503FD") << "argument out of range";
    QTest::newRow("split receive 12") << bytes("FE03010C03FD") << "argument out of range";
    QTest::newRow("split transmit 0x20") << bytes("FE03010520FD") << "argument out of range";
    QTest::newRow("split off with antennas") << bytes("FE03000503FD") << "argument out of range";
    QTest::newRow("GPO 9") << bytes("FE040801FD") << "argument out of range";
    QTest::newRow("GPO value 2") << bytes("FE040002FD") << "argument out of range";
    QTest::newRow("RX 0") << bytes("FE050000FD") << "argument out of range";
    QTest::newRow("RX 5") << bytes("FE050500FD") << "argument out of range";
    QTest::newRow("RX with second argument") << bytes("FE050101FD") << "argument out of range";
    QTest::newRow("RTX 0") << bytes("FE0600FD") << "argument out of range";
    QByteArray big(65536, '\0');
    QTest::newRow("64 KiB zeros") << big << "wrong start byte";
    big[0] = char(0xFE);
    big[1] = 0x01;
    big[65535] = char(0xFD);
    QTest::newRow("64 KiB framed like a request") << big << "type 1 takes 3 bytes, got 65536";
}

void TestMeraxSim::malformedIgnored()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QString, reason);

    MeraxDevice device;
    device.state() = knownState();
    const QString before = device.report();

    const MeraxDevice::Outcome outcome = device.handle(datagram);
    QCOMPARE(int(outcome.kind), int(MeraxDevice::Kind::Malformed));
    QCOMPARE(outcome.meaning, QStringLiteral("malformed: ") + reason);
    QVERIFY(outcome.reply.isEmpty());
    QCOMPARE(device.report(), before);
    QCOMPARE(device.malformed(), quint64(1));
    QCOMPARE(device.commands(), quint64(0));
    QCOMPARE(device.requests(), quint64(0));

    // The device still works afterwards.
    QCOMPARE(QString::fromLatin1(device.handleDatagram(bytes("FE01FD"))), before);
}

void TestMeraxSim::requestsAnswerCurrentState()
{
    MeraxDevice device;
    const QByteArray first = device.handleDatagram(bytes("FE01FD"));
    QCOMPARE(first, QByteArray("0.0.0.0.1.0.FF.0.FF.F.0.0.FF"));
    QCOMPARE(device.handleDatagram(bytes("FE01FD")), first); // asking does not change anything
    device.handle(bytes("FE0206FD"));
    QCOMPARE(device.handleDatagram(bytes("FE01FD")), QByteArray("6.0.0.0.1.0.FF.0.FF.F.0.0.FF"));
    QCOMPARE(device.requests(), quint64(3));
    QCOMPARE(device.commands(), quint64(1));
}

void TestMeraxSim::refusedAntenna_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("report");

    // Every row starts in split, receiving on Ant 2, with Ant 5 refused.
    QTest::newRow("receive side refused") << bytes("FE0204FD") << true << "0.1.0.1.1.0.FF.0.FF.F.0.0.FF";
    QTest::newRow("other antenna works") << bytes("FE0203FD") << false << "0.1.0.3.1.0.FF.0.FF.F.0.0.FF";
    QTest::newRow("split on naming it works") << bytes("FE03010404FD") << false << "4.1.0.4.1.0.FF.0.FF.F.0.0.FF";
    QTest::newRow("GPO 5 works") << bytes("FE040401FD") << false << "0.1.0.1.1.0.FF.10.FF.F.0.0.FF";
}

void TestMeraxSim::refusedAntenna()
{
    QFETCH(QByteArray, datagram);
    QFETCH(bool, refused);
    QFETCH(QString, report);

    MeraxDevice device;
    device.setRefusedAntenna(4);
    device.handle(bytes("FE03010100FD"));
    const MeraxDevice::Outcome outcome = device.handle(datagram);
    QCOMPARE(outcome.kind == MeraxDevice::Kind::Refused, refused);
    QCOMPARE(device.refused(), quint64(refused ? 1 : 0));
    QCOMPARE(QString::fromLatin1(device.handleDatagram(bytes("FE01FD"))), report);
}

void TestMeraxSim::activityCycle()
{
    quint8 gpiSeen = 0;
    quint16 busySeen = 0;
    quint8 rotorsSeen = 0;
    int sendingSteps = 0;
    int blinkSteps = 0;
    for (int step = 0; step < activityStepCount; ++step) {
        const ActivityFrame f = activityFrame(step);
        // Deterministic and periodic, also for steps outside one cycle.
        for (int other : {step + activityStepCount, step + 5 * activityStepCount, step - activityStepCount}) {
            const ActivityFrame g = activityFrame(other);
            QCOMPARE(g.gpiActive, f.gpiActive);
            QCOMPARE(g.busy, f.busy);
            QCOMPARE(g.sending, f.sending);
            QCOMPARE(g.rotors, f.rotors);
            QCOMPARE(g.rotorBlink, f.rotorBlink);
        }
        QCOMPARE(f.busy & ~0x0FFF, 0); // only twelve antennas
        if (f.rotorBlink) {
            QVERIFY2(f.rotors != 0, "a blink phase must have indicators to blink");
            ++blinkSteps;
        }
        gpiSeen |= f.gpiActive;
        busySeen |= f.busy;
        rotorsSeen |= f.rotors;
        sendingSteps += f.sending ? 1 : 0;
    }
    // Every indicator of the panel comes alive at some point of the cycle.
    QCOMPARE(gpiSeen, quint8(0xFF));
    QCOMPARE(busySeen, quint16(0x0FFF));
    QCOMPARE(rotorsSeen, quint8(0xFF));
    QVERIFY(sendingSteps > 0 && sendingSteps < activityStepCount);
    QVERIFY(blinkSteps > 0 && blinkSteps < activityStepCount);

    // Activity leaves the operator's choices alone.
    MeraxDevice device;
    device.handle(bytes("FE03010503FD"));
    device.handle(bytes("FE040601FD"));
    device.handle(bytes("FE050300FD"));
    device.applyActivity(activityFrame(16));
    const PanelView v = readLikePanel(device.report());
    QCOMPARE(v.selectedAntenna, quint8(3));
    QCOMPARE(v.splitActive, quint8(1));
    QCOMPARE(v.splitRxAntenna, quint8(5));
    QCOMPARE(v.gpoStates, quint8(0x40));
    QCOMPARE(v.rxActive, quint8(1));
    QCOMPARE(v.sendActive, quint8(activityFrame(16).sending));
    QCOMPARE(v.rotorBlink, quint8(1));
}

void TestMeraxSim::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("initialAntenna");
    QTest::addColumn<int>("silentAfterMs");

    QTest::newRow("defaults") << QStringList {} << true << 4001 << 0 << -1;
    QTest::newRow("free port") << QStringList {"--port", "0"} << true << 0 << 0 << -1;
    QTest::newRow("highest port") << QStringList {"--port", "65535"} << true << 65535 << 0 << -1;
    QTest::newRow("port too high") << QStringList {"--port", "65536"} << false << 0 << 0 << 0;
    QTest::newRow("port not a number") << QStringList {"--port", "abc"} << false << 0 << 0 << 0;
    QTest::newRow("Ant 12 at start") << QStringList {"--initial-antenna", "12"} << true << 4001 << 11 << -1;
    QTest::newRow("no antenna at start") << QStringList {"--initial-antenna", "0"} << true << 4001 << 15 << -1;
    QTest::newRow("Ant 13 at start") << QStringList {"--initial-antenna", "13"} << false << 0 << 0 << 0;
    QTest::newRow("half a second") << QStringList {"--silent-after", "0.5"} << true << 4001 << 0 << 500;
    QTest::newRow("negative seconds") << QStringList {"--silent-after", "-1"} << false << 0 << 0 << 0;
    QTest::newRow("seconds not a number") << QStringList {"--quit-after", "nan"} << false << 0 << 0 << 0;
    QTest::newRow("loss all") << QStringList {"--loss", "100"} << true << 4001 << 0 << -1;
    QTest::newRow("loss above all") << QStringList {"--loss", "101"} << false << 0 << 0 << 0;
    QTest::newRow("negative delay") << QStringList {"--delay", "-5"} << false << 0 << 0 << 0;
    QTest::newRow("loss in all") << QStringList {"--loss-in", "100"} << true << 4001 << 0 << -1;
    QTest::newRow("loss in above all") << QStringList {"--loss-in", "101"} << false << 0 << 0 << 0;
    QTest::newRow("jitter") << QStringList {"--jitter", "400"} << true << 4001 << 0 << -1;
    QTest::newRow("negative jitter") << QStringList {"--jitter", "-1"} << false << 0 << 0 << 0;
    QTest::newRow("refuse Ant 12") << QStringList {"--refuse-antenna", "12"} << true << 4001 << 0 << -1;
    QTest::newRow("refuse Ant 0") << QStringList {"--refuse-antenna", "0"} << false << 0 << 0 << 0;
    QTest::newRow("refuse Ant 13") << QStringList {"--refuse-antenna", "13"} << false << 0 << 0 << 0;
    QTest::newRow("fast activity") << QStringList {"--activity-step", "100"} << true << 4001 << 0 << -1;
    QTest::newRow("activity step too short") << QStringList {"--activity-step", "5"} << false << 0 << 0 << 0;
    QTest::newRow("listen on a name") << QStringList {"--listen", "merax.local"} << false << 0 << 0 << 0;
    QTest::newRow("listen on IPv6") << QStringList {"--listen", "::1"} << true << 4001 << 0 << -1;
}

void TestMeraxSim::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, valid);

    QCommandLineParser parser;
    addSimOptions(parser);
    QVERIFY(parser.parse(QStringList {"merax-sim"} + arguments));
    SimOptions options;
    QString error;
    QCOMPARE(readSimOptions(parser, options, error), valid);
    QCOMPARE(error.isEmpty(), valid);
    if (!valid) {
        QCOMPARE(options.port, defaultSimPort); // untouched on error
        return;
    }
    QFETCH(int, port);
    QFETCH(int, initialAntenna);
    QFETCH(int, silentAfterMs);
    QCOMPARE(int(options.port), port);
    QCOMPARE(int(options.initialAntenna), initialAntenna);
    QCOMPARE(options.silentAfterMs, silentAfterMs);
}

QTEST_APPLESS_MAIN(TestMeraxSim)
#include "tst_meraxsim.moc"
