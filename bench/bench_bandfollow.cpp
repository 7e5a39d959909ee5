// Band following with the real panel (offscreen, or on the display there is)
// connected to merax-sim, measured in one of these scenarios:
//
//   latency       Hamlib's rigctld with its dummy radio is retuned between
//                 20 m and 40 m by a second connection; the time runs from
//                 rigctld's "RPRT 0" to the link worker writing the band's
//                 antenna command. The default.
//   flap-ptt      The radio's PTT flaps through rigctld like CW break-in or
//                 VOX, with a QSY in the first keyed period: how many antenna
//                 commands leave while it is keyed, and the time from the last
//                 release to the switch.
//   flap-send     The same pattern on the device's SEND input (merax-sim
//                 --send-file); the simulator's own log also tells whether it
//                 carried out an antenna command while SEND was on.
//   logger-burst  Band changes from logger RadioInfo datagrams at 20 per
//                 second, then a 2 s transmission: antenna commands written
//                 during it.
//   cw            CW calls keyed on the device's SEND input alone (merax-sim
//                 --keyer WPM, rigctld's PTT stays 0, mode CW) while the radio
//                 changes band every 2 to 4 s: antenna and output commands
//                 the simulator carried out while on the air.
//   soak          For --minutes M (10): the station keys for 1.5 s every 3 s,
//                 on the radio's PTT (rigctld T) and the device's SEND in
//                 turn, while the radio changes between 20 m and 40 m every
//                 5 s; each band sets an output too. Band changes, switches
//                 carried out, and antenna or output commands that reached
//                 the device while keyed: for PTT by the time of the write
//                 (and of merax-sim's log line) against the keyed spells,
//                 for SEND by the simulator's own log.
//   spoof         A peer on 127.0.0.1 but another port sends well-formed
//                 reports of Ant 1 to the panel's port every --spoof-ms MS
//                 (160; 10 floods) while the device sits on Ant 7. The panel
//                 is sampled every 100 ms: samples lighting the spoofer's
//                 antenna, the device's, none, and POWER. --case start: the
//                 device is silent from Connect on; mid: it answers, falls
//                 silent for 10 s, then answers again; other-port: no
//                 spoofer, the device answers from another port than the
//                 one it is asked on (a relay in the bench), and whether
//                 and when the panel shows its antenna.
//   slow-rigctld  Every rigctld answer reaches the panel --delay-ms MS
//                 (1000) late; each QSY is followed 150 ms later by PTT held
//                 2 s: antenna commands written and carried out while keyed.
//
// With --inhibit-gpo N the panel raises GPO N around its switches and
// merax-sim holds the radio off the air while it is on.
//
// Run: bench_bandfollow [--scenario NAME] [--changes N] [--cycles N] [--runs N]
//                       [--seed S] [--hang-ms MS] [--cw-hang-ms MS]
//                       [--inhibit-gpo N] [--wpm W] [--minutes M]
//                       [--case start|mid|other-port] [--spoof-ms MS]
//                       [--delay-ms MS]
// Needs rigctld (Debian package libhamlib-utils) and merax-sim beside the
// build (or MERAX_SIM_BIN).
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QNetworkDatagram>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <vector>

#include "app/mainwindow.h"
#include "app/platformsetup.h"
#include "benchpanel.h"
#include "forms/panelform.h"
#include "link/command.h"
#include "link/devicestate.h"
#include "link/linkclock.h"
#include "link/threadcom.h"
#include "panel/indicatorstyles.h"

namespace {

using linkclock::steadyNow;

quint16 freeTcpPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress(QHostAddress::LocalHost), 0);
    return probe.serverPort();
}

quint16 freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress(QHostAddress::AnyIPv4), 0);
    return probe.localPort();
}

int fail(const QString& what)
{
    std::fprintf(stderr, "bench_bandfollow: %s\n", qPrintable(what));
    return 1;
}

double percentile(std::vector<qint64> values, double p)
{
    if (values.empty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    const auto index = std::size_t(p * double(values.size() - 1) + 0.5);
    return double(values.at(index));
}

// Spins the event loop until done() holds or the time is up. A 1 ms tick
// looks at done(): QTest::qWaitFor sleeps 10 ms between passes, which would
// hold up the panel running on this very thread.
bool spinUntil(const std::function<bool()>& done, int timeoutMs)
{
    if (done()) {
        return true;
    }
    const qint64 deadline = steadyNow() + timeoutMs;
    QEventLoop loop;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (done() || steadyNow() >= deadline) {
            loop.quit();
        }
    });
    tick.start(1);
    loop.exec();
    return done();
}

// Keeps the event loop running until the steady clock reads `at`.
void pauseUntil(qint64 at)
{
    const qint64 left = at - steadyNow();
    if (left <= 0) {
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(int(left), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void pauseMs(int ms)
{
    pauseUntil(steadyNow() + ms);
}

// When a command went out and when it was known to have been carried out.
struct Exchange
{
    qint64 sentAt = 0;
    qint64 doneAt = 0;
    bool ok = false;
};

// A second rigctld connection, read without blocking: the panel shares this
// thread.
class RigControl
{
public:
    bool open(quint16 port)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] {
            buffer += socket.readAll();
            int end;
            while ((end = buffer.indexOf('\n')) >= 0) {
                const QByteArray line = buffer.left(end).trimmed();
                buffer.remove(0, end + 1);
                if (line.startsWith("RPRT")) {
                    lastAnswer = line;
                    lastAnswerAt = steadyNow();
                    ++answers;
                }
            }
        });
        return spinUntil(
            [&] {
                if (socket.state() == QAbstractSocket::ConnectedState) {
                    return true;
                }
                if (socket.state() == QAbstractSocket::UnconnectedState) {
                    socket.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
                }
                return false;
            },
            5000);
    }

    Exchange command(const QByteArray& line)
    {
        const int before = answers;
        Exchange e;
        e.sentAt = steadyNow();
        socket.write(line + '\n');
        socket.flush();
        e.ok = spinUntil([&] { return answers > before; }, 2000) && lastAnswer == "RPRT 0";
        e.doneAt = lastAnswerAt;
        return e;
    }

private:
    QTcpSocket socket;
    QByteArray buffer;
    QByteArray lastAnswer;
    qint64 lastAnswerAt = 0;
    int answers = 0;
};

