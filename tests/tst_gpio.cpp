// GPO toggles and the GPIO and Skyrail WF view toggles.
#include <QAction>
#include <QFrame>
#include <QSettings>

#include "panelharness.h"
#include "testsupport.h"

using namespace harness;

class TestGpio : public QObject, private PanelFixture
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void gpoToggle_data();
    void gpoToggle();
    void viewToggle_data();
    void viewToggle();
    void viewToggleReportsUnwritableFile();
};

void TestGpio::cleanup()
{
    if (panel) {
        QFile::setPermissions(panel->settingsFile, QFile::ReadOwner | QFile::WriteOwner);
    }
    panel.reset();
}

void TestGpio::gpoToggle_data()
{
    QTest::addColumn<bool>("link");
    QTest::addColumn<int>("gpoStates");
    QTest::addColumn<int>("gpo"); // 1..8
    QTest::addColumn<QByteArray>("expectedBytes");
    QTest::newRow("GPO 3 on, switched off") << true << 0x05 << 3 << bytes("fe040200fd");
    QTest::newRow("GPO 2 off, switched on") << true << 0x05 << 2 << bytes("fe040101fd");
    QTest::newRow("GPO 8 on, switched off") << true << 0x80 << 8 << bytes("fe040700fd");
    QTest::newRow("GPO 1 on, switched off") << true << 0x01 << 1 << bytes("fe040000fd");
    QTest::newRow("GPO 1 off, switched on") << true << 0xFE << 1 << bytes("fe040001fd");
    QTest::newRow("GPO 5 off, all others on") << true << 0xEF << 5 << bytes("fe040401fd");
    QTest::newRow("offline: nothing") << false << 0x05 << 3 << QByteArray();
}

void TestGpio::gpoToggle()
{
    QFETCH(bool, link);
    QFETCH(int, gpoStates);
    QFETCH(int, gpo);
    QFETCH(QByteArray, expectedBytes);
    Panel& p = makePanel();
    p.w().deviceState.gpoStates = static_cast<quint8>(gpoStates);
    p.mark(indicatorNames());
    connected = link;

    p.click(QStringLiteral("botaoGPO%1").arg(gpo));

    QCOMPARE(p.sent, expectedBytes.isEmpty() ? QList<QByteArray>() : QList<QByteArray> {expectedBytes});
    // The output reads as asked, so a second press asks for the opposite;
    // nothing is painted before the device's next report, and the press
    // waits for it: an output asked for and never reported is resent, then
    // named on the status bar.
    const int asked = expectedBytes.isEmpty() ? gpoStates : gpoStates ^ (1 << (gpo - 1));
    QCOMPARE(int(p.w().deviceState.gpoStates), asked);
    QCOMPARE(p.w().session().unconfirmed(), expectedBytes.isEmpty() ? 0 : 1);
    for (const QString& indicator : indicatorNames()) {
        QCOMPARE(p.style(indicator), untouched);
    }
}

void TestGpio::viewToggle_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("otherChecked");
    QTest::addColumn<int>("hiddenHeight");
    QTest::addColumn<int>("shownHeight");
    QTest::newRow("GPIO, Skyrail hidden") << "actionGPIO" << false << 293 << 391;
    QTest::newRow("GPIO, Skyrail shown") << "actionGPIO" << true << 351 << 391;
    QTest::newRow("Skyrail WF, GPIO hidden") << "actionSkyrail_WF" << false << 293 << 351;
    QTest::newRow("Skyrail WF, GPIO shown") << "actionSkyrail_WF" << true << 391 << 391;
}

void TestGpio::viewToggle()
{
    QFETCH(QString, action);
    QFETCH(bool, otherChecked);
    QFETCH(int, hiddenHeight);
    QFETCH(int, shownHeight);
    Panel& p = makePanel();
    const bool gpio = action == QLatin1String("actionGPIO");
    QAction* toggled = gpio ? p.ui().actionGPIO : p.ui().actionSkyrail_WF;
    QAction* other = gpio ? p.ui().actionSkyrail_WF : p.ui().actionGPIO;
    QFrame* frame = gpio ? p.ui().frame_GPIs : p.ui().frame_RTX;
    QFrame* otherFrame = gpio ? p.ui().frame_RTX : p.ui().frame_GPIs;
    const QString key = gpio ? QStringLiteral("GPI") : QStringLiteral("SK");
    if (otherChecked) {
        other->trigger();
    }
    toggled->trigger(); // shown, from the unchecked start of an empty file
    QVERIFY(toggled->isChecked());

    toggled->trigger();
    QVERIFY(frame->isHidden());
    QCOMPARE(p.w().size(), QSize(990, hiddenHeight));
    QCOMPARE(QSettings(p.settingsFile, QSettings::IniFormat).value(key).toBool(), false);
    QVERIFY(QSettings(p.settingsFile, QSettings::IniFormat).contains(key));

    toggled->trigger();
    QVERIFY(!frame->isHidden());
    QCOMPARE(p.w().size(), QSize(990, shownHeight));
    QCOMPARE(QSettings(p.settingsFile, QSettings::IniFormat).value(key).toBool(), true);
    // The other view is left as it was.
    QCOMPARE(otherFrame->isHidden(), !otherChecked);
    QCOMPARE(other->isChecked(), otherChecked);
}

void TestGpio::viewToggleReportsUnwritableFile()
{
    Panel& p = makePanel();
    p.ui().actionGPIO->trigger();
    QVERIFY(QFile::exists(p.settingsFile));
    QVERIFY(QFile::setPermissions(p.settingsFile, QFile::ReadOwner));
    p.ui().statusBar->clearMessage();

    p.ui().actionGPIO->trigger();

    QVERIFY(p.ui().frame_GPIs->isHidden()); // the view follows the operator anyway
    QVERIFY2(p.message().contains(QLatin1String("NOT saved")), qPrintable(p.message()));
    QCOMPARE(QSettings(p.settingsFile, QSettings::IniFormat).value(QStringLiteral("GPI")).toBool(), true);
}

ZAREL_TEST_MAIN(TestGpio, "panel_gpio")
#include "tst_gpio.moc"
