#include <QHostAddress>
#include <QRandomGenerator>
#include <QTest>

#include <functional>
#include <map>

#include "app/settingskeys.h"
#include "commandsupport.h"
#include "link/command.h"
#include "link/linkqueue.h"
#include "link/linksession.h"
#include "link/transmitguard.h"
#include "panel/bandfollow.h"
#include "panel/indicatorstyles.h"
#include "panel/panellooks.h"
#include "panel/switchlogic.h"

// The link session without sockets, against a remote station as merax-sim
// plays it: commands carried out on arrival, reports late by `delay` plus up
// to `jitter`, some lost. The panel asks for a report every 160 ms when the
// session lets it, the wire spaces datagrams 90 ms apart, time moves in
// whole milliseconds.
class TestLinkSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchingRecovers_data();
    void matchingRecovers();
    void splitOnTheWay_data();
    void splitOnTheWay();
    void refusedSwitchAfterLossyMinute_data();
    void refusedSwitchAfterLossyMinute();
    void remoteStation_data();
    void remoteStation();
    void heldSwitchLooksHeld_data();
    void heldSwitchLooksHeld();
    void answerPortLearntFromAnswersOnly_data();
    void answerPortLearntFromAnswersOnly();
};

namespace {

// The device's switching state as reports give it.
struct Switch
{
    quint8 antenna = 0;
    quint8 split = 0;
    quint8 rx = 0;
};

class Station
{
public:
    explicit Station(std::function<int(qint64 now)> delay, int jitter = 0)
        : delayAt(std::move(delay))
        , jitter(jitter)
    {
        session.setDevice(QStringLiteral("127.0.0.1"));
        session.start(0);
    }
    Station(int delay, int jitter)
        : Station([delay](qint64) { return delay; }, jitter)
    {
    }

    // Decided when the poll is written: whether its report goes missing.
    std::function<bool(qint64 writtenAt)> reportLost = [](qint64) { return false; };
    // The device's SEND input.
    std::function<bool(qint64 at)> keyed = [](qint64) { return false; };
    // Fed the SEND of every report; holds guarded commands in the queue.
    TransmitGuard guard {settingskey::bandfollow::TxHangMs.fallback};
    int lossInPercent = 0; // datagrams towards the device
    int refusedAntenna = -1;

    struct Match
    {
        qint64 at;
        quint64 truth; // the poll the device answered
        LinkLedger::Answer answer;
    };
    std::vector<Match> matches;
    std::vector<std::pair<qint64, DeviceCommand>> written;
    std::vector<std::pair<qint64, QString>> notices;
    LinkSession session;
    DeviceState panel = onAntenna(0);
    Switch device;
    QRandomGenerator random {42};

    // The operator's command, as the panel gives it.
    void give(const DeviceCommand& command)
    {
        if (session.commandGiven(command, panel)) {
            enqueueMerging(queue, command);
        }
    }
    void press(int position)
    {
        panel.selectedAntenna = static_cast<quint8>(position);
        give(antenna(position));
    }

    // Runs to `end`; `each` sees every millisecond after its step.
    void runUntil(qint64 end, const std::function<void()>& each = {})
    {
        for (; now < end; ++now) {
            step();
            if (each) {
                each();
            }
        }
    }

    qint64 now = 0;

private:
    struct Reply
    {
        Switch state;
        quint64 poll;
        bool send;
    };

    void carryOut(const DeviceCommand& c)
    {
        if (c.type == 2 && c.first != refusedAntenna) {
            (device.split ? device.rx : device.antenna) = c.first;
        } else if (c.type == 3) {
            device = c.first == 1 ? Switch {c.third, 1, c.second} : Switch {device.antenna, 0, device.rx};
        }
    }