// Sits between the panel and rigctld and notes each PTT answer the panel
// gets, with the time it passed: what the panel knew, and when. With a
// delay it holds every answer that long, as a rigctld on a slow link or a
// busy radio would.
class RigTap
{
public:
    struct Ptt
    {
        qint64 at;
        bool transmitting;
    };
    std::vector<Ptt> answers;
    int delayMs = 0;

    quint16 listen(quint16 rigPort)
    {
        QObject::connect(&server, &QTcpServer::newConnection, [this, rigPort] {
            QTcpSocket* panel = server.nextPendingConnection();
            auto* rig = new QTcpSocket(panel);
            rig->connectToHost(QHostAddress(QHostAddress::LocalHost), rigPort);
            rig->waitForConnected(2000);
            rig->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            panel->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            QObject::connect(panel, &QTcpSocket::readyRead, rig, [panel, rig] {
                rig->write(panel->readAll());
                rig->flush();
            });
            QObject::connect(rig, &QTcpSocket::readyRead, panel, [this, panel, rig] {
                const QByteArray bytes = rig->readAll();
                const auto pass = [this, panel, bytes] {
                    buffer += bytes;
                    int end;
                    while ((end = buffer.indexOf('\n')) >= 0) {
                        const QByteArray line = buffer.left(end).trimmed();
                        buffer.remove(0, end + 1);
                        // Answers name their question: "PTT: 1".
                        if (line.startsWith("PTT: ")) {
                            answers.push_back({steadyNow(), line.mid(5).toInt() != 0});
                        }
                    }
                    panel->write(bytes);
                    panel->flush();
                };
                // Timers of one length fire in the order they were started:
                // the answers keep theirs.
                if (delayMs > 0) {
                    QTimer::singleShot(delayMs, Qt::PreciseTimer, panel, pass);
                } else {
                    pass();
                }
            });
            QObject::connect(panel, &QTcpSocket::disconnected, panel, &QObject::deleteLater);
        });
        server.listen(QHostAddress(QHostAddress::LocalHost), 0);
        return server.serverPort();
    }

private:
    QTcpServer server;
    QByteArray buffer;
};

// merax-sim's output, line by line: its "send on"/"send off" and, with
// --log, every datagram in the order the device took them.
struct SimLog
{
    bool sending = false;
    int sendChanges = 0;
    qint64 sendChangedAt = 0;
    int antennaCommands = 0;
    int antennaCommandsWhileSending = 0;
    int outputCommands = 0; // GPO commands but the inhibit output's own
    int outputCommandsWhileSending = 0;
    int onAir = 0; // antenna and output commands carried out on the air
    // When the line of each antenna or output command was read: the device
    // carried it out a moment before.
    std::vector<qint64> carriedOutAt;
    // " -> FE 04 0n " of the inhibit output, which may go out at any time.
    QByteArray inhibitTag;
    QByteArray buffer;

    void take(const QByteArray& bytes)
    {
        buffer += bytes;
        int end;
        while ((end = buffer.indexOf('\n')) >= 0) {
            const QByteArray line = buffer.left(end).trimmed();
            buffer.remove(0, end + 1);
            if (line == "send on" || line == "send off") {
                sending = line == "send on";
                sendChangedAt = steadyNow();
                ++sendChanges;
            }
            // Datagrams the device never took change nothing on it.
            if (line.endsWith("(silent, ignored)") || line.endsWith("(lost on the way in)") ||
                line.endsWith("(refused)")) {
                continue;
            }
            if (line.endsWith("(on air)") &&
                (line.contains(" -> FE 02 ") || line.contains(" -> FE 03 ") || line.contains(" -> FE 04 "))) {
                ++onAir;
            }
            const bool antenna = line.contains(" -> FE 02 ") || line.contains(" -> FE 03 ");
            const bool output = line.contains(" -> FE 04 ") && (inhibitTag.isEmpty() || !line.contains(inhibitTag));
            if (antenna) {
                ++antennaCommands;
                antennaCommandsWhileSending += sending ? 1 : 0;
            }
            if (output) {
                ++outputCommands;
                outputCommandsWhileSending += sending ? 1 : 0;
            }
            if (antenna || output) {
                carriedOutAt.push_back(steadyNow());
            }
        }
    }
};

struct Written
{
    DeviceCommand command;
    qint64 at;
};

const QByteArray ant2 = QByteArray::fromHex("fe0201fd"); // 40 m
const QByteArray ant4 = QByteArray::fromHex("fe0203fd"); // 20 m

qint64 frequencyIn(bool twenty, QRandomGenerator& random)
{
    return twenty ? 14000000 + random.bounded(350) * 1000 : 7000000 + random.bounded(300) * 1000;
}

// Everything a scenario works with.
struct Bench
{
    MainWindow* window = nullptr;
    RigControl* rig = nullptr;
    SimLog* simLog = nullptr;
    RigTap* tap = nullptr;
    // The SEND bit of each report the panel got, with its time.
    std::vector<std::pair<qint64, bool>> reports;
    QString sendFile;
    QRandomGenerator* random = nullptr;
    std::vector<Written> writes;
    qint64 connectedAt = 0;

    // The first write of `frame` at or after `from`; -1 when none.
    qint64 firstWrite(const QByteArray& frame, qint64 from) const
    {
        for (const Written& w : writes) {
            if (w.at >= from && frameCommand(w.command) == frame) {
                return w.at;
            }
        }
        return -1;
    }
    bool waitForWrite(const QByteArray& frame, qint64 from, int timeoutMs) const
    {
        return spinUntil([&] { return firstWrite(frame, from) >= 0; }, timeoutMs);
    }
};

int latency(Bench& b, int changes)
{
    std::vector<qint64> latencies;
    for (int i = 0; i < changes; ++i) {
        // Alternate bands, anywhere in them, at an operator's pace.
        const bool twenty = i % 2 == 0;
        const Exchange tuned = b.rig->command("F " + QByteArray::number(frequencyIn(twenty, *b.random)));
        if (!tuned.ok || !b.waitForWrite(twenty ? ant4 : ant2, tuned.sentAt, 5000)) {
            return fail("no antenna command after a band change");
        }
        latencies.push_back(b.firstWrite(twenty ? ant4 : ant2, tuned.sentAt) - tuned.doneAt);
        pauseMs(300 + int(b.random->bounded(700)));
    }
    std::printf("frequency change -> antenna command on the wire, %zu band changes (rigctld polled every 250 ms):\n",
                latencies.size());
    std::printf("  median %.0f ms, p90 %.0f ms, max %.0f ms, min %.0f ms\n", percentile(latencies, 0.5),
                percentile(latencies, 0.9), percentile(latencies, 1.0), percentile(latencies, 0.0));
    return 0;
}

