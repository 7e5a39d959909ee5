#include <QElapsedTimer>
#include <QLabel>
#include <QNetworkDatagram>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QUdpSocket>

#include <atomic>

#include "commandsupport.h"
#include "forms/panelform.h"
#include "link/linkclock.h"
#include "link/threadcom.h"
#include "link/transmitguard.h"
#include "testsupport.h"
#include "wine.h"

namespace {

const char* const profile = "link_loop";
const QByteArray poll = QByteArray::fromHex("FE01FD");
const QByteArray example("3.0.0.0.1.0.FE.1.FF.F.0.0.FF");

// A stand-in for the device on 127.0.0.1: records what arrives, and answers
// each status request with `answer` when one is set.
class Peer : public QObject
{
    Q_OBJECT

public:
    struct Arrival
    {
        QByteArray payload;
        qint64 at;
        quint16 senderPort;
    };

    Peer()
    {
        socket.bind(QHostAddress(QHostAddress::LocalHost), 0);
        clock.start();
        connect(&socket, &QUdpSocket::readyRead, this, &Peer::readAll);
    }

    quint16 port() const { return socket.localPort(); }
    // A report unasked, from the port the panel sends to.
    void send(const QByteArray& data, quint16 to)
    {
        socket.writeDatagram(data, QHostAddress(QHostAddress::LocalHost), to);
    }

    QList<Arrival> arrivals;
    QByteArray answer;

Q_SIGNALS:
    void arrived();

private:
    void readAll()
    {
        while (socket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = socket.receiveDatagram();
            arrivals.append({datagram.data(), clock.elapsed(), static_cast<quint16>(datagram.senderPort())});
            if (!answer.isEmpty() && datagram.data() == poll) {
                socket.writeDatagram(answer, datagram.senderAddress(), static_cast<quint16>(datagram.senderPort()));
            }
            emit arrived();
        }
    }

    QUdpSocket socket;
    QElapsedTimer clock;
};

QStringList payloadsOf(const QList<Peer::Arrival>& arrivals)
{
    QStringList hex;
    for (const Peer::Arrival& arrival : arrivals) {
        hex.append(QString::fromLatin1(arrival.payload.toHex().toUpper()));
    }
    return hex;
}

} // namespace

// The link end to end over loopback: the window, its polling thread and its
// link worker against a fake device.
class TestLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void nothingSentWhileDisconnected();
    void pollsWhileConnected();
    void queuedDatagramsLeaveOnePerCycle();
    void errorAddressHoldsQueue();
    void commandsHeldByErrorReachTheDevice();
    void switchWaitsForTheGuard();
    void answeredPollUpdatesPanel();
    void pacingHoldsThroughGuiStall();
    void onePollAfterErrorSpell();
    void reportsFromAnotherAddressAreIgnored();
    void burstIsReadCompletely();
    void garbageFloodDoesNotStall();
    void writeToClosedPortKeepsReceiving();
    void shutdownWithWritesWaiting();

private:
    quint16 workerPort();
    void waitForQuiet(QSignalSpy& spy);

    Peer* peer = nullptr;
    MainWindow* window = nullptr;
};

void TestLink::init()
{
    connected = false;
    peer = new Peer;
    QFile::remove(testsupport::profileSettingsPath(profile));
    testsupport::writeLoopbackDevice(profile, peer->port());
    window = new MainWindow;
    QCOMPARE(window->deviceAddress, QStringLiteral("127.0.0.1"));
    QCOMPARE(window->devicePort, QString::number(peer->port()));
    QVERIFY(window->useIpDirectly);
}

void TestLink::cleanup()
{
    delete window;
    window = nullptr;
    delete peer;
    peer = nullptr;
    connected = false;
    QFile::remove(testsupport::profileSettingsPath(profile));
}

// The worker's local port, learnt as the device learns it: from a datagram.
quint16 TestLink::workerPort()
{
    const int before = peer->arrivals.size();
    linkWorker->enqueueCommand(commandFromHex("FE0601FD"));
    if (!QTest::qWaitFor([&] { return peer->arrivals.size() > before; }, 2000)) {
        return 0;
    }
    return peer->arrivals.last().senderPort;
}

