#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QTest>
#include <QUdpSocket>

#include "simulatorprocess.h"
#include "wine.h"

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

const QByteArray statusRequest = QByteArray::fromHex("FE01FD");

// Sends one datagram and waits up to ms for a reply; empty when none came.
QByteArray exchange(QUdpSocket& socket, quint16 port, const QByteArray& payload, int ms = 3000)
{
    while (socket.hasPendingDatagrams()) {
        socket.receiveDatagram(); // stale replies belong to earlier questions
    }
    socket.writeDatagram(payload, QHostAddress(QHostAddress::LocalHost), port);
    QDeadlineTimer deadline(ms);
    while (!socket.hasPendingDatagrams() && !deadline.hasExpired()) {
        socket.waitForReadyRead(int(qBound<qint64>(1, deadline.remainingTime(), 50)));
    }
    return socket.hasPendingDatagrams() ? socket.receiveDatagram().data() : QByteArray();
}

QStringList fields(const QByteArray& report)
{
    return QString::fromLatin1(report).split(QLatin1Char('.'));
}

} // namespace

class TestMeraxSimProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void commandShowsInNextReport_data();
    void commandShowsInNextReport();
    void logAndSummary();
    void silentUntilToggled();
    void silentAfterThenResume();
    void delayedReport();
    void seededLossRepeats();
    void lossOnTheWayIn();
    void jitteredReports();
    void refusedAntennaStays();
    void activityChangesReports();
    void vanishedClientDoesNotStopIt();
    void quitAfter();
    void signalsStopWithSummary_data();
    void signalsStopWithSummary();
    void badStart_data();
    void badStart();
    void answersAndQuits_data();
    void answersAndQuits();

private:
    QUdpSocket m_socket;
};

void TestMeraxSimProcess::init()
{
    QVERIFY(!qEnvironmentVariableIsEmpty("MERAX_SIM_BIN"));
    if (m_socket.state() != QAbstractSocket::BoundState) {
        QVERIFY(m_socket.bind(QHostAddress(QHostAddress::LocalHost), 0));
    }
}

void TestMeraxSimProcess::commandShowsInNextReport_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QString>("report");

    QTest::newRow("power-up") << QStringList {} << QByteArray() << "0.0.0.0.1.0.FF.0.FF.F.0.0.FF";
    QTest::newRow("Ant 12 at start") << QStringList {"--initial-antenna", "12"} << QByteArray()
                                     << "B.0.0.0.1.0.FF.0.FF.F.0.0.FF";
    QTest::newRow("Ant 6") << QStringList {} << QByteArray::fromHex("FE0205FD") << "5.0.0.0.1.0.FF.0.FF.F.0.0.FF";
    QTest::newRow("RX 2") << QStringList {} << QByteArray::fromHex("FE050200FD") << "0.0.0.0.0.1.FF.0.FF.F.0.0.FF";
}

void TestMeraxSimProcess::commandShowsInNextReport()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, command);
    QFETCH(QString, report);

    SimulatorProcess sim(arguments);
    const quint16 port = sim.waitForPort();
    QVERIFY2(port != 0, qPrintable(sim.output()));
    if (!command.isEmpty()) {
        QVERIFY(exchange(m_socket, port, command, 0).isEmpty());
    }
    // The command and the request travel the same path in order.
    QCOMPARE(QString::fromLatin1(exchange(m_socket, port, statusRequest)), report);
    QCOMPARE(sim.stop(), 0);
}