// Band changes between 40 m and 20 m during CW calls: every change must
// reach the device, none of its commands on the air.
int cw(Bench& b, int changes, int wpm)
{
    int missed = 0;
    for (int i = 0; i < changes; ++i) {
        const bool twenty = i % 2 == 0;
        const Exchange tuned = b.rig->command("F " + QByteArray::number(frequencyIn(twenty, *b.random)));
        if (!tuned.ok) {
            return fail("rigctld did not take the frequency");
        }
        missed += b.waitForWrite(twenty ? ant4 : ant2, tuned.sentAt, 15000) ? 0 : 1;
        pauseMs(2000 + int(b.random->bounded(2000)));
    }
    pauseMs(1500);
    std::printf("CW at %d WPM keyed on SEND, %d band changes: %d antenna or output commands carried out on the "
                "air, %d band changes not followed\n",
                wpm, changes, b.simLog->onAir, missed);
    return 0;
}

// Keys (true) or releases (false) the transmit signal under test.
using Keyer = std::function<Exchange(bool)>;

int flap(Bench& b, const char* what, const Keyer& key, int cycles, int runs)
{
    int keyedTotal = 0; // from the command sent to its outcome known: may be keyed
    int surelyKeyedTotal = 0; // from the key known to its release sent
    int earlyTotal = 0; // antenna commands before the last release
    int deviceWhileSending = 0;
    std::vector<qint64> releaseToSwitch;
    for (int run = 0; run < runs; ++run) {
        // The radio sits in 40 m on Ant 2 at the start of even runs, 20 m on Ant 4 of odd ones.
        const bool toTwenty = run % 2 == 0;
        const QByteArray wanted = toTwenty ? ant4 : ant2;
        const int deviceBefore = b.simLog->antennaCommandsWhileSending;
        const qint64 start = steadyNow();
        std::vector<std::pair<qint64, qint64>> keyed, surelyKeyed;
        Exchange off;
        for (int c = 0; c < cycles; ++c) {
            const int keyMs = 150 + int(b.random->bounded(251));
            const int releaseMs = 60 + int(b.random->bounded(141));
            const Exchange on = key(true);
            if (!on.ok) {
                return fail("could not key");
            }
            if (c == 0) {
                // The QSY comes a third into the first keyed period.
                pauseUntil(on.doneAt + keyMs / 3);
                if (!b.rig->command("F " + QByteArray::number(frequencyIn(toTwenty, *b.random))).ok) {
                    return fail("rigctld did not take the frequency");
                }
            }
            pauseUntil(on.doneAt + keyMs);
            off = key(false);
            if (!off.ok) {
                return fail("could not release");
            }
            keyed.emplace_back(on.sentAt, off.doneAt);
            surelyKeyed.emplace_back(on.doneAt, off.sentAt);
            if (c + 1 < cycles) {
                pauseUntil(off.doneAt + releaseMs);
            }
        }
        const qint64 lastRelease = off.doneAt;
        b.waitForWrite(wanted, start, 3000);
        // Anything late still counts.
        pauseMs(500);

        int keyedWrites = 0;
        int surelyKeyedWrites = 0;
        int early = 0;
        const auto inside = [](qint64 at, const std::vector<std::pair<qint64, qint64>>& spans) {
            return std::any_of(spans.begin(), spans.end(),
                               [at](const std::pair<qint64, qint64>& s) { return at >= s.first && at <= s.second; });
        };
        for (const Written& w : b.writes) {
            if (w.at < start || !switchesAntenna(w.command)) {
                continue;
            }
            const bool k = inside(w.at, keyed);
            keyedWrites += k ? 1 : 0;
            surelyKeyedWrites += inside(w.at, surelyKeyed) ? 1 : 0;
            early += w.at < lastRelease ? 1 : 0;
            if (k || w.at < lastRelease) {
                std::printf("  run %d: %s written %lld ms after the start, %lld ms before the last release%s\n", run,
                            frameCommand(w.command).toHex(' ').constData(), static_cast<long long>(w.at - start),
                            static_cast<long long>(lastRelease - w.at), k ? ", keyed" : "");
                // What happened around it, in ms from the start.
                QString radio;
                for (const auto& span : keyed) {
                    if (span.second >= w.at - 1200 && span.first <= w.at + 400) {
                        radio += QStringLiteral(" %1-%2").arg(span.first - start).arg(span.second - start);
                    }
                }
                QString panel;
                if (b.tap != nullptr) {
                    for (const RigTap::Ptt& p : b.tap->answers) {
                        if (p.at >= w.at - 1200 && p.at <= w.at + 400) {
                            panel += QStringLiteral(" %1:%2").arg(p.at - start).arg(p.transmitting ? 1 : 0);
                        }
                    }
                }
                QString send;
                for (const auto& r : b.reports) {
                    if (r.first >= w.at - 1200 && r.first <= w.at + 400) {
                        send += QStringLiteral(" %1:%2").arg(r.first - start).arg(r.second ? 1 : 0);
                    }
                }
                std::printf("    keyed (sent-done)%s\n    PTT answers the panel got (time:t)%s\n"
                            "    SEND in the reports the panel got (time:send)%s\n",
                            qPrintable(radio), qPrintable(panel), qPrintable(send));
            }
        }
        const qint64 switchedAt = b.firstWrite(wanted, start);
        // A switch that left before the last release is counted above instead.
        if (switchedAt >= lastRelease) {
            releaseToSwitch.push_back(switchedAt - lastRelease);
        }
        keyedTotal += keyedWrites;
        surelyKeyedTotal += surelyKeyedWrites;
        earlyTotal += early;
        deviceWhileSending += b.simLog->antennaCommandsWhileSending - deviceBefore;
        std::printf("  run %d: %d cycles, antenna commands while keyed %d (surely keyed %d), before the last "
                    "release %d, last release -> switch %s ms\n",
                    run, cycles, keyedWrites, surelyKeyedWrites, early,
                    switchedAt >= 0 ? qPrintable(QString::number(switchedAt - lastRelease)) : "(none)");
    }
    std::printf("%s flapping, %d runs of %d cycles (keyed 150-400 ms, released 60-200 ms, QSY in the first keyed "
                "period):\n",
                what, runs, cycles);
    std::printf("  antenna commands written while keyed: %d (surely keyed: %d); before the last release: %d\n",
                keyedTotal, surelyKeyedTotal, earlyTotal);
    if (!b.sendFile.isEmpty()) {
        std::printf("  antenna commands merax-sim carried out while its SEND was on: %d\n", deviceWhileSending);
    }
    std::printf(
        "  last release -> switch: median %.0f ms, min %.0f ms, max %.0f ms (%zu of %d runs switched after it)\n",
        percentile(releaseToSwitch, 0.5), percentile(releaseToSwitch, 0.0), percentile(releaseToSwitch, 1.0),
        releaseToSwitch.size(), runs);
    return 0;
}

