// The transmit-inhibit sequencer with the link session it gates, on
// simulated time: a device that carries out what is written and answers
// polls, a radio keyed on its SEND input, and the order on the wire.
#include <QtTest>

#include "link/linkqueue.h"
#include "link/linksession.h"
#include "link/txinhibit.h"

namespace {

constexpr int inhibitGpo = 3;

// The panel's link, the device and the wire, 10 ms a step.
struct Bench
{
    qint64 now = 1000;
    LinkSession session;
    TxInhibit inhibit;
    QList<DeviceCommand> queue;
    DeviceState shown;
    qint64 lastWrite = 0;
    qint64 lastPoll = 0;
    qint64 guardOpenAt = 0;
    // The device.
    quint8 antenna = 0;
    quint8 gpo = 0;
    bool keyed = false;
    int refusals = 0; // antenna commands it ignores, from the first
    bool silent = false;
    QList<QPair<qint64, DeviceState>> answers;
    QStringList wire; // what the device carried out: "Ant 4", "GPO 3 on"; "!" marks it on the air

    Bench()
    {
        session.setDevice(QStringLiteral("127.0.0.1"), 4001);
        session.start(now);
        inhibit.setOutput(inhibitGpo);
        inhibit.start();
    }
    bool onAir() const { return keyed && !(gpo & (1u << (inhibitGpo - 1))); }
    TxInhibit::Work work() const
    {
        const PendingCommands::Guarded g = session.commands().guarded();
        return {g.unwritten, g.unconfirmed, session.commands().asks(DeviceCommand::gpo(inhibitGpo - 1, true))};
    }
    void give(DeviceCommand command)
    {
        if (command.guarded && inhibit.phase() != TxInhibit::Phase::Held) {
            command.heldBefore = true;
        }
        if (session.commandGiven(command, shown, now)) {
            enqueueMerging(queue, command);
        }
        check();
    }
    void carryOut(const TxInhibit::Step& step)
    {
        if (step.act != TxInhibit::Act::None) {
            give(DeviceCommand::gpo(inhibitGpo - 1, step.act == TxInhibit::Act::Raise));
        }
    }
    void check()
    {
        carryOut(inhibit.update(work(), now >= guardOpenAt));
        session.guardMoved(inhibit.gate(guardOpenAt), now);
        session.refresh(shown);
    }
    void stop(bool disconnect)
    {
        if (inhibit.stop()) {
            if (disconnect) {
                queue.clear();
                enqueueMerging(queue, DeviceCommand::gpo(inhibitGpo - 1, false));
                session.stop();
            } else {
                give(DeviceCommand::gpo(inhibitGpo - 1, false));
            }
        }
        check();
    }
    void execute(const DeviceCommand& c)
    {
        QString line;
        if (c.type == DeviceCommand::Antenna) {
            if (refusals > 0) {
                --refusals;
                return;
            }
            antenna = c.first;
            line = QStringLiteral("Ant %1").arg(c.first + 1);
        } else if (c.type == DeviceCommand::Gpo) {
            const quint8 bit = static_cast<quint8>(1u << c.first);
            gpo = static_cast<quint8>(c.second ? gpo | bit : gpo & ~bit);
            line = QStringLiteral("GPO %1 %2").arg(c.first + 1).arg(c.second ? "on" : "off");
        }
        wire << (onAir() && !(c.type == DeviceCommand::Gpo && c.first == inhibitGpo - 1) ? "!" + line : line);
    }
    void step()
    {
        now += 10;
        if (now - lastPoll >= 160 && session.pollDue(now)) {
            lastPoll = now;
            enqueueMerging(queue, DeviceCommand::poll());
        }
        const qint64 gate = inhibit.gate(guardOpenAt);
        const int index = now - lastWrite >= 90 ? nextToWrite(queue, now >= gate) : -1;
        if (index >= 0) {
            const DeviceCommand c = queue.takeAt(index);
            lastWrite = now;
            session.wrote(c, now);
            if (!silent && c.isPoll()) {
                DeviceState state;
                state.selectedAntenna = antenna;
                state.gpoStates = gpo;
                state.sendActive = onAir() ? 1 : 0;
                answers.append({now + 30, state});
            } else if (!silent) {
                execute(c);
            }
        }
        while (!answers.isEmpty() && answers.first().first <= now) {
            DeviceState state = answers.takeFirst().second;
            if (!session.reportArrived(now)) {
                continue;
            }
            shown = state;
            const LinkSession::Verdicts verdicts = session.reportApplied(shown);
            for (const DeviceCommand& c : verdicts.resend) {
                enqueueMerging(queue, c);
            }
            carryOut(inhibit.reported(state.gpoStates, state.sendActive != 0, work()));
            check();
        }
    }
    void run(int ms)
    {
        for (int t = 0; t < ms; t += 10) {
            step();
        }
    }
};

} // namespace