void TestMeraxSimProcess::logAndSummary()
{
    SimulatorProcess sim({"--log"});
    const quint16 port = sim.waitForPort();
    QVERIFY(port != 0);
    exchange(m_socket, port, QByteArray::fromHex("FE0203FD"), 0);
    exchange(m_socket, port, QByteArray(60000, 'x'), 0);
    exchange(m_socket, port, QByteArray(), 0);
    QCOMPARE(fields(exchange(m_socket, port, statusRequest)).value(0), QStringLiteral("3"));

    const QString from = QStringLiteral("127.0.0.1:%1 -> ").arg(m_socket.localPort());
    QVERIFY2(sim.waitForOutput(from + "FE 01 FD status request\n"), qPrintable(sim.output()));
    QVERIFY(sim.output().contains(from + "FE 02 03 FD antenna 4\n"));
    QVERIFY(sim.output().contains(from +
                                  "78 78 78 78 78 78 78 78 78 78 78 78 78 78 78 78 ... (60000 bytes) "
                                  "malformed: wrong start byte\n"));
    QVERIFY(sim.output().contains(from + "malformed: empty\n"));
    QCOMPARE(sim.stop(), 0);
    QVERIFY2(sim.output().endsWith("requests 1, commands 1, malformed 2, refused 0, replies 1, lost 0, "
                                   "lost on the way in 0, ignored while silent 0\n"),
             qPrintable(sim.output()));
}

void TestMeraxSimProcess::silentUntilToggled()
{
    SimulatorProcess sim({"--silent", "--log"});
    const quint16 port = sim.waitForPort();
    QVERIFY(port != 0);
    QVERIFY(exchange(m_socket, port, statusRequest, 500).isEmpty());
    QVERIFY(exchange(m_socket, port, QByteArray::fromHex("FE0207FD"), 0).isEmpty());
    // Received while silent, before it is told to answer again.
    QVERIFY(sim.waitForOutput("FE 02 07 FD (silent, ignored)\n"));
    sim.toggleAnswering();
    QVERIFY(sim.waitForOutput("answering again\n"));
    // The antenna command sent while silent never reached the device.
    QCOMPARE(fields(exchange(m_socket, port, statusRequest)).value(0), QStringLiteral("0"));
    QCOMPARE(sim.stop(), 0);
    QVERIFY(sim.output().contains("ignored while silent 2\n"));
}

void TestMeraxSimProcess::silentAfterThenResume()
{
    // Long enough for a slow start (or a slow pipe) to see each phase.
    SimulatorProcess sim({"--silent-after", "1", "--resume-after", "1"});
    const quint16 port = sim.waitForPort();
    QVERIFY(port != 0);
    QVERIFY(!exchange(m_socket, port, statusRequest).isEmpty());
    QVERIFY(sim.waitForOutput("silent\n"));
    QVERIFY(exchange(m_socket, port, statusRequest, 100).isEmpty());
    QVERIFY(sim.waitForOutput("answering again\n"));
    QVERIFY(!exchange(m_socket, port, statusRequest).isEmpty());
    QCOMPARE(sim.stop(), 0);
}

void TestMeraxSimProcess::delayedReport()
{
    SimulatorProcess sim({"--delay", "300"});
    const quint16 port = sim.waitForPort();
    QVERIFY(port != 0);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!exchange(m_socket, port, statusRequest).isEmpty());
    QVERIFY2(clock.elapsed() >= 290, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(sim.stop(), 0);
}

void TestMeraxSimProcess::seededLossRepeats()
{
    constexpr int requests = 40;
    QStringList patterns;
    for (int run = 0; run < 2; ++run) {
        SimulatorProcess sim({"--loss", "50", "--seed", "7", "--log"});
        const quint16 port = sim.waitForPort();
        QVERIFY(port != 0);
        for (int i = 0; i < requests; ++i) {
            m_socket.writeDatagram(statusRequest, QHostAddress(QHostAddress::LocalHost), port);
        }
        // Datagrams on the loopback keep their order: the last one closes the run.
        m_socket.writeDatagram(QByteArray::fromHex("FE0203FD"), QHostAddress(QHostAddress::LocalHost), port);
        QVERIFY(sim.waitForOutput("antenna 4\n"));
        QCOMPARE(sim.stop(), 0);
        QString pattern;
        for (const QString& line : sim.output().split('\n')) {
            if (line.contains("status request")) {
                pattern += line.endsWith("(report lost)") ? 'x' : '.';
            }
        }
        QCOMPARE(pattern.size(), requests);
        QVERIFY2(pattern.contains('x') && pattern.contains('.'), qPrintable(pattern));
        QVERIFY(sim.output().contains(QStringLiteral("lost %1,").arg(pattern.count('x'))));
        patterns << pattern;
    }
    QCOMPARE(patterns.at(1), patterns.at(0));
}