QByteArray radioInfo(qint64 hz, bool transmitting)
{
    const QByteArray tens = QByteArray::number(hz / 10);
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<RadioInfo><StationName>BENCH</StationName>"
           "<RadioNr>1</RadioNr><Freq>" +
        tens + "</Freq><TXFreq>" + tens + "</TXFreq><IsTransmitting>" + (transmitting ? "True" : "False") +
        "</IsTransmitting><IsSplit>False</IsSplit></RadioInfo>";
}

int loggerBurst(Bench& b, quint16 loggerPort, int runs)
{
    QUdpSocket logger;
    const auto send = [&](qint64 hz, bool transmitting) {
        logger.writeDatagram(radioInfo(hz, transmitting), QHostAddress(QHostAddress::LocalHost), loggerPort);
    };
    int lateTotal = 0;
    int duringTotal = 0;
    for (int run = 0; run < runs; ++run) {
        // Settled in 20 m on Ant 4 (the logger says so until the panel shows it).
        bool following = false;
        for (int tries = 0; tries < 50 && !following; ++tries) {
            send(frequencyIn(true, *b.random), false);
            pauseMs(200);
            following = b.window->findChild<QLabel*>(QStringLiteral("labelBand"))->text().contains("20 m") &&
                b.firstWrite(ant4, 0) >= 0;
        }
        if (!following) {
            return fail("the panel does not follow the logger");
        }
        pauseMs(1000);

        // 40 band changes, one every 50 ms, the last one to 20 m.
        const qint64 burst = steadyNow();
        qint64 hz = 0;
        for (int i = 0; i < 40; ++i) {
            pauseUntil(burst + i * 50);
            hz = frequencyIn(i % 2 == 1, *b.random);
            send(hz, false);
        }
        // The transmission, repeated as loggers do, then the end of it.
        const qint64 txStart = burst + 40 * 50;
        for (int i = 0; i < 40; ++i) {
            pauseUntil(txStart + i * 50);
            send(hz, true);
        }
        pauseUntil(txStart + 2000);
        send(hz, false);
        const qint64 txEnd = steadyNow();
        pauseMs(1500);

        int late = 0;
        int during = 0;
        int inBurst = 0;
        qint64 lastSwitch = -1;
        for (const Written& w : b.writes) {
            if (w.at < burst || !switchesAntenna(w.command)) {
                continue;
            }
            lastSwitch = w.at;
            inBurst += w.at < txStart ? 1 : 0;
            if (w.at >= txStart && w.at <= txEnd) {
                ++during;
                late += w.at > txStart + 400 ? 1 : 0;
                std::printf("  run %d: %s written %lld ms into the transmission\n", run,
                            frameCommand(w.command).toHex(' ').constData(), static_cast<long long>(w.at - txStart));
            }
        }
        lateTotal += late;
        duringTotal += during;
        std::printf("  run %d: antenna commands during the burst %d, during the transmission %d (later than 0.4 s "
                    "into it %d), last one %lld ms after the transmission ended\n",
                    run, inBurst, during, late, static_cast<long long>(lastSwitch >= 0 ? lastSwitch - txEnd : 0));
    }
    std::printf("logger burst, %d runs (40 band changes at 20 datagrams/s, then IsTransmitting True for 2 s):\n", runs);
    std::printf("  antenna commands written later than 0.4 s into the transmission: %d; during it in total: %d\n",
                lateTotal, duringTotal);
    return 0;
}

// A keyed spell: from the key sent to its release known, when the station
// may be on the air, and from the key known to the release sent, when it
// surely is.
struct Spell
{
    qint64 from;
    qint64 to;
    qint64 surelyFrom;
    qint64 surelyTo;
};

Spell spellOf(const Exchange& on, const Exchange& off)
{
    return {on.sentAt, off.doneAt, on.doneAt, off.sentAt};
}

// The spell `at` falls in, or null.
const Spell* spellAt(qint64 at, const std::vector<Spell>& spells, bool surely = false)
{
    for (const Spell& s : spells) {
        if (surely ? at >= s.surelyFrom && at <= s.surelyTo : at >= s.from && at <= s.to) {
            return &s;
        }
    }
    return nullptr;
}

// Antenna and output commands, but the inhibit output's own: what must not
// meet a transmission.
bool mattersOnAir(const DeviceCommand& c, int inhibitGpo)
{
    return switchesAntenna(c) || (c.type == DeviceCommand::Gpo && c.first != inhibitGpo - 1);
}

