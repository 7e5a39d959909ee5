// The link as an operator meets it: the real panel (offscreen, or on the
// display there is) connected to merax-sim on loopback, in four trials:
//
//   loss     --loss 20 for --seconds (default 300): the round trip the Ping
//            field shows against the true one, which a probe socket of its
//            own measures at the simulator four times a second;
//   outage   the simulator silent for 3 s: what the field says meanwhile,
//            and how long after the outage it shows the true figure again;
//   refused  a minute of presses at --loss 20, then an antenna the device
//            refuses: when it is sent again and when the operator is told;
//   heldkey  F4 held for 3.3 s (75 auto-repeats), then F7: commands on the
//            wire, time to Ant 7 on the wire, longest gap between polls.
//
// Run: bench_link [--trial loss|outage|refused|heldkey|all] [--seconds N]
// Needs merax-sim beside the build (or MERAX_SIM_BIN).
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QNetworkDatagram>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

#include <csignal>
#include <sys/types.h>

#include "app/mainwindow.h"
#include "app/platformsetup.h"
#include "benchpanel.h"
#include "forms/panelform.h"
#include "link/linkclock.h"
#include "link/threadcom.h"

namespace {

char profile[] = "benchlink";

long long ll(qint64 value)
{
    return static_cast<long long>(value);
}

// Runs the event loop for `ms`, answering every event as it comes (QTest's
// waits poll in 10 ms steps, which would add to the probe's round trip).
void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

qint64 median(std::vector<qint64> values)
{
    if (values.empty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Times status requests of its own at the simulator: the true round trip.
class Probe : public QObject
{
public:
    explicit Probe(quint16 port)
        : simPort(port)
    {
        socket.bind(QHostAddress(QHostAddress::LocalHost), 0);
        connect(&socket, &QUdpSocket::readyRead, this, [this] {
            while (socket.hasPendingDatagrams()) {
                socket.receiveDatagram();
                // Only the answer to the one request out, within its time.
                if (sentAt >= 0 && clock.elapsed() - sentAt < 200) {
                    samples.push_back(clock.elapsed() - sentAt);
                }
                sentAt = -1;
            }
        });
        connect(&timer, &QTimer::timeout, this, [this] {
            sentAt = clock.elapsed();
            socket.writeDatagram(QByteArray::fromHex("FE01FD"), QHostAddress(QHostAddress::LocalHost), simPort);
        });
        clock.start();
        timer.start(250);
    }

    // Median of the recent answers.
    qint64 roundTrip() const
    {
        const auto from = samples.size() > 20 ? samples.end() - 20 : samples.begin();
        return median(std::vector<qint64>(from, samples.end()));
    }

private:
    quint16 simPort;
    QUdpSocket socket;
    QTimer timer;
    QElapsedTimer clock;
    qint64 sentAt = -1;
    std::vector<qint64> samples;
};

class Trial
{
public:
    bool start(const QStringList& simOptions)
    {
        const quint16 port = benchpanel::startSimulator(sim, simOptions);
        if (port == 0) {
            return false;
        }
        benchpanel::writeDeviceSettings(profile, port);
        probe = std::make_unique<Probe>(port);
        window = std::make_unique<MainWindow>();
        window->show();
        QObject::connect(linkWorker, &ThreadCOM::datagramWritten, window.get(),
                         [this](const DeviceCommand& command, qint64 at) { written.emplace_back(at, command); });
        window->ui->actionConnect_to_Merax->trigger();
        return QTest::qWaitFor([this] { return ping() >= 0; }, 10000);
    }

    ~Trial()
    {
        if (window) {
            window->ui->actionDisconnect->trigger();
        }
        MainWindow::stopThreads();
        window.reset();
        sim.terminate();
        sim.waitForFinished(3000);
    }

    // The round trip the field shows, or -1 when it shows none.
    qint64 ping() const
    {
        const QString text = window->findChild<QLabel*>(QStringLiteral("labelPing"))->text();
        if (!text.startsWith(QLatin1String("Ping: "))) {
            return -1;
        }
        return text.mid(6).section(QLatin1Char(' '), 0, 0).toLongLong();
    }

    void toggleAnswering() { ::kill(pid_t(sim.processId()), SIGUSR1); }

    void press(QPushButton* button)
    {
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
    }

    QProcess sim;
    std::unique_ptr<Probe> probe;
    std::unique_ptr<MainWindow> window;
    std::vector<std::pair<qint64, DeviceCommand>> written;
};

int loss(int seconds)
{
    Trial t;
    if (!t.start({"--loss", "20", "--seed", "3"})) {
        return 1;
    }
    std::vector<qint64> shown;
    std::vector<qint64> truth;
    std::vector<qint64> error;
    int silent = 0;
    std::map<QString, int> others;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000) {
        pause(200);
        const qint64 ping = t.ping();
        const qint64 real = t.probe->roundTrip();
        if (ping < 0) {
            ++silent;
            others[t.window->findChild<QLabel*>(QStringLiteral("labelPing"))->text()] += 1;
            continue;
        }
        shown.push_back(ping);
        truth.push_back(real);
        error.push_back(std::abs(ping - real));
    }
    std::sort(shown.begin(), shown.end());
    std::sort(truth.begin(), truth.end());
    std::printf("loss 20 %% for %d s, %zu readings of the field (%d without a round trip):\n", seconds, shown.size(),
                silent);
    std::printf("  shown  min %lld  median %lld  max %lld ms\n", ll(shown.front()), ll(median(shown)),
                ll(shown.back()));
    std::printf("  true   min %lld  median %lld  max %lld ms\n", ll(truth.front()), ll(median(truth)),
                ll(truth.back()));
    std::printf("  |shown - true|  median %lld  max %lld ms; over 20 ms: %lld readings\n", ll(median(error)),
                ll(*std::max_element(error.begin(), error.end())),
                ll(std::count_if(error.begin(), error.end(), [](qint64 e) { return e > 20; })));
    for (const auto& [text, count] : others) {
        std::printf("  \"%s\" %d times\n", qPrintable(text), count);
    }
    std::printf("  field at the end: %s\n",
                qPrintable(t.window->findChild<QLabel*>(QStringLiteral("labelPing"))->text()));
    return 0;
}

int outage()
{
    Trial t;
    if (!t.start({})) {
        return 1;
    }
    pause(10000);
    std::printf("outage of 3 s after 10 s: before it the field reads \"%s\"\n",
                qPrintable(t.window->findChild<QLabel*>(QStringLiteral("labelPing"))->text()));
    t.toggleAnswering();
    pause(2500);
    std::printf("  2.5 s into it: \"%s\"\n",
                qPrintable(t.window->findChild<QLabel*>(QStringLiteral("labelPing"))->text()));
    pause(500);
    t.toggleAnswering();
    QElapsedTimer since;
    since.start();
    qint64 right = -1;
    while (since.elapsed() < 40000) {
        const qint64 ping = t.ping();
        const bool ok = ping >= 0 && std::abs(ping - t.probe->roundTrip()) <= 20;
        if (ok && right < 0) {
            right = since.elapsed();
        } else if (!ok) {
            right = -1;
        }
        if (right >= 0 && since.elapsed() - right > 5000) {
            break;
        }
        pause(5);
    }
    std::printf("  right again (within 20 ms of the true round trip, and staying so for 5 s) %lld ms after the "
                "outage ended: \"%s\"\n",
                ll(right), qPrintable(t.window->findChild<QLabel*>(QStringLiteral("labelPing"))->text()));
    return right < 0 ? 1 : 0;
}

int refused()
{
    Trial t;
    if (!t.start({"--loss", "20", "--refuse-antenna", "5", "--seed", "5"})) {
        return 1;
    }
    // A lossy minute of operating, a key every 1.5 s.
    for (int i = 0; i < 40; ++i) {
        t.press(t.window->ui->antennaButtons[i % 4]);
        pause(1500);
    }
    const qint64 pressed = linkclock::steadyNow();
    QElapsedTimer since;
    since.start();
    t.press(t.window->ui->botaoTecla5);
    const QString notice = QStringLiteral("Ant 5 not confirmed by the Merax");
    while (t.window->ui->statusBar->currentMessage() != notice && since.elapsed() < 30000) {
        pause(2);
    }
    const qint64 told = t.window->ui->statusBar->currentMessage() == notice ? since.elapsed() : -1;
    std::printf("refused Ant 5 after a minute at loss 20 %%: sent at");
    for (const auto& [at, command] : t.written) {
        if (at >= pressed && command == deviceCommand(2, 4)) {
            std::printf(" +%lld", ll((at - pressed)));
        }
    }
    std::printf(" ms; \"%s\" after %lld ms\n", qPrintable(notice), ll(told));
    return 0;
}

int heldKey()
{
    Trial t;
    if (!t.start({"--initial-antenna", "1"})) {
        return 1;
    }
    pause(1000);
    const qint64 held = linkclock::steadyNow();
    for (int i = 0; i < 75; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier, QString(), i > 0);
        QApplication::sendEvent(t.window.get(), &press);
        pause(44);
    }
    const qint64 pressed = linkclock::steadyNow();
    QTest::keyClick(t.window.get(), Qt::Key_F7);
    pause(3000);
    int ant4 = 0;
    qint64 ant7 = -1;
    qint64 lastPoll = held;
    qint64 gap = 0;
    for (const auto& [at, command] : t.written) {
        if (at < held) {
            continue;
        }
        ant4 += command == deviceCommand(2, 3) ? 1 : 0;
        if (command == deviceCommand(2, 6) && ant7 < 0) {
            ant7 = at - pressed;
        }
        if (command.isPoll()) {
            gap = std::max(gap, at - lastPoll);
            lastPoll = at;
        }
    }
    std::printf("F4 held 3.3 s (75 repeats), then F7: FE 02 03 FD on the wire %d time(s); Ant 7 on the wire %lld ms "
                "after the press; longest gap between polls %lld ms\n",
                ant4, ll(ant7), ll(gap));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // Offscreen unless a display is there (run under xvfb-run for a real X server).
    benchpanel::choosePlatform();
    skipUnusedOpenGl();
    // The window reads settings<profile>.ini beside this program.
    char* windowArgs[] = {argv[0], profile, nullptr};
    int windowArgc = 2;
    QApplication app(windowArgc, windowArgs);
    qRegisterMetaType<MainWindow*>("MainWindow*");

    QCommandLineParser parser;
    parser.addOption({"trial", "loss, outage, refused, heldkey or all.", "name", "all"});
    parser.addOption({"seconds", "Length of the loss trial.", "s", "300"});
    parser.process(benchpanel::argumentsOf(argc, argv));
    const QString trial = parser.value("trial");
    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    int failures = 0;
    if (trial == "heldkey" || trial == "all") {
        failures += heldKey();
    }
    if (trial == "outage" || trial == "all") {
        failures += outage();
    }
    if (trial == "refused" || trial == "all") {
        failures += refused();
    }
    if (trial == "loss" || trial == "all") {
        failures += loss(parser.value("seconds").toInt());
    }
    std::fflush(stdout);
    return failures == 0 ? 0 : 1;
}
