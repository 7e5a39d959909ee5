// Band following in the window: a logger's RadioInfo datagrams on loopback
// drive the antenna keys through the same commands as the operator's presses,
// the device's SEND bit and the radio's own flag hold a switch, and the
// dialog and the settings file keep what the operator chose.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QUdpSocket>

#include "dialogs/bandfollowdialog.h"
#include "forms/bandfollowform.h"
#include "link/linkclock.h"
#include "link/transmitguard.h"
#include "panel/indicatorstyles.h"
#include "panelharness.h"
#include "testsupport.h"

using namespace harness;

namespace {

// A device report: Ant (0-based) on RTX, split and SEND as given.
QString report(int antenna, bool sending, bool split = false)
{
    return QStringLiteral("%1.%2.%3.0.1.0.FF.0.FF.F.0.0.FF")
        .arg(antenna, 0, 16)
        .arg(split ? 1 : 0)
        .arg(sending ? 1 : 0);
}

QByteArray radioInfo(int radio, qint64 hz, const char* transmitting = "False")
{
    return QStringLiteral("<?xml version=\"1.0\"?><RadioInfo><RadioNr>%1</RadioNr><Freq>%2</Freq>"
                          "<IsTransmitting>%3</IsTransmitting></RadioInfo>")
        .arg(radio)
        .arg(hz / 10)
        .arg(QLatin1String(transmitting))
        .toUtf8();
}

} // namespace

class TestBandFollowing : public QObject, private PanelFixture
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void loggerDrivesTheKeys();
    void transmissionHoldsTheSwitch_data();
    void transmissionHoldsTheSwitch();
    void sourceGoneWhileTransmitting();
    void manualHoldOption();
    void splitPausesFollowing();
    void rememberAndUntouchedFiles();
    void badValuesAreNamed();
    void dialogAppliesAtOnce();

private:
    // A connected panel following logger radio 1; 20 m names Ant 4, 40 m Ant 2.
    Panel& loggerPanel(const QVariantMap& more = {});
    void broadcast(const QByteArray& datagram);
    void deviceReports(int antenna, bool sending, bool split = false);
    // The transmission ended: reports say receive until `commands` were given.
    void receiveUntilSent(int antenna, int commands = 1);

    quint16 loggerPort = 0;
    QUdpSocket logger;
};

void TestBandFollowing::cleanup()
{
    panel.reset();
}

Panel& TestBandFollowing::loggerPanel(const QVariantMap& more)
{
    loggerPort = testsupport::freeLoopbackPort();
    QVariantMap stored {{"IP", "127.0.0.1"},
                        {"BandFollow/Source", "logger"},
                        {"BandFollow/LoggerPort", loggerPort},
                        {"BandFollow/20m", 4},
                        {"BandFollow/40m", 2}};
    for (auto it = more.constBegin(); it != more.constEnd(); ++it) {
        stored.insert(it.key(), it.value());
    }
    Panel& p = makePanel(stored);
    connected = true;
    // The first report's SEND may fall in a gap of a CW call: the device
    // must say receive again after the hang.
    // (No polls meanwhile: this panel's reports answer none.)
    deviceReports(0, false);
    connected = false;
    QTest::qWait(settingskey::bandfollow::TxHangMs.fallback + 20);
    connected = true;
    deviceReports(0, false);
    return p;
}

void TestBandFollowing::broadcast(const QByteArray& datagram)
{
    logger.writeDatagram(datagram, QHostAddress::LocalHost, loggerPort);
}

void TestBandFollowing::deviceReports(int antenna, bool sending, bool split)
{
    panel->w().processaPDRLan(&panel->w(), report(antenna, sending, split));
}

void TestBandFollowing::receiveUntilSent(int antenna, int commands)
{
    // The device's SEND is a sample: the guard opens on one taken after the
    // hang time, the CW one after a spell as short as a keyed word.
    deviceReports(antenna, false);
    QTest::qWait(settingskey::bandfollow::TxHangCwMs.fallback + 20);
    deviceReports(antenna, false);
    QTRY_COMPARE(panel->sent.size(), commands);
}