    void step()
    {
        if (now % 160 == 0 && session.pollDue(now)) {
            enqueueMerging(queue, deviceCommand(1));
        }
        const int next = nextToWrite(queue, guard.isOpen(now));
        if (next >= 0 && now - lastWrite >= 90) {
            const DeviceCommand command = queue.takeAt(next);
            lastWrite = now;
            const quint64 serial = session.wrote(command, now);
            written.emplace_back(now, command);
            if (int(random.bounded(100)) >= lossInPercent) {
                if (!command.isPoll()) {
                    carryOut(command);
                } else if (!reportLost(now)) {
                    const int late = delayAt(now) + (jitter ? int(random.bounded(jitter + 1)) : 0);
                    replies.emplace(now + late, Reply {device, serial, keyed(now)});
                }
            }
        }
        for (auto it = replies.begin(); it != replies.end() && it->first == now;) {
            DeviceState reported = onAntenna(it->second.state.antenna);
            reported.splitActive = it->second.state.split;
            reported.splitRxAntenna = it->second.state.rx;
            reported.sendActive = it->second.send ? 1 : 0;
            guard.set(TransmitGuard::Signal::DeviceSend, it->second.send, now);
            session.guardMoved(guard.openAt(), now);
            if (!session.reportArrived(now)) {
                matches.push_back({now, it->second.poll, session.lastAnswer()});
                it = replies.erase(it);
                continue;
            }
            const auto verdicts = session.reportApplied(reported);
            matches.push_back({now, it->second.poll, session.lastAnswer()});
            for (const QString& name : verdicts.notConfirmed) {
                notices.emplace_back(now, name);
            }
            for (const DeviceCommand& command : verdicts.resend) {
                enqueueMerging(queue, command);
            }
            panel = reported;
            it = replies.erase(it);
        }
    }

    std::function<int(qint64)> delayAt;
    int jitter;
    QList<DeviceCommand> queue;
    std::multimap<qint64, Reply> replies;
    qint64 lastWrite = -1000;
};

} // namespace

// Each report is matched on its own: after any loss the matches come right
// again at once, and the round trip shown is the true one.
void TestLinkSession::matchingRecovers_data()
{
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("jitter");
    QTest::addColumn<qint64>("troubleFrom"); // polls written in [from, to) are
    QTest::addColumn<qint64>("troubleTo");
    QTest::addColumn<int>("lateBy"); // ... answered this much late, or never (-1)
    QTest::addColumn<int>("randomLoss"); // per cent, all along

    QTest::newRow("LAN, one report lost") << 1 << 0 << qint64(5000) << qint64(5100) << -1 << 0;
    QTest::newRow("300 ms, one report lost") << 300 << 0 << qint64(5000) << qint64(5100) << -1 << 0;
    QTest::newRow("600 ms, three in a row lost") << 600 << 0 << qint64(5000) << qint64(5400) << -1 << 0;
    QTest::newRow("LAN, 3 s outage") << 1 << 0 << qint64(5000) << qint64(8000) << -1 << 0;
    QTest::newRow("300 ms, 3 s outage") << 300 << 0 << qint64(5000) << qint64(8000) << -1 << 0;
    QTest::newRow("100 ms, one report 230 ms late") << 100 << 0 << qint64(5000) << qint64(5100) << 230 << 0;
    QTest::newRow("1300 ms from Connect") << 1300 << 0 << qint64(0) << qint64(0) << -1 << 0;
    QTest::newRow("LAN, 20 % lost") << 1 << 0 << qint64(0) << qint64(0) << -1 << 20;
    QTest::newRow("250 ms, jitter 40, 20 % lost") << 250 << 40 << qint64(0) << qint64(0) << -1 << 20;
}

