// Band following without a window: the band plan, the logger's RadioInfo
// reader and listener, the [BandFollow] settings and the rule that decides
// when the antenna follows the radio and when it waits for the end of a
// transmission.
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

#include "connection/radioinfo.h"
#include "connection/radiosource.h"
#include "panel/bandfollow.h"
#include "panel/switchlogic.h"
#include "wine.h"

Q_DECLARE_METATYPE(BandFollower::Action)

namespace {

using Action = BandFollower::Action;

constexpr int ant1 = 0, ant2 = 1, ant4 = 3, ant6 = 5;

// The index of the band holding the frequency.
std::size_t bandOf(qint64 hz)
{
    return std::size_t(*bandplan::bandAt(hz));
}

// 20 m names Ant 4, 40 m Ant 2; other bands name none.
BandFollowConfig config(bool holdManual = false, bool remember = false)
{
    BandFollowConfig c;
    c.source.kind = RadioSourceSettings::Kind::Rigctld;
    c.antennas[bandOf(7074000)] = {2};
    c.antennas[bandOf(14074000)] = {4};
    c.holdManual = holdManual;
    c.remember = remember;
    return c;
}

BandFollower::Situation linkUp(int selected = ant1, bool split = false)
{
    return {true, true, split, selected};
}

void tune(BandFollower& f, qint64 hz, bool transmitting = false)
{
    RadioReading reading;
    reading.frequencyHz = hz;
    reading.transmitting = transmitting;
    f.setReading(reading);
}

} // namespace

class TestBandFollow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bandPlan_data();
    void bandPlan();
    void frequencyText_data();
    void frequencyText();
    void radioInfo_data();
    void radioInfo();
    void loggerSenders_data();
    void loggerSenders();
    void settingsRead_data();
    void settingsRead();
    void settingsWriteOnlyWhatChanged();
    void followsBandEntriesOnly();
    void waitsForTheEndOfTransmission();
    void lastWantedAntennaWins();
    void radioGoneWhileTransmitting_data();
    void radioGoneWhileTransmitting();
    void sourceComesBack_data();
    void sourceComesBack();
    void manualHold();
    void splitAndLinkPauseFollowing();
    void rememberHandPicks();
    void busyAntennasSkipped_data();
    void busyAntennasSkipped();
    void segmentsByMode_data();
    void segmentsByMode();
    void outputsLeaveOthersAlone_data();
    void outputsLeaveOthersAlone();
    void outputsAndSplitFollowTheBand_data();
    void outputsAndSplitFollowTheBand();
};

void TestBandFollow::bandPlan_data()
{
    QTest::addColumn<qint64>("hz");
    QTest::addColumn<QString>("band"); // empty: none
    struct Edge
    {
        const char* band;
        qint64 low, high;
    };
    // The union of the IARU regions' allocations.
    const Edge edges[] = {
        {"160m", 1800000, 2000000},   {"80m", 3500000, 4000000},      {"60m", 5250000, 5450000},
        {"40m", 7000000, 7300000},    {"30m", 10100000, 10150000},    {"20m", 14000000, 14350000},
        {"17m", 18068000, 18168000},  {"15m", 21000000, 21450000},    {"12m", 24890000, 24990000},
        {"10m", 28000000, 29700000},  {"6m", 50000000, 54000000},     {"4m", 70000000, 70500000},
        {"2m", 144000000, 148000000}, {"70cm", 420000000, 450000000},
    };
    for (const Edge& e : edges) {
        QTest::addRow("%s low edge", e.band) << e.low << e.band;
        QTest::addRow("%s high edge", e.band) << e.high << e.band;
        QTest::addRow("just below %s", e.band) << e.low - 1 << QString();
        QTest::addRow("just above %s", e.band) << e.high + 1 << QString();
    }
    QTest::newRow("broadcast 9.6 MHz") << qint64(9600000) << QString();
    QTest::newRow("CB 27 MHz") << qint64(27000000) << QString();
    QTest::newRow("FM broadcast 100 MHz") << qint64(100000000) << QString();
    QTest::newRow("13 cm") << qint64(2320000000) << QString();
    QTest::newRow("zero") << qint64(0) << QString();
    QTest::newRow("negative") << qint64(-14074000) << QString();
}

void TestBandFollow::bandPlan()
{
    QFETCH(qint64, hz);
    QFETCH(QString, band);
    const std::optional<int> found = bandplan::bandAt(hz);
    QCOMPARE(found ? QString(bandplan::band(*found).key) : QString(), band);
}

void TestBandFollow::frequencyText_data()
{
    QTest::addColumn<qint64>("hz");
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("text");
    QTest::newRow("FT8 on 20 m") << qint64(14074000) << 7 << "14.074 MHz · 20 m";
    QTest::newRow("rounds up to the kHz") << qint64(7074500) << 5 << "7.075 MHz · 40 m";
    QTest::newRow("leading zeros kept") << qint64(1830000) << 2 << "1.830 MHz · 160 m";
    QTest::newRow("centimetres") << qint64(432200000) << 17 << "432.200 MHz · 70 cm";
}

void TestBandFollow::frequencyText()
{
    QFETCH(qint64, hz);
    QFETCH(int, band);
    QFETCH(QString, text);
    QCOMPARE(bandplan::frequencyText(hz) + QStringLiteral(" · ") + bandplan::bandLabel(band), text);
}

