// Antenna and radio selection: what each press and F-key sends in each split
// state, the panel's immediate copy of the choice, and the reports it skips.
#include <QKeyEvent>

#include "panelharness.h"
#include "testsupport.h"

using namespace harness;

class TestSwitching : public QObject, private PanelFixture
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void heldPanelKeyPressesOnce_data();
    void heldPanelKeyPressesOnce();
    void antennaChoice_data();
    void antennaChoice();
    void commandsAwaitConfirmation_data();
    void commandsAwaitConfirmation();
    void radioButtons_data();
    void radioButtons();
    void functionKeys_data();
    void functionKeys();
    void heldKeyActsOnce();
    void actsOnPressNotRelease();
    void releaseUnlightsEveryAntenna();
};

void TestSwitching::cleanup()
{
    panel.reset();
}

namespace {

// Triggers the choice of a position the way the operator would.
void choose(Panel& p, const QString& how)
{
    if (how.startsWith(QLatin1String("F"))) {
        QTest::keyClick(&p.w(), static_cast<Qt::Key>(Qt::Key_F1 + how.mid(1).toInt() - 1));
    } else {
        QTest::mousePress(p.button(how), Qt::LeftButton);
        QTest::mouseRelease(p.button(how), Qt::LeftButton);
    }
}

} // namespace

void TestSwitching::antennaChoice_data()
{
    QTest::addColumn<bool>("link");
    QTest::addColumn<bool>("pending");
    QTest::addColumn<int>("splitActive");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("rx");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("expectedBytes");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<int>("rxAfter");
    QTest::addColumn<int>("splitAfter");
    QTest::addColumn<bool>("repainted");
    QTest::addColumn<QString>("expectedMessage");

    const QString none;
    const QString done = QStringLiteral("Split configured succesfuly!");
    // clang-format off
    QTest::newRow("Ant 4, no split") << true << false << 0 << 0 << 0 << "botaoTecla4"
        << bytes("fe0203fd") << 3 << 0 << 0 << true << none;
    QTest::newRow("Ant 12, no split") << true << false << 0 << 0 << 0 << "botaoTecla12"
        << bytes("fe020bfd") << 11 << 0 << 0 << true << none;
    QTest::newRow("F7 like Ant 7") << true << false << 0 << 0 << 0 << "F7"
        << bytes("fe0206fd") << 6 << 0 << 0 << true << none;
    QTest::newRow("RELEASE, no split") << true << false << 0 << 3 << 0 << "botaoRelease"
        << bytes("fe020ffd") << 15 << 0 << 0 << true << none;
    QTest::newRow("split on, transmit antenna ends split") << true << false << 1 << 4 << 7 << "botaoTecla5"
        << bytes("fe03000000fd") << 4 << 7 << 0 << false << none;
    QTest::newRow("split on, other antenna moves receive") << true << false << 1 << 4 << 7 << "botaoTecla9"
        << bytes("fe0208fd") << 4 << 8 << 1 << true << none;
    QTest::newRow("split on, RELEASE moves receive") << true << false << 1 << 4 << 7 << "botaoRelease"
        << bytes("fe020ffd") << 4 << 15 << 1 << true << none;
    QTest::newRow("split on, transmit 15, RELEASE ends split") << true << false << 1 << 15 << 2 << "botaoRelease"
        << bytes("fe03000000fd") << 15 << 2 << 0 << false << none;
    // Given, split on is what the panel reads the next key against.
    QTest::newRow("set-up completed by Ant 3") << true << true << 0 << 0 << 9 << "botaoTecla3"
        << bytes("fe03010200fd") << 0 << 2 << 1 << false << done;
    QTest::newRow("set-up completed by F12") << true << true << 0 << 5 << 9 << "F12"
        << bytes("fe03010b05fd") << 5 << 11 << 1 << false << done;
    QTest::newRow("set-up completed by RELEASE") << true << true << 0 << 2 << 9 << "botaoRelease"
        << bytes("fe03010f02fd") << 2 << 15 << 1 << false << done;
    QTest::newRow("set-up wins over split on") << true << true << 1 << 2 << 9 << "botaoTecla3"
        << bytes("fe03010202fd") << 2 << 2 << 1 << false << done;
    QTest::newRow("offline: Ant 4 still chosen") << false << false << 0 << 0 << 0 << "botaoTecla4"
        << QByteArray() << 3 << 0 << 0 << true << none;
    QTest::newRow("offline: split ends") << false << false << 1 << 4 << 7 << "F5"
        << QByteArray() << 4 << 7 << 0 << false << none;
    QTest::newRow("offline: receive moves") << false << false << 1 << 4 << 7 << "botaoTecla1"
        << QByteArray() << 4 << 0 << 1 << true << none;
    QTest::newRow("offline: set-up completes") << false << true << 0 << 0 << 9 << "botaoTecla3"
        << QByteArray() << 0 << 9 << 0 << false << done;
    // clang-format on
}