void TestBandFollowing::loggerDrivesTheKeys()
{
    Panel& p = loggerPanel();
    QCOMPARE(p.w().findChild<QLabel*>(QStringLiteral("labelBand"))->text(),
             QStringLiteral("logger: waiting for radio 1"));

    broadcast(radioInfo(1, 14074000));
    QTRY_COMPARE(p.w().findChild<QLabel*>(QStringLiteral("labelBand"))->text(), QStringLiteral("14.074 MHz · 20 m"));
    QCOMPARE(p.sent, QList<QByteArray> {bytes("fe0203fd")});
    QCOMPARE(p.style("botaoTecla4"), selected);

    // Another radio, broken and foreign XML change nothing; the datagram after
    // them shows they were read.
    broadcast(radioInfo(2, 7074000));
    broadcast("<RadioInfo><RadioNr>1</RadioNr><Freq>707");
    broadcast("<spot><Freq>707400</Freq></spot>");
    broadcast(radioInfo(1, 14080000));
    QTRY_COMPARE(p.w().findChild<QLabel*>(QStringLiteral("labelBand"))->text(), QStringLiteral("14.080 MHz · 20 m"));
    QCOMPARE(p.sent.size(), 1);

    broadcast(radioInfo(1, 7074000));
    QTRY_COMPARE(p.sent.size(), 2);
    QCOMPARE(p.sent.last(), bytes("fe0201fd"));

    // Disconnected, the radio is still shown but nothing is switched.
    connected = false;
    broadcast(radioInfo(1, 14074000));
    QTRY_COMPARE(p.w().findChild<QLabel*>(QStringLiteral("labelBand"))->text(), QStringLiteral("14.074 MHz · 20 m"));
    QCOMPARE(p.sent.size(), 2);
}

void TestBandFollowing::transmissionHoldsTheSwitch_data()
{
    QTest::addColumn<bool>("byDevice"); // SEND bit, else the logger's flag
    QTest::newRow("device's SEND bit") << true;
    QTest::newRow("logger's IsTransmitting") << false;
}

void TestBandFollowing::transmissionHoldsTheSwitch()
{
    QFETCH(bool, byDevice);
    Panel& p = loggerPanel();
    const char* flag = byDevice ? "False" : "True";
    if (byDevice) {
        deviceReports(0, true);
    }
    broadcast(radioInfo(1, 14074000, flag));
    QTRY_COMPARE(p.message(), QStringLiteral("Ant 4 waits for the end of the transmission"));
    // Then 40 m while still sending: the last wanted antenna wins.
    broadcast(radioInfo(1, 7074000, flag));
    QTRY_COMPARE(p.message(), QStringLiteral("Ant 2 waits for the end of the transmission"));
    deviceReports(0, byDevice);
    QCOMPARE(p.sent, QList<QByteArray>());
    QCOMPARE(p.style("botaoTecla1"), selected);

    if (!byDevice) {
        broadcast(radioInfo(1, 7074000, "False"));
    }
    // The held key shows it waits, until the guard lets the switch go after
    // the hang time.
    QTRY_COMPARE(p.w().findChild<QLabel*>(QStringLiteral("labelBand"))->text(), QStringLiteral("7.074 MHz · 40 m"));
    QCOMPARE(p.style("botaoTecla2"), panelWaitingStyle());
    receiveUntilSent(0);
    QCOMPARE(p.sent, QList<QByteArray> {bytes("fe0201fd")});
    // It stays waiting, and so does the notice, until it is on the wire.
    QCOMPARE(p.style("botaoTecla2"), panelWaitingStyle());
    QCOMPARE(p.message(), QStringLiteral("Ant 2 waits for the end of the transmission"));
    p.w().linkWrote(deviceCommand(2, 1), linkclock::steadyNow());
    QCOMPARE(p.style("botaoTecla2"), selected);
    QCOMPARE(p.message(), QStringLiteral("40 m: Ant 2"));
}

