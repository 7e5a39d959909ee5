#include <QRandomGenerator>
#include <QTest>

#include <map>

#include "link/command.h"
#include "link/linkledger.h"
#include "panel/confirmation.h"

// Confirmed switching without sockets: which poll a report answers, when a
// report may judge a command, resending and giving up, and a simulated
// remote station that must never show the previous antenna again.
class TestConfirmation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ledgerMatchesOldestPoll();
    void ledgerGivesUpOnLostPolls();
    void verdicts_data();
    void verdicts();
    void newerCommandTakesOverItsFields();
    void remoteStation_data();
    void remoteStation();
};

namespace {

QByteArray antenna(int position)
{
    return frameCommand(2, static_cast<quint8>(position));
}

DeviceState onAntenna(int position)
{
    DeviceState state;
    state.selectedAntenna = static_cast<quint8>(position);
    state.rtxActive = 1;
    return state;
}

} // namespace

void TestConfirmation::ledgerMatchesOldestPoll()
{
    LinkLedger ledger;
    const quint64 first = ledger.recordWrite(true, 1000);
    const quint64 command = ledger.recordWrite(false, 1090);
    const quint64 second = ledger.recordWrite(true, 1180);
    QVERIFY(first < command && command < second);

    // 300 ms away: answers come back in the order the polls left.
    const auto a = ledger.recordReport(1300);
    QVERIFY(a.has_value());
    QCOMPARE(a->serial, first);
    const auto b = ledger.recordReport(1480);
    QVERIFY(b.has_value());
    QCOMPARE(b->serial, second);
    QCOMPARE(ledger.roundTrip(), qint64(300));
    // Nothing asked: nothing answered.
    QVERIFY(!ledger.recordReport(1500).has_value());
    QCOMPARE(ledger.lossPercent(1500), 0);
}

void TestConfirmation::ledgerGivesUpOnLostPolls()
{
    LinkLedger ledger;
    // Ten polls 160 ms apart on a 100 ms link; the answers to #3 and #7 are
    // lost.
    for (int i = 0; i < 10; ++i) {
        ledger.recordWrite(true, 160 * i);
    }
    int answered = 0;
    for (int i = 0; i < 10; ++i) {
        if (i != 3 && i != 7 && ledger.recordReport(160 * i + 100)) {
            ++answered;
        }
    }
    QCOMPARE(answered, 8);
    // Still waiting for two answers until they are too old to come.
    const qint64 later = 160 * 9 + ledger.lostAfter() + 1;
    QCOMPARE(ledger.lossPercent(later), 20);
    // A poll written now is matched at once, not behind the lost ones.
    const quint64 fresh = ledger.recordWrite(true, later);
    const auto reply = ledger.recordReport(later + 100);
    QVERIFY(reply.has_value());
    QCOMPARE(reply->serial, fresh);
}

// One command, then reports: each either answers a poll written before the
// command (old) or after it (new), and shows the pressed antenna or not.
void TestConfirmation::verdicts_data()
{
    QTest::addColumn<QString>("reports"); // o/n: old/new poll; + agrees, - disagrees
    QTest::addColumn<int>("resends");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("refused");

    QTest::newRow("old reports judge nothing") << "o- o- o-" << 0 << false << "";
    QTest::newRow("first new report confirms") << "o- n+" << 0 << true << "";
    QTest::newRow("disagreement sends again") << "n- " << 1 << false << "";
    QTest::newRow("second send confirmed") << "n- n+" << 1 << true << "";
    QTest::newRow("third send confirmed") << "n- n- n+" << 2 << true << "";
    QTest::newRow("three disagreements: the device wins") << "n- n- n-" << 2 << false << "Ant 5";
    QTest::newRow("an old agreement is no confirmation") << "o+ o-" << 0 << false << "";
}

void TestConfirmation::verdicts()
{
    QFETCH(QString, reports);
    QFETCH(int, resends);
    QFETCH(bool, confirmed);
    QFETCH(QString, refused);

    LinkLedger ledger;
    PendingCommands pending;
    qint64 now = 0;
    const auto write = [&](const QByteArray& payload) {
        now += 90;
        const quint64 serial = ledger.recordWrite(payload == frameCommand(1), now);
        pending.recordWrite(payload, serial);
        return serial;
    };
    const quint64 oldPoll = write(frameCommand(1));
    QVERIFY(pending.add(antenna(4), false));
    write(antenna(4));

    int sent = 0;
    QStringList notConfirmed;
    for (const QString& report : reports.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool isNew = report.at(0) == QLatin1Char('n');
        const quint64 answered = isNew ? write(frameCommand(1)) + 0 : oldPoll;
        DeviceState state = onAntenna(report.at(1) == QLatin1Char('+') ? 4 : 2);
        const auto verdicts = pending.judge(state, answered);
        notConfirmed += verdicts.notConfirmed;
        // Whatever the report said, the panel shows Ant 5 until the device
        // has had its say three times.
        if (pending.count() > 0) {
            QCOMPARE(int(state.selectedAntenna), 4);
        }
        for (const QByteArray& payload : verdicts.resend) {
            QCOMPARE(payload, antenna(4));
            ++sent;
            write(payload);
        }
    }
    QCOMPARE(sent, resends);
    QCOMPARE(pending.count() == 0 && notConfirmed.isEmpty(), confirmed);
    QCOMPARE(notConfirmed.join(QLatin1Char(',')), refused);
}