// Hours of operating in minutes: the station keys every 3 s for 1.5 s, on
// the radio's PTT and the device's SEND in turn, while the radio changes
// band every 5 s, so changes fall early, late and between spells.
int soak(Bench& b, int minutes, const Keyer& ptt, const Keyer& send, int inhibitGpo)
{
    constexpr qint64 keyEveryMs = 3000;
    constexpr qint64 keyedMs = 1500;
    constexpr qint64 qsyEveryMs = 5000;
    const qint64 start = steadyNow();
    const qint64 end = start + qint64(minutes) * 60000;
    const SimLog before = *b.simLog;
    std::vector<Spell> pttSpells;
    std::vector<Spell> sendSpells;
    std::vector<std::pair<qint64, QByteArray>> qsys; // sent at, the band's antenna command
    int spells = 0;
    bool keyed = false;
    Exchange on;
    for (;;) {
        const qint64 keyAt = keyed ? start + (spells - 1) * keyEveryMs + keyedMs : start + spells * keyEveryMs;
        const qint64 qsyAt = start + 500 + qint64(qsys.size()) * qsyEveryMs;
        if (qsyAt < keyAt && qsyAt < end) {
            pauseUntil(qsyAt);
            const bool twenty = qsys.size() % 2 == 0;
            const Exchange tuned = b.rig->command("F " + QByteArray::number(frequencyIn(twenty, *b.random)));
            if (!tuned.ok) {
                return fail("rigctld did not take the frequency");
            }
            qsys.emplace_back(tuned.sentAt, twenty ? ant4 : ant2);
            continue;
        }
        if (!keyed && keyAt >= end) {
            break;
        }
        pauseUntil(keyAt);
        const bool onPtt = (keyed ? spells - 1 : spells) % 2 == 0;
        const Keyer& keyer = onPtt ? ptt : send;
        if (!keyed) {
            on = keyer(true);
            if (!on.ok) {
                return fail("could not key");
            }
            ++spells;
        } else {
            const Exchange off = keyer(false);
            if (!off.ok) {
                return fail("could not release");
            }
            (onPtt ? pttSpells : sendSpells).push_back(spellOf(on, off));
        }
        keyed = !keyed;
    }
    if (!qsys.empty()) {
        b.waitForWrite(qsys.back().second, qsys.back().first, 5000);
    }
    pauseMs(1000);

    int followed = 0;
    for (std::size_t i = 0; i < qsys.size(); ++i) {
        const qint64 at = b.firstWrite(qsys[i].second, qsys[i].first);
        followed += at >= 0 && (i + 1 == qsys.size() || at < qsys[i + 1].first) ? 1 : 0;
    }
    // The inhibit output as the device has it: the writes reach it in order.
    bool inhibited = false;
    int inhibits = 0;
    int pttWritten = 0;
    int pttSurely = 0;
    int pttUninhibited = 0;
    for (const Written& w : b.writes) {
        const DeviceCommand& c = w.command;
        if (inhibitGpo > 0 && c.type == DeviceCommand::Gpo && c.first == inhibitGpo - 1) {
            inhibited = c.second == 1;
            inhibits += inhibited && w.at >= start ? 1 : 0;
        }
        const Spell* spell = w.at >= start ? spellAt(w.at, pttSpells) : nullptr;
        if (spell == nullptr || !mattersOnAir(c, inhibitGpo)) {
            continue;
        }
        ++pttWritten;
        pttSurely += spellAt(w.at, pttSpells, true) != nullptr ? 1 : 0;
        pttUninhibited += inhibited ? 0 : 1;
        if (pttWritten <= 10) {
            std::printf("  %s written %lld ms into the soak, %lld ms into a PTT spell%s\n",
                        frameCommand(c).toHex(' ').constData(), static_cast<long long>(w.at - start),
                        static_cast<long long>(w.at - spell->from), inhibited ? ", inhibit on" : "");
        }
    }
    int pttCarriedOut = 0;
    for (std::size_t i = before.carriedOutAt.size(); i < b.simLog->carriedOutAt.size(); ++i) {
        pttCarriedOut += spellAt(b.simLog->carriedOutAt[i], pttSpells) != nullptr ? 1 : 0;
    }
    const SimLog& after = *b.simLog;
    std::printf("soak, %d min: %d keyed spells of 1.5 s every 3 s (%zu on PTT, %zu on SEND), %zu band changes every "
                "5 s (%d followed before the next)\n",
                minutes, spells, pttSpells.size(), sendSpells.size(), qsys.size(), followed);
    std::printf("  carried out by merax-sim: %d antenna commands, %d output commands",
                after.antennaCommands - before.antennaCommands, after.outputCommands - before.outputCommands);
    if (inhibitGpo > 0) {
        std::printf("; inhibit output raised %d times", inhibits);
    }
    std::printf("\n");
    std::printf("  PTT keyed: antenna or output commands written %d (surely keyed %d", pttWritten, pttSurely);
    if (inhibitGpo > 0) {
        std::printf(", with the inhibit output off %d", pttUninhibited);
    }
    std::printf("), carried out by merax-sim %d (by the time its log line was read)\n", pttCarriedOut);
    std::printf("  SEND on: antenna or output commands merax-sim carried out while its SEND was on %d, on the air %d\n",
                after.antennaCommandsWhileSending + after.outputCommandsWhileSending -
                    before.antennaCommandsWhileSending - before.outputCommandsWhileSending,
                after.onAir - before.onAir);
    return 0;
}

// rigctld's answers held up: the panel hears of a QSY late, and of the PTT
// keyed 150 ms after it later still.
int slowRig(Bench& b, int changes, int delayMs)
{
    const qint64 start = steadyNow();
    const std::size_t linesBefore = b.simLog->carriedOutAt.size();
    std::vector<Spell> spells;
    std::vector<qint64> qsyToSwitch;
    int unfollowed = 0;
    for (int i = 0; i < changes; ++i) {
        const bool twenty = i % 2 == 0;
        const QByteArray wanted = twenty ? ant4 : ant2;
        const Exchange tuned = b.rig->command("F " + QByteArray::number(frequencyIn(twenty, *b.random)));
        if (!tuned.ok) {
            return fail("rigctld did not take the frequency");
        }
        pauseUntil(tuned.doneAt + 150);
        const Exchange on = b.rig->command("T 1");
        pauseUntil(on.doneAt + 2000);
        const Exchange off = b.rig->command("T 0");
        if (!on.ok || !off.ok) {
            return fail("could not key");
        }
        spells.push_back(spellOf(on, off));
        // Each answer is late by the delay, and the panel asks one at a time.
        if (b.waitForWrite(wanted, tuned.sentAt, 4 * delayMs + 3000)) {
            qsyToSwitch.push_back(b.firstWrite(wanted, tuned.sentAt) - tuned.doneAt);
        } else {
            ++unfollowed;
        }
        pauseMs(1000 + int(b.random->bounded(1000)));
    }
    pauseMs(500);
    int written = 0;
    int surely = 0;
    for (const Written& w : b.writes) {
        const Spell* spell = w.at >= start && switchesAntenna(w.command) ? spellAt(w.at, spells) : nullptr;
        if (spell == nullptr) {
            continue;
        }
        ++written;
        surely += spellAt(w.at, spells, true) != nullptr ? 1 : 0;
        std::printf("  %s written %lld ms into a PTT spell\n", frameCommand(w.command).toHex(' ').constData(),
                    static_cast<long long>(w.at - spell->from));
    }
    int carriedOut = 0;
    for (std::size_t i = linesBefore; i < b.simLog->carriedOutAt.size(); ++i) {
        carriedOut += spellAt(b.simLog->carriedOutAt[i], spells) != nullptr ? 1 : 0;
    }
    std::printf("rigctld answers %d ms late, %d QSYs each followed 150 ms later by PTT held 2 s:\n", delayMs, changes);
    std::printf("  switches while keyed: written %d (surely keyed %d), carried out by merax-sim %d; band changes not "
                "followed %d\n",
                written, surely, carriedOut, unfollowed);
    std::printf("  QSY -> switch: median %.0f ms, min %.0f ms, max %.0f ms\n", percentile(qsyToSwitch, 0.5),
                percentile(qsyToSwitch, 0.0), percentile(qsyToSwitch, 1.0));
    return 0;
}

