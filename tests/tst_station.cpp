#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

#include "app/settingskeys.h"
#include "app/settingsstore.h"
#include "app/station.h"
#include "coreseams.h"
#include "link/linkclock.h"
#include "link/statusreport.h"
#include "panel/bandfollowing.h"

namespace {

// A report with every field 0 but the given ones; no antenna busy (busy is
// active low).
QString reportWith(const QMap<int, QString>& fields)
{
    QStringList parts;
    for (int i = 0; i < 12; ++i) {
        parts.append(fields.value(i,
                                  i == 8       ? QStringLiteral("FF")
                                      : i == 9 ? QStringLiteral("F")
                                               : QStringLiteral("0")));
    }
    parts.append(QStringLiteral("FF"));
    return parts.join(QLatin1Char('.'));
}

// The Merax on loopback: answers every datagram with its state, and takes
// an antenna command unless it is told to refuse.
class FakeDevice : public QObject
{
public:
    FakeDevice()
    {
        socket.bind(QHostAddress(QHostAddress::LocalHost), 0);
        connect(&socket, &QUdpSocket::readyRead, this, [this] {
            while (socket.hasPendingDatagrams()) {
                QHostAddress from;
                quint16 port = 0;
                QByteArray bytes(int(socket.pendingDatagramSize()), '\0');
                socket.readDatagram(bytes.data(), bytes.size(), &from, &port);
                received.append(bytes);
                for (int n = 0; n < 12 && !refuses; ++n) {
                    if (bytes == frameCommand(DeviceCommand::antenna(quint8(n)))) {
                        antenna = n;
                    }
                }
                const QString report = reportWith({{0, QString::number(antenna)}, {2, sending ? "1" : "0"}});
                socket.writeDatagram(report.toLatin1(), from, port);
            }
        });
    }
    int count(const DeviceCommand& command) const { return received.count(frameCommand(command)); }

    QUdpSocket socket;
    QList<QByteArray> received;
    int antenna = 0;
    bool refuses = false;
    bool sending = false;
};

} // namespace

// The station without a window: what it makes of the device's datagrams,
// what an operation sends, and what it tells a front end.
class TestStation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void reportsFromTheDeviceOnly_data();
    void reportsFromTheDeviceOnly();
    void pressConfirmedOrNamed_data();
    void pressConfirmedOrNamed();
    void overLoopback_data();
    void overLoopback();
    void noticesOutliveEvents_data();
    void noticesOutliveEvents();

private:
    void start(quint16 port, const QMap<QString, QString>& settings = {});
    QTemporaryDir dir;
    std::unique_ptr<Station> station;
};

void TestStation::init()
{
    station = std::make_unique<Station>();
}

void TestStation::cleanup()
{
    connected = false;
    DeviceLink::stopThreads();
    station.reset();
    QFile::remove(dir.filePath(QStringLiteral("settings.ini")));
}

void TestStation::start(quint16 port, const QMap<QString, QString>& settings)
{
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    SettingsStore store(path);
    store.setValue(settingskey::Host, QStringLiteral("127.0.0.1"));
    store.setValue(settingskey::Port, QString::number(port));
    for (auto it = settings.cbegin(); it != settings.cend(); ++it) {
        store.setValue(it.key(), it.value());
    }
    QVERIFY(store.sync());
    station->setSettingsPath(path);
    station->applySettings(SettingsStore(path));
}

