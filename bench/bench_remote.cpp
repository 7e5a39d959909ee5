// The browser panel beside the desktop panel: press-to-wire from a real
// browser (headless Chromium, driven by bench/browser-press.mjs) and from the
// desktop's own keys in alternating blocks of one run; then the desktop's
// poll regularity, event-loop lag and CPU with no browser connected and with
// 50 (WebSocket clients in a child process, logged in as browsers are).
// Between the panel and merax-sim a relay thread stamps every datagram.
//
// Run: bench_remote [--presses N] [--seconds S] [--clients N]
//      (under xvfb-run for a real X server; Chromium and
//      tests/browser/node_modules for the browser's presses)
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkReply>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSslConfiguration>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTest>
#include <QThread>
#include <QUdpSocket>
#include <QWebSocket>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

#include "app/mainwindow.h"
#include "app/settingsstore.h"
#include "app/station.h"
#include "app/stationremote.h"
#include "benchpanel.h"
#include "connection/remoteaccounts.h"
#include "link/command.h"

namespace {

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
        double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double quantile(std::vector<double> values, double q)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(q * double(values.size())))];
}

QSslConfiguration trustingAll()
{
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
    ssl.setPeerVerifyMode(QSslSocket::VerifyNone);
    return ssl;
}

QByteArray logIn(const QString& url)
{
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(url + QStringLiteral("login")));
    request.setSslConfiguration(trustingAll());
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    QNetworkReply* reply = manager.post(request, "user=bench&password=bench");
    if (!QTest::qWaitFor([reply] { return reply->isFinished(); }, 10000)) {
        return QByteArray();
    }
    const auto cookies = QNetworkCookie::parseCookies(reply->rawHeader("Set-Cookie"));
    reply->deleteLater();
    return cookies.isEmpty() ? QByteArray() : cookies.first().toRawForm(QNetworkCookie::NameAndValueOnly);
}

// The child: `count` browsers' WebSockets, each reading every message.
int runClients(int count, const QString& url, const QByteArray& cookie)
{
    std::vector<QWebSocket*> sockets;
    int connected = 0;
    qint64 messages = 0;
    QUrl ws(url);
    ws.setScheme(QStringLiteral("wss"));
    ws.setPath(QStringLiteral("/ws"));
    const QString origin = url.left(url.size() - 1);
    for (int i = 0; i < count; ++i) {
        auto* socket = new QWebSocket(origin);
        socket->setSslConfiguration(trustingAll());
        QObject::connect(socket, &QWebSocket::connected, [&connected, count] {
            if (++connected == count) {
                std::printf("connected %d\n", count);
                std::fflush(stdout);
            }
        });
        QObject::connect(socket, &QWebSocket::textMessageReceived, [&messages] { ++messages; });
        QNetworkRequest request(ws);
        request.setRawHeader("Cookie", cookie);
        socket->open(request);
        sockets.push_back(socket);
    }
    QTimer quitWhenOrphaned;
    QObject::connect(&quitWhenOrphaned, &QTimer::timeout, [] {
        if (getppid() == 1) {
            QCoreApplication::quit();
        }
    });
    quitWhenOrphaned.start(500);
    const int code = QCoreApplication::exec();
    std::printf("messages %lld\n", messages);
    return code;
}

struct Load
{
    double pollMedianMs = 0, pollP99Ms = 0, pollMaxMs = 0;
    double lagP99Ms = 0, lagMaxMs = 0;
    double cpuPercent = 0;
    int polls = 0;
};