void TestLinkSession::matchingRecovers()
{
    QFETCH(int, delay);
    QFETCH(int, jitter);
    QFETCH(qint64, troubleFrom);
    QFETCH(qint64, troubleTo);
    QFETCH(int, lateBy);
    QFETCH(int, randomLoss);

    const auto troubled = [=](qint64 at) { return at >= troubleFrom && at < troubleTo; };
    Station station([=](qint64 at) { return delay + (troubled(at) ? std::max(lateBy, 0) : 0); }, jitter);
    QRandomGenerator loss(7);
    station.reportLost = [&](qint64 at) { return (troubled(at) && lateBy < 0) || int(loss.bounded(100)) < randomLoss; };
    station.runUntil(60000);

    // A report judges only commands older than the poll it answers: judged
    // by a later poll it would condemn a command it cannot show.
    int wrong = 0;
    for (const Station::Match& m : station.matches) {
        const std::optional<quint64>& judged = m.answer.judgedBy;
        QVERIFY2(
            !judged || *judged <= m.truth,
            qPrintable(QStringLiteral("at %1 ms: poll %2 answered, %3 judges").arg(m.at).arg(m.truth).arg(*judged)));
        wrong += !m.answer.poll || m.answer.poll->serial != m.truth ? 1 : 0;
    }
    // The ten reports after the trouble are matched right.
    const auto after = std::find_if(station.matches.begin(), station.matches.end(), [&](const Station::Match& m) {
        return m.at >= troubleTo + delay + jitter + std::max(lateBy, 0);
    });
    QVERIFY(station.matches.end() - after >= 10);
    for (auto m = after; m != after + 10; ++m) {
        QVERIFY(m->answer.poll);
        QCOMPARE(m->answer.poll->serial, m->truth);
    }
    if (randomLoss > 0) {
        QVERIFY2(wrong <= int(station.matches.size()) / 20, qPrintable(QString::number(wrong)));
    }
    station.session.figuresChanged(station.now);
    const QString figures = station.session.figures();
    QVERIFY2(figures.startsWith(QStringLiteral("Ping: ")), qPrintable(figures));
    const int shown = figures.mid(6).section(QLatin1Char(' '), 0, 0).toInt();
    QVERIFY2(shown >= delay && shown <= delay + jitter, qPrintable(figures));
}

// Split set up and undone while commands are still on their way: every
// command ends confirmed, and the panel shows what the device has.
void TestLinkSession::splitOnTheWay_data()
{
    QTest::addColumn<QStringList>("script"); // "ms action": split N (the receive antenna), ant N, off

    QTest::newRow("antenna before split on is reported") << QStringList {"1000 split 4", "1005 ant 2"};
    QTest::newRow("split off before split on is reported") << QStringList {"1000 split 4", "1005 off"};
    QTest::newRow("antennas before and after split on is reported")
        << QStringList {"1000 split 4", "1005 ant 2", "1400 ant 5", "1410 ant 2"};
    // Band following leaves split under power: both wait, and the antenna
    // is the transmit one when it arrives.
    QTest::newRow("split off and antenna held together")
        << QStringList {"200 split 8", "1000 key 2500", "1500 held off", "1505 held ant 3"};
}

void TestLinkSession::splitOnTheWay()
{
    QFETCH(QStringList, script);

    Station station(20, 0);
    for (const QString& line : script) {
        QStringList words = line.split(QLatin1Char(' '));
        station.runUntil(words.at(0).toInt());
        if (words.at(1) == QLatin1String("key")) {
            const qint64 from = station.now;
            const qint64 to = words.at(2).toInt();
            station.keyed = [from, to](qint64 at) { return at >= from && at < to; };
            continue;
        }
        // Held by the guard: not shown until written.
        const bool guarded = words.at(1) == QLatin1String("held");
        if (guarded) {
            words.removeAt(1);
        }
        const auto position = static_cast<signed char>(words.value(2).toInt() - 1);
        DeviceCommand command = deviceCommand(3, 0, 0, 0);
        if (words.at(1) != QLatin1String("off")) {
            command = chooseAntenna(station.panel, words.at(1) == QLatin1String("split"), position).command;
        } else if (!guarded) {
            station.panel.splitActive = 0;
        }
        command.guarded = guarded;
        station.give(command);
    }
    station.runUntil(station.now + 5000);
    QCOMPARE(station.session.unconfirmed(), 0);
    QVERIFY(station.notices.empty());
    QCOMPARE(int(station.panel.splitActive), int(station.device.split));
    QCOMPARE(int(station.panel.selectedAntenna), int(station.device.antenna));
    if (station.device.split) {
        QCOMPARE(int(station.panel.splitRxAntenna), int(station.device.rx));
    }
}

