// Rotators against Hamlib's real rotctld with its dummy rotator (-m 1) on a
// free loopback port, watched through a second connection of its own; and
// peers that are not rotctld, made here.
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

#include "connection/rotators.h"

namespace {

RotatorsSettings rotatorAt(quint16 port)
{
    RotatorsSettings settings;
    settings.rotors[0].host = QStringLiteral("127.0.0.1");
    settings.rotors[0].port = port;
    settings.rotors[0].antennas = {3};
    settings.rotors[0].name = QStringLiteral("Tower");
    return settings;
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress(QHostAddress::LocalHost), 0);
    return probe.serverPort();
}

QByteArray position(const QByteArray& azimuth)
{
    return "get_pos:\nAzimuth: " + azimuth + "\nElevation: 0.00\nRPRT 0\n";
}

// A peer on a free loopback port that answers each line asked with what
// `reply` gives for it; `greeting` goes to each connection first.
class FakeRotctld : public QObject
{
public:
    FakeRotctld()
    {
        server.listen(QHostAddress(QHostAddress::LocalHost), 0);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* peer = server.nextPendingConnection();
            ++connections;
            connect(peer, &QTcpSocket::disconnected, peer, &QObject::deleteLater);
            connect(peer, &QTcpSocket::readyRead, peer, [this, peer] {
                asked += peer->readAll();
                for (int end = asked.indexOf('\n'); end >= 0; end = asked.indexOf('\n')) {
                    const QByteArray question = asked.left(end);
                    asked.remove(0, end + 1);
                    peer->write(reply(question));
                }
            });
            peer->write(greeting);
        });
    }
    QTcpServer server;
    std::function<QByteArray(const QByteArray& question)> reply;
    QByteArray greeting;
    QByteArray asked;
    int connections = 0;
};

} // namespace

class TestRotctld : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dummyRotatorTurnsAndStops();
    void peersThatAreNotRotctld_data();
    void peersThatAreNotRotctld();

private:
    // Where rotctld itself says the rotator points, asked on its own connection.
    std::optional<double> azimuthAt(quint16 port);
};

std::optional<double> TestRotctld::azimuthAt(quint16 port)
{
    QTcpSocket control;
    control.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    if (!control.waitForConnected(2000)) {
        return std::nullopt;
    }
    control.write("p\n");
    QByteArray said;
    QDeadlineTimer deadline(3000);
    while (said.count('\n') < 2 && !deadline.hasExpired()) {
        control.waitForReadyRead(100);
        said += control.readAll();
    }
    bool ok = false;
    const double azimuth = said.split('\n').value(0).toDouble(&ok);
    return ok ? std::optional<double>(azimuth) : std::nullopt;
}

void TestRotctld::dummyRotatorTurnsAndStops()
{
#ifdef Q_OS_WIN
    QSKIP("Debian builds rotctld for Linux only: the daemon is tested there");
#endif
    const QString rotctld = QStandardPaths::findExecutable(QStringLiteral("rotctld"));
    if (rotctld.isEmpty()) {
        QSKIP("rotctld is not installed (Debian package libhamlib-utils)");
    }
    const quint16 port = freePort();
    QProcess daemon;
    const auto startDaemon = [&] {
        daemon.start(rotctld, {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port)});
        return daemon.waitForStarted(5000);
    };
    QVERIFY(startDaemon());
    Rotators rotators;
    QStringList notices;
    connect(&rotators, &Rotators::notice, this, [&](const QString& text) { notices << text; });
    // Every heading shown, with when it was shown.
    QList<QPair<qint64, double>> shown;
    QElapsedTimer clock;
    clock.start();
    connect(&rotators, &Rotators::changed, this, [&](int rotor) {
        if (const std::optional<double> heading = rotators.view(rotor).heading) {
            if (shown.isEmpty() || shown.last().second != *heading) {
                shown.append({clock.elapsed(), *heading});
            }
        }
    });
    rotators.configure(rotatorAt(port));
    QTRY_VERIFY_WITH_TIMEOUT(rotators.view(0).heading.has_value(), 10000);
    QCOMPARE(rotators.view(0).model, QStringLiteral("Dummy rotator"));
    QVERIFY(!rotators.view(0).turning);
    const double start = *rotators.view(0).heading;

    // The turn reaches rotctld: the rotator heads for 135° and the panel
    // follows it twice a second or more.
    QVERIFY(rotators.turn(0, 135, Asker {Asker::Kind::Menu, {}}));
    QCOMPARE(rotators.view(0).target, std::optional<double>(135));
    QCOMPARE(rotators.antennaHeading(3).contains(QStringLiteral("135\u00b0")), true);
    shown.clear();
    QTRY_VERIFY_WITH_TIMEOUT(shown.size() >= 5, 5000);
    for (int i = 1; i < shown.size(); ++i) {
        QVERIFY2(shown[i].second > shown[i - 1].second, "turns towards 135° the short way");
        QVERIFY2(shown[i].first - shown[i - 1].first <= 500, qPrintable(QString::number(shown[i].first)));
    }
    QVERIFY(shown.last().second > start && shown.last().second < 135);

    // Stop stops it, where rotctld says, and that is said once.
    notices.clear();
    QVERIFY(rotators.stop(0, Asker {Asker::Kind::Menu, {}}));
    QTRY_VERIFY_WITH_TIMEOUT(!rotators.view(0).turning, 5000);
    const double rest = *rotators.view(0).heading;
    QTest::qWait(1500);
    QCOMPARE(*rotators.view(0).heading, rest);
    const std::optional<double> told = azimuthAt(port);
    QVERIFY(told);
    QVERIFY2(std::fabs(*told - rest) < 0.5, qPrintable(QStringLiteral("%1 %2").arg(*told).arg(rest)));
    QCOMPARE(notices.filter(QStringLiteral("Tower stopped at ")).size(), 1);
    QVERIFY(rest < 135);

    // rotctld gone: no heading is shown, the turn is refused, and it is
    // named once; back, the heading is shown again.
    notices.clear();
    daemon.kill();
    daemon.waitForFinished(5000);
    QTRY_VERIFY_WITH_TIMEOUT(!rotators.view(0).heading.has_value(), 5000);
    QVERIFY(rotators.antennaHeading(3).isEmpty());
    QVERIFY(!rotators.turn(0, 90, Asker {Asker::Kind::Menu, {}}));
    QTRY_VERIFY(rotators.view(0).trouble.startsWith(QStringLiteral("rotctld: ")));
    QVERIFY(startDaemon());
    QTRY_VERIFY_WITH_TIMEOUT(rotators.view(0).heading.has_value(), 10000);
    QCOMPARE(notices.filter(QStringLiteral("Tower: rotctld lost")).size(), 1);
    QCOMPARE(notices.filter(QStringLiteral("Tower: rotctld back")).size(), 1);
    QVERIFY(rotators.turn(0, 90, Asker {Asker::Kind::Menu, {}}));
    daemon.kill();
    daemon.waitForFinished(5000);
}