// A peer on the device's address but another port that sends well-formed
// reports of an antenna the device does not have, unasked, at its own pace.
class Spoofer
{
public:
    int sent = 0;

    void start(quint16 panelPort, int periodMs, int antenna)
    {
        socket.bind(QHostAddress(QHostAddress::LocalHost), 0);
        // As merax-sim words it: the antenna, RTX, nothing active or busy.
        const QByteArray report = QByteArray::number(antenna, 16).toUpper() + ".0.0.0.1.0.FF.0.FF.F.0.0.FF";
        QObject::connect(&timer, &QTimer::timeout, [this, report, panelPort] {
            if (socket.writeDatagram(report, QHostAddress(QHostAddress::LocalHost), panelPort) == report.size()) {
                ++sent;
            }
        });
        timer.setTimerType(Qt::PreciseTimer);
        timer.start(periodMs);
    }
    quint16 port() const { return socket.localPort(); }

private:
    QUdpSocket socket;
    QTimer timer;
};

// A device that answers from another port than the one it is asked on: the
// panel's datagrams go in on one socket and on to merax-sim, its answers go
// back to the panel out of a third.
class Relay
{
public:
    quint16 listen(quint16 simPort)
    {
        front.bind(QHostAddress(QHostAddress::LocalHost), 0);
        back.bind(QHostAddress(QHostAddress::LocalHost), 0);
        answers.bind(QHostAddress(QHostAddress::LocalHost), 0);
        QObject::connect(&front, &QUdpSocket::readyRead, [this, simPort] {
            while (front.hasPendingDatagrams()) {
                const QNetworkDatagram d = front.receiveDatagram();
                panelHost = d.senderAddress();
                panelPort = quint16(d.senderPort());
                back.writeDatagram(d.data(), QHostAddress(QHostAddress::LocalHost), simPort);
            }
        });
        QObject::connect(&back, &QUdpSocket::readyRead, [this] {
            while (back.hasPendingDatagrams()) {
                answers.writeDatagram(back.receiveDatagram().data(), panelHost, panelPort);
            }
        });
        return front.localPort();
    }
    quint16 answerPort() const { return answers.localPort(); }

private:
    QUdpSocket front;
    QUdpSocket back;
    QUdpSocket answers;
    QHostAddress panelHost;
    quint16 panelPort = 0;
};

// What the panel shows at one moment.
struct Sample
{
    int lit = -1; // the antenna key lit as the one in use
    int state = -1; // deviceState's antenna, while the panel shows a state
    bool power = false; // POWER green: the link is up
};

Sample sampleOf(const MainWindow& w)
{
    Sample s;
    for (int i = 0; i < int(std::size(w.ui->antennaButtons)); ++i) {
        if (w.ui->antennaButtons[i]->styleSheet() == panelSelectedStyle()) {
            s.lit = i;
            break;
        }
    }
    // The state of a panel never shown, or cleared, reads Ant 1 and means nothing.
    s.state = w.paintCache.showsState ? antennaIndex(w.deviceState.selectedAntenna) : -1;
    s.power = w.ui->botaoPower->styleSheet() == powerFreshStyle();
    return s;
}

struct Tally
{
    int samples = 0;
    int spoofed = 0;
    int device = 0;
    int none = 0;
    int stateSpoofed = 0;
    int power = 0;
    int powerSpoofed = 0;
    qint64 firstDevice = -1; // ms from `from` to the first sample lighting the device's antenna
};

// Samples the panel every 100 ms for `ms`.
Tally sampleFor(const MainWindow& w, int ms, int spoofed, int device, qint64 from)
{
    Tally t;
    const qint64 begin = steadyNow();
    for (int i = 0; i * 100 < ms; ++i) {
        pauseUntil(begin + i * 100);
        const Sample s = sampleOf(w);
        ++t.samples;
        t.spoofed += s.lit == spoofed ? 1 : 0;
        t.device += s.lit == device ? 1 : 0;
        t.none += s.lit < 0 ? 1 : 0;
        t.stateSpoofed += s.state == spoofed ? 1 : 0;
        t.power += s.power ? 1 : 0;
        t.powerSpoofed += s.power && s.lit == spoofed ? 1 : 0;
        if (s.lit == device && t.firstDevice < 0) {
            t.firstDevice = steadyNow() - from;
        }
    }
    return t;
}

void printTally(const char* phase, const Tally& t, int spoofed, int device, bool spoofer = true)
{
    const char* whose = spoofer ? " (spoofer's)" : "";
    std::printf("  %s: %d samples; lit Ant %d%s %d, Ant %d (device's) %d, none %d; deviceState on Ant %d%s %d; POWER "
                "lit %d (%d of them with Ant %d)\n",
                phase, t.samples, spoofed + 1, whose, t.spoofed, device + 1, t.device, t.none, spoofed + 1, whose,
                t.stateSpoofed, t.power, t.powerSpoofed, spoofed + 1);
}

// The device sits on Ant 7; the spoofer claims Ant 1.
constexpr int spoofedAntenna = 0;
constexpr int deviceAntenna = 6;