// Only the device may set the state, only while connected, and only with a
// well-formed report: from its address, and from the port commands go to or
// the one it answered from first. Datagrams are "address port text", port
// "D" for the one commands go to; "P" is a poll written.
void TestStation::reportsFromTheDeviceOnly_data()
{
    QTest::addColumn<QStringList>("datagrams");
    QTest::addColumn<int>("shown"); // the antenna at the end
    QTest::addColumn<int>("ignored");
    QTest::addColumn<QString>("notice");

    const QString ant4 = reportWith({{0, "3"}});
    const QString ant6 = reportWith({{0, "5"}});
    // The link's socket sees IPv4 senders as ::ffff:a.b.c.d; the notice
    // names the address as the operator typed it, once, the first stranger.
    QTest::newRow("other hosts") << QStringList {"::ffff:127.0.0.2 D " + ant6, "10.0.0.9 D " + ant6,
                                                 "::ffff:127.0.0.1 D " + ant4}
                                 << 3 << 2 << "Ignored a status report from 127.0.0.2";
    QTest::newRow("another port of the device's host")
        << QStringList {"127.0.0.1 D " + ant4, "127.0.0.1 5555 " + ant6, "127.0.0.1 5556 " + ant6} << 3 << 2
        << "Ignored a status report from 127.0.0.1:5555";
    // Another port is learnt from answers to six polls.
    const auto times = [](const QStringList& list, int n) {
        QStringList all;
        for (int i = 0; i < n; ++i) {
            all += list;
        }
        return all;
    };
    const QStringList answering = times({"P", "127.0.0.1 5555 " + ant6}, 6);
    QTest::newRow("a device answering from another port") << answering << 5 << 5 << "The Merax answers from port 5555";
    QTest::newRow("another port, unasked")
        << times({"127.0.0.1 5555 " + ant6}, 6) << 0 << 6 << "Ignored a status report from 127.0.0.1:5555";
    // Only reports teach it: junk in step with the polls does not.
    QTest::newRow("another port, junk in step")
        << times({"P", "127.0.0.1 5555 hello"}, 6) + QStringList {"P", "127.0.0.1 5555 " + ant6} << 0 << 7 << "";
    QTest::newRow("then a third port") << answering + QStringList {"127.0.0.1 5556 " + ant4} << 5 << 6
                                       << "Ignored a status report from 127.0.0.1:5556";
    // The port notice is withdrawn: it is no longer true.
    QTest::newRow("its own port wins over one learnt before")
        << answering + QStringList {"P", "127.0.0.1 D " + ant4} << 3 << 5 << "";
    QTest::newRow("and the other port counts no more")
        << answering + QStringList {"P", "127.0.0.1 D " + ant4, "127.0.0.1 5555 " + ant6} << 3 << 6
        << "Ignored a status report from 127.0.0.1:5555";
    QTest::newRow("letters in fields") << QStringList {"127.0.0.1 D " + ant4,
                                                       "127.0.0.1 D ZZ.0.0.0.1.0.FE.1.FF.F.0.0.FF"}
                                       << 3 << 1 << "";
    QTest::newRow("empty fields") << QStringList {"127.0.0.1 D " + ant4, "127.0.0.1 D ............FF"} << 3 << 1 << "";
    QTest::newRow("a sign, hex in a decimal field")
        << QStringList {"127.0.0.1 D " + ant4, "127.0.0.1 D " + reportWith({{2, "-1"}}),
                        "127.0.0.1 D " + reportWith({{1, "A"}})}
        << 3 << 2 << "";
}

void TestStation::reportsFromTheDeviceOnly()
{
    QFETCH(QStringList, datagrams);
    QFETCH(int, shown);
    QFETCH(int, ignored);
    QFETCH(QString, notice);
    start(4001);
    QSignalSpy repaints(station.get(), &Station::repaintWanted);
    lastReportTime = 5;
    // Nothing counts while disconnected.
    station->linkReceived(reportWith({{0, "7"}}).toLatin1(), QHostAddress::LocalHost, 4001, 50);
    QCOMPARE(lastReportTime, qint64(5));
    QCOMPARE(repaints.count(), 0);

    connected = true;
    qint64 at = 100;
    for (const QString& datagram : datagrams) {
        if (datagram == QLatin1String("P")) {
            station->linkWrote(DeviceCommand::poll(), at += 100);
            continue;
        }
        const QStringList parts = datagram.split(QLatin1Char(' '));
        const quint16 from = parts[1] == QLatin1String("D") ? 4001 : quint16(parts[1].toUInt());
        station->linkReceived(parts[2].toLatin1(), QHostAddress(parts[0]), from, at += 100);
    }
    QCOMPARE(int(station->state().selectedAntenna), shown);
    QCOMPARE(station->session().ignoredReports(), ignored);
    QCOMPARE(station->notices().current(), notice);
}

