#include <QTest>

#include "commandsupport.h"
#include "link/command.h"
#include "link/pendingcommands.h"

// Confirmed switching without sockets: when a report may judge a command,
// what agrees with it, resending and giving up.
class TestConfirmation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void verdicts_data();
    void verdicts();
    void newerCommandTakesOverItsFields();
    void noAntennaIsAnyValueOutsideTheKeys_data();
    void noAntennaIsAnyValueOutsideTheKeys();
};

// One command, then reports: each either answers a poll written before the
// command (old) or after it (new), and shows the pressed antenna or not.
void TestConfirmation::verdicts_data()
{
    QTest::addColumn<QString>("reports"); // o/n: old/new poll; + agrees, - disagrees
    QTest::addColumn<int>("resends");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<bool>("split"); // split on, transmitting on Ant 5, instead of Ant 5
    QTest::addColumn<int>("busy"); // the antenna reports show in use elsewhere; -1: none

    QTest::newRow("old reports judge nothing") << "o- o- o-" << 0 << false << "" << false << -1;
    QTest::newRow("first new report confirms") << "o- n+" << 0 << true << "" << false << -1;
    QTest::newRow("disagreement sends again") << "n- " << 1 << false << "" << false << -1;
    QTest::newRow("second send confirmed") << "n- n+" << 1 << true << "" << false << -1;
    QTest::newRow("third send confirmed") << "n- n- n+" << 2 << true << "" << false << -1;
    QTest::newRow("three disagreements: the device wins") << "n- n- n-" << 2 << false << "Ant 5" << false << -1;
    QTest::newRow("an old agreement is no confirmation") << "o+ o-" << 0 << false << "" << false << -1;
    QTest::newRow("taken elsewhere meanwhile: not sent again") << "n-" << 0 << false << "Ant 5" << false << 4;
    QTest::newRow("split's transmit antenna taken elsewhere") << "n-" << 0 << false << "SPLIT" << true << 4;
}

void TestConfirmation::verdicts()
{
    QFETCH(QString, reports);
    QFETCH(int, resends);
    QFETCH(bool, confirmed);
    QFETCH(QString, refused);
    QFETCH(bool, split);
    QFETCH(int, busy);
    const DeviceCommand command = split ? deviceCommand(3, 1, 0, 4) : antenna(4);

    PendingCommands pending;
    quint64 serial = 0;
    const auto write = [&](const DeviceCommand& command) {
        pending.recordWrite(command, ++serial);
        return serial;
    };
    const quint64 oldPoll = write(deviceCommand(1));
    QVERIFY(pending.add(command, false));
    write(command);

    int sent = 0;
    QStringList notConfirmed;
    QStringList confirmedNames;
    for (const QString& report : reports.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool isNew = report.at(0) == QLatin1Char('n');
        const quint64 answered = isNew ? write(deviceCommand(1)) : oldPoll;
        DeviceState state = onAntenna(report.at(1) == QLatin1Char('+') ? 4 : 2);
        state.busyMask1to8 = busy >= 0 ? quint8(1u << busy) : 0;
        const auto verdicts = pending.judge(state, answered);
        notConfirmed += verdicts.notConfirmed;
        confirmedNames += verdicts.confirmed;
        // Whatever the report said, the panel shows Ant 5 until the device
        // has had its say three times.
        if (pending.count() > 0) {
            QCOMPARE(int(state.selectedAntenna), 4);
        }
        for (const DeviceCommand& resent : verdicts.resend) {
            QVERIFY(resent == command);
            // Sent again on its own, a switch waits for the station to receive.
            QVERIFY(resent.guarded);
            ++sent;
            write(resent);
        }
    }
    QCOMPARE(sent, resends);
    QCOMPARE(pending.count() == 0 && notConfirmed.isEmpty(), confirmed);
    QCOMPARE(notConfirmed.join(QLatin1Char(',')), refused);
    // The journal's "confirmed after" rests on this.
    QCOMPARE(confirmedNames.join(QLatin1Char(',')),
             confirmed ? QString::fromLatin1(split ? "SPLIT" : "Ant 5") : QString());
}

void TestConfirmation::newerCommandTakesOverItsFields()
{
    PendingCommands pending;
    // Split on (receive Ant 3, transmit Ant 1), then Ant 6 as the new receive
    // antenna, then GPO 2 on and RTX: each keeps what no later one asks for.
    QVERIFY(pending.add(deviceCommand(3, 1, 2, 0), false));
    QVERIFY(pending.add(antenna(5), true));
    QVERIFY(pending.add(deviceCommand(4, 1, 1), true));
    QVERIFY(pending.add(deviceCommand(6, 1), true));
    QVERIFY(!pending.add(deviceCommand(1), true));
    QCOMPARE(pending.count(), 4);

    DeviceState state; // the device still reports split off, RX, GPO off
    state.rxActive = 1;
    pending.overlay(state);
    QCOMPARE(int(state.splitActive), 1);
    QCOMPARE(int(state.selectedAntenna), 0);
    QCOMPARE(int(state.splitRxAntenna), 5);
    QCOMPARE(int(state.gpoStates), 0x02);
    QCOMPARE(int(state.rtxActive), 1);
    QCOMPARE(int(state.rxActive), 0);

    // Ant 4 then Ant 5 outside split: only Ant 5 is still asked for.
    PendingCommands antennas;
    antennas.add(antenna(3), false);
    antennas.add(antenna(4), false);
    QCOMPARE(antennas.count(), 1);
}

// RELEASE (15) and a split's receive antenna "none" are confirmed by any
// report value that names no antenna, as the panel paints it.
void TestConfirmation::noAntennaIsAnyValueOutsideTheKeys_data()
{
    QTest::addColumn<bool>("split");
    QTest::addColumn<int>("reported");
    QTest::addColumn<bool>("confirmed");

    QTest::newRow("RELEASE, report 15") << false << 15 << true;
    QTest::newRow("RELEASE, report FF") << false << 0xFF << true;
    QTest::newRow("RELEASE, report 12") << false << 12 << true;
    QTest::newRow("RELEASE, report Ant 12") << false << 11 << false;
    QTest::newRow("receive none, report FF") << true << 0xFF << true;
    QTest::newRow("receive none, report Ant 1") << true << 0 << false;
}

void TestConfirmation::noAntennaIsAnyValueOutsideTheKeys()
{
    QFETCH(bool, split);
    QFETCH(int, reported);
    QFETCH(bool, confirmed);

    PendingCommands pending;
    QVERIFY(pending.add(antenna(15), split));
    pending.recordWrite(antenna(15), 1);
    DeviceState state = onAntenna(3);
    state.splitActive = split ? 1 : 0;
    (split ? state.splitRxAntenna : state.selectedAntenna) = static_cast<quint8>(reported);
    const auto verdicts = pending.judge(state, 2);
    QCOMPARE(pending.count() == 0, confirmed);
    QCOMPARE(verdicts.resend.isEmpty(), confirmed);
}

QTEST_APPLESS_MAIN(TestConfirmation)
#include "tst_confirmation.moc"