void TestConfirmation::newerCommandTakesOverItsFields()
{
    PendingCommands pending;
    // Split on (receive Ant 3, transmit Ant 1), then Ant 6 as the new receive
    // antenna, then GPO 2 on and RTX: each keeps what no later one asks for.
    QVERIFY(pending.add(frameCommand(3, 1, 2, 0), false));
    QVERIFY(pending.add(antenna(5), true));
    QVERIFY(pending.add(frameCommand(4, 1, 1), true));
    QVERIFY(pending.add(frameCommand(6, 1), true));
    QVERIFY(!pending.add(frameCommand(1), true));
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

// A remote station as merax-sim plays it: commands carried out on arrival,
// replies late by `delay` plus up to `jitter`, some lost either way. The
// panel polls every 160 ms, the link spaces datagrams 90 ms apart, and the
// operator presses a new antenna every 1.5 s.
void TestConfirmation::remoteStation_data()
{
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("jitter");
    QTest::addColumn<int>("lossIn");
    QTest::addColumn<int>("lossOut");

    QTest::newRow("LAN") << 2 << 0 << 0 << 0;
    QTest::newRow("300 ms") << 300 << 0 << 0 << 0;
    QTest::newRow("600 ms") << 600 << 0 << 0 << 0;
    QTest::newRow("1000 ms") << 1000 << 0 << 0 << 0;
    QTest::newRow("600 ms, jitter 100, 20 % lost both ways") << 600 << 100 << 20 << 20;
    QTest::newRow("300 ms, 40 % of replies lost") << 300 << 0 << 0 << 40;
}

void TestConfirmation::remoteStation()
{
    QFETCH(int, delay);
    QFETCH(int, jitter);
    QFETCH(int, lossIn);
    QFETCH(int, lossOut);

    QRandomGenerator random(42);
    LinkLedger ledger;
    PendingCommands pending;
    DeviceState panel = onAntenna(0);
    int device = 0; // the device's antenna
    std::multimap<qint64, int> replies; // arrival time -> antenna reported
    QList<QByteArray> queue;
    qint64 lastWrite = -1000;
    int pressed = 0;
    int presses = 0;
    int refusals = 0;

    for (qint64 now = 0; now < 40000; ++now) {
        if (now % 1500 == 700 && presses < 20) {
            pressed = (pressed + 5) % 12;
            ++presses;
            panel.selectedAntenna = static_cast<quint8>(pressed);
            pending.add(antenna(pressed), false);
            queue.append(antenna(pressed));
        }
        if (now % 160 == 0 && !queue.contains(frameCommand(1))) {
            queue.append(frameCommand(1));
        }
        if (!queue.isEmpty() && now - lastWrite >= 90) {
            const QByteArray payload = queue.takeFirst();
            lastWrite = now;
            const bool poll = payload == frameCommand(1);
            const quint64 serial = ledger.recordWrite(poll, now);
            pending.recordWrite(payload, serial);
            if (int(random.bounded(100)) >= lossIn) {
                if (poll) {
                    if (int(random.bounded(100)) >= lossOut) {
                        replies.emplace(now + delay + (jitter ? random.bounded(jitter + 1) : 0), device);
                    }
                } else {
                    device = static_cast<quint8>(payload.at(2));
                }
            }
        }
        for (auto it = replies.begin(); it != replies.end() && it->first == now;) {
            const int previous = panel.selectedAntenna;
            DeviceState reported = onAntenna(it->second);
            const auto answered = ledger.recordReport(now);
            const auto verdicts =
                pending.judge(reported, answered ? std::optional<quint64>(answered->serial) : std::nullopt);
            refusals += verdicts.notConfirmed.size();
            queue += verdicts.resend;
            panel = reported;
            // The one thing the operator must never see: the previous antenna
            // lit again after a press.
            if (verdicts.notConfirmed.isEmpty() && previous == pressed) {
                QVERIFY2(panel.selectedAntenna == pressed,
                         qPrintable(QStringLiteral("at %1 ms: Ant %2 shown after Ant %3 was pressed")
                                        .arg(now)
                                        .arg(panel.selectedAntenna + 1)
                                        .arg(pressed + 1)));
            }
            it = replies.erase(it);
        }
    }
    QCOMPARE(presses, 20);
    QCOMPARE(refusals, 0);
    QCOMPARE(pending.count(), 0);
    QCOMPARE(device, pressed);
    QCOMPARE(int(panel.selectedAntenna), pressed);
    if (lossIn + lossOut == 0) {
        QVERIFY2(qAbs(ledger.roundTrip() - delay) <= 1, qPrintable(QString::number(ledger.roundTrip())));
    }
}

QTEST_APPLESS_MAIN(TestConfirmation)
#include "tst_confirmation.moc"