// A press between the wire and the state shown, on a 300 ms link fed in the
// order the link worker hands it over: kept while unconfirmed, sent again,
// named when the device disagrees.
void TestStation::pressConfirmedOrNamed_data()
{
    QTest::addColumn<QStringList>("reported"); // antenna in each report after the press
    QTest::addColumn<int>("sent"); // times FE 02 01 FD was queued
    QTest::addColumn<QString>("notice");
    QTest::addColumn<int>("shown"); // the antenna at the end

    QTest::newRow("confirmed") << QStringList {"0", "1"} << 1 << "" << 1;
    QTest::newRow("sent again, then confirmed") << QStringList {"0", "0", "1"} << 2 << "" << 1;
    QTest::newRow("the device disagrees three times")
        << QStringList {"0", "0", "0", "0"} << 3 << "Ant 2 not confirmed by the Merax" << 0;
}

void TestStation::pressConfirmedOrNamed()
{
    QFETCH(QStringList, reported);
    QFETCH(int, sent);
    QFETCH(QString, notice);
    QFETCH(int, shown);
    start(4001);
    connected = true;
    QList<QByteArray> queued;
    const ScopedCommandTap tap([&queued](const QByteArray& payload) { queued.append(payload); });
    QSignalSpy asked(station.get(), &Station::asked);
    const DeviceCommand poll = DeviceCommand::poll();
    const DeviceCommand ant2 = DeviceCommand::antenna(1);
    // Heard receiving for the hang time before the press: a resend may leave.
    station->bandFollowing()->deviceSends(false);
    QTest::qWait(settingskey::bandfollow::TxHangMs.fallback + 20);
    qint64 now = linkclock::steadyNow();
    station->linkWrote(poll, now); // its answer is still on the way
    station->pickAntenna(1, {Asker::Kind::FunctionKey, QString()});
    QCOMPARE(int(station->state().selectedAntenna), 1);
    QCOMPARE(asked.count(), 1);
    QCOMPARE(asked.first().at(1).value<Asker>().kind, Asker::Kind::FunctionKey);
    station->linkWrote(ant2, now += 30);
    for (const QString& antenna : reported) {
        const int before = queued.size();
        station->linkReceived(reportWith({{0, antenna}}).toLatin1(), QHostAddress::LocalHost, 4001, now += 60);
        if (station->session().unconfirmed() > 0) {
            QCOMPARE(int(station->state().selectedAntenna), 1);
        }
        if (queued.size() > before) {
            QCOMPARE(queued.last(), frameCommand(ant2));
            station->linkWrote(ant2, now += 90); // sent again
        }
        station->linkWrote(poll, now += 90);
    }
    QCOMPARE(queued.count(frameCommand(ant2)), sent);
    QCOMPARE(station->session().unconfirmed(), 0);
    QCOMPARE(int(station->state().selectedAntenna), shown);
    QCOMPARE(station->notices().current(), notice);
}

// The whole station on its own threads against a device on loopback: Connect,
// a press confirmed, a press held while the station sends, the device's
// silence and its return on another antenna.
void TestStation::overLoopback_data()
{
    QTest::addColumn<bool>("sending"); // SEND on when Ant 3 is pressed
    QTest::addColumn<bool>("restarts"); // the device falls silent and comes back on Ant 1
    QTest::addColumn<QString>("notice"); // at the end
    QTest::newRow("receiving") << false << false << "Ant 3 selected";
    QTest::newRow("sending: held") << true << false << "Ant 3 selected";
    QTest::newRow("came back on another antenna") << false << true << "The Merax came back on Ant 1 (it had Ant 3)";
}