void TestMeraxSimProcess::lossOnTheWayIn()
{
    SimulatorProcess sim({"--loss-in", "100", "--log"});
    const quint16 port = sim.waitForPort();
    QVERIFY(port != 0);
    QVERIFY(exchange(m_socket, port, QByteArray::fromHex("FE0203FD"), 0).isEmpty());
    QVERIFY(exchange(m_socket, port, statusRequest, 300).isEmpty());
    QCOMPARE(sim.stop(), 0);
    const QString from = QStringLiteral("127.0.0.1:%1 -> ").arg(m_socket.localPort());
    QVERIFY2(sim.output().contains(from + "FE 02 03 FD antenna 4 (lost on the way in)\n"), qPrintable(sim.output()));
    QVERIFY(sim.output().contains("requests 0, commands 0, malformed 0, refused 0, replies 0, lost 0, "
                                  "lost on the way in 2,"));
}

void TestMeraxSimProcess::jitteredReports()
{
    SimulatorProcess sim({"--delay", "100", "--jitter", "300"});
    const quint16 port = sim.waitForPort();
    QVERIFY(port != 0);
    while (m_socket.hasPendingDatagrams()) {
        m_socket.receiveDatagram();
    }
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 10; ++i) {
        m_socket.writeDatagram(statusRequest, QHostAddress(QHostAddress::LocalHost), port);
    }
    QList<qint64> arrivals;
    QDeadlineTimer deadline(3000);
    while (arrivals.size() < 10 && m_socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())))) {
        while (m_socket.hasPendingDatagrams()) {
            m_socket.receiveDatagram();
            arrivals << clock.elapsed();
        }
    }
    QCOMPARE(arrivals.size(), 10);
    const QString window = QStringLiteral("first %1 ms, last %2 ms").arg(arrivals.first()).arg(arrivals.last());
    // Drawn for each report: sent together, they come back spread over 100 to 400 ms.
    QVERIFY2(arrivals.first() >= 95 && arrivals.last() <= 400 + 80, qPrintable(window));
    QVERIFY2(arrivals.last() - arrivals.first() >= 100, qPrintable(window));
    QCOMPARE(sim.stop(), 0);
}

void TestMeraxSimProcess::refusedAntennaStays()
{
    SimulatorProcess sim({"--refuse-antenna", "5", "--log"});
    const quint16 port = sim.waitForPort();
    QVERIFY(port != 0);
    for (const char* command : {"FE0204FD", "FE0203FD", "FE0204FD"}) {
        exchange(m_socket, port, QByteArray::fromHex(command), 0);
    }
    QCOMPARE(fields(exchange(m_socket, port, statusRequest)).value(0), QStringLiteral("3"));
    QCOMPARE(sim.stop(), 0);
    QVERIFY2(sim.output().contains("FE 02 04 FD antenna 5 (refused)\n"), qPrintable(sim.output()));
    QVERIFY(sim.output().contains("commands 1, malformed 0, refused 2,"));
}

void TestMeraxSimProcess::activityChangesReports()
{
    SimulatorProcess sim({"--activity"});
    const quint16 port = sim.waitForPort();
    QVERIFY(port != 0);
    const QByteArray first = exchange(m_socket, port, statusRequest);
    QCOMPARE(fields(first).size(), 13);
    QByteArray later = first;
    QDeadlineTimer deadline(5000);
    while (later == first && !deadline.hasExpired()) {
        QTest::qWait(100);
        later = exchange(m_socket, port, statusRequest);
    }
    QVERIFY(later != first);
    QCOMPARE(fields(later).value(12), QStringLiteral("FF"));
    QCOMPARE(sim.stop(), 0);
}