void TestBandFollow::radioInfo_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("radio");
    QTest::addColumn<qint64>("hz");
    QTest::addColumn<int>("transmitting"); // -1: not said

    QTest::newRow("logger's datagram") << QByteArray(R"(<?xml version="1.0" encoding="utf-8"?>
<RadioInfo><app>Logger</app><StationName>SHACK</StationName><RadioNr>2</RadioNr>
<Freq>1407400</Freq><TXFreq>1407400</TXFreq><Mode>USB</Mode><IsTransmitting>True</IsTransmitting>
<FocusRadioNr>2</FocusRadioNr></RadioInfo>)")
                                       << true << 2 << qint64(14074000) << 1;
    QTest::newRow("frequency zero") << QByteArray("<RadioInfo><RadioNr>1</RadioNr><Freq>0</Freq></RadioInfo>") << true
                                    << 1 << qint64(0) << -1;
    QTest::newRow("no frequency") << QByteArray("<RadioInfo><RadioNr>1</RadioNr></RadioInfo>") << true << 1 << qint64(0)
                                  << -1;
    QTest::newRow("flag false, blanks around values")
        << QByteArray("<RadioInfo><RadioNr> 1 </RadioNr><Freq> 701050 </Freq>"
                      "<IsTransmitting>false</IsTransmitting></RadioInfo>")
        << true << 1 << qint64(7010500) << 0;
    QTest::newRow("no flag") << QByteArray("<RadioInfo><Freq>2820000</Freq><RadioNr>1</RadioNr></RadioInfo>") << true
                             << 1 << qint64(28200000) << -1;
    QTest::newRow("decimal frequency") << QByteArray(
                                              "<RadioInfo><RadioNr>1</RadioNr><Freq>1407400.00</Freq></RadioInfo>")
                                       << true << 1 << qint64(14074000) << -1;
    QTest::newRow("unknown flag text") << QByteArray("<RadioInfo><RadioNr>1</RadioNr><Freq>1407400</Freq>"
                                                     "<IsTransmitting>maybe</IsTransmitting></RadioInfo>")
                                       << true << 1 << qint64(14074000) << -1;
    const auto bad = [](const char* name, const QByteArray& xml) {
        QTest::newRow(name) << xml << false << 0 << qint64(0) << -1;
    };
    bad("empty", QByteArray());
    bad("not XML", "FE 01 FD");
    bad("another message", "<ContactInfo><RadioNr>1</RadioNr><Freq>1407400</Freq></ContactInfo>");
    bad("cut short", "<RadioInfo><RadioNr>1</RadioNr><Freq>1407400</Freq><IsTransmitting>Tr");
    bad("no radio", "<RadioInfo><Freq>1407400</Freq></RadioInfo>");
    bad("frequency text", "<RadioInfo><RadioNr>1</RadioNr><Freq>fourteen</Freq></RadioInfo>");
    bad("frequency overflowing", "<RadioInfo><RadioNr>1</RadioNr><Freq>922337203685477580</Freq></RadioInfo>");
    bad("frequency with two points", "<RadioInfo><RadioNr>1</RadioNr><Freq>1407400.5.5</Freq></RadioInfo>");
    bad("frequency with a sign", "<RadioInfo><RadioNr>1</RadioNr><Freq>+700000</Freq></RadioInfo>");
    bad("frequency of 1 THz", "<RadioInfo><RadioNr>1</RadioNr><Freq>100000000000</Freq></RadioInfo>");
    bad("nested element in a value", "<RadioInfo><RadioNr>1</RadioNr><Freq><b>1407400</b></Freq></RadioInfo>");
    bad("external entity", R"(<!DOCTYPE r [<!ENTITY x SYSTEM "file:///etc/passwd">]>
<RadioInfo><RadioNr>1</RadioNr><Freq>&x;</Freq></RadioInfo>)");
}

void TestBandFollow::radioInfo()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, valid);
    const std::optional<RadioInfo> info = parseRadioInfo(xml);
    QCOMPARE(info.has_value(), valid);
    if (!valid) {
        return;
    }
    QTEST(info->radioNr, "radio");
    QTEST(info->frequencyHz.value_or(0), "hz");
    QTEST(info->transmitting ? int(*info->transmitting) : -1, "transmitting");
}

namespace {

// The loopback address a datagram is sent from, and the datagram.
using Sent = QPair<QString, QByteArray>;

QByteArray loggerInfo(const char* station, const char* frequency, const char* more = "")
{
    return QByteArray("<RadioInfo><StationName>") + station + "</StationName><RadioNr>1</RadioNr><Freq>" + frequency +
        "</Freq>" + more + "</RadioInfo>";
}

} // namespace