// After a minute on a lossy link, a switch the device refuses is sent
// again within a second and reported within two.
void TestLinkSession::refusedSwitchAfterLossyMinute_data()
{
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("lossIn");
    QTest::addColumn<int>("lossOut");
    QTest::addColumn<qint64>("resendWithin");
    QTest::addColumn<qint64>("noticeWithin");

    QTest::newRow("LAN, 20 % of reports lost") << 1 << 0 << 20 << qint64(1000) << qint64(2000);
    QTest::newRow("LAN, 20 % lost both ways") << 1 << 20 << 20 << qint64(1000) << qint64(2000);
    // Further away, each judgement waits a round trip more.
    QTest::newRow("200 ms, 20 % of reports lost") << 200 << 0 << 20 << qint64(1400) << qint64(2800);
}

void TestLinkSession::refusedSwitchAfterLossyMinute()
{
    QFETCH(int, delay);
    QFETCH(int, lossIn);
    QFETCH(int, lossOut);
    QFETCH(qint64, resendWithin);
    QFETCH(qint64, noticeWithin);

    Station station(delay, 0);
    QRandomGenerator loss(11);
    station.reportLost = [&](qint64) { return int(loss.bounded(100)) < lossOut; };
    station.lossInPercent = lossIn;
    station.refusedAntenna = 6;
    // A minute of operating: a key every 1.5 s, some commands lost too.
    station.runUntil(60000, [&] {
        if (station.now % 1500 == 700) {
            station.press((station.now / 1500) % 5);
        }
    });
    station.runUntil(62000);
    // Lossless from here, so the figures measure the rule, not the dice.
    station.lossInPercent = 0;
    station.reportLost = [](qint64) { return false; };
    const qint64 pressed = station.now;
    const std::size_t before = station.written.size();
    station.notices.clear();
    station.press(6);
    station.runUntil(pressed + 5000);

    std::vector<qint64> sent;
    for (std::size_t i = before; i < station.written.size(); ++i) {
        if (station.written[i].second == antenna(6)) {
            sent.push_back(station.written[i].first - pressed);
        }
    }
    QCOMPARE(sent.size(), std::size_t(3));
    QVERIFY2(sent[1] <= resendWithin, qPrintable(QString::number(sent[1])));
    QCOMPARE(station.notices.size(), std::size_t(1));
    QCOMPARE(station.notices.front().second, QStringLiteral("Ant 7"));
    QVERIFY2(station.notices.front().first - pressed <= noticeWithin,
             qPrintable(QString::number(station.notices.front().first - pressed)));
    QCOMPARE(station.panel.selectedAntenna, station.device.antenna);
}

// An operator pressing a new antenna every 1.5 s on near and far links:
// every press confirmed, and the previous antenna never lit again.
void TestLinkSession::remoteStation_data()
{
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("jitter");
    QTest::addColumn<int>("lossIn");
    QTest::addColumn<int>("lossOut");

    QTest::newRow("LAN") << 2 << 0 << 0 << 0;
    QTest::newRow("300 ms") << 300 << 0 << 0 << 0;
    QTest::newRow("1000 ms") << 1000 << 0 << 0 << 0;
    QTest::newRow("600 ms, jitter 100, 20 % lost both ways") << 600 << 100 << 20 << 20;
    QTest::newRow("300 ms, 40 % of replies lost") << 300 << 0 << 0 << 40;
}

void TestLinkSession::remoteStation()
{
    QFETCH(int, delay);
    QFETCH(int, jitter);
    QFETCH(int, lossIn);
    QFETCH(int, lossOut);

    Station station(delay, jitter);
    QRandomGenerator loss(42);
    station.reportLost = [&](qint64) { return int(loss.bounded(100)) < lossOut; };
    station.lossInPercent = lossIn;
    int pressed = 0;
    int presses = 0;
    QString seen;
    station.runUntil(40000, [&] {
        if (station.now % 1500 == 700 && presses < 20) {
            pressed = (pressed + 5) % 12;
            ++presses;
            station.press(pressed);
        }
        // The one thing the operator must never see: the previous antenna
        // lit again after a press.
        if (seen.isEmpty() && presses > 0 && station.panel.selectedAntenna != pressed) {
            seen = QStringLiteral("at %1 ms: Ant %2 shown after Ant %3 was pressed")
                       .arg(station.now)
                       .arg(station.panel.selectedAntenna + 1)
                       .arg(pressed + 1);
        }
    });
    QVERIFY2(seen.isEmpty(), qPrintable(seen));
    // Losses alone never slow the reports down: the panel stays live.
    qint64 lastApplied = 3000;
    for (const Station::Match& m : station.matches) {
        if (m.at > lastApplied && !m.answer.stale) {
            QVERIFY2(m.at - lastApplied < 2000,
                     qPrintable(QStringLiteral("no report from %1 ms to %2 ms").arg(lastApplied).arg(m.at)));
            lastApplied = m.at;
        }
    }
    QCOMPARE(presses, 20);
    QVERIFY(station.notices.empty());
    QCOMPARE(station.session.unconfirmed(), 0);
    QCOMPARE(int(station.device.antenna), pressed);
    QCOMPARE(int(station.panel.selectedAntenna), pressed);
}