void TestBandFollowing::sourceGoneWhileTransmitting()
{
    Panel& p = loggerPanel();
    broadcast(radioInfo(1, 14074000, "True"));
    QTRY_COMPARE(p.message(), QStringLiteral("Ant 4 waits for the end of the transmission"));
    BandFollowConfig off = p.w().bandFollowConfig();
    off.source.kind = RadioSourceSettings::Kind::Off;
    p.w().setBandFollowConfig(off);
    QCOMPARE(p.message(), QStringLiteral("Ant 4 not switched: the radio's source went away while it was transmitting"));
    deviceReports(0, false);
    QCOMPARE(p.sent, QList<QByteArray>());
}

void TestBandFollowing::manualHoldOption()
{
    Panel& p = loggerPanel({{"BandFollow/HoldManual", "true"}});
    deviceReports(0, true);
    // RELEASE is never held, and nothing waiting outlives it.
    p.click(QStringLiteral("botaoTecla2"));
    p.click(QStringLiteral("botaoRelease"));
    QCOMPARE(p.sent, QList<QByteArray> {bytes("fe020ffd")});
    deviceReports(15, true);
    QCOMPARE(p.style("botaoTecla2"), p.style("botaoTecla3"));
    // The last press waits, and shows it.
    p.click(QStringLiteral("botaoTecla6"));
    QTest::keyClick(&p.w(), Qt::Key_F7);
    QCOMPARE(p.message(), QStringLiteral("Ant 7 waits for the end of the transmission"));
    QCOMPARE(p.style("botaoTecla7"), panelWaitingStyle());
    receiveUntilSent(15, 2);
    QCOMPARE(p.sent.last(), bytes("fe0206fd"));
}

void TestBandFollowing::splitPausesFollowing()
{
    Panel& p = loggerPanel();
    deviceReports(0, false, true);
    broadcast(radioInfo(1, 14074000));
    QTRY_COMPARE(p.message(), QStringLiteral("Band following paused while split is on"));
    QCOMPARE(p.sent, QList<QByteArray>());
    // Split ends: the band's antenna follows.
    deviceReports(0, false, false);
    QCOMPARE(p.sent, QList<QByteArray> {bytes("fe0203fd")});
}

void TestBandFollowing::rememberAndUntouchedFiles()
{
    {
        // No [BandFollow] group: presses and reports write nothing new.
        Panel& p = makePanel({{"K1", "Dipole"}});
        connected = true;
        p.w().processaPDRLan(&p.w(), report(0, false));
        p.click(QStringLiteral("botaoTecla3"));
        QVERIFY(p.w().findChild<QLabel*>(QStringLiteral("labelBand"))->isHidden());
        QSettings file(p.settingsFile, QSettings::IniFormat);
        QCOMPARE(file.childGroups(), QStringList());
    }
    Panel& p = loggerPanel({{"BandFollow/Remember", "true"}});
    broadcast(radioInfo(1, 14074000));
    QTRY_COMPARE(p.sent.size(), 1);
    p.click(QStringLiteral("botaoTecla9"));
    // Remembered for the band of the next reading.
    broadcast(radioInfo(1, 14074000));
    // First in the band's list, the antenna it had behind it.
    QTRY_COMPARE(p.w().bandFollowConfig().antennas[std::size_t(*bandplan::bandAt(14074000))], (AntennaList {9, 4}));
    QSettings file(p.settingsFile, QSettings::IniFormat);
    QCOMPARE(file.value("BandFollow/20m").toStringList(), (QStringList {"9", "4"}));
    QCOMPARE(p.w().bandFollowConfig().antennas[std::size_t(*bandplan::bandAt(14074000))], (AntennaList {9, 4}));
}