// Waits until nothing has arrived for 300 ms (at most 3 s).
void TestLink::waitForQuiet(QSignalSpy& spy)
{
    QElapsedTimer deadline;
    deadline.start();
    while (spy.wait(300) && deadline.elapsed() < 3000) { }
}

void TestLink::nothingSentWhileDisconnected()
{
    QSignalSpy arrived(peer, &Peer::arrived);
    window->sendCommand(2, 3);
    window->sendCommand(1);
    QMetaObject::invokeMethod(window, "callEnviar");
    QCOMPARE(linkWorker->queuedDatagramCount(), 0);
    // Several polling cycles pass without a datagram.
    QVERIFY(!arrived.wait(500));
}

void TestLink::pollsWhileConnected()
{
    QSignalSpy arrived(peer, &Peer::arrived);
    QVERIFY(QMetaObject::invokeMethod(window, "openCom"));
    QVERIFY(connected);
    // Nobody answers: no round trip to tell reports apart by, so one poll
    // is out at a time, another after two seconds.
    QTRY_VERIFY_WITH_TIMEOUT(peer->arrivals.size() >= 2, 4000);
    const qint64 probeGap = peer->arrivals.at(1).at - peer->arrivals.at(0).at;
    QVERIFY2(probeGap >= 1900 && probeGap <= 2600, qPrintable(QStringLiteral("gap %1 ms").arg(probeGap)));
    // Once the device answers, polls go about six times a second.
    peer->answer = example;
    const int probes = peer->arrivals.size();
    QTRY_VERIFY_WITH_TIMEOUT(peer->arrivals.size() >= probes + 7, 4000);

    const QList<Peer::Arrival> polls = peer->arrivals.mid(probes, 7);
    for (const Peer::Arrival& arrival : polls) {
        QCOMPARE(arrival.payload.toHex(' '), poll.toHex(' '));
    }
    const qint64 average = (polls.last().at - polls.first().at) / (polls.size() - 1);
    QVERIFY2(average >= 100 && average <= 400, qPrintable(QStringLiteral("average %1 ms").arg(average)));

    const int beforeDisconnect = peer->arrivals.size();
    QVERIFY(QMetaObject::invokeMethod(window, "closeCom"));
    QVERIFY(!connected);
    // The poll waiting at the disconnect may still leave; then nothing.
    waitForQuiet(arrived);
    const int afterDisconnect = peer->arrivals.size();
    QVERIFY2(afterDisconnect - beforeDisconnect <= 1, qPrintable(QString::number(afterDisconnect - beforeDisconnect)));
    QVERIFY(!arrived.wait(500));
    QCOMPARE(peer->arrivals.size(), afterDisconnect);
}

void TestLink::queuedDatagramsLeaveOnePerCycle()
{
    // Queued straight into the worker: no polls, since not connected.
    linkWorker->enqueueCommand(commandFromHex("FE0601FD"));
    linkWorker->enqueueCommand(commandFromHex("FE040300FD"));
    QTRY_COMPARE_WITH_TIMEOUT(peer->arrivals.size(), 2, 2000);
    QCOMPARE(payloadsOf(peer->arrivals), (QStringList {"FE0601FD", "FE040300FD"}));
    const qint64 gap = peer->arrivals.at(1).at - peer->arrivals.at(0).at;
    QVERIFY2(gap >= 60 && gap <= 300, qPrintable(QStringLiteral("gap %1 ms").arg(gap)));
}

void TestLink::errorAddressHoldsQueue()
{
    QSignalSpy arrived(peer, &Peer::arrived);
    window->setDeviceAddress(QStringLiteral("error"));
    const QStringList commands {"FE040300FD", "FE040400FD", "FE040500FD", "FE040600FD", "FE040700FD"};
    for (const QString& hex : commands) {
        linkWorker->enqueueCommand(commandFromHex(hex));
    }
    QVERIFY(!arrived.wait(400));
    QCOMPARE(linkWorker->queuedDatagramCount(), 5);

    window->setDeviceAddress(QStringLiteral("127.0.0.1"));
    QTRY_COMPARE_WITH_TIMEOUT(peer->arrivals.size(), 5, 3000);
    QCOMPARE(payloadsOf(peer->arrivals), commands);
    for (int i = 1; i < peer->arrivals.size(); ++i) {
        const qint64 gap = peer->arrivals.at(i).at - peer->arrivals.at(i - 1).at;
        QVERIFY2(gap >= 60, qPrintable(QStringLiteral("gap %1 ms").arg(gap)));
    }
}

