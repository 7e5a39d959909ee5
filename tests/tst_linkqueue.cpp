#include <QTest>

#include "app/settingskeys.h"
#include "commandsupport.h"
#include "link/linkqueue.h"
#include "link/transmitguard.h"

#include <QRandomGenerator>

// The link worker's outgoing queue: polls never pile up or hold a command
// back, a newer command for the same thing takes the older one's place, no
// command is lost, and the queue stays flat while nothing can leave.
class TestLinkQueue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replacement_data();
    void replacement();
    void unresolvableHostKeepsQueueFlat();
    void noSwitchUnderPower_data();
    void noSwitchUnderPower();
    void sourceLostWhileKeyed();
    void firstWordStartsTheHang_data();
    void firstWordStartsTheHang();
};

namespace {

DeviceCommand commandOf(const QString& hex)
{
    return commandFromHex(hex);
}

QList<DeviceCommand> queueOf(const QStringList& hexPayloads)
{
    QList<DeviceCommand> queue;
    for (const QString& hex : hexPayloads) {
        queue.append(commandOf(hex));
    }
    return queue;
}

QStringList payloadsOf(const QList<DeviceCommand>& queue)
{
    QStringList hex;
    for (const DeviceCommand& command : queue) {
        hex.append(QString::fromLatin1(frameCommand(command).toHex().toUpper()));
    }
    return hex;
}

const QString poll = QStringLiteral("FE01FD");
const QString splitOff = QStringLiteral("FE03000000FD");
const QString rtx = QStringLiteral("FE0601FD");

} // namespace

void TestLinkQueue::replacement_data()
{
    QTest::addColumn<QStringList>("waiting");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty queue") << QStringList() << "FE0205FD" << QStringList {"FE0205FD"};
    QTest::newRow("a command goes ahead of the waiting poll")
        << QStringList {"FE040201FD", splitOff, poll} << "FE0205FD"
        << QStringList {"FE040201FD", splitOff, "FE0205FD", poll};
    QTest::newRow("split off stays ahead of antenna")
        << QStringList {splitOff, poll} << "FE0203FD" << QStringList {splitOff, "FE0203FD", poll};
    QTest::newRow("a newer antenna takes the waiting one's place in line")
        << QStringList {"FE0201FD", "FE040201FD", poll} << "FE0207FD" << QStringList {"FE0207FD", "FE040201FD", poll};
    QTest::newRow("GPO 3 off replaces GPO 3 on, not GPO 4")
        << QStringList {"FE040201FD", "FE040301FD"} << "FE040200FD" << QStringList {"FE040200FD", "FE040301FD"};
    // While split is on an antenna names the receive antenna: it may not
    // overtake a split command.
    QTest::newRow("an antenna does not jump a split behind the one it replaces")
        << QStringList {"FE0203FD", "FE03010403FD"} << "FE0206FD"
        << QStringList {"FE0203FD", "FE03010403FD", "FE0206FD"};
    QTest::newRow("commands keep their order") << QStringList {"FE040300FD", splitOff, "FE050300FD", poll} << "FE020FFD"
                                               << QStringList {"FE040300FD", splitOff, "FE050300FD", "FE020FFD", poll};
    QTest::newRow("a new poll finds the waiting one") << QStringList {rtx, poll} << poll << QStringList {rtx, poll};
    QTest::newRow("a poll waits behind the commands") << QStringList {rtx} << poll << QStringList {rtx, poll};
    // Each of these used to vanish when an antenna command followed it.
    QTest::newRow("antenna keeps GPO 2, RTX and split on")
        << QStringList {"FE040100FD", rtx, "FE03010504FD"} << "FE0205FD"
        << QStringList {"FE040100FD", rtx, "FE03010504FD", "FE0205FD"};
    QTest::newRow("GPO 3 keeps a waiting antenna")
        << QStringList {"FE0209FD"} << "FE040201FD" << QStringList {"FE0209FD", "FE040201FD"};
}

void TestLinkQueue::replacement()
{
    QFETCH(QStringList, waiting);
    QFETCH(QString, added);
    QFETCH(QStringList, expected);
    QList<DeviceCommand> queue = queueOf(waiting);
    enqueueMerging(queue, commandOf(added));
    QCOMPARE(payloadsOf(queue), expected);
}