void TestSwitching::antennaChoice()
{
    QFETCH(bool, link);
    QFETCH(bool, pending);
    QFETCH(int, splitActive);
    QFETCH(int, selected);
    QFETCH(int, rx);
    QFETCH(QString, how);
    QFETCH(QByteArray, expectedBytes);
    QFETCH(int, selectedAfter);
    QFETCH(int, rxAfter);
    QFETCH(int, splitAfter);
    QFETCH(bool, repainted);
    QFETCH(QString, expectedMessage);

    Panel& p = makePanel();
    DeviceState& state = p.w().deviceState;
    state.splitActive = static_cast<quint8>(splitActive);
    state.selectedAntenna = static_cast<quint8>(selected);
    state.splitRxAntenna = static_cast<quint8>(rx);
    if (pending) {
        p.w().splitBlinkTimer.start(400);
        splitConfigPending = true;
    }
    p.ui().statusBar->clearMessage();
    p.mark(indicatorNames());
    connected = link;

    choose(p, how);

    QCOMPARE(p.sent, expectedBytes.isEmpty() ? QList<QByteArray>() : QList<QByteArray> {expectedBytes});
    // Sent while connected, it now waits for the device to confirm it.
    QCOMPARE(p.w().session().unconfirmed(), expectedBytes.isEmpty() ? 0 : 1);
    QCOMPARE(int(state.selectedAntenna), selectedAfter);
    QCOMPARE(int(state.splitRxAntenna), rxAfter);
    QCOMPARE(int(state.splitActive), splitAfter);
    QCOMPARE(p.message(), expectedMessage);
    QVERIFY(!splitConfigPending);
    QCOMPARE(p.w().splitBlinkTimer.isActive(), false);
    // A repaint gives every antenna button a look; without one they keep the mark.
    QCOMPARE(p.style("botaoTecla2") != untouched, repainted);
    if (repainted && selectedAfter <= 11 && splitAfter == 0) {
        QCOMPARE(p.style(QStringLiteral("botaoTecla%1").arg(selectedAfter + 1)), harness::selected);
    }
}

// Whatever the operator switches waits for the device's word; pressing the
// same kind of key again replaces what the earlier press asked for.
void TestSwitching::commandsAwaitConfirmation_data()
{
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<int>("waiting");
    QTest::newRow("antenna") << QStringList {"botaoTecla1"} << 1;
    QTest::newRow("RELEASE") << QStringList {"botaoRelease"} << 1;
    QTest::newRow("F-key") << QStringList {"F2"} << 1;
    QTest::newRow("RX") << QStringList {"botaoTeclaRX2"} << 1;
    QTest::newRow("RTX") << QStringList {"botaoTeclaRTX"} << 1;
    QTest::newRow("antenna, then another") << QStringList {"botaoTecla1", "F7"} << 1;
    QTest::newRow("RX, then RTX") << QStringList {"botaoTeclaRX2", "botaoTeclaRTX"} << 1;
    QTest::newRow("antenna and RX") << QStringList {"botaoTecla3", "botaoTeclaRX4"} << 2;
}

void TestSwitching::commandsAwaitConfirmation()
{
    QFETCH(QStringList, presses);
    QFETCH(int, waiting);
    Panel& p = makePanel();
    connected = true;
    for (const QString& how : presses) {
        choose(p, how);
    }
    QCOMPARE(p.w().session().unconfirmed(), waiting);
}

void TestSwitching::radioButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("link");
    QTest::addColumn<QByteArray>("expectedBytes");
    QTest::addColumn<int>("rxAfter");
    QTest::newRow("RX 1") << "botaoTeclaRX1" << true << bytes("fe050100fd") << 1;
    QTest::newRow("RX 3") << "botaoTeclaRX3" << true << bytes("fe050300fd") << 3;
    QTest::newRow("RX 4 sends its trailing zero") << "botaoTeclaRX4" << true << bytes("fe050400fd") << 4;
    QTest::newRow("RTX") << "botaoTeclaRTX" << true << bytes("fe0601fd") << 9;
    QTest::newRow("RX 3 offline") << "botaoTeclaRX3" << false << QByteArray() << 9;
    QTest::newRow("RTX offline") << "botaoTeclaRTX" << false << QByteArray() << 9;
}

void TestSwitching::radioButtons()
{
    QFETCH(QString, name);
    QFETCH(bool, link);
    QFETCH(QByteArray, expectedBytes);
    QFETCH(int, rxAfter);
    Panel& p = makePanel();
    DeviceState& state = p.w().deviceState;
    state.selectedRx = 9;
    state.rxActive = 1;
    state.rtxActive = 1;
    p.mark(indicatorNames());
    connected = link;

    p.click(name);

    QCOMPARE(p.sent, expectedBytes.isEmpty() ? QList<QByteArray>() : QList<QByteArray> {expectedBytes});
    QCOMPARE(int(state.selectedRx), rxAfter);
    // The radio buttons light from the device's report only: no repaint here.
    for (const QString& indicator : indicatorNames()) {
        QCOMPARE(p.style(indicator), untouched);
    }
}