// Commands pressed while the host could not be resolved are addressed when
// they leave, so they reach the device once it resolves again.
void TestLink::commandsHeldByErrorReachTheDevice()
{
    QSignalSpy arrived(peer, &Peer::arrived);
    window->setDeviceAddress(QStringLiteral("error"));
    linkWorker->enqueueCommand(commandFromHex("FE040201FD"));
    linkWorker->enqueueCommand(commandFromHex("FE0601FD"));
    QVERIFY(!arrived.wait(300));
    window->setDeviceAddress(QStringLiteral("127.0.0.1"));
    QTRY_COMPARE_WITH_TIMEOUT(peer->arrivals.size(), 2, 3000);
    QCOMPARE(payloadsOf(peer->arrivals), QStringList({"FE040201FD", "FE0601FD"}));
}

// A switch that must wait for the end of a transmission stays queued while
// the rest goes on past it, and leaves by itself once the guard opens.
void TestLink::switchWaitsForTheGuard()
{
    QSignalSpy arrived(peer, &Peer::arrived);
    linkWorker->setGuardOpenAt(TransmitGuard::never);
    DeviceCommand band = commandFromHex("FE0204FD");
    band.guarded = true;
    linkWorker->enqueueCommand(band);
    linkWorker->enqueueCommand(commandFromHex("FE0601FD"));
    QTRY_COMPARE_WITH_TIMEOUT(peer->arrivals.size(), 1, 2000);
    QVERIFY(!arrived.wait(300));
    QCOMPARE(payloadsOf(peer->arrivals), QStringList({"FE0601FD"}));

    const qint64 opened = linkclock::steadyNow() + 250;
    linkWorker->setGuardOpenAt(opened);
    QTRY_COMPARE_WITH_TIMEOUT(peer->arrivals.size(), 2, 2000);
    QVERIFY(linkclock::steadyNow() >= opened);
    QCOMPARE(payloadsOf(peer->arrivals).last(), QStringLiteral("FE0204FD"));
    linkWorker->setGuardOpenAt(0);
}

void TestLink::answeredPollUpdatesPanel()
{
    peer->answer = example;
    window->deviceState.selectedAntenna = 9;
    lastReportTime = 0;
    QVERIFY(QMetaObject::invokeMethod(window, "openCom"));
    QTRY_VERIFY_WITH_TIMEOUT(
        window->findChild<QLabel*>(QStringLiteral("labelPing"))->text().startsWith(QStringLiteral("Ping: ")), 3000);
    QCOMPARE(int(window->deviceState.selectedAntenna), 3);
    QCOMPARE(int(window->deviceState.gpoStates), 1);
    QVERIFY(lastReportTime > 0);
    // The prompt of the connect stays: the figure has a field of its own.
    QCOMPARE(window->ui->statusBar->currentMessage(), QStringLiteral("LAN enabled"));
    bool isNumber = false;
    const int ping = window->findChild<QLabel*>(QStringLiteral("labelPing"))->text().mid(6).toInt(&isNumber);
    QVERIFY(isNumber);
    QVERIFY2(ping >= 0 && ping < 1000, qPrintable(QString::number(ping)));
}