void TestBandFollow::loggerSenders_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("station");
    QTest::addColumn<QList<Sent>>("sent");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<bool>("pttKnown");
    QTest::addColumn<qint64>("txHz");

    // Each row ends with a datagram that is read, so the ones before it were.
    const QByteArray rogue = loggerInfo("", "707400", "<IsTransmitting>True</IsTransmitting>");
    const QByteArray good = loggerInfo("", "1407400");
    QTest::newRow("other host") << "127.0.0.1" << QString() << QList<Sent> {{"127.0.0.2", rogue}, {"127.0.0.1", good}}
                                << "14.074 MHz · 20 m" << QStringList() << false << qint64(0);
    QTest::newRow("host written as mapped IPv6")
        << "::ffff:127.0.0.1" << QString() << QList<Sent> {{"127.0.0.2", rogue}, {"127.0.0.1", good}}
        << "14.074 MHz · 20 m" << QStringList() << false << qint64(0);
    QTest::newRow("other station") << QString() << " shack"
                                   << QList<Sent> {{"127.0.0.1", loggerInfo("CONTEST", "707400")},
                                                   {"127.0.0.1", loggerInfo("Shack", "1407400")}}
                                   << "14.074 MHz · 20 m" << QStringList() << false << qint64(0);
    QTest::newRow("rivals named once each")
        << QString() << QString()
        << QList<Sent> {{"127.0.0.1", loggerInfo("", "1407400", "<IsTransmitting>False</IsTransmitting>")},
                        {"127.0.0.2", rogue},
                        {"127.0.0.2", rogue},
                        {"127.0.0.1", loggerInfo("RUN", "707400")},
                        {"127.0.0.1", loggerInfo("", "1408000", "<IsSplit>True</IsSplit><TXFreq>1408500</TXFreq>")}}
        // The rival's IsTransmitting counts: it may be the same radio.
        << "RX 14.080 · TX 14.085 MHz · 20 m · TX"
        << QStringList {"Two loggers report radio 1: following 127.0.0.1",
                        "Two loggers report radio 1: following 127.0.0.1"}
        << true << qint64(14085000);
    QTest::newRow("no frequency") << QString() << QString()
                                  << QList<Sent> {{"127.0.0.1", good}, {"127.0.0.1", loggerInfo("", "0")}}
                                  << "logger: radio 1, no frequency" << QStringList() << false << qint64(0);
}

void TestBandFollow::loggerSenders()
{
    QFETCH(QString, host);
    QFETCH(QString, station);
    QFETCH(QList<Sent>, sent);
    QFETCH(QStringList, notices);
    for (const Sent& datagram : sent) {
        if (datagram.first != QLatin1String("127.0.0.1")) {
            SKIP_UNDER_WINE("a socket bound to 127.0.0.2 sends from 127.0.0.1");
        }
    }
    QUdpSocket probe;
    QVERIFY(probe.bind(QHostAddress(QHostAddress::LocalHost), 0));
    RadioSourceSettings settings;
    settings.kind = RadioSourceSettings::Kind::Logger;
    settings.loggerPort = probe.localPort();
    settings.loggerHost = host;
    settings.loggerStation = station;
    probe.close();
    RadioSource source;
    QSignalSpy told(&source, &RadioSource::notice);
    source.configure(settings);
    QCOMPARE(source.statusText(), QStringLiteral("logger: waiting for radio 1"));
    for (const Sent& datagram : sent) {
        QUdpSocket sender;
        QVERIFY(sender.bind(QHostAddress(datagram.first), 0));
        QVERIFY(sender.writeDatagram(datagram.second, QHostAddress(QHostAddress::LocalHost), settings.loggerPort) > 0);
    }
    QFETCH(QString, status);
    QTRY_COMPARE(source.statusText(), status);
    QStringList heard;
    for (const QList<QVariant>& arguments : told) {
        heard << arguments.at(0).toString();
    }
    QCOMPARE(heard, notices);
    QTEST(source.reading().pttKnown, "pttKnown");
    QTEST(source.reading().txFrequencyHz.value_or(0), "txHz");
}

void TestBandFollow::settingsRead_data()
{
    QTest::addColumn<QVariantMap>("file");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("rigPort");
    QTest::addColumn<int>("loggerRadio");
    QTest::addColumn<bool>("holdManual");
    QTest::addColumn<int>("antenna20m");
    QTest::addColumn<QStringList>("ignored");
    QTest::addColumn<QString>("loggerHost");

    QTest::newRow("nothing stored: off, defaults")
        << QVariantMap() << "off" << 4532 << 1 << false << 0 << QStringList() << "127.0.0.1";
    QTest::newRow("values as written") << QVariantMap {{"BandFollow/Source", "logger"},
                                                       {"BandFollow/RigPort", "4533"},
                                                       {"BandFollow/LoggerRadio", "2"},
                                                       {"BandFollow/HoldManual", "true"},
                                                       {"BandFollow/20m", "12"}}
                                       << "logger" << 4533 << 2 << true << 12 << QStringList() << "";
    QTest::newRow("hand-typed case and blanks") << QVariantMap {{"BandFollow/Source", " RigCtlD "},
                                                                {"BandFollow/HoldManual", "TRUE"},
                                                                {"BandFollow/20m", " 3 "}}
                                                << "rigctld" << 4532 << 1 << true << 3 << QStringList() << "127.0.0.1";
    QTest::newRow("bad values keep defaults")
        << QVariantMap {{"BandFollow/Source", "radio"},   {"BandFollow/RigHost", "rig, shack"},
                        {"BandFollow/RigPort", "70000"},  {"BandFollow/LoggerRadio", "0"},
                        {"BandFollow/HoldManual", "yes"}, {"BandFollow/20m", "13"}}
        << "off" << 4532 << 1 << false << 0 << QStringList {"Source=radio",  "RigHost=rig, shack", "RigPort=70000",
                                                            "LoggerRadio=0", "HoldManual=yes",     "20m=13"}
        << "127.0.0.1";
    QTest::newRow("antenna none, port zero, empty host")
        << QVariantMap {{"BandFollow/20m", "0"}, {"BandFollow/RigPort", "0"}, {"BandFollow/RigHost", " "}} << "off"
        << 4532 << 1 << false << 0 << QStringList {"RigHost= ", "RigPort=0"} << "127.0.0.1";
}