void TestRotctld::peersThatAreNotRotctld_data()
{
    QTest::addColumn<QByteArray>("greeting");
    QTest::addColumn<QByteArray>("positionReply");
    QTest::addColumn<double>("heading"); // NaN: none shown
    QTest::addColumn<QString>("trouble");
    constexpr double none = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("another server's greeting")
        << QByteArray("SSH-2.0-OpenSSH_9.2\r\n") << QByteArray() << none << "rotctld: connected, unreadable answer";
    QTest::newRow("not a number") << QByteArray() << position("nan") << none << "rotctld: connected, unreadable answer";
    QTest::newRow("beyond any rotator") << QByteArray() << position("99999.00") << none
                                        << "rotctld: connected, unreadable answer";
    QTest::newRow("azimuth twice") << QByteArray() << QByteArray("get_pos:\nAzimuth: 10\nAzimuth: 20\nRPRT 0\n") << none
                                   << "rotctld: connected, unreadable answer";
    QTest::newRow("refused") << QByteArray() << QByteArray("get_pos:\nRPRT -8\n") << none
                             << "rotctld: connected, error RPRT -8";
    QTest::newRow("an answer nobody asked for first")
        << QByteArray() << QByteArray("stop:\nRPRT 0\n") + position("45.00") << 45.0 << QString();
    QTest::newRow("flood") << QByteArray("1\n").repeated(2 << 20) << position("45.00") << none
                           << "rotctld: connected, unreadable answer";
}

void TestRotctld::peersThatAreNotRotctld()
{
    QFETCH(QByteArray, greeting);
    QFETCH(QByteArray, positionReply);
    QFETCH(double, heading);
    QFETCH(QString, trouble);
    FakeRotctld peer;
    peer.greeting = greeting;
    peer.reply = [&](const QByteArray& question) -> QByteArray {
        if (question == "+p") {
            return positionReply;
        }
        if (question == "+_") {
            return "get_info:\nInfo: Fake\nRPRT 0\n";
        }
        // A position it cannot take: rotctld's bare refusal.
        return question.startsWith("+P ") ? QByteArray("RPRT -1\n") : QByteArray();
    };
    // The event loop never stalls, whatever the peer sends.
    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    QTimer ticks;
    connect(&ticks, &QTimer::timeout, this, [&] {
        longestGap = qMax(longestGap, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
    });
    ticks.start(10);
    clock.start();
    Rotators rotators;
    QStringList notices;
    connect(&rotators, &Rotators::notice, this, [&](const QString& text) { notices << text; });
    RotatorsSettings settings = rotatorAt(peer.server.serverPort());
    rotators.configure(settings);
    QTRY_VERIFY(peer.connections >= 1);
    QTRY_COMPARE_WITH_TIMEOUT(rotators.view(0).trouble, trouble, 3000);
    if (std::isnan(heading)) {
        QTest::qWait(300);
        QVERIFY(!rotators.view(0).heading);
        QVERIFY(rotators.antennaHeading(3).isEmpty());
    } else {
        QCOMPARE(rotators.view(0).heading, std::optional<double>(heading));
        // Refused with a bare code: told, and the connection stays.
        QVERIFY(rotators.turn(0, 100, Asker {}));
        QTRY_COMPARE(notices.filter(QStringLiteral("refused the turn: RPRT -1")).size(), 1);
        QVERIFY(!rotators.view(0).target);
        QCOMPARE(peer.connections, 1);
    }
    QVERIFY2(longestGap < 1000, qPrintable(QString::number(longestGap)));
}

QTEST_GUILESS_MAIN(TestRotctld)
#include "tst_rotctld.moc"