// The GUI thread blocked for 200 ms at a time while commands wait: the wire
// keeps its spacing, measured where each datagram is written.
void TestLink::pacingHoldsThroughGuiStall()
{
    QList<qint64> written;
    connect(
        linkWorker, &ThreadCOM::datagramWritten, this,
        [&written](const DeviceCommand&, qint64 at) { written.append(at); }, Qt::QueuedConnection);
    for (int round = 0; round < 3; ++round) {
        // Four outputs a round: none replaces a command still waiting.
        for (int i = 0; i < 4; ++i) {
            linkWorker->enqueueCommand(deviceCommand(4, static_cast<quint8>((4 * round + i) % 8), 1));
        }
        QThread::msleep(200);
        QCoreApplication::processEvents();
    }
    QTRY_COMPARE_WITH_TIMEOUT(peer->arrivals.size(), 12, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 12, 2000);
    qint64 smallest = std::numeric_limits<qint64>::max();
    for (int i = 1; i < written.size(); ++i) {
        smallest = std::min(smallest, written.at(i) - written.at(i - 1));
    }
    QVERIFY2(smallest >= ThreadCOM::pacingMs, qPrintable(QStringLiteral("smallest gap %1 ms").arg(smallest)));
}

// While the host cannot be resolved the polls do not pile up: when it comes
// back, the commands pressed meanwhile and one poll leave, nothing stale.
void TestLink::onePollAfterErrorSpell()
{
    QSignalSpy arrived(peer, &Peer::arrived);
    window->setDeviceAddress(QStringLiteral("error"));
    // Twenty seconds' worth of polls, with commands between them.
    for (int i = 0; i < 120; ++i) {
        linkWorker->enqueueCommand(deviceCommand(1));
        if (i == 40 || i == 80) {
            linkWorker->enqueueCommand(commandFromHex(i == 40 ? "FE0601FD" : "FE040201FD"));
        }
    }
    QCOMPARE(linkWorker->queuedDatagramCount(), 3);
    QVERIFY(!arrived.wait(200));

    window->setDeviceAddress(QStringLiteral("127.0.0.1"));
    waitForQuiet(arrived);
    QCOMPARE(payloadsOf(peer->arrivals), (QStringList {"FE0601FD", "FE040201FD", "FE01FD"}));
}

void TestLink::reportsFromAnotherAddressAreIgnored()
{
    const quint16 port = workerPort();
    QVERIFY(port != 0);
    QUdpSocket stranger;
    if (!stranger.bind(QHostAddress(QStringLiteral("127.0.0.2")), 0)) {
        QSKIP("127.0.0.2 is not available here");
    }
    SKIP_UNDER_WINE("a socket bound to 127.0.0.2 sends from 127.0.0.1");
    const QByteArray report("7.0.0.0.0.1.FF.3.FF.F.0.0.FF\0junk", 34);
    lastReportTime = 0;
    connected = true;
    stranger.writeDatagram(report, QHostAddress(QHostAddress::LocalHost), port);
    QTRY_COMPARE_WITH_TIMEOUT(window->session().ignoredReports(), 1, 2000);
    QCOMPARE(int(window->deviceState.selectedAntenna), 0);
    QCOMPARE(lastReportTime, qint64(0));

    // The device is believed, the text read up to the zero byte.
    peer->send(report, port);
    QTRY_COMPARE_WITH_TIMEOUT(int(window->deviceState.selectedAntenna), 7, 2000);
    QCOMPARE(int(window->deviceState.gpoStates), 3);
    QCOMPARE(int(window->deviceState.rxActive), 1);
}

void TestLink::burstIsReadCompletely()
{
    const quint16 port = workerPort();
    QVERIFY(port != 0);
    QUdpSocket stranger;
    // Every one of them is counted as ignored: all of them must be read.
    if (!stranger.bind(QHostAddress(QStringLiteral("127.0.0.2")), 0)) {
        QSKIP("127.0.0.2 is not available here");
    }
    SKIP_UNDER_WINE("a socket bound to 127.0.0.2 sends from 127.0.0.1");
    connected = true;
    const int burst = 60;
    for (int i = 0; i < burst; ++i) {
        stranger.writeDatagram(QByteArray("1.0.0.0.0.0.FF.0.FF.F.0.0.FF"), QHostAddress(QHostAddress::LocalHost), port);
    }
    QTRY_COMPARE_WITH_TIMEOUT(window->session().ignoredReports(), burst, 3000);
    QCOMPARE(int(window->deviceState.selectedAntenna), 0);
    peer->send(QByteArray("5.0.0.0.0.0.FF.0.FF.F.0.0.FF"), port);
    QTRY_COMPARE_WITH_TIMEOUT(int(window->deviceState.selectedAntenna), 5, 2000);
}