void TestBandFollow::settingsRead()
{
    QFETCH(QVariantMap, file);
    QFETCH(QString, source);
    const bandfollowsettings::Read read = bandfollowsettings::read([&file](const QString& key) {
        return file.contains(key) ? std::optional<QString>(file.value(key).toString()) : std::nullopt;
    });
    const BandFollowConfig& c = read.config;
    const char* kinds[] = {"off", "rigctld", "logger"};
    QCOMPARE(QString::fromLatin1(kinds[int(c.source.kind)]), source);
    QTEST(int(c.source.rigPort), "rigPort");
    QTEST(c.source.loggerRadio, "loggerRadio");
    QTEST(c.holdManual, "holdManual");
    QTEST(c.antennas[bandOf(14074000)].value(0, 0), "antenna20m");
    QTEST(read.ignored, "ignored");
    QTEST(c.source.loggerHost, "loggerHost");
    QCOMPARE(c.source.rigHost, QStringLiteral("127.0.0.1"));
}

void TestBandFollow::settingsWriteOnlyWhatChanged()
{
    BandFollowConfig changed;
    QVERIFY(bandfollowsettings::changes(changed, changed).isEmpty());
    changed.source.kind = RadioSourceSettings::Kind::Logger;
    changed.antennas[bandOf(435000000)] = {7};
    const QVector<QPair<QString, QString>> expected {
        {"BandFollow/Source", "logger"}, {"BandFollow/LoggerHost", ""}, {"BandFollow/70cm", "7"}};
    QCOMPARE(bandfollowsettings::changes(BandFollowConfig(), changed), expected);
    // A key whose value was unusable is written over even when unchanged.
    const QVector<QPair<QString, QString>> cleaned {{"BandFollow/Source", "logger"},
                                                    {"BandFollow/LoggerHost", ""},
                                                    {"BandFollow/20m", "0"},
                                                    {"BandFollow/70cm", "7"}};
    QCOMPARE(bandfollowsettings::changes(BandFollowConfig(), changed, {"BandFollow/20m"}), cleaned);

    // Segment lines with gaps and an unusable one, saved after an unrelated
    // change and after a deletion: read back, they are what was set.
    QVariantMap file {{"BandFollow/Segment1", "3500-3600 CW 2"},
                      {"BandFollow/Segment2", "bogus"},
                      {"BandFollow/Segment4", "3600-3800 7"}};
    const auto readFile = [&file]() {
        return bandfollowsettings::read([&file](const QString& key) {
            return file.contains(key) ? std::optional<QString>(file.value(key).toString()) : std::nullopt;
        });
    };
    for (int deleted : {-1, 0}) {
        const bandfollowsettings::Read before = readFile();
        BandFollowConfig now = before.config;
        now.txHangMs += 100;
        if (deleted >= 0) {
            now.segments.remove(deleted);
        }
        for (const auto& change :
             bandfollowsettings::changes(before.config, now, before.ignoredKeys, before.segmentSlots)) {
            file.insert(change.first, change.second);
        }
        const bandfollowsettings::Read after = readFile();
        QCOMPARE(after.config.segments, now.segments);
        QVERIFY(after.ignored.isEmpty());
    }
}

void TestBandFollow::followsBandEntriesOnly()
{
    BandFollower f;
    f.setConfig(config());
    tune(f, 14074000);
    QCOMPARE(f.next(linkUp()).action, Action::Switch);
    QCOMPARE(f.next(linkUp(ant1)).action, Action::None); // switched once, not on every reading
    // The operator picks another antenna on the same band: it stays, even
    // after a trip outside every band.
    f.pressed(ant6);
    tune(f, 14200000);
    tune(f, 14500000);
    tune(f, 14100000);
    QCOMPARE(f.next(linkUp(ant6)).action, Action::None);
    // A band naming no antenna changes nothing; the next naming one does.
    tune(f, 10120000);
    QCOMPARE(f.next(linkUp(ant6)).action, Action::None);
    tune(f, 7030000);
    const BandFollower::Step step = f.next(linkUp(ant6));
    QCOMPARE(step.action, Action::Switch);
    QCOMPARE(step.antenna, ant2);
    // Entering a band whose antenna is already selected sends nothing.
    tune(f, 14074000);
    QCOMPARE(f.next(linkUp(ant4)).action, Action::None);
}

// The radio's PTT and the device's SEND each hold; the window's tests drive
// them one at a time, here both are on and both must end.
void TestBandFollow::waitsForTheEndOfTransmission()
{
    BandFollower f;
    f.setConfig(config());
    f.setDeviceSending(true);
    tune(f, 14074000, true);
    const BandFollower::Step held = f.next(linkUp());
    QCOMPARE(held.action, Action::Hold);
    QCOMPARE(held.antenna, ant4);
    for (int report = 0; report < 3; ++report) {
        QCOMPARE(f.next(linkUp()).action, Action::None); // said once, never switched hot
    }
    tune(f, 14074000, false);
    QCOMPARE(f.next(linkUp()).action, Action::None);
    f.setDeviceSending(false);
    const BandFollower::Step step = f.next(linkUp());
    QCOMPARE(step.action, Action::Switch);
    QCOMPARE(step.antenna, ant4);
    QVERIFY(!f.heldAntenna());
}