// A band change while the station sends, then a break-in gap shorter than
// the hang time and a long transmission: the wanted key shows that it waits
// and the device's antenna stays lit until the command is on the wire; never
// is the wanted key painted as selected before that.
void TestLinkSession::heldSwitchLooksHeld_data()
{
    QTest::addColumn<int>("firstKeyAt");
    QTest::addColumn<int>("changeAt"); // the radio moves from 20 m to 40 m
    QTest::addColumn<int>("gapMs");
    QTest::addColumn<int>("hangMs");

    QTest::newRow("gap 150 ms") << 1000 << 2000 << 150 << 300;
    QTest::newRow("gap 250 ms") << 1000 << 2000 << 250 << 300;
    QTest::newRow("gap 350 ms, hang 5 s") << 1000 << 2000 << 350 << 5000;
    // The band changes while the guard is still open, just after a poll
    // left: the switch waits for the wire, and the poll's report brings
    // SEND on before it leaves.
    QTest::newRow("keyed as the switch waits for the wire") << 950 << 961 << 150 << 300;
}

void TestLinkSession::heldSwitchLooksHeld()
{
    QFETCH(int, firstKeyAt);
    QFETCH(int, changeAt);
    QFETCH(int, gapMs);
    QFETCH(int, hangMs);
    const int ant3 = 2;
    const int ant4 = 3;
    const qint64 secondKey = 3000 + gapMs;
    const qint64 end = secondKey + 10000;

    Station station(2, 0);
    station.keyed = [&](qint64 at) { return (at >= firstKeyAt && at < 3000) || (at >= secondKey && at < end); };
    station.guard.setHangMs(hangMs);
    station.press(ant4);
    BandFollowConfig config;
    config.source.kind = RadioSourceSettings::Kind::Rigctld;
    config.antennas[std::size_t(*bandplan::bandAt(14074000))] = {ant4 + 1};
    config.antennas[std::size_t(*bandplan::bandAt(7074000))] = {ant3 + 1};
    BandFollower rule;
    rule.setConfig(config);
    RadioReading radio;
    radio.frequencyHz = 14074000;
    rule.setReading(radio);

    std::optional<qint64> writtenAt;
    QString fault;
    ColourStyles colours;
    station.runUntil(end + hangMs + 1000, [&] {
        const qint64 now = station.now;
        if (now == changeAt) {
            radio.frequencyHz = 7074000;
            rule.setReading(radio);
        }
        rule.setDeviceSending(station.panel.sendActive == 1);
        BandFollower::Situation situation {true, true, false, antennaIndex(station.panel.selectedAntenna)};
        situation.receiving = station.guard.isOpen(now);
        const bool wasHeld = rule.heldAntenna().has_value();
        const BandFollower::Step step = rule.next(situation);
        if (step.action == BandFollower::Action::Switch) {
            if (wasHeld && !situation.receiving && fault.isEmpty()) {
                fault = QStringLiteral("at %1 ms the rule let the switch go before the hang").arg(now);
            }
            DeviceCommand command = antenna(step.antenna);
            command.guarded = true;
            command.heldBefore = wasHeld;
            station.give(command);
        }
        station.session.guardMoved(station.guard.openAt(), now);
        station.session.refresh(station.panel);
        if (!writtenAt && !station.written.empty() && station.written.back().second == antenna(ant3)) {
            writtenAt = station.written.back().first;
        }
        if (now <= changeAt + 2 || writtenAt || !fault.isEmpty()) {
            return;
        }
        PanelFlags flags;
        flags.waitingAntenna = station.session.waitingAntenna().value_or(rule.heldAntenna().value_or(-1));
        const PanelLooks looks = litLooks(station.panel, colours, flags);
        if (looks[indicator::Antenna + ant3] != panelWaitingStyle() ||
            looks[indicator::Antenna + ant4] != panelSelectedStyle()) {
            fault = QStringLiteral("at %1 ms Ant 3 does not look held").arg(now);
        }
    });
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QVERIFY(writtenAt);
    // Written only after the long transmission and the hang.
    QVERIFY2(*writtenAt >= end + hangMs, qPrintable(QString::number(*writtenAt - end)));
    QCOMPARE(int(station.device.antenna), ant3);
    QCOMPARE(int(station.panel.selectedAntenna), ant3);
    QVERIFY(!station.session.waitingAntenna());
}