void TestLink::garbageFloodDoesNotStall()
{
    const quint16 port = workerPort();
    QVERIFY(port != 0);
    // Sent from the device's own host; the last report from the device itself.
    connected = true;
    QUdpSocket stranger;
    QVERIFY(stranger.bind(QHostAddress(QHostAddress::LocalHost), 0));
    QRandomGenerator generator(7);
    QByteArray garbage(2 * 65000, Qt::Uninitialized);
    for (char& byte : garbage) {
        byte = "0123456789ABCDEF.\xff\x00"[generator.bounded(19)];
    }
    QElapsedTimer clock;
    clock.start();
    // Datagrams up to the largest size, of any bytes, dots and digits
    // included, as fast as the loopback takes them; the kernel drops most,
    // the rest are read and parsed.
    for (int round = 0; round < 20; ++round) {
        for (int i = 0; i < 25; ++i) {
            stranger.writeDatagram(garbage.mid(generator.bounded(65000), generator.bounded(1, 65000)),
                                   QHostAddress(QHostAddress::LocalHost), port);
        }
        QCoreApplication::processEvents();
    }
    // The kernel may drop any datagram while its buffer is full: the good
    // report is repeated until the panel has read it.
    for (int i = 0; i < 50 && window->deviceState.selectedAntenna != 10; ++i) {
        peer->send(QByteArray("A.0.0.0.0.0.FF.0.FF.F.0.0.FF"), port);
        QTest::qWait(100);
    }
    QCOMPARE(int(window->deviceState.selectedAntenna), 10);
    QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
}

void TestLink::writeToClosedPortKeepsReceiving()
{
    const quint16 port = workerPort();
    QVERIFY(port != 0);
    quint16 closedPort = 0;
    {
        QUdpSocket gone;
        QVERIFY(gone.bind(QHostAddress(QHostAddress::LocalHost), 0));
        closedPort = gone.localPort();
    }
    // Refused writes must not leave the socket deaf.
    linkWorker->setEndpoint(QStringLiteral("127.0.0.1"), closedPort);
    for (int i = 0; i < 3; ++i) {
        linkWorker->enqueueCommand(deviceCommand(4, static_cast<quint8>(i), 1));
    }
    QTRY_COMPARE_WITH_TIMEOUT(linkWorker->queuedDatagramCount(), 0, 2000);
    connected = true;
    peer->send(QByteArray("6.0.0.0.0.0.FF.0.FF.F.0.0.FF"), port);
    QTRY_COMPARE_WITH_TIMEOUT(int(window->deviceState.selectedAntenna), 6, 2000);
}

void TestLink::shutdownWithWritesWaiting()
{
    // Counted on the worker thread as each write returns.
    std::atomic<int> written {0};
    connect(
        linkWorker, &ThreadCOM::datagramWritten, linkWorker, [&written](const DeviceCommand&, qint64) { ++written; },
        Qt::DirectConnection);
    // Ten different things, so none replaces another.
    for (int i = 0; i < 8; ++i) {
        linkWorker->enqueueCommand(deviceCommand(4, static_cast<quint8>(i), 1));
    }
    linkWorker->enqueueCommand(commandFromHex("FE0601FD"));
    linkWorker->enqueueCommand(commandFromHex("FE03000000FD"));
    QTRY_VERIFY_WITH_TIMEOUT(!peer->arrivals.isEmpty(), 2000);
    // Joins both threads; writes still waiting are dropped with the worker.
    delete window;
    window = nullptr;
    QVERIFY(linkWorker == nullptr);
    QVERIFY(pollingThread == nullptr);
    const int sent = written;
    QVERIFY(sent < 10);
    // What was written before the join may still be on its way; then nothing.
    QTRY_COMPARE_WITH_TIMEOUT(peer->arrivals.size(), sent, 2000);
    QSignalSpy arrived(peer, &Peer::arrived);
    QVERIFY(!arrived.wait(300));
    QCOMPARE(peer->arrivals.size(), sent);
}

ZAREL_TEST_MAIN(TestLink, profile)
#include "tst_link.moc"