void TestBandFollow::lastWantedAntennaWins()
{
    BandFollower f;
    f.setConfig(config());
    tune(f, 14074000, true);
    QCOMPARE(f.next(linkUp()).antenna, ant4);
    tune(f, 7074000, true);
    BandFollower::Step step = f.next(linkUp());
    QCOMPARE(step.action, Action::Hold);
    QCOMPARE(step.antenna, ant2);
    // The operator names another antenna for the band meanwhile: that one.
    BandFollowConfig edited = f.config();
    edited.antennas[bandOf(7074000)] = {6};
    f.setConfig(edited);
    QCOMPARE(f.next(linkUp()).antenna, ant6);
    // A band naming no antenna takes back what the band before wanted.
    tune(f, 10136000, true);
    QCOMPARE(f.next(linkUp()).action, Action::None);
    tune(f, 10136000, false);
    QCOMPARE(f.next(linkUp()).action, Action::None);
}

void TestBandFollow::radioGoneWhileTransmitting_data()
{
    QTest::addColumn<bool>("sourceChanged"); // else the source lost its radio
    QTest::newRow("rigctld gone, logger silent") << false;
    QTest::newRow("another source chosen") << true;
}

// A source lost while a switch waited comes back with the radio receiving:
// the band's antenna goes on, on the band it left or another, unless a key
// chose one since. A split radio is followed on its transmit frequency.
void TestBandFollow::sourceComesBack_data()
{
    QTest::addColumn<qint64>("backOn");
    QTest::addColumn<bool>("keyMeanwhile");
    QTest::addColumn<int>("expected"); // -1: nothing switched

    QTest::newRow("same band") << qint64(7074000) << false << ant2;
    QTest::newRow("back on the band whose antenna is on") << qint64(14074000) << false << -1;
    QTest::newRow("same band, key pressed meanwhile") << qint64(7074000) << true << -1;
}

void TestBandFollow::sourceComesBack()
{
    QFETCH(qint64, backOn);
    QFETCH(bool, keyMeanwhile);
    QFETCH(int, expected);
    BandFollower f;
    f.setConfig(config());
    tune(f, 14074000);
    QCOMPARE(f.next(linkUp()).antenna, ant4);
    tune(f, 7074000, true);
    QCOMPARE(f.next(linkUp(ant4)).action, Action::Hold);
    f.setReading(RadioReading());
    QCOMPARE(f.next(linkUp(ant4)).action, Action::Dropped);
    if (keyMeanwhile) {
        f.pressed(ant6);
    }
    tune(f, backOn);
    const int selected = keyMeanwhile ? ant6 : ant4;
    const BandFollower::Step step = f.next(linkUp(selected));
    QCOMPARE(step.action, expected < 0 ? Action::None : Action::Switch);
    if (expected >= 0) {
        QCOMPARE(step.antenna, expected);
    }

    // Listening on 20 m, transmitting on 40 m.
    RadioReading split;
    split.frequencyHz = 14074000;
    split.txFrequencyHz = 7074000;
    f.setReading(split);
    tune(f, 14074000);
    QCOMPARE(f.next(linkUp(ant2)).antenna, ant4);
    f.setReading(split);
    QCOMPARE(f.next(linkUp(ant4)).antenna, ant2);
}

void TestBandFollow::radioGoneWhileTransmitting()
{
    QFETCH(bool, sourceChanged);
    BandFollower f;
    f.setConfig(config(true));
    tune(f, 14074000, true);
    QCOMPARE(f.next(linkUp()).action, Action::Hold);
    if (sourceChanged) {
        BandFollowConfig other = f.config();
        other.source.kind = RadioSourceSettings::Kind::Logger;
        f.setConfig(other);
    } else {
        f.setReading(RadioReading());
    }
    // Whether the radio still sends is unknown: the switch is given up, said once.
    const BandFollower::Step step = f.next(linkUp());
    QCOMPARE(step.action, Action::Dropped);
    QCOMPARE(step.antenna, ant4);
    QCOMPARE(f.next(linkUp()).action, Action::None);
    QVERIFY(!f.transmitting());
}

void TestBandFollow::manualHold()
{
    BandFollower f;
    f.setConfig(config(true));
    f.setDeviceSending(true);
    // The selected antenna is no switch; another one waits.
    QVERIFY(!f.holdsPress(ant1, linkUp(ant1)));
    QVERIFY(f.holdsPress(ant6, linkUp(ant1)));
    QCOMPARE(f.next(linkUp()).action, Action::Hold);
    // A band entry comes later: its antenna wins; then a press again.
    tune(f, 14074000, false);
    QCOMPARE(f.next(linkUp()).antenna, ant4);
    QVERIFY(f.holdsPress(ant2, linkUp(ant1)));
    f.setDeviceSending(false);
    const BandFollower::Step step = f.next(linkUp());
    QCOMPARE(step.action, Action::Switch);
    QCOMPARE(step.antenna, ant2);
    // Without the option, presses are never held.
    BandFollower plain;
    plain.setConfig(config(false));
    plain.setDeviceSending(true);
    QVERIFY(!plain.holdsPress(ant6, linkUp(ant1)));
}