void TestSwitching::functionKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("position"); // -1: nothing happens
    for (int k = 0; k < 12; ++k) {
        QTest::newRow(qPrintable(QStringLiteral("F%1").arg(k + 1))) << int(Qt::Key_F1 + k) << 0 << k;
    }
    // With a modifier an F-key is another key (Shift+F10 opens a menu).
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << -1;
    QTest::newRow("Ctrl+F4") << int(Qt::Key_F4) << int(Qt::ControlModifier) << -1;
    QTest::newRow("Alt+F3") << int(Qt::Key_F3) << int(Qt::AltModifier) << -1;
    QTest::newRow("F13") << int(Qt::Key_F13) << 0 << -1;
    QTest::newRow("letter A") << int(Qt::Key_A) << 0 << -1;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << -1;
    QTest::newRow("digit 4") << int(Qt::Key_4) << 0 << -1;
    QTest::newRow("Return") << int(Qt::Key_Return) << 0 << -1;
}

void TestSwitching::functionKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, position);
    Panel& p = makePanel();
    p.w().deviceState.selectedAntenna = 14;
    connected = true;

    QTest::keyClick(&p.w(), static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));

    if (position < 0) {
        QVERIFY(p.sent.isEmpty());
        QCOMPARE(int(p.w().deviceState.selectedAntenna), 14);
    } else {
        QCOMPARE(p.sent, QList<QByteArray> {frameCommand(2, static_cast<quint8>(position))});
        QCOMPARE(int(p.w().deviceState.selectedAntenna), position);
    }
}

// What QTest sends for a key, with its auto-repeat flag: shortcuts are
// matched before the key reaches any widget.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text, bool autorep, ushort count);

void TestSwitching::heldPanelKeyPressesOnce_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("Ctrl+1: GPO 1 on, not on and off")
        << int(Qt::Key_1) << int(Qt::ControlModifier) << frameCommand(4, 0, 1);
    QTest::newRow("Alt+2: RX 2") << int(Qt::Key_2) << int(Qt::AltModifier) << frameCommand(5, 2);
    QTest::newRow("Ctrl+R: RELEASE") << int(Qt::Key_R) << int(Qt::ControlModifier) << frameCommand(2, 15);
}

void TestSwitching::heldPanelKeyPressesOnce()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QByteArray, sent);
    Panel& p = makePanel({{"GPI", true}, {"SK", true}});
    p.w().show();
    QVERIFY(QTest::qWaitForWindowActive(&p.w()));
    connected = true;
    for (int i = 0; i < 6; ++i) {
        qt_sendShortcutOverrideEvent(&p.w(), 0, key, Qt::KeyboardModifiers(modifiers), QString(), i > 0, 1);
        // Past the key's click animation, after which a repeat could press it again.
        QTest::qWait(120);
    }
    QCOMPARE(p.sent, QList<QByteArray> {sent});
}

// A held F-key asks once; another key after it is sent at once.
void TestSwitching::heldKeyActsOnce()
{
    Panel& p = makePanel();
    connected = true;
    for (int i = 0; i < 4; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier, QString(), i > 0);
        QApplication::sendEvent(&p.w(), &press);
    }
    QTest::keyClick(&p.w(), Qt::Key_F2);
    QCOMPARE(p.sent, (QList<QByteArray> {bytes("fe0200fd"), bytes("fe0201fd")}));
}

void TestSwitching::actsOnPressNotRelease()
{
    Panel& p = makePanel();
    connected = true;
    QPushButton* ant1 = p.button(QStringLiteral("botaoTecla1"));
    QTest::mousePress(ant1, Qt::LeftButton);
    QCOMPARE(p.sent, QList<QByteArray> {bytes("fe0200fd")});
    QTest::mouseRelease(ant1, Qt::LeftButton); // clicked() does nothing more
    QCOMPARE(p.sent.size(), 1);
}

void TestSwitching::releaseUnlightsEveryAntenna()
{
    Panel& p = makePanel();
    connected = true;
    p.click(QStringLiteral("botaoTecla6"));
    QCOMPARE(p.style("botaoTecla6"), selected);
    p.click(QStringLiteral("botaoRelease"));
    for (int n = 1; n <= 12; ++n) {
        QCOMPARE(p.style(QStringLiteral("botaoTecla%1").arg(n)), idle);
    }
    // Choices while the link is down are shown but neither sent nor awaited.
    connected = false;
    for (int n = 1; n <= 3; ++n) {
        p.click(QStringLiteral("botaoTecla%1").arg(n));
    }
    QCOMPARE(p.style("botaoTecla3"), selected);
    QCOMPARE(p.sent.size(), 2);
    QCOMPARE(p.w().session().unconfirmed(), 1);
}

ZAREL_TEST_MAIN(TestSwitching, "panel_switching")
#include "tst_switching.moc"
