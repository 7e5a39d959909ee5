#include <QElapsedTimer>
#include <QLabel>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTest>

#include "app/settingskeys.h"
#include "forms/panelform.h"
#include "link/linkclock.h"
#include "link/statusreport.h"
#include "link/threadcom.h"
#include "panel/bandfollowing.h"
#include "panelharness.h"
#include "seams.h"
#include "testsupport.h"

Q_DECLARE_METATYPE(ReportOutcome)

namespace {

const char* const profile = "link_statusreport";
const QString example = QStringLiteral("3.0.0.0.1.0.FE.1.FF.F.0.0.FF");

QList<int> wireFields(const StatusReport& r)
{
    return {r.selectedAntenna, r.splitActive, r.sendActive,   r.splitRxAntenna, r.rtxActive,   r.rxActive,
            r.gpiWire,         r.gpoStates,   r.busyWire1to8, r.busyWire9to12,  r.rotorStates, r.rotorBlink};
}

// A report with every field 0 but the given ones.
QString reportWith(const QMap<int, QString>& fields, const QString& marker = QStringLiteral("FF"))
{
    QStringList parts;
    for (int i = 0; i < 12; ++i) {
        parts.append(fields.value(i, QStringLiteral("0")));
    }
    parts.append(marker);
    return parts.join(QLatin1Char('.'));
}

} // namespace

// Status reports: the text parser, how a report changes the device state, and
// what the window's report handler does around it.
class TestStatusReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void parse_data();
    void parse();
    void applyExample();
    void applyOutcomes_data();
    void applyOutcomes();
    void selectedRxKeptWhileAnRxIsActive();
    void datagramTextStopsAtZero_data();
    void datagramTextStopsAtZero();
    void hugeGarbageParsesInLinearTime_data();
    void hugeGarbageParsesInLinearTime();

    void handlerAppliesReport();
    void handlerIgnoresBadReports_data();
    void handlerIgnoresBadReports();
    void strayDatagramKeepsClearedPanel();
    void rotorBlinkTimerFollowsField11();

private:
    void process(const QString& text);
    MainWindow* window = nullptr;
};

void TestStatusReport::init()
{
    QFile::remove(testsupport::profileSettingsPath(profile));
}

void TestStatusReport::cleanup()
{
    connected = false;
    delete window;
    window = nullptr;
    QFile::remove(testsupport::profileSettingsPath(profile));
}