void TestBandFollow::splitAndLinkPauseFollowing()
{
    BandFollower f;
    f.setConfig(config());
    tune(f, 14074000);
    // Disconnected, or connected before the first report: nothing yet.
    QCOMPARE(f.next({false, true, false, ant1}).action, Action::None);
    QCOMPARE(f.next({true, false, false, ant1}).action, Action::None);
    // Split in the way: said once.
    QCOMPARE(f.next(linkUp(ant1, true)).action, Action::Paused);
    QCOMPARE(f.next(linkUp(ant1, true)).action, Action::None);
    QCOMPARE(f.next(linkUp(ant1)).antenna, ant4);
    // After Connect the band's antenna comes back, unless a key chose since.
    f.resume();
    QCOMPARE(f.next(linkUp(ant6)).antenna, ant4);
    f.pressed(ant6);
    f.resume();
    QCOMPARE(f.next(linkUp(ant6)).action, Action::None);
    // A held switch does not outlive the link.
    f.setDeviceSending(true);
    tune(f, 7074000);
    QCOMPARE(f.next(linkUp(ant4)).action, Action::Hold);
    f.linkDown();
    QVERIFY(!f.heldAntenna());
    QVERIFY(!f.transmitting());
}

void TestBandFollow::rememberHandPicks()
{
    BandFollower f;
    f.setConfig(config(true, true));
    tune(f, 14074000);
    f.pressed(ant6);
    // The band is the next reading's: the one at hand may predate a QSY.
    QVERIFY(f.rememberPending());
    QCOMPARE(f.config().antennas[bandOf(14074000)], AntennaList {4});
    tune(f, 14074000);
    QCOMPARE(f.config().antennas[bandOf(14074000)], (AntennaList {6, 4}));
    // Moved to 40 m and pressed at once, before the radio said so.
    f.pressed(ant1);
    tune(f, 7074000);
    QCOMPARE(f.config().antennas[bandOf(7074000)], (AntennaList {1, 2}));
    QCOMPARE(f.config().antennas[bandOf(14074000)], (AntennaList {6, 4}));
    // A press held under power is remembered too; with no reading after
    // it, for the band at hand; outside the bands nothing.
    f.setDeviceSending(true);
    QVERIFY(f.holdsPress(ant2, linkUp(ant1)));
    f.settleRemembered();
    QCOMPARE(f.config().antennas[bandOf(7074000)], (AntennaList {2, 1}));
    tune(f, 14500000);
    f.pressed(ant1);
    tune(f, 14500000);
    QVERIFY(!f.rememberPending());
    QCOMPARE(std::count_if(f.config().antennas.begin(), f.config().antennas.end(),
                           [](const AntennaList& antennas) { return antennas.isEmpty(); }),
             bandplan::BandCount - 2);
}

namespace {

// "4,9" as the busy bits of a report: bit i is Ant i+1.
quint16 busyBits(const QString& antennas)
{
    quint16 bits = 0;
    const AntennaList list = bandfollowsettings::antennasFrom(antennas).value_or(AntennaList());
    for (int n : list) {
        bits = quint16(bits | (1u << (n - 1)));
    }
    return bits;
}

} // namespace

void TestBandFollow::busyAntennasSkipped_data()
{
    QTest::addColumn<QString>("antennas"); // 20 m's list
    QTest::addColumn<QString>("busy");
    QTest::addColumn<int>("selected"); // 1..12, 0 none
    QTest::addColumn<int>("first"); // switched to on entry; 0: none
    QTest::addColumn<QString>("busyLater"); // then the lamps say this
    QTest::addColumn<int>("later"); // switched to then; 0: none
    QTest::addColumn<int>("pressed"); // a key takes it before the lamps change; 0: none

    QTest::newRow("first busy: the second") << "4, 9, 2"
                                            << "4" << 1 << 9 << "4" << 0 << 0;
    QTest::newRow("Ant 12 busy, past the first eight") << "12, 1"
                                                       << "12" << 3 << 1 << "12" << 0 << 0;
    QTest::newRow("all busy, then one frees") << "4, 9"
                                              << "4, 9" << 1 << 0 << "4" << 9 << 0;
    QTest::newRow("all busy, the first frees") << "4, 9, 2"
                                               << "2, 4, 9" << 1 << 0 << "2, 9" << 4 << 0;
    QTest::newRow("busy lamp on the station's own antenna") << "4, 9"
                                                            << "4, 9" << 9 << 0 << "4, 9" << 0 << 0;
    QTest::newRow("all busy, a key takes one, the other frees") << "4, 9"
                                                                << "4, 9" << 1 << 0 << "" << 0 << 9;
}

// Never onto an antenna another station uses; with none free the antenna
// stays, said once, and the band follows once one frees.
void TestBandFollow::busyAntennasSkipped()
{
    QFETCH(QString, antennas);
    QFETCH(int, selected);
    QFETCH(int, first);
    QFETCH(int, later);
    BandFollowConfig c = config();
    c.antennas[bandOf(14074000)] = *bandfollowsettings::antennasFrom(antennas);
    BandFollower f;
    f.setConfig(c);
    BandFollower::Situation s = linkUp(selected - 1);
    QFETCH(QString, busy);
    s.busy = busyBits(busy);
    tune(f, 14074000);
    const BandFollower::Step step = f.next(s);
    const bool allBusy = first == 0 && selected != 9;
    QCOMPARE(step.action, first > 0 ? Action::Switch : allBusy ? Action::AllBusy : Action::None);
    if (first > 0) {
        QCOMPARE(step.antenna, first - 1);
        s.selectedAntenna = first - 1;
    }
    QCOMPARE(f.next(s).action, Action::None); // said once
    QCOMPARE(f.waitingForFree(), allBusy);
    QFETCH(int, pressed);
    if (pressed > 0) {
        f.pressed(pressed - 1);
        s.selectedAntenna = pressed - 1;
    }
    QFETCH(QString, busyLater);
    s.busy = busyBits(busyLater);
    const BandFollower::Step after = f.next(s);
    if (pressed > 0) {
        QVERIFY(!f.waitingForFree()); // the notice goes: nothing waits for a free one
    }
    QCOMPARE(after.action, later > 0 ? Action::Switch : Action::None);
    if (later > 0) {
        QCOMPARE(after.antenna, later - 1);
        QVERIFY(!f.waitingForFree());
    }
}