class TestTxInhibit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sequence_data();
    void sequence();
    void leftOnAtConnect();
};

void TestTxInhibit::sequence_data()
{
    QTest::addColumn<bool>("keyed"); // the radio keyed all along
    QTest::addColumn<bool>("guarded"); // band following's, or the operator's own key
    QTest::addColumn<int>("refusals");
    QTest::addColumn<QString>("trouble"); // after the inhibit is on the wire: "silent", "disconnect"
    QTest::addColumn<QStringList>("wire");
    QTest::addColumn<quint8>("antennaAtEnd");

    const QStringList plain {"GPO 3 on", "Ant 4", "GPO 3 off"};
    QTest::newRow("raise, confirm, switch, confirm, lower") << false << true << 0 << "" << plain << quint8(3);
    QTest::newRow("keyed: the switch waits for SEND off") << true << true << 0 << "" << plain << quint8(3);
    QTest::newRow("refused: lowered after the last try")
        << false << true << 3 << "" << QStringList {"GPO 3 on", "GPO 3 off"} << quint8(0);
    QTest::newRow("refused once: sent again under the inhibit") << true << true << 1 << "" << plain << quint8(3);
    // The operator's own key goes at once; sent again, it is held like band following's.
    QTest::newRow("operator's switch sent again waits for the inhibit")
        << false << false << 1 << "" << plain << quint8(3);
    QTest::newRow("link lost: lowered, held again once the device is back")
        << true << true << 0 << "silent" << QStringList {"GPO 3 on", "GPO 3 on", "Ant 4", "GPO 3 off"} << quint8(3);
    QTest::newRow("Disconnect: lowered, nothing switched")
        << true << true << 0 << "disconnect" << QStringList {"GPO 3 on", "GPO 3 off"} << quint8(0);
}

void TestTxInhibit::sequence()
{
    QFETCH(bool, keyed);
    QFETCH(bool, guarded);
    QFETCH(int, refusals);
    QFETCH(QString, trouble);
    QFETCH(QStringList, wire);
    QFETCH(quint8, antennaAtEnd);

    Bench b;
    b.keyed = keyed;
    b.refusals = refusals;
    b.run(400); // round trips known, the device's state shown
    DeviceCommand ant4 = DeviceCommand::antenna(3);
    ant4.guarded = guarded;
    b.give(ant4);
    if (!trouble.isEmpty()) {
        while (b.wire.isEmpty()) {
            b.step();
        }
        QVERIFY(b.inhibit.holds());
        if (trouble == QLatin1String("silent")) {
            b.silent = true;
            b.run(500);
            b.stop(false); // as the watchdog finds it silent
            QVERIFY(b.queue.contains(DeviceCommand::gpo(inhibitGpo - 1, false)));
            b.run(500);
            QVERIFY(!b.inhibit.holds()); // nothing raised while the device is away
            b.silent = false;
        } else {
            b.stop(true);
            b.silent = false;
        }
        QVERIFY(!b.inhibit.holds());
        b.run(500);
        if (trouble == QLatin1String("disconnect")) {
            QVERIFY(b.queue.isEmpty()); // the inhibit's lowering went out
        }
    }
    b.run(3000);
    QCOMPARE(b.wire, wire);
    QCOMPARE(b.antenna, antennaAtEnd);
    QVERIFY(!b.inhibit.holds());
}

// A panel that died holding the inhibit: the next one lowers it, once.
void TestTxInhibit::leftOnAtConnect()
{
    Bench b;
    b.gpo = 1u << (inhibitGpo - 1);
    b.run(400);
    QCOMPARE(b.wire, QStringList {"GPO 3 off"});
    QVERIFY(!b.inhibit.holds());
}

QTEST_APPLESS_MAIN(TestTxInhibit)
#include "tst_txinhibit.moc"