namespace {

// Who answers from where, and when, on the device's host.
struct Voice
{
    quint16 port = 0; // 0: silent
    qint64 until = 0; // this voice holds up to here
};

// The device at 4001 answers each poll it gets after `roundTrip`, from the
// port its voice gives at that time; a sender on port 6666 of its host
// talks every `period` ms from `talksFrom` on (-1: it sees the polls and
// answers each after 5 ms, as one on the path would). The watchdog finds the device
// silent 7 s after its last believed answer.
struct PortRun
{
    std::vector<Voice> device;
    int roundTrip = 20;
    int period = 0;
    qint64 talksFrom = 0;

    static constexpr quint16 polled = 4001;
    static constexpr quint16 sender = 6666;
    int senderBelieved = 0;
    int senderHeard = 0;
    qint64 deviceFirstBelieved = -1;
    int deviceIgnoredAfter = 0; // not applied, after the first that was
    int portsGivenUp = 0;
    int ignored = 0;

    void run(quint32 seed, qint64 end)
    {
        LinkSession session;
        session.setDevice(QStringLiteral("127.0.0.1"), polled);
        session.start(0);
        session.seedPolls(seed);
        DeviceState state;
        std::multimap<qint64, quint16> answers; // when, from which port
        qint64 lastBelieved = 0;
        const auto receive = [&](quint16 port, qint64 at, bool device) {
            LinkSession::Sender sender = session.classify(QHostAddress::LocalHost, port);
            if (sender == LinkSession::Sender::NewDevicePort) {
                sender = session.answerFromNewPort(port, at);
            }
            portsGivenUp += sender == LinkSession::Sender::DevicePortAgain;
            const bool believed = sender == LinkSession::Sender::Device ||
                sender == LinkSession::Sender::DevicePortAgain || sender == LinkSession::Sender::PortLearnt;
            const bool applied = believed && session.reportArrived(at);
            if (applied) {
                session.reportApplied(state);
                lastBelieved = at;
            }
            if (device && applied && deviceFirstBelieved < 0) {
                deviceFirstBelieved = at;
            } else if (device && !applied && deviceFirstBelieved >= 0) {
                ++deviceIgnoredAfter;
            }
            senderBelieved += !device && believed;
        };
        for (qint64 now = 0; now < end; ++now) {
            if (now % 160 == 0 && session.pollDue(now)) {
                session.wrote(deviceCommand(1), now);
                const quint16 from = voiceAt(now + roundTrip);
                if (from != 0) {
                    answers.emplace(now + roundTrip, from);
                }
                if (period < 0 && now >= talksFrom) {
                    answers.emplace(now + 5, sender);
                }
            }
            for (auto due = answers.begin(); due != answers.end() && due->first <= now; due = answers.erase(due)) {
                senderHeard += due->second == sender;
                receive(due->second, now, due->second != sender);
            }
            if (period > 0 && now >= talksFrom && (now - talksFrom) % period == 0) {
                ++senderHeard;
                receive(sender, now, false);
            }
            if (now % 80 == 0 && now - lastBelieved > 7000) {
                session.deviceSilent();
            }
        }
        ignored += session.ignoredReports();
    }

private:
    quint16 voiceAt(qint64 at) const
    {
        for (const Voice& v : device) {
            if (at < v.until) {
                return v.port;
            }
        }
        return 0;
    }
};

} // namespace