void TestBandFollow::segmentsByMode_data()
{
    QTest::addColumn<qint64>("beforeHz"); // an earlier reading on the band; 0: none
    QTest::addColumn<QString>("beforeMode");
    QTest::addColumn<qint64>("hz");
    QTest::addColumn<QString>("mode"); // as rigctld or a logger names it
    QTest::addColumn<int>("antenna"); // 0: nothing switched

    // 80 m: Ant 1; CW 3500-3600 Ant 2; DATA 3570-3590 Ant 5; any mode 3600-3800 Ant 7.
    QTest::newRow("CW in the CW segment") << qint64(0) << "" << qint64(3550000) << "CW" << 2;
    QTest::newRow("upper edge included") << qint64(0) << "" << qint64(3600000) << "CWR" << 2;
    QTest::newRow("phone there: the band") << qint64(0) << "" << qint64(3550000) << "LSB" << 1;
    QTest::newRow("data segment inside the CW one") << qint64(0) << "" << qint64(3580000) << "PKTUSB" << 5;
    QTest::newRow("mode not told: the band") << qint64(0) << "" << qint64(3580000) << "" << 1;
    QTest::newRow("mode-less segment over the band") << qint64(0) << "" << qint64(3750000) << "USB" << 7;
    QTest::newRow("3.55 CW, then 3.75 USB") << qint64(3550000) << "CW" << qint64(3750000) << "USB" << 7;
    QTest::newRow("CW, then USB on the spot") << qint64(3550000) << "CW" << qint64(3550000) << "USB" << 1;
    QTest::newRow("a mode not read keeps the segment") << qint64(3550000) << "CW" << qint64(3551000) << "" << 0;
}

void TestBandFollow::segmentsByMode()
{
    const QVariantMap file {
        {"BandFollow/80m", "1"},
        {"BandFollow/Segment1", "3500-3600 CW 2"},
        {"BandFollow/Segment2", " 3570 - 3590  data 5 "},
        {"BandFollow/Segment4", "3600-3800 7"},
        {"BandFollow/Segment5", "3900-4100 9"}, // across the band's edge
    };
    const bandfollowsettings::Read read = bandfollowsettings::read([&file](const QString& key) {
        return file.contains(key) ? std::optional<QString>(file.value(key).toString()) : std::nullopt;
    });
    QCOMPARE(read.ignored, QStringList {"Segment5=3900-4100 9"});
    QCOMPARE(read.config.segments.size(), 3);
    BandFollower f;
    f.setConfig(read.config);
    const auto reading = [&f](qint64 hz, const QString& mode) {
        RadioReading r;
        r.frequencyHz = hz;
        r.mode = radioModeFromText(mode);
        f.setReading(r);
    };
    QFETCH(qint64, beforeHz);
    int selected = ant6;
    if (beforeHz > 0) {
        QFETCH(QString, beforeMode);
        reading(beforeHz, beforeMode);
        selected = f.next(linkUp(selected)).antenna;
    }
    QFETCH(qint64, hz);
    QFETCH(QString, mode);
    reading(hz, mode);
    const BandFollower::Step step = f.next(linkUp(selected));
    QFETCH(int, antenna);
    QCOMPARE(step.action, antenna > 0 ? Action::Switch : Action::None);
    QCOMPARE(step.antenna, antenna - 1);
}

void TestBandFollow::outputsLeaveOthersAlone_data()
{
    QTest::addColumn<QString>("pattern"); // 20 m's outputs
    QTest::addColumn<int>("gpo"); // the device's outputs, set by hand
    QTest::addColumn<QStringList>("sent");

    QTest::newRow("named ones set, GPO 2 left on")
        << "1-0-----" << 0x06 << QStringList {"fe 04 00 01 fd", "fe 04 02 00 fd"};
    QTest::newRow("GPO 8 named, already on") << "-------1" << 0x80 << QStringList {};
    QTest::newRow("one off, the rest left") << "0-------" << 0xff << QStringList {"fe 04 00 00 fd"};
}

// A band's outputs go with its antenna, once the station receives, and
// touch only the outputs they name.
void TestBandFollow::outputsLeaveOthersAlone()
{
    QFETCH(QString, pattern);
    BandFollowConfig c = config();
    c.outputs[bandOf(14074000)] = *bandfollowsettings::outputsFrom(pattern);
    BandFollower f;
    f.setConfig(c);
    tune(f, 14074000, true);
    const BandFollower::Step held = f.next(linkUp());
    QCOMPARE(held.action, Action::Hold);
    QVERIFY(held.outputs.isEmpty());
    QVERIFY(f.outputsWaiting());
    tune(f, 14074000, false);
    const BandFollower::Step step = f.next(linkUp());
    QCOMPARE(step.action, Action::Switch);
    QVERIFY(!f.outputsWaiting());
    DeviceState state;
    QFETCH(int, gpo);
    state.gpoStates = quint8(gpo);
    QStringList sent;
    for (const DeviceCommand& command : bandOutputCommands(state, step.outputs.mask, step.outputs.on)) {
        QVERIFY(command.guarded);
        sent << QString::fromLatin1(frameCommand(command).toHex(' '));
    }
    QTEST(sent, "sent");
}