void TestStation::overLoopback()
{
    QFETCH(bool, sending);
    QFETCH(bool, restarts);
    QFETCH(QString, notice);
    FakeDevice device;
    start(device.socket.localPort(), {{settingskey::bandfollow::HoldManual.name, QStringLiteral("true")}});
    QSignalSpy withdrawn(station.get(), &Station::stateWithdrawn);
    station->startThreads();
    QVERIFY(station->connectLink());
    QTRY_VERIFY(lastReportTime != 0);
    device.sending = sending;
    // The guard hears the key down from a report before the press.
    QTRY_COMPARE(int(station->state().sendActive), sending ? 1 : 0);
    station->pickAntenna(2, {Asker::Kind::Key, QString()});
    if (sending) {
        QTRY_COMPARE(station->notices().current(), QStringLiteral("Ant 3 waits for the end of the transmission"));
        QCOMPARE(station->waitingAntenna(), 2);
        QTest::qWait(400);
        QCOMPARE(device.count(DeviceCommand::antenna(2)), 0);
        device.sending = false;
    }
    QTRY_COMPARE(device.antenna, 2);
    QTRY_COMPARE(station->session().unconfirmed(), 0);
    QCOMPARE(int(station->state().selectedAntenna), 2);
    QCOMPARE(device.count(DeviceCommand::antenna(2)), 1);
    if (restarts) {
        device.socket.close();
        QTRY_VERIFY_WITH_TIMEOUT(withdrawn.count() > 0, 5000);
        // Silent long enough to have restarted.
        QTest::qWait(1500);
        device.antenna = 0;
        const quint16 port = commandPort(station->link().devicePort);
        QVERIFY(device.socket.bind(QHostAddress(QHostAddress::LocalHost), port));
        QTRY_COMPARE_WITH_TIMEOUT(station->notices().current(), notice, 5000);
        QCOMPARE(int(station->state().selectedAntenna), 0);
    } else {
        QCOMPARE(station->notices().current(), notice);
    }
}

// Which notice outlives which event. Steps: "show T", "replace T R" (R may
// be empty), "standing T", "link T", "lost" and "answers" (the watchdog's
// verdicts well after Connect).
void TestStation::noticesOutliveEvents_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("stands");
    QTest::addColumn<QStringList>("heard"); // said without a change of what stands

    QTest::newRow("a withdrawn notice leaves a newer one")
        << QStringList {"show|Ant 3 waits", "show|Split disabled", "replace|Ant 3 waits|"} << "Split disabled"
        << QStringList();
    QTest::newRow("the same notice again is said again") << QStringList {"show|Split disabled", "show|Split disabled"}
                                                         << "Split disabled" << QStringList {"Split disabled"};
    QTest::newRow("a standing notice comes back")
        << QStringList {"standing|PTT unknown", "show|Ant 3 waits", "replace|Ant 3 waits|"} << "PTT unknown"
        << QStringList();
    QTest::newRow("the link's notice under a standing one")
        << QStringList {"standing|PTT unknown", "link|LAN enabled"} << "PTT unknown" << QStringList {"LAN enabled"};
    QTest::newRow("the link lost after LAN enabled")
        << QStringList {"link|LAN enabled", "lost"} << "No answer from the Merax" << QStringList();
    QTest::newRow("lost, then answering")
        << QStringList {"link|LAN enabled", "lost", "answers"} << "The Merax answers again" << QStringList();
    QTest::newRow("lost under another notice")
        << QStringList {"show|Split disabled", "lost"} << "Split disabled" << QStringList {"No answer from the Merax"};
}

void TestStation::noticesOutliveEvents()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, stands);
    QFETCH(QStringList, heard);
    Notices notices;
    QSignalSpy said(&notices, &Notices::heard);
    notices.linkStarted(0);
    for (const QString& step : steps) {
        const QStringList part = step.split(QLatin1Char('|'));
        if (part[0] == QLatin1String("show")) {
            notices.show(part[1]);
        } else if (part[0] == QLatin1String("replace")) {
            notices.replace(part[1], part[2]);
        } else if (part[0] == QLatin1String("standing")) {
            notices.setStanding(part[1]);
        } else if (part[0] == QLatin1String("link")) {
            notices.showLink(part[1]);
        } else {
            notices.linkChecked(true, part[0] == QLatin1String("answers"), 60000);
        }
    }
    QCOMPARE(notices.current(), stands);
    QStringList saidTexts;
    for (const QList<QVariant>& signal : said) {
        saidTexts << signal.at(0).toString();
    }
    QCOMPARE(saidTexts, heard);
}

QTEST_GUILESS_MAIN(TestStation)
#include "tst_station.moc"