int spoof(Bench& b, QProcess& sim, const QString& which, int periodMs, const Relay& relay)
{
    QStringList notices;
    QObject::connect(b.window->ui->statusBar, &QStatusBar::messageChanged, b.window, [&](const QString& text) {
        if (text.contains("port") && !notices.contains(text)) {
            notices << text;
        }
    });
    if (!spinUntil([] { return linkWorker != nullptr && linkWorker->localPort() != 0; }, 5000)) {
        return fail("the link worker has no port");
    }
    const quint16 panelPort = linkWorker->localPort();
    if (which == "other-port") {
        const Tally t = sampleFor(*b.window, 10000, spoofedAntenna, deviceAntenna, b.connectedAt);
        std::printf("device answering from port %u, asked on another (panel's port %u), 10 s from Connect:\n",
                    relay.answerPort(), panelPort);
        printTally("answering", t, spoofedAntenna, deviceAntenna, false);
        std::printf("  device's antenna first shown %s ms after Connect\n",
                    t.firstDevice >= 0 ? qPrintable(QString::number(t.firstDevice)) : "never");
    } else {
        if (which == "mid" &&
            !spinUntil(
                [&] {
                    const Sample s = sampleOf(*b.window);
                    return s.lit == deviceAntenna && s.power;
                },
                10000)) {
            return fail("the panel does not show the device");
        }
        Spoofer spoofer;
        spoofer.start(panelPort, periodMs, spoofedAntenna);
        std::printf("spoofer on 127.0.0.1:%u claiming Ant %d every %d ms to the panel's port %u, device on Ant %d:\n",
                    spoofer.port(), spoofedAntenna + 1, periodMs, panelPort, deviceAntenna + 1);
        if (which == "start") {
            printTally("device silent from Connect on, 10 s",
                       sampleFor(*b.window, 10000, spoofedAntenna, deviceAntenna, b.connectedAt), spoofedAntenna,
                       deviceAntenna);
        } else {
            printTally("device answering, 5 s", sampleFor(*b.window, 5000, spoofedAntenna, deviceAntenna, 0),
                       spoofedAntenna, deviceAntenna);
            sim.write("silence\n");
            printTally("device silent, 10 s", sampleFor(*b.window, 10000, spoofedAntenna, deviceAntenna, 0),
                       spoofedAntenna, deviceAntenna);
            sim.write("silence\n");
            printTally("device answering again, 8 s", sampleFor(*b.window, 8000, spoofedAntenna, deviceAntenna, 0),
                       spoofedAntenna, deviceAntenna);
        }
        std::printf("  spoofer sent %d reports\n", spoofer.sent);
    }
    for (const QString& notice : notices) {
        std::printf("  notice: %s\n", qPrintable(notice));
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // Offscreen unless a display is there (run under xvfb-run for a real X server).
    benchpanel::choosePlatform();
    skipUnusedOpenGl();
    // The window reads settings<profile>.ini beside this program.
    char profile[] = "benchbandfollow";
    char* windowArgs[] = {argv[0], profile, nullptr};
    int windowArgc = 2;
    QApplication app(windowArgc, windowArgs);
    qRegisterMetaType<MainWindow*>("MainWindow*");

    QCommandLineParser parser;
    parser.addOption({"scenario",
                      "latency (default), flap-ptt, flap-send, logger-burst, cw, soak, spoof or slow-rigctld.", "name",
                      "latency"});
    parser.addOption({"changes", "Frequency changes (latency, cw: 40; slow-rigctld: 10).", "n", "40"});
    parser.addOption({"cycles", "Key and release cycles per run (flap-ptt, flap-send).", "n", "20"});
    parser.addOption({"runs", "Runs of the flap or burst pattern.", "n", "3"});
    parser.addOption({"seed", "Seed of the frequencies and pauses.", "s", "7"});
    parser.addOption({"hang-ms", "[BandFollow] TxHangMs; the panel's default when not given.", "ms"});
    parser.addOption({"cw-hang-ms", "[BandFollow] TxHangCwMs; the panel's default when not given.", "ms"});
    parser.addOption({"inhibit-gpo", "[BandFollow] InhibitGpo, and merax-sim's --inhibit-gpo.", "n"});
    parser.addOption({"wpm", "Keying speed of the cw scenario.", "wpm", "20"});
    parser.addOption({"minutes", "How long the soak runs.", "m", "10"});
    parser.addOption({"case", "spoof: start (default), mid or other-port.", "name", "start"});
    parser.addOption({"spoof-ms", "The spoofer's period; 10 floods.", "ms", "160"});
    parser.addOption({"delay-ms", "How late rigctld's answers reach the panel (slow-rigctld).", "ms", "1000"});
    parser.process(benchpanel::argumentsOf(argc, argv));
    const QString scenario = parser.value("scenario");
    if (!QStringList {"latency", "flap-ptt", "flap-send", "logger-burst", "cw", "soak", "spoof", "slow-rigctld"}
             .contains(scenario)) {
        return fail("unknown scenario " + scenario);
    }
    const QString spoofCase = parser.value("case");
    if (scenario == "spoof" && !QStringList {"start", "mid", "other-port"}.contains(spoofCase)) {
        return fail("unknown case " + spoofCase);
    }
    const bool logger = scenario == "logger-burst";
    const bool spoofing = scenario == "spoof";
    // The spoof scenario watches the link alone: no radio, no band following.
    const bool usesRig = !logger && !spoofing;
    const int inhibitGpo = parser.isSet("inhibit-gpo") ? parser.value("inhibit-gpo").toInt() : 0;
    QRandomGenerator random(parser.value("seed").toUInt());

    const QString rigctld = QStandardPaths::findExecutable("rigctld");
    if (rigctld.isEmpty()) {
        return fail("rigctld not found (apt-get install libhamlib-utils)");
    }
    const quint16 rigPort = freeTcpPort();
    QProcess rig;
    if (usesRig) {
        rig.start(rigctld, {"-m", "1", "-P", "RIG", "-T", "127.0.0.1", "-t", QString::number(rigPort)});
    }
    SimLog simLog;
    QStringList simOptions;
    const QString sendFile =
        QDir::temp().filePath(QStringLiteral("bench_bandfollow_send_%1").arg(app.applicationPid()));
    QFile::remove(sendFile);
    if (scenario == "flap-send" || scenario == "soak") {
        simOptions << "--send-file" << sendFile << "--log";
    }
    if (scenario == "slow-rigctld") {
        simOptions << "--log";
    }
    if (spoofing) {
        simOptions << "--initial-antenna" << QString::number(deviceAntenna + 1);
        if (spoofCase == "start") {
            simOptions << "--silent";
        } else if (spoofCase == "mid") {
            simOptions << "--stdin-commands";
        }
    }
    if (scenario == "cw") {
        simOptions << "--keyer" << parser.value("wpm") << "--log";
    }
    if (parser.isSet("inhibit-gpo")) {
        simOptions << "--inhibit-gpo" << parser.value("inhibit-gpo");
    }
    QProcess sim;
    const quint16 simPort = benchpanel::startSimulator(sim, simOptions);
    if ((usesRig && !rig.waitForStarted()) || simPort == 0) {
        return fail("could not start rigctld and merax-sim");
    }
    if (inhibitGpo > 0) {
        simLog.inhibitTag = " -> FE 04 " + QByteArray::number(inhibitGpo - 1, 16).rightJustified(2, '0') + ' ';
    }
    QObject::connect(&sim, &QProcess::readyReadStandardOutput, [&] { simLog.take(sim.readAllStandardOutput()); });
    RigControl control;
    if (usesRig) {
        if (!control.open(rigPort)) {
            return fail("rigctld does not accept connections");
        }
        // Start in 40 m.
        if (!control.command("F 7050000").ok || (scenario == "cw" && !control.command("M CW 500").ok)) {
            return fail("rigctld did not take the frequency");
        }
    }

    // The panel talks to rigctld through the tap.
    RigTap tap;
    if (scenario == "slow-rigctld") {
        tap.delayMs = std::max(0, parser.value("delay-ms").toInt());
    }
    const quint16 tapPort = usesRig ? tap.listen(rigPort) : 0;
    // other-port: the panel asks the relay, which answers from elsewhere.
    Relay relay;
    const quint16 devicePort = spoofing && spoofCase == "other-port" ? relay.listen(simPort) : simPort;
    const QString settingsPath = benchpanel::writeDeviceSettings(profile, devicePort);
    const quint16 loggerPort = freeUdpPort();
    {
        QSettings s(settingsPath, QSettings::IniFormat);
        s.setValue("BandFollow/Source", spoofing ? "off" : logger ? "logger" : "rigctld");
        s.setValue("BandFollow/RigPort", logger ? rigPort : tapPort);
        s.setValue("BandFollow/LoggerPort", loggerPort);
        if (scenario == "soak") {
            // An output that goes with the band (a filter, an amplifier's
            // band input): output commands to meet the keying too.
            const int gpo = inhibitGpo == 2 ? 3 : 2;
            QString on(8, '-');
            QString off(8, '-');
            on[gpo - 1] = '1';
            off[gpo - 1] = '0';
            s.setValue("BandFollow/20m", "4 " + on);
            s.setValue("BandFollow/40m", "2 " + off);
        } else {
            s.setValue("BandFollow/20m", 4);
            s.setValue("BandFollow/40m", 2);
        }
        if (parser.isSet("hang-ms")) {
            s.setValue("BandFollow/TxHangMs", parser.value("hang-ms"));
        }
        if (parser.isSet("cw-hang-ms")) {
            s.setValue("BandFollow/TxHangCwMs", parser.value("cw-hang-ms"));
        }
        if (parser.isSet("inhibit-gpo")) {
            s.setValue("BandFollow/InhibitGpo", parser.value("inhibit-gpo"));
        }
    }

    int result = 0;
    {
        MainWindow window;
        window.show();
        Bench b;
        b.window = &window;
        b.rig = &control;
        b.simLog = &simLog;
        b.tap = &tap;
        b.random = &random;
        QObject::connect(linkWorker, &ThreadCOM::datagramWritten, &window,
                         [&](const DeviceCommand& command, qint64 at) {
                             b.writes.push_back({command, at});
                         });
        QObject::connect(linkWorker, &ThreadCOM::datagramReceived, &window,
                         [&](const QByteArray& bytes, const QHostAddress&, quint16, qint64 at) {
                             const QList<QByteArray> fields = bytes.split('.');
                             if (fields.size() >= 3) {
                                 b.reports.emplace_back(at, fields.at(2).toInt(nullptr, 16) != 0);
                             }
                         });
        b.connectedAt = steadyNow();
        window.ui->actionConnect_to_Merax->trigger();
        std::printf("platform %s, hang time %s ms, CW %s ms, inhibit output %s\n",
                    qPrintable(QGuiApplication::platformName()),
                    parser.isSet("hang-ms") ? qPrintable(parser.value("hang-ms")) : "300 (default)",
                    parser.isSet("cw-hang-ms") ? qPrintable(parser.value("cw-hang-ms")) : "790 (default)",
                    parser.isSet("inhibit-gpo") ? qPrintable("GPO " + parser.value("inhibit-gpo")) : "none");
        if (usesRig) {
            // Following, and on the band's antenna.
            if (!spinUntil(
                    [&] { return window.findChild<QLabel*>(QStringLiteral("labelBand"))->text().contains("MHz"); },
                    10000 + 4 * tap.delayMs) ||
                !b.waitForWrite(ant2, 0, (scenario == "cw" ? 20000 : 5000) + 4 * tap.delayMs)) {
                return fail("the panel does not follow rigctld");
            }
            pauseMs(1000);
        }
        const int runs = std::max(1, parser.value("runs").toInt());
        const int cycles = std::max(1, parser.value("cycles").toInt());
        const Keyer ptt = [&](bool on) { return control.command(on ? "T 1" : "T 0"); };
        const Keyer send = [&](bool on) {
            Exchange e;
            const int before = simLog.sendChanges;
            e.sentAt = steadyNow();
            if (on) {
                QFile file(sendFile);
                file.open(QIODevice::WriteOnly);
            } else {
                QFile::remove(sendFile);
            }
            e.ok = spinUntil([&] { return simLog.sendChanges > before && simLog.sending == on; }, 2000);
            e.doneAt = simLog.sendChangedAt;
            return e;
        };
        if (scenario == "latency") {
            result = latency(b, parser.value("changes").toInt());
        } else if (scenario == "cw") {
            result = cw(b, parser.value("changes").toInt(), parser.value("wpm").toInt());
        } else if (scenario == "flap-ptt") {
            result = flap(b, "PTT (rigctld T)", ptt, cycles, runs);
        } else if (scenario == "flap-send") {
            b.sendFile = sendFile;
            result = flap(b, "SEND (merax-sim --send-file)", send, cycles, runs);
        } else if (scenario == "soak") {
            result = soak(b, std::max(1, parser.value("minutes").toInt()), ptt, send, inhibitGpo);
        } else if (scenario == "slow-rigctld") {
            result =
                slowRig(b, parser.isSet("changes") ? std::max(1, parser.value("changes").toInt()) : 10, tap.delayMs);
        } else if (spoofing) {
            result = spoof(b, sim, spoofCase, std::max(1, parser.value("spoof-ms").toInt()), relay);
        } else {
            result = loggerBurst(b, loggerPort, runs);
        }
        window.ui->actionDisconnect->trigger();
        MainWindow::stopThreads();
    }
    sim.terminate();
    sim.waitForFinished();
    if (usesRig) {
        rig.terminate();
        rig.waitForFinished();
    }
    QFile::remove(sendFile);
    QFile::remove(settingsPath);
    return result;
}