void TestBandFollowing::badValuesAreNamed()
{
    Panel& p = makePanel({{"BandFollow/Source", "radio"}, {"BandFollow/20m", "13"}, {"IP", "127.0.0.1"}});
    QCOMPARE(p.message(), QStringLiteral("Band following ignores Source=radio, 20m=13"));
    QCOMPARE(int(p.w().bandFollowConfig().source.kind), int(RadioSourceSettings::Kind::Off));
}

void TestBandFollowing::dialogAppliesAtOnce()
{
    Panel& p = loggerPanel({{"BandFollow/Remember", "true"},
                            {"K4", "Yagi\n20m"},
                            {"BandFollow/160m", "1 rx 8"},
                            {"BandFollow/Segment1", "1800-1850 CW 0 rx 9"}});
    p.ui().actionBand_Following->trigger();
    auto* dialog = p.w().findChild<BandFollowDialog*>();
    QVERIFY(dialog);
    p.ui().actionBand_Following->trigger();
    QCOMPARE(p.w().findChildren<BandFollowDialog*>().size(), 1);

    auto* combo20 = dialog->findChild<QComboBox*>(QStringLiteral("combo20m"));
    QCOMPARE(combo20->currentText(), QStringLiteral("Ant 4 · Yagi 20m"));
    auto* combo6 = dialog->findChild<QComboBox*>(QStringLiteral("combo6m"));
    combo6->setCurrentIndex(11);
    Q_EMIT combo6->activated(11);
    dialog->findChild<QCheckBox*>(QStringLiteral("checkHoldManual"))->setChecked(true);
    QSettings file(p.settingsFile, QSettings::IniFormat);
    QCOMPARE(file.value("BandFollow/6m").toString(), QStringLiteral("11"));
    QCOMPARE(file.value("BandFollow/HoldManual").toString(), QStringLiteral("true"));
    // Receive antennas the dialog shows survive a change made in it.
    QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("combo160m"))->currentText(), QStringLiteral("1 rx 8"));
    QCOMPARE(file.value("BandFollow/160m").toString(), QStringLiteral("1 rx 8"));
    QCOMPARE(p.w().bandFollowConfig().segments.value(0).receive, 9);

    // A band remembered meanwhile shows in the open dialog. The device
    // reports again first: its SEND of the panel's start is too old by now.
    deviceReports(0, false);
    broadcast(radioInfo(1, 14074000));
    QTRY_COMPARE(p.sent.size(), 1);
    p.click(QStringLiteral("botaoTecla8"));
    broadcast(radioInfo(1, 14074000));
    QTRY_COMPARE(combo20->currentText(), QStringLiteral("8, 4"));

    // Antennas renamed (Labels OK) are named so in the open dialog.
    file.setValue("K8", "Beam");
    file.sync();
    p.w().applySettings();
    QCOMPARE(combo20->currentText(), QStringLiteral("8, 4"));
    QCOMPARE(combo20->itemText(8), QStringLiteral("Ant 8 · Beam"));
    QCOMPARE(combo20->itemText(4), QStringLiteral("Ant 4 · Yagi 20m"));

    // Another source takes over at once.
    dialog->findChild<QRadioButton*>(QStringLiteral("radioOff"))->setChecked(true);
    QVERIFY(p.w().findChild<QLabel*>(QStringLiteral("labelBand"))->isHidden());
    file.sync();
    QCOMPARE(file.value("BandFollow/Source").toString(), QStringLiteral("off"));

    // A port still in its field when the dialog is closed is kept as well.
    dialog->findChild<QSpinBox*>(QStringLiteral("spinRigPort"))->setValue(4600);
    dialog->close();
    QCOMPARE(int(p.w().bandFollowConfig().source.rigPort), 4600);
}

ZAREL_TEST_MAIN(TestBandFollowing, "bandfollowing")
#include "tst_bandfollowing.moc"
