// Split operation: the SPLIT button's three branches, completing set-up by an
// antenna choice, the blinking and what repaints do to it meanwhile.
#include "panelharness.h"
#include "testsupport.h"

using namespace harness;

class TestSplit : public QObject, private PanelFixture
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void splitClick_data();
    void splitClick();
    void setupThenAntenna();
    void blinkSequenceKeepsPhase();
    void blinkDoesNothingOutsideSetup();
    void repaintsDuringSetupLeaveSplit_data();
    void repaintsDuringSetupLeaveSplit();
};

void TestSplit::cleanup()
{
    panel.reset();
}

void TestSplit::splitClick_data()
{
    QTest::addColumn<bool>("link");
    QTest::addColumn<int>("splitActive");
    QTest::addColumn<bool>("pending");
    QTest::addColumn<QByteArray>("expectedBytes");
    QTest::addColumn<QString>("expectedMessage");
    QTest::addColumn<bool>("pendingAfter");
    QTest::addColumn<bool>("blinking");
    QTest::addColumn<QString>("splitLook"); // untouched: the click leaves the look alone

    // clang-format off
    QTest::newRow("off: set-up begins") << true << 0 << false << QByteArray()
        << "Choose the RX position:" << true << true << ring;
    QTest::newRow("set-up: cancelled") << true << 0 << true << QByteArray()
        << "Split config cancelled!" << false << false << untouched;
    QTest::newRow("on: turned off") << true << 1 << false << bytes("fe03000000fd")
        << "Split disabled" << false << false << untouched;
    QTest::newRow("on while set-up pending: turned off") << true << 1 << true << bytes("fe03000000fd")
        << "Split disabled" << false << false << untouched;
    QTest::newRow("any non-zero split value counts as on") << true << 2 << false << bytes("fe03000000fd")
        << "Split disabled" << false << false << untouched;
    QTest::newRow("offline off: set-up begins") << false << 0 << false << QByteArray()
        << "Choose the RX position:" << true << true << ring;
    QTest::newRow("offline on: turned off, nothing sent") << false << 1 << false << QByteArray()
        << "Split disabled" << false << false << untouched;
    // clang-format on
}

void TestSplit::splitClick()
{
    QFETCH(bool, link);
    QFETCH(int, splitActive);
    QFETCH(bool, pending);
    QFETCH(QByteArray, expectedBytes);
    QFETCH(QString, expectedMessage);
    QFETCH(bool, pendingAfter);
    QFETCH(bool, blinking);
    QFETCH(QString, splitLook);

    Panel& p = makePanel();
    p.w().deviceState.splitActive = static_cast<quint8>(splitActive);
    if (pending) {
        splitConfigPending = true;
        p.w().splitBlinkTimer.start(400);
    }
    p.mark(indicatorNames());
    connected = link;

    p.click(QStringLiteral("botaoSplit"));

    QCOMPARE(p.sent, expectedBytes.isEmpty() ? QList<QByteArray>() : QList<QByteArray> {expectedBytes});
    QCOMPARE(p.message(), expectedMessage);
    QCOMPARE(splitConfigPending, pendingAfter);
    QCOMPARE(p.w().splitBlinkTimer.isActive(), blinking);
    if (blinking) {
        QCOMPARE(p.w().splitBlinkTimer.interval(), 400);
    }
    QCOMPARE(int(p.w().deviceState.splitActive), 0);
    QCOMPARE(p.style("botaoSplit"), splitLook);
    // No repaint: every other indicator keeps its look.
    QCOMPARE(p.style("botaoTecla1"), untouched);
    QCOMPARE(p.style("botaoSend"), untouched);
}