void TestLinkQueue::unresolvableHostKeepsQueueFlat()
{
    // Polls every 160 ms for an hour with nothing leaving, a held F4 (75
    // repeats), a radio spun across bands, GPO 2 toggled: one command per
    // thing waits, in the order the things were first asked for.
    QList<DeviceCommand> queue;
    for (int i = 0; i < 3600 * 6; ++i) {
        enqueueMerging(queue, commandOf(poll));
        if (i == 10) {
            enqueueMerging(queue, commandOf(rtx));
        }
        if (i >= 20 && i < 95) {
            enqueueMerging(queue, commandOf("FE0203FD"));
        }
        if (i >= 100 && i < 120) {
            enqueueMerging(queue, deviceCommand(2, static_cast<quint8>(i % 12)));
            enqueueMerging(queue, deviceCommand(4, 1, static_cast<quint8>(i % 2)));
        }
    }
    QCOMPARE(payloadsOf(queue), (QStringList {rtx, "FE020BFD", "FE040101FD", poll}));
}

// CW break-in or VOX: the PTT keyed 150-400 ms and released 60-200 ms, 20
// times, then released for good. A switch wished for in the first gap, and
// one sent again while keyed, leave only once the PTT has stayed released
// for the hang time; polls keep going all along, and RELEASE never waits.
// The PTT is seen as rigctld's polls or the device's reports give it (a
// sample every 250 or 160 ms), or pushed on every change as a logger does.
void TestLinkQueue::noSwitchUnderPower_data()
{
    QTest::addColumn<int>("hangMs");
    QTest::addColumn<int>("sampleMs"); // 0: every change is pushed
    QTest::addColumn<QString>("wish"); // given in the first gap
    QTest::addColumn<bool>("waits");
    QTest::addColumn<int>("shortestKeyMs");
    QTest::addColumn<int>("shortestGapMs");
    QTest::addColumn<int>("longestGapMs");
    QTest::addColumn<int>("keyingHangMs"); // 0: none

    QTest::newRow("band's antenna, PTT pushed") << 300 << 0 << "FE0206FD" << true << 150 << 60 << 200 << 0;
    QTest::newRow("band's antenna, PTT polled") << 300 << 250 << "FE0206FD" << true << 150 << 60 << 200 << 0;
    QTest::newRow("band's antenna, SEND in reports") << 300 << 160 << "FE0206FD" << true << 150 << 60 << 200 << 0;
    QTest::newRow("split pair, PTT polled") << 300 << 250 << "FE03010406FD" << true << 150 << 60 << 200 << 0;
    QTest::newRow("RELEASE") << 300 << 250 << "FE020FFD" << false << 150 << 60 << 200 << 0;
    // A hang of 0 is raised to the floor; rigctld is read every 25 ms
    // while keyed, and the PTT flaps: keyed 50-400 ms, released 30-200 ms.
    QTest::newRow("hang 0, PTT flapping") << 0 << 25 << "FE0206FD" << true << 50 << 30 << 200 << 0;
    // CW on the device's SEND at 20 WPM while the radio reads phone: word
    // spaces of 420 ms outlast the phone hang, and two SEND samples may fall
    // in one; the keying hang holds the switch to the end of the call.
    QTest::newRow("CW keyed on SEND, radio in phone") << 300 << 160 << "FE0206FD" << true << 170 << 60 << 420 << 790;
}