void TestStatusReport::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QList<int>>("fields");

    const QList<int> zeros {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const QList<int> exampleFields {3, 0, 0, 0, 1, 0, 0xFE, 1, 0xFF, 0x0F, 0, 0};
    QTest::newRow("28-character example") << example << true << exampleFields;
    QTest::newRow("bad marker FE") << "3.0.0.0.1.0.FE.1.FF.F.0.0.FE" << false << zeros;
    QTest::newRow("14 fields: the extra is ignored") << example + ".77" << true << exampleFields;
    QTest::newRow("14 fields: marker is field 12, not the last") << "3.0.0.0.1.0.FE.1.FF.F.0.0.FE.FF" << false << zeros;
    QTest::newRow("12 fields ending in FF") << "3.0.0.0.1.0.FE.1.FF.F.0.FF" << false << zeros;
    QTest::newRow("empty text") << "" << false << zeros;
    QTest::newRow("marker alone") << "FF" << false << zeros;
    QTest::newRow("thirteen empty fields") << "............" << false << zeros;
    QTest::newRow("empty fields") << "............FF" << false << zeros;
    QTest::newRow("lower-case marker") << "3.0.0.0.1.0.FE.1.FF.F.0.0.ff" << true << exampleFields;
    QTest::newRow("three-digit marker of 255") << "3.0.0.0.1.0.FE.1.FF.F.0.0.0FF" << true << exampleFields;
    QTest::newRow("marker above 255 is not 255") << "3.0.0.0.1.0.FE.1.FF.F.0.0.1FF" << false << zeros;
    QTest::newRow("trailing line end") << example + "\r\n" << true << exampleFields;
    QTest::newRow("hex one digit and two digits") << reportWith({{3, "F"}, {6, "0F"}, {7, "f"}, {10, "0a"}}) << true
                                                  << QList<int> {0, 0, 0, 15, 0, 0, 15, 15, 0, 0, 10, 0};
    QTest::newRow("values above 255 keep the low 8 bits")
        << reportWith({{0, "1FF"}, {1, "257"}, {7, "100"}, {9, "ABC"}}) << true
        << QList<int> {0xFF, 1, 0, 0, 0, 0, 0, 0, 0, 0xBC, 0, 0};
    QTest::newRow("negative numbers") << reportWith({{2, "-1"}}) << false << zeros;
    QTest::newRow("letters in a hex field") << reportWith({{0, "zz"}}) << false << zeros;
    QTest::newRow("blank inside a field") << reportWith({{11, "1 1"}}) << false << zeros;
    QTest::newRow("hex in a decimal field") << reportWith({{1, "1F"}}) << false << zeros;
    QTest::newRow("0x prefix") << reportWith({{5, "0x1"}}) << false << zeros;
    QTest::newRow("more digits than any value") << reportWith({{7, "FFFFFFFFFFFF"}}) << false << zeros;
    QTest::newRow("rotor blink on") << reportWith({{10, "81"}, {11, "1"}}) << true
                                    << QList<int> {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x81, 1};
    QTest::newRow("dots only, long") << QString(70000, QLatin1Char('.')) << false << zeros;
    QTest::newRow("no dots, long") << QString(70000, QLatin1Char('F')) << false << zeros;
}

void TestStatusReport::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QList<int>, fields);
    const StatusReport report = parseStatusReport(text);
    QCOMPARE(report.valid, valid);
    QCOMPARE(wireFields(report), fields);
}

void TestStatusReport::applyExample()
{
    DeviceState state;
    state.selectedRx = 3;
    QCOMPARE(applyStatusReport(state, parseStatusReport(example)), ReportOutcome::Applied);
    QCOMPARE(int(state.selectedAntenna), 3);
    QCOMPARE(int(state.splitActive), 0);
    QCOMPARE(int(state.sendActive), 0);
    QCOMPARE(int(state.splitRxAntenna), 0);
    QCOMPARE(int(state.rtxActive), 1);
    QCOMPARE(int(state.rxActive), 0);
    QCOMPARE(int(state.selectedRx), 0);
    QCOMPARE(int(state.gpiStates), 0x01);
    QCOMPARE(int(state.gpoStates), 0x01);
    QCOMPARE(int(state.busyMask1to8), 0x00);
    QCOMPARE(int(state.busyMask9to12), 0xF0);
    QCOMPARE(int(state.rotorStates), 0);
    QCOMPARE(int(state.rotorBlink), 0);
}

void TestStatusReport::applyOutcomes_data()
{
    QTest::addColumn<QStringList>("reports");
    QTest::addColumn<QList<ReportOutcome>>("outcomes");
    QTest::addColumn<int>("antennaAfter");

    const QString ant2 = reportWith({{0, "1"}});
    const QString ant3 = reportWith({{0, "2"}});
    const QString ant9 = reportWith({{0, "8"}});
    const QString bad = reportWith({{0, "5"}}, "FE");
    QTest::newRow("one report") << QStringList {ant2} << QList<ReportOutcome> {ReportOutcome::Applied} << 1;
    QTest::newRow("bad report changes nothing")
        << QStringList {bad} << QList<ReportOutcome> {ReportOutcome::Rejected} << 0;
    QTest::newRow("every valid report applies, a bad one between changes nothing")
        << QStringList {ant2, bad, ant3, ant9}
        << QList<ReportOutcome> {ReportOutcome::Applied, ReportOutcome::Rejected, ReportOutcome::Applied,
                                 ReportOutcome::Applied}
        << 8;
    QTest::newRow("short text is rejected")
        << QStringList {"1.0.0", ant3} << QList<ReportOutcome> {ReportOutcome::Rejected, ReportOutcome::Applied} << 2;
}