void TestSplit::setupThenAntenna()
{
    Panel& p = makePanel();
    connected = true;
    p.w().deviceState.selectedAntenna = 0;
    p.click(QStringLiteral("botaoSplit"));
    QCOMPARE(p.message(), QStringLiteral("Choose the RX position:"));
    p.mark({QStringLiteral("botaoTecla1")});

    p.click(QStringLiteral("botaoTecla4"));

    QCOMPARE(p.sent, QList<QByteArray> {bytes("fe03010300fd")});
    QCOMPARE(p.message(), QStringLiteral("Split configured succesfuly!"));
    QVERIFY(!splitConfigPending);
    QVERIFY(!p.w().splitBlinkTimer.isActive());
    // Read as given, so the next key names the receive antenna; painted
    // with the next report.
    QCOMPARE(int(p.w().deviceState.splitActive), 1);
    QCOMPARE(p.style("botaoTecla1"), untouched);

    // The device then reports split on: SPLIT red, and a SPLIT click turns it off.
    p.w().deviceState.splitActive = 1;
    p.w().deviceState.splitRxAntenna = 3;
    p.updateUI();
    QCOMPARE(p.style("botaoSplit"), alarm);
    p.click(QStringLiteral("botaoSplit"));
    QCOMPARE(p.sent.last(), bytes("fe03000000fd"));
    QCOMPARE(p.style("botaoSplit"), alarm); // until the next repaint
    p.updateUI();
    QCOMPARE(p.style("botaoSplit"), idle);
}

void TestSplit::blinkSequenceKeepsPhase()
{
    Panel& p = makePanel();
    const auto tick = [&p] { p.invoke("blinkSplit"); };

    p.click(QStringLiteral("botaoSplit")); // ring at once
    QCOMPARE(p.style("botaoSplit"), ring);
    // The phase starts false, so the first tick gives the ring again.
    const QStringList firstSetup {ring, idle, ring, idle, ring};
    for (const QString& look : firstSetup) {
        tick();
        QCOMPARE(p.style("botaoSplit"), look);
    }
    p.click(QStringLiteral("botaoSplit")); // cancelled on the ring look
    QCOMPARE(p.style("botaoSplit"), ring);
    tick(); // not pending: nothing, and the phase stays
    QCOMPARE(p.style("botaoSplit"), ring);
    p.updateUI();
    QCOMPARE(p.style("botaoSplit"), idle);

    // The next set-up carries on from where the last one stopped.
    p.click(QStringLiteral("botaoSplit"));
    QCOMPARE(p.style("botaoSplit"), ring);
    const QStringList secondSetup {idle, ring, idle};
    for (const QString& look : secondSetup) {
        tick();
        QCOMPARE(p.style("botaoSplit"), look);
    }
}

void TestSplit::blinkDoesNothingOutsideSetup()
{
    Panel& p = makePanel();
    p.mark({QStringLiteral("botaoSplit")});
    p.invoke("blinkSplit");
    p.invoke("blinkSplit");
    QCOMPARE(p.style("botaoSplit"), untouched);
}

void TestSplit::repaintsDuringSetupLeaveSplit_data()
{
    QTest::addColumn<int>("splitActive");
    QTest::addColumn<bool>("clearOnly");
    QTest::addColumn<QString>("splitLook");
    QTest::newRow("report without split") << 0 << false << untouched;
    QTest::newRow("link lost") << 0 << true << untouched;
    QTest::newRow("link lost with split on") << 1 << true << untouched;
    QTest::newRow("report with split on paints it red") << 1 << false << alarm;
}

void TestSplit::repaintsDuringSetupLeaveSplit()
{
    QFETCH(int, splitActive);
    QFETCH(bool, clearOnly);
    QFETCH(QString, splitLook);
    Panel& p = makePanel();
    p.click(QStringLiteral("botaoSplit"));
    QVERIFY(splitConfigPending);
    p.mark({QStringLiteral("botaoSplit")});
    p.w().deviceState.splitActive = static_cast<quint8>(splitActive);
    p.w().deviceState.sendActive = 1;
    if (clearOnly) {
        p.clearUI();
    } else {
        p.updateUI();
    }
    QCOMPARE(p.style("botaoSplit"), splitLook);
    QCOMPARE(p.style("botaoSend"), clearOnly ? idle : alarm);
    QVERIFY(splitConfigPending);
}

ZAREL_TEST_MAIN(TestSplit, "panel_split")
#include "tst_split.moc"