void TestLinkQueue::noSwitchUnderPower()
{
    QFETCH(int, hangMs);
    QFETCH(int, sampleMs);
    QFETCH(QString, wish);
    QFETCH(bool, waits);
    QFETCH(int, shortestKeyMs);
    QFETCH(int, shortestGapMs);
    QFETCH(int, longestGapMs);
    QFETCH(int, keyingHangMs);

    // PTT edges: keyed from .first to .second.
    QRandomGenerator random(3);
    std::vector<std::pair<qint64, qint64>> keyed;
    qint64 t = 1000;
    for (int i = 0; i < 20; ++i) {
        const qint64 on = t;
        t += shortestKeyMs + random.bounded(401 - shortestKeyMs);
        keyed.emplace_back(on, t);
        t += shortestGapMs + random.bounded(longestGapMs + 1 - shortestGapMs);
    }
    const qint64 lastRelease = keyed.back().second;
    const auto pttAt = [&](qint64 at) {
        return std::any_of(keyed.begin(), keyed.end(), [at](const auto& k) { return at >= k.first && at < k.second; });
    };

    TransmitGuard guard {settingskey::bandfollow::TxHangMs.fallback};
    guard.setHangMs(hangMs);
    guard.setKeyingHangMs(keyingHangMs);
    guard.setPolled(TransmitGuard::Signal::RadioPtt, sampleMs > 0);
    QList<DeviceCommand> queue;
    DeviceCommand switchCommand = commandOf(wish);
    switchCommand.guarded = switchesAntenna(switchCommand);
    qint64 lastWrite = -1000;
    qint64 lastPoll = 0;
    qint64 longestPollGap = 0;
    std::vector<qint64> switchesAt;
    for (qint64 now = 0; now < lastRelease + 2000; ++now) {
        if (sampleMs > 0 ? now % sampleMs == 7 : pttAt(now) != pttAt(now - 1)) {
            guard.set(TransmitGuard::Signal::RadioPtt, pttAt(now), now);
        }
        if (now == keyed.front().second + 10) {
            enqueueMerging(queue, switchCommand);
        }
        if (now == keyed[10].first + 50) {
            // Confirmation sends it again while keyed.
            enqueueMerging(queue, switchCommand);
        }
        if (now % 160 == 0) {
            enqueueMerging(queue, deviceCommand(1));
        }
        if (now - lastWrite < 90) {
            continue;
        }
        const int index = nextToWrite(queue, guard.isOpen(now));
        if (index < 0) {
            continue;
        }
        const DeviceCommand written = queue.takeAt(index);
        lastWrite = now;
        if (written.isPoll()) {
            longestPollGap = std::max(longestPollGap, now - lastPoll);
            lastPoll = now;
        } else {
            QVERIFY2(!waits || !pttAt(now), qPrintable(QStringLiteral("switched under power at %1 ms").arg(now)));
            switchesAt.push_back(now);
        }
    }
    QVERIFY(longestPollGap <= 250);
    if (waits) {
        // Merged while it waited: one command, after the last release and the hang.
        QCOMPARE(switchesAt.size(), std::size_t(1));
        QVERIFY2(switchesAt.front() >= lastRelease + guard.hangNowMs(),
                 qPrintable(QString::number(switchesAt.front() - lastRelease)));
        QVERIFY(switchesAt.front() < lastRelease + guard.hangNowMs() + sampleMs + 200);
    } else {
        QCOMPARE(switchesAt.size(), std::size_t(2));
        QVERIFY(switchesAt.front() < keyed.front().second + 200);
    }
}

// A source that goes away while it says transmit ends that transmission:
// the hang time runs from then, as after a release.
void TestLinkQueue::sourceLostWhileKeyed()
{
    TransmitGuard guard {settingskey::bandfollow::TxHangMs.fallback};
    guard.setPolled(TransmitGuard::Signal::RadioPtt, false);
    guard.set(TransmitGuard::Signal::RadioPtt, true, 1000);
    QVERIFY(!guard.isOpen(1500));
    guard.forget(TransmitGuard::Signal::RadioPtt, 2000);
    QVERIFY(!guard.isOpen(2000 + guard.hangMs() - 1));
    QVERIFY(guard.isOpen(2000 + guard.hangMs()));
}

// A sampled signal's first word of receive may fall in a gap of a CW call
// already on: the hang runs from it. A pushed one told every change.
void TestLinkQueue::firstWordStartsTheHang_data()
{
    QTest::addColumn<bool>("polled");
    QTest::addColumn<bool>("forgottenFirst");
    QTest::newRow("SEND at Connect") << true << false;
    QTest::newRow("SEND back after the device was silent") << true << true;
    QTest::newRow("a logger's flag") << false << false;
}

void TestLinkQueue::firstWordStartsTheHang()
{
    QFETCH(bool, polled);
    QFETCH(bool, forgottenFirst);
    TransmitGuard guard {settingskey::bandfollow::TxHangMs.fallback};
    const auto signal = TransmitGuard::Signal::DeviceSend;
    guard.setPolled(signal, polled);
    if (forgottenFirst) {
        guard.set(signal, false, 0);
        guard.forget(signal, 10);
    }
    guard.set(signal, false, 1000);
    QCOMPARE(guard.isOpen(1000), !polled);
    guard.set(signal, false, 1000 + guard.hangMs());
    QVERIFY(guard.isOpen(1000 + guard.hangMs()));
}

QTEST_APPLESS_MAIN(TestLinkQueue)
#include "tst_linkqueue.moc"