void TestBandFollow::outputsAndSplitFollowTheBand_data()
{
    // Steps: a frequency in kHz with its mode ("14074:DATA"), or the device
    // put in split by hand ("split:6/10", transmit/receive). The device
    // starts on Ant 12 with GPO 8 on by hand; the result is what it shows.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("device");

    QTest::newRow("40 m sets its filter") << "7074"
                                          << "Ant 2, GPO 1 8";
    QTest::newRow("leaving 40 m turns its filter off") << "7074 3573"
                                                       << "Ant 3, GPO 8";
    QTest::newRow("20 m: its own on, 40 m's off") << "7074 14200"
                                                  << "Ant 4, GPO 2 8";
    QTest::newRow("a segment laid over its band") << "14200 14074:DATA"
                                                  << "Ant 4, GPO 2 3 8";
    QTest::newRow("a segment's 0 over its band's 1") << "14200 14030:CW"
                                                     << "Ant 4, GPO 8";
    QTest::newRow("out of the segment: the band's again") << "14074:DATA 14074:SSB"
                                                          << "Ant 4, GPO 2 8";
    QTest::newRow("off every band nothing changes") << "7074 9000"
                                                    << "Ant 2, GPO 1 8";
    QTest::newRow("a receive antenna sets split") << "3573 1900"
                                                  << "Ant 1 rx 8, GPO 8";
    QTest::newRow("from one receive antenna to another") << "1900 1830:CW"
                                                         << "Ant 1 rx 9, GPO 8";
    QTest::newRow("leaving it takes split off") << "1900 7074"
                                                << "Ant 2, GPO 1 8";
    QTest::newRow("a split found as the band has it is followed on") << "split:1/8 1900 7074"
                                                                     << "Ant 2, GPO 1 8";
    QTest::newRow("a hand-made split left alone") << "split:6/10 1900 7074"
                                                  << "Ant 6 rx 10, GPO 8";
    QTest::newRow("a receive antenna moved by hand left alone") << "1900 split:1/11 7074"
                                                                << "Ant 1 rx 11, GPO 8";
}

// Band outputs belong to the band that names them, segments lay theirs over
// their band's, and a receive antenna puts split on and off; what band
// following did not set stays as the operator left it.
void TestBandFollow::outputsAndSplitFollowTheBand()
{
    const QVariantMap file {{"BandFollow/Source", "rigctld"},
                            {"BandFollow/160m", "1 rx 8"},
                            {"BandFollow/80m", "3"},
                            {"BandFollow/40m", "2 1-------"},
                            {"BandFollow/20m", "4, 5 -1------"},
                            {"BandFollow/Segment1", "14070-14099 DATA 0 --1-----"},
                            {"BandFollow/Segment3", "14000-14060 CW 0 -0------"},
                            {"BandFollow/Segment2", "1800-1850 CW 0 rx 9"}};
    const bandfollowsettings::Read read = bandfollowsettings::read([&file](const QString& key) {
        return file.contains(key) ? std::optional<QString>(file.value(key).toString()) : std::nullopt;
    });
    QCOMPARE(read.ignored, QStringList());
    BandFollower f;
    f.setConfig(read.config);
    int selected = 11;
    int receive = -1;
    quint8 gpo = 0x80;
    QFETCH(QString, steps);
    for (const QString& word : steps.split(' ')) {
        if (word.startsWith("split:")) {
            selected = word.section(':', 1).section('/', 0, 0).toInt() - 1;
            receive = word.section('/', 1).toInt() - 1;
            continue;
        }
        RadioReading reading;
        reading.frequencyHz = word.section(':', 0, 0).toLongLong() * 1000;
        const QString mode = word.section(':', 1);
        reading.mode = mode == "CW" ? RadioMode::Cw
            : mode == "DATA"        ? RadioMode::Data
            : mode == "SSB"         ? RadioMode::Ssb
                                    : RadioMode::Unknown;
        f.setReading(reading);
        // The device does what it is told, as the window would tell it.
        for (int round = 0; round < 3; ++round) {
            BandFollower::Situation s = linkUp(selected, receive >= 0);
            s.splitRx = receive;
            s.outputs = gpo;
            const BandFollower::Step step = f.next(s);
            if (step.action == Action::Switch || step.action == Action::Restore) {
                selected = step.antenna;
                receive = step.split == BandFollower::Split::On ? step.receive
                    : step.split == BandFollower::Split::Off    ? -1
                                                                : receive;
            }
            gpo = quint8((gpo & ~step.outputs.mask) | (step.outputs.on & step.outputs.mask));
        }
    }
    QString device = QString("Ant %1").arg(selected + 1);
    if (receive >= 0) {
        device += QString(" rx %1").arg(receive + 1);
    }
    device += ", GPO";
    for (int i = 0; i < 8; ++i) {
        if (gpo & (1u << i)) {
            device += QString(" %1").arg(i + 1);
        }
    }
    QTEST(device, "device");
    // What was read is written back the same.
    QVariantMap written;
    for (const auto& change : bandfollowsettings::changes(BandFollowConfig(), read.config)) {
        written.insert(change.first, change.second);
    }
    for (auto it = file.begin(); it != file.end(); ++it) {
        QCOMPARE(written.value(it.key()), it.value());
    }
}

QTEST_GUILESS_MAIN(TestBandFollow)
#include "tst_bandfollow.moc"