void TestStatusReport::applyOutcomes()
{
    QFETCH(QStringList, reports);
    QFETCH(QList<ReportOutcome>, outcomes);
    QFETCH(int, antennaAfter);
    DeviceState state;
    QList<ReportOutcome> seen;
    for (const QString& report : reports) {
        seen.append(applyStatusReport(state, parseStatusReport(report)));
    }
    QCOMPARE(seen, outcomes);
    QCOMPARE(int(state.selectedAntenna), antennaAfter);
}

void TestStatusReport::selectedRxKeptWhileAnRxIsActive()
{
    DeviceState state;
    state.selectedRx = 3;
    QCOMPARE(applyStatusReport(state, parseStatusReport(reportWith({{5, "1"}}))), ReportOutcome::Applied);
    QCOMPARE(int(state.selectedRx), 3);
    QCOMPARE(int(state.gpiStates), 0xFF);
    QCOMPARE(int(state.busyMask1to8), 0xFF);
    QCOMPARE(int(state.busyMask9to12), 0xFF);
}

void TestStatusReport::datagramTextStopsAtZero_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("abc, zero, more") << QByteArray("abc\0def\x01", 8) << "abc";
    QTest::newRow("no zero byte") << QByteArray("3.0.FF") << "3.0.FF";
    QTest::newRow("zero first") << QByteArray("\0abc", 4) << "";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("UTF-8") << QByteArray("Ant \xc3\xa9") << QString::fromUtf8("Ant \xc3\xa9");
    QTest::newRow("invalid UTF-8 is replaced, not dropped")
        << QByteArray("\xff\xfe.1") << QString::fromUtf8("\xff\xfe.1");
}

void TestStatusReport::datagramTextStopsAtZero()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(datagramText(bytes), text);
}

void TestStatusReport::hugeGarbageParsesInLinearTime_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray random(65507, Qt::Uninitialized);
    QRandomGenerator generator(20240611);
    for (char& byte : random) {
        byte = static_cast<char>(generator.bounded(1, 256));
    }
    QTest::newRow("random bytes") << random;
    QTest::newRow("all dots") << QByteArray(65507, '.');
    QTest::newRow("all digits") << QByteArray(65507, '7');
    QByteArray longFields = QByteArray(12, '.') + QByteArray(65495, 'F');
    QTest::newRow("huge marker field") << longFields;
    QTest::newRow("huge first field") << QByteArray(65000, '1') + QByteArray("............FF");
}

void TestStatusReport::hugeGarbageParsesInLinearTime()
{
    QFETCH(QByteArray, bytes);
    // A quadratic parser needs seconds for one such text; a linear one, well
    // under a millisecond even in a sanitizer build.
    QElapsedTimer clock;
    clock.start();
    DeviceState state;
    for (int i = 0; i < 50; ++i) {
        applyStatusReport(state, parseStatusReport(datagramText(bytes)));
    }
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
}

// The window's handler, driven as the link worker drives it.
void TestStatusReport::process(const QString& text)
{
    window->processaPDRLan(window, text);
}