Q_DECLARE_METATYPE(std::vector<Voice>)

// A port of the device's host other than the polled one is believed only
// once it has answered the polls themselves; whoever talks at a pace of its
// own, or while the watchdog finds the device silent, never lights a key.
void TestLinkSession::answerPortLearntFromAnswersOnly_data()
{
    QTest::addColumn<std::vector<Voice>>("device");
    QTest::addColumn<int>("roundTrip");
    QTest::addColumn<int>("period"); // the sender's; 0: none
    QTest::addColumn<int>("talksFrom");
    QTest::addColumn<int>("learntBy"); // when the device is first believed; -1: never
    QTest::addColumn<int>("givenUp"); // ports given up for the polled one

    const quint16 other = 5555;
    const std::vector<Voice> silent {{0, 30000}};
    const std::vector<Voice> restarts {{PortRun::polled, 3000}, {0, 15000}, {PortRun::polled, 30000}};
    // In step with the polls, at the poll period and ten times as fast.
    QTest::newRow("silent device, sender at the poll period") << silent << 20 << 160 << 5 << -1 << 0;
    QTest::newRow("silent device, flooding sender") << silent << 20 << 10 << 0 << -1 << 0;
    QTest::newRow("silent device, sender out of step") << silent << 20 << 230 << 7 << -1 << 0;
    QTest::newRow("silent device, sender after the watchdog") << silent << 20 << 160 << 7500 << -1 << 0;
    QTest::newRow("restart, sender in the silence") << restarts << 20 << 160 << 3000 << 20 << 0;
    QTest::newRow("silent device, after the watchdog a sender on the path answers the polls")
        << silent << 20 << -1 << 7100 << -1 << 0;
    QTest::newRow("device from another port") << std::vector<Voice> {{other, 30000}} << 20 << 0 << 0 << 3500 << 0;
    QTest::newRow("remote device from another port")
        << std::vector<Voice> {{other, 30000}} << 400 << 0 << 0 << 6000 << 0;
    QTest::newRow("another port, then the polled one")
        << std::vector<Voice> {{other, 8000}, {PortRun::polled, 30000}} << 20 << 0 << 0 << 3500 << 1;
    QTest::newRow("another port, silent, back on it")
        << std::vector<Voice> {{other, 8000}, {0, 18000}, {other, 30000}} << 20 << 0 << 0 << 3500 << 0;
    QTest::newRow("another port, a flooding sender beside it")
        << std::vector<Voice> {{other, 30000}} << 20 << 10 << 5000 << 3500 << 0;
}

void TestLinkSession::answerPortLearntFromAnswersOnly()
{
    QFETCH(std::vector<Voice>, device);
    QFETCH(int, roundTrip);
    QFETCH(int, period);
    QFETCH(int, talksFrom);
    QFETCH(int, learntBy);
    QFETCH(int, givenUp);

    // The polls' uneven gaps are drawn at random: every draw must hold.
    for (quint32 seed = 1; seed <= 20; ++seed) {
        PortRun run {device, roundTrip, period, talksFrom};
        run.run(seed, 30000);
        QCOMPARE(run.senderBelieved, 0);
        QVERIFY(run.ignored >= run.senderHeard);
        if (learntBy < 0) {
            QCOMPARE(run.deviceFirstBelieved, qint64(-1));
        } else {
            QVERIFY2(run.deviceFirstBelieved >= 0 && run.deviceFirstBelieved <= learntBy,
                     qPrintable(QString::number(run.deviceFirstBelieved)));
            // Once believed, the device is followed through all that comes.
            QCOMPARE(run.deviceIgnoredAfter, 0);
        }
        QCOMPARE(run.portsGivenUp, givenUp);
    }
}

QTEST_APPLESS_MAIN(TestLinkSession)
#include "tst_linksession.moc"