void TestMeraxSimProcess::vanishedClientDoesNotStopIt()
{
    SimulatorProcess sim({"--delay", "100"});
    const quint16 port = sim.waitForPort();
    QVERIFY(port != 0);
    {
        // Its report arrives after it has gone; some systems then report the refusal on the next read.
        QUdpSocket gone;
        QVERIFY(gone.bind(QHostAddress(QHostAddress::LocalHost), 0));
        gone.writeDatagram(statusRequest, QHostAddress(QHostAddress::LocalHost), port);
    }
    QTest::qWait(200);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(!exchange(m_socket, port, statusRequest).isEmpty());
    }
    QCOMPARE(sim.stop(), 0);
}

void TestMeraxSimProcess::quitAfter()
{
    SimulatorProcess sim({"--quit-after", "0.2"});
    QVERIFY(sim.waitForPort() != 0);
    QVERIFY(sim.waitForFinished(5000));
    QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.exitCode(), 0);
    QVERIFY(sim.waitForOutput("requests 0, commands 0, malformed 0"));
}

// Every other test stops it with "quit" on standard input.
void TestMeraxSimProcess::signalsStopWithSummary_data()
{
    QTest::addColumn<int>("signalNumber");
#ifdef Q_OS_UNIX
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT (Ctrl+C)") << int(SIGINT);
#endif
}

void TestMeraxSimProcess::signalsStopWithSummary()
{
#ifdef Q_OS_UNIX
    QFETCH(int, signalNumber);
    SimulatorProcess sim({"--silent"});
    QVERIFY(sim.waitForPort() != 0);
    ::kill(pid_t(sim.processId()), SIGUSR1);
    QVERIFY(sim.waitForOutput("answering again\n"));
    ::kill(pid_t(sim.processId()), signalNumber);
    QVERIFY(sim.waitForFinished(5000));
    QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.exitCode(), 0);
    QVERIFY(sim.output().contains("requests 0, commands 0"));
#else
    QSKIP("Unix signals; Windows' console events are taken by a console control handler");
#endif
}

void TestMeraxSimProcess::badStart_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("port too high") << QStringList {"--port", "70000"} << "--port";
    QTest::newRow("unknown option") << QStringList {"--bogus"} << "bogus";
    QTest::newRow("address not local") << QStringList {"--listen", "192.0.2.1"} << "cannot listen";
}

void TestMeraxSimProcess::badStart()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    if (QLatin1String(QTest::currentDataTag()) == QLatin1String("address not local")) {
        SKIP_UNDER_WINE("a bind to an address the machine does not have succeeds");
    }
    SimulatorProcess sim(arguments, SimulatorProcess::AsGiven);
    QVERIFY(sim.waitForFinished(5000));
    QCOMPARE(sim.exitCode(), 1);
    QVERIFY(!sim.output().contains("listening"));
    QVERIFY(sim.errors().contains(message));
}

void TestMeraxSimProcess::answersAndQuits_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("output");

    QTest::newRow("version") << QStringList {"--version"} << "^merax-sim \\d+\\.\\d+\\.\\d+\n$";
    QTest::newRow("short version") << QStringList {"-v"} << "^merax-sim \\d+\\.\\d+\\.\\d+\n$";
    QTest::newRow("help lists version") << QStringList {"--help"} << "--version +Displays version";
}

void TestMeraxSimProcess::answersAndQuits()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);

    if (QLatin1String(QTest::currentDataTag()) == QLatin1String("address not local")) {
        SKIP_UNDER_WINE("a bind to an address the machine does not have succeeds");
    }
    SimulatorProcess sim(arguments, SimulatorProcess::AsGiven);
    QVERIFY(sim.waitForFinished(5000));
    QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.exitCode(), 0);
    QVERIFY2(QRegularExpression(output).match(sim.output()).hasMatch(), qPrintable(sim.output()));
    QVERIFY(!sim.output().startsWith("listening on"));
}

QTEST_GUILESS_MAIN(TestMeraxSimProcess)
#include "tst_meraxsim_process.moc"