void TestStatusReport::handlerAppliesReport()
{
    window = new MainWindow;
    const qint64 sent = window->session().lastWrite();
    qint64 now = sent + 42;
    const ScopedClock clock([&now] { return now; });
    lastReportTime = 0;
    window->deviceState.selectedRx = 2;

    process(example);

    QCOMPARE(lastReportTime, sent + 42);
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("labelPing"))->text(), QStringLiteral("Ping: 42"));
    QCOMPARE(int(window->deviceState.selectedAntenna), 3);
    QCOMPARE(int(window->deviceState.rtxActive), 1);
    QCOMPARE(int(window->deviceState.selectedRx), 0);
    QCOMPARE(int(window->deviceState.gpiStates), 0x01);
    QCOMPARE(int(window->deviceState.busyMask9to12), 0xF0);
    QVERIFY(!window->busyRotBlinkTimer.isActive());

    // A datagram written after the report arrived but before the handler
    // read the send time: a small negative figure, shown as it is.
    now = sent - 3;
    process(example);
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("labelPing"))->text(), QStringLiteral("Ping: -3"));
}

void TestStatusReport::handlerIgnoresBadReports_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("bad marker") << "3.0.0.0.1.0.FE.1.FF.F.0.0.FE";
    QTest::newRow("12 fields") << "3.0.0.0.1.0.FE.1.FF.F.0.FF";
    QTest::newRow("one field") << "FF";
    QTest::newRow("empty") << "";
    QTest::newRow("garbage") << QString::fromUtf8("\xef\xbf\xbd\x01garbage....");
}

void TestStatusReport::handlerIgnoresBadReports()
{
    QFETCH(QString, text);
    window = new MainWindow;
    const ScopedClock clock([] { return 1000000; });
    lastReportTime = 5;
    window->deviceState.selectedAntenna = 7;
    window->ui->statusBar->showMessage(QStringLiteral("before"));
    window->ui->botaoTecla8->setStyleSheet(harness::untouched);

    process(text);

    QCOMPARE(lastReportTime, qint64(5));
    QCOMPARE(int(window->deviceState.selectedAntenna), 7);
    // Not a report, but the panel is repainted from what it knows.
    QCOMPARE(window->ui->botaoTecla8->styleSheet(), harness::selected);
    QCOMPARE(window->ui->statusBar->currentMessage(), QStringLiteral("before"));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("labelPing"))->text(), QString());
}

// The watchdog cleared the panel of a silent device: a datagram that is no
// report must not paint the old state back.
void TestStatusReport::strayDatagramKeepsClearedPanel()
{
    window = new MainWindow;
    connected = true;
    window->deviceState.selectedAntenna = 7;
    window->checkCOMTimeout(window);
    const QString cleared = window->ui->botaoTecla8->styleSheet();
    QVERIFY(cleared != harness::selected);

    process(QStringLiteral("3.0.0.0.1.0.FE.1.FF.F.0.FF"));

    connected = false;
    QCOMPARE(window->ui->botaoTecla8->styleSheet(), cleared);
    QVERIFY(!window->ui->botaoTecla8->accessibleName().contains(QLatin1String("selected")));
}

void TestStatusReport::rotorBlinkTimerFollowsField11()
{
    window = new MainWindow;
    QVERIFY(!window->busyRotBlinkTimer.isActive());

    process(reportWith({{11, "1"}}));
    QVERIFY(window->busyRotBlinkTimer.isActive());
    QCOMPARE(window->busyRotBlinkTimer.interval(), 600);
    const int timerId = window->busyRotBlinkTimer.timerId();

    // Already running: left alone, not restarted.
    process(reportWith({{11, "01"}}));
    QVERIFY(window->busyRotBlinkTimer.isActive());
    QCOMPARE(window->busyRotBlinkTimer.timerId(), timerId);

    // A bad report does not touch it.
    process(reportWith({{11, "0"}}, "0"));
    QVERIFY(window->busyRotBlinkTimer.isActive());

    process(reportWith({{11, "0"}}));
    QVERIFY(!window->busyRotBlinkTimer.isActive());

    // Only exactly 1 blinks.
    process(reportWith({{11, "2"}}));
    QVERIFY(!window->busyRotBlinkTimer.isActive());
}

ZAREL_TEST_MAIN(TestStatusReport, profile)
#include "tst_statusreport.moc"