// `seconds` of the panel at work: its poll intervals on the wire, how late
// a 10 ms timer of its thread fires, and its CPU.
Load measureLoad(benchpanel::Relay& relay, int seconds)
{
    std::vector<double> lags;
    QElapsedTimer since;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    qint64 last = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = since.nsecsElapsed();
        if (last != 0) {
            lags.push_back(std::max(0.0, (now - last) / 1e6 - 10.0));
        }
        last = now;
    });
    const qint64 from = benchpanel::steadyMicros();
    const double cpuFrom = cpuSeconds();
    since.start();
    tick.start(10);
    QTest::qWait(seconds * 1000);
    tick.stop();
    const qint64 to = benchpanel::steadyMicros();
    const double cpu = cpuSeconds() - cpuFrom;
    const std::vector<qint64> polls = relay.pollsBetween(from, to);
    std::vector<double> gaps;
    for (std::size_t i = 1; i < polls.size(); ++i) {
        gaps.push_back((polls[i] - polls[i - 1]) / 1000.0);
    }
    Load load;
    load.polls = int(polls.size());
    load.pollMedianMs = quantile(gaps, 0.5);
    load.pollP99Ms = quantile(gaps, 0.99);
    load.pollMaxMs = gaps.empty() ? 0 : *std::max_element(gaps.begin(), gaps.end());
    load.lagP99Ms = quantile(lags, 0.99);
    load.lagMaxMs = lags.empty() ? 0 : *std::max_element(lags.begin(), lags.end());
    load.cpuPercent = 100.0 * cpu / ((to - from) / 1e6);
    return load;
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 5 && qstrcmp(argv[1], "--clients") == 0) {
        QCoreApplication app(argc, argv);
        return runClients(QByteArray(argv[2]).toInt(), QString::fromLatin1(argv[3]), QByteArray(argv[4]));
    }
    benchpanel::choosePlatform();
    char profile[] = "benchremote";
    char* windowArgs[] = {argv[0], profile, nullptr};
    int windowArgc = 2;
    QApplication app(windowArgc, windowArgs);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"presses", "Presses from the desktop and from the browser, each (default 50).", "n", "50"});
    parser.addOption({"seconds", "Seconds of each load measurement (default 20).", "s", "20"});
    parser.addOption({"clients", "Browsers connected in the second load measurement (default 50).", "n", "50"});
    parser.process(benchpanel::argumentsOf(argc, argv));
    const int presses = qMax(10, parser.value("presses").toInt());
    const int seconds = qMax(5, parser.value("seconds").toInt());
    const int clientCount = qMax(1, parser.value("clients").toInt());

    QProcess sim;
    const quint16 simPort = benchpanel::startSimulator(sim, {"--activity"});
    if (simPort == 0) {
        std::fprintf(stderr, "merax-sim did not start\n");
        return 1;
    }
    benchpanel::Relay relay(simPort);
    if (!relay.open()) {
        std::fprintf(stderr, "the relay did not start\n");
        return 1;
    }
    const QString settingsPath = benchpanel::writeDeviceSettings("benchremote", relay.port);
    const quint16 webPort = freePort();
    {
        SettingsStore store(settingsPath);
        store.setValue(QStringLiteral("Journal/Enabled"), QStringLiteral("false"));
        store.setValue(QStringLiteral("ConnectAtStart"), QStringLiteral("true"));
        store.setValue(QStringLiteral("Remote/Port"), QString::number(webPort));
        store.sync();
    }
    const QString usersPath = remoteaccounts::pathFor(settingsPath);
    QFile::remove(usersPath);
    remoteaccounts::Store(usersPath).add(QStringLiteral("bench"), "bench", remoteaccounts::Role::Operator);

    MainWindow window;
    window.show();
    if (!QTest::qWaitFor([] { return lastReportTime != 0; }, 5000)) {
        std::fprintf(stderr, "the panel did not connect\n");
        return 1;
    }
    // Served on the window's station as the window serves it, by an object
    // the bench can ask how many browsers it has.
    {
        SettingsStore store(settingsPath);
        store.setValue(QStringLiteral("Remote/Enabled"), QStringLiteral("true"));
        store.sync();
    }
    StationRemote own(window.core());
    own.start(settingsPath, SettingsStore(settingsPath));
    StationRemote* remote = &own;
    const QString url = QStringLiteral("https://127.0.0.1:%1/").arg(webPort);
    const QByteArray cookie = logIn(url);
    if (cookie.isEmpty()) {
        std::fprintf(stderr, "could not log in at %s\n", qPrintable(url));
        return 1;
    }
    std::printf("Panel on %s, browser panel at %s\n", qPrintable(QGuiApplication::platformName()), qPrintable(url));

    // Press to wire, desktop and browser in alternating blocks of ten.
    QProcess browser;
    const QString driver = QDir(QStringLiteral(ZAREL_SOURCE_DIR)).filePath(QStringLiteral("bench/browser-press.mjs"));
    browser.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    browser.start(QStringLiteral("node"), {driver, url, QStringLiteral("bench"), QStringLiteral("bench")});
    const bool browserReady = browser.waitForStarted(5000) &&
        QTest::qWaitFor([&browser] { return browser.canReadLine() || browser.state() != QProcess::Running; }, 60000) &&
        browser.readLine().startsWith("ready");
    if (!browserReady) {
        std::fprintf(stderr, "no browser (node bench/browser-press.mjs): desktop presses only\n");
    }
    std::vector<QPushButton*> keys;
    for (int n = 1; n <= 12; ++n) {
        keys.push_back(window.findChild<QPushButton*>(QStringLiteral("botaoTecla%1").arg(n)));
    }
    std::vector<double> desktop;
    std::vector<double> fromBrowser;
    for (int done = 0; done < (browserReady ? 2 : 1) * presses; ++done) {
        const bool byBrowser = browserReady && (done / 10) % 2 == 1;
        QTest::qWait(300 + QRandomGenerator::global()->bounded(300));
        const int shown = window.core().state().selectedAntenna;
        const int next = (shown + 1 + QRandomGenerator::global()->bounded(10)) % 12;
        qint64 pressedAt = 0;
        if (byBrowser) {
            browser.write(QStringLiteral("ant%1\n").arg(next + 1).toLatin1());
            if (!QTest::qWaitFor([&browser] { return browser.canReadLine(); }, 5000)) {
                std::fprintf(stderr, "the browser did not press\n");
                return 1;
            }
            pressedAt = browser.readLine().trimmed().split(' ').value(1).toLongLong();
        } else {
            pressedAt = benchpanel::steadyMicros();
            QTest::mousePress(keys[std::size_t(next)], Qt::LeftButton);
            QTest::mouseRelease(keys[std::size_t(next)], Qt::LeftButton);
        }
        qint64 arrived = 0;
        QElapsedTimer waited;
        waited.start();
        while ((arrived = relay.arrivalAfter(pressedAt, byBrowser)) == 0 && waited.elapsed() < 3000) {
            QCoreApplication::processEvents();
        }
        if (arrived == 0) {
            std::fprintf(stderr, "press %d never reached the wire\n", done + 1);
            return 1;
        }
        (byBrowser ? fromBrowser : desktop).push_back((arrived - pressedAt) / 1000.0);
    }
    browser.closeWriteChannel();
    browser.waitForFinished(5000);
    std::printf("Press to wire, %d presses each:\n", presses);
    for (const auto& [name, ms] : {std::pair {"desktop key", desktop}, std::pair {"browser    ", fromBrowser}}) {
        if (!ms.empty()) {
            std::printf("  %s median %.2f ms, p90 %.2f ms, max %.2f ms\n", name, quantile(ms, 0.5), quantile(ms, 0.9),
                        *std::max_element(ms.begin(), ms.end()));
        }
    }

    // The panel's own work with no browser, then with many.
    const Load idle = measureLoad(relay, seconds);
    QProcess clients;
    clients.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--clients"), QString::number(clientCount), url, QString::fromLatin1(cookie)});
    if (!clients.waitForStarted() || !QTest::qWaitFor([&clients] { return clients.canReadLine(); }, 60000) ||
        !clients.readLine().startsWith("connected")) {
        std::fprintf(stderr, "the %d browsers did not connect\n", clientCount);
        return 1;
    }
    QTest::qWait(1000);
    const int served = remote->browsers();
    const Load busy = measureLoad(relay, seconds);
    clients.terminate();
    clients.waitForFinished(5000);
    std::printf("The desktop panel's work, %d s each (%d browsers connected in the second):\n", seconds, served);
    for (const auto& [name, l] : {std::pair {"no browser  ", idle}, std::pair {"with clients", busy}}) {
        std::printf("  %s polls %d, interval median %.1f ms, p99 %.1f ms, max %.1f ms; "
                    "10 ms timer late p99 %.2f ms, max %.2f ms; CPU %.1f %%\n",
                    name, l.polls, l.pollMedianMs, l.pollP99Ms, l.pollMaxMs, l.lagP99Ms, l.lagMaxMs, l.cpuPercent);
    }
    sim.kill();
    sim.waitForFinished();
    QFile::remove(settingsPath);
    QFile::remove(usersPath);
    return 0;
}
