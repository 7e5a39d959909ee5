// The station's journal, end to end: a scripted evening against merax-sim
// and rigctld read back through `zarel-station --journal --csv`; a journal
// that cannot be written; a process killed while it switches.
#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/journal.h"
#include "app/settingsstore.h"
#include "app/station.h"
#include "app/stationjournal.h"
#include "link/linkclock.h"
#include "rigctldprocess.h"
#include "simulatorprocess.h"

namespace {

// Beside zarel-station, where `zarel-station PROFILE` keeps its settings.
QString settingsBesideStation(const QString& profile)
{
    return QFileInfo(qEnvironmentVariable("ZAREL_STATION_BIN")).absolutePath() + QStringLiteral("/settings") + profile +
        QStringLiteral(".ini");
}

void removeJournal(const QString& path)
{
    for (const char* suffix : {"", "-wal", "-shm"}) {
        QFile::remove(path + QLatin1String(suffix));
    }
}

// RFC 4180 fields of one CSV text; rows end with CRLF.
QVector<QStringList> parseCsv(const QString& text)
{
    QVector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && text.mid(i + 1, 1) == QLatin1String("\"")) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\r') && text.mid(i + 1, 1) == QLatin1String("\n")) {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

// The station under test in this process, connected to merax-sim.
struct Rig
{
    std::unique_ptr<Station> station;
    std::unique_ptr<StationJournal> journal;
    QStringList told; // every notice, as said
};

// Starts the station on `settingsPath` with `values` in it, its journal
// beside `journalBeside` (default: the same file), and connects.
bool startStation(Rig& rig, const QString& settingsPath, const QVariantMap& values,
                  const QString& journalBeside = QString())
{
    {
        SettingsStore store(settingsPath);
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            store.setValue(it.key(), it.value());
        }
        if (!store.sync()) {
            return false;
        }
    }
    rig.station = std::make_unique<Station>();
    rig.told.clear();
    QStringList& told = rig.told;
    QObject::connect(&rig.station->notices(), &Notices::changed, [&told](const QString& text) { told << text; });
    QObject::connect(&rig.station->notices(), &Notices::heard, [&told](const QString& text) { told << text; });
    rig.station->setSettingsPath(settingsPath);
    rig.station->startThreads();
    const SettingsStore settings(settingsPath);
    rig.journal = std::make_unique<StationJournal>(*rig.station);
    rig.journal->start(journalBeside.isEmpty() ? settingsPath : journalBeside, settings);
    rig.station->applySettings(settings);
    if (!rig.station->connectLink()) {
        return false;
    }
    QDeadlineTimer deadline(5000);
    while (lastReportTime == 0 && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return lastReportTime != 0;
}

void stopStation(Rig& rig)
{
    if (rig.station && connected) {
        rig.station->disconnectLink();
    }
    connected = false;
    DeviceLink::stopThreads();
    rig.journal.reset();
    rig.station.reset();
}

// Every command the station gave has been confirmed or given up.
bool settled(const Station& station)
{
    return station.session().unconfirmed() == 0 && station.waitingAntenna() == -1;
}

} // namespace

class TestJournal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void eveningReadBack_data();
    void eveningReadBack();
    void unwritableJournal_data();
    void unwritableJournal();
    void killedWhileSwitching();

private:
    // The scripted evening, once: its rows as `zarel-station --journal --csv` prints them.
    void runEvening();

    QVector<QStringList> evening;
    QString eveningFailure;
    Rig rig;
};

void TestJournal::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("MERAX_SIM_BIN") || qEnvironmentVariableIsEmpty("ZAREL_STATION_BIN")) {
        QSKIP("MERAX_SIM_BIN or ZAREL_STATION_BIN is not set");
    }
}

void TestJournal::cleanup()
{
    stopStation(rig);
    Journal::setPageLimit(0);
}

void TestJournal::runEvening()
{
    const QString profile = QStringLiteral("journaltest");
    const QString settingsPath = settingsBesideStation(profile);
    QFile::remove(settingsPath);
    removeJournal(Journal::pathFor(settingsPath));

    RigctldProcess radio;
    QVERIFY(radio.start());
    QVERIFY(radio.command("F 14074000"));
    QTemporaryDir dir;
    const QString sendFile = dir.filePath(QStringLiteral("send"));
    SimulatorProcess sim({"--log", "--refuse-antenna", "9", "--send-file", sendFile, "--initial-antenna", "4"});
    const quint16 simPort = sim.waitForPort();
    QVERIFY(simPort != 0);
    QVERIFY(startStation(rig, settingsPath,
                         {{"IP", "127.0.0.1"},
                          {"PORT", QString::number(simPort)},
                          {"IPdir", "true"},
                          {"BandFollow/Source", "rigctld"},
                          {"BandFollow/RigPort", QString::number(radio.port)},
                          {"BandFollow/20m", "4"},
                          {"BandFollow/40m", "2"}}));
    Station& station = *rig.station;

    // A key press the device takes (pressed twice), and one it refuses.
    station.pickAntenna(5, Asker {Asker::Kind::Key, QString()});
    station.pickAntenna(5, Asker {Asker::Kind::Key, QString()});
    QTRY_VERIFY_WITH_TIMEOUT(settled(station) && station.state().selectedAntenna == 5, 5000);
    station.pickAntenna(8, Asker {Asker::Kind::FunctionKey, QString()});
    QTRY_VERIFY_WITH_TIMEOUT(settled(station), 10000);

    // SEND on at the device, then 40 m: band following's switch waits for its end.
    {
        QFile send(sendFile);
        QVERIFY(send.open(QIODevice::WriteOnly));
    }
    QTRY_VERIFY_WITH_TIMEOUT(station.state().sendActive != 0, 5000);
    QVERIFY(radio.command("F 7074000"));
    QTRY_COMPARE_WITH_TIMEOUT(station.waitingAntenna(), 1, 5000);
    QElapsedTimer held;
    held.start();
    QTRY_VERIFY_WITH_TIMEOUT(held.elapsed() > 800, 2000);
    QVERIFY(QFile::remove(sendFile));
    QTRY_VERIFY_WITH_TIMEOUT(settled(station) && station.state().selectedAntenna == 1, 5000);

    // Another panel takes Ant 7.
    QUdpSocket other;
    other.writeDatagram(frameCommand(DeviceCommand::antenna(6)), QHostAddress(QHostAddress::LocalHost), simPort);
    QTRY_COMPARE_WITH_TIMEOUT(station.state().selectedAntenna, quint8(6), 5000);

    // The device falls silent past the watchdog, then answers again.
    QSignalSpy power(&station, &Station::powerChecked);
    sim.toggleAnswering();
    QTRY_VERIFY_WITH_TIMEOUT(!power.isEmpty() && !power.last().at(0).toBool(), 12000);
    sim.toggleAnswering();
    QTRY_VERIFY_WITH_TIMEOUT(power.last().at(0).toBool(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(settled(station), 5000);

    stopStation(rig);
    QProcess print;
    print.start(qEnvironmentVariable("ZAREL_STATION_BIN"), {"--journal", profile, "--csv"});
    QVERIFY(print.waitForFinished(10000));
    QCOMPARE(print.exitCode(), 0);
    evening = parseCsv(QString::fromUtf8(print.readAllStandardOutput()));
    QVERIFY(!evening.isEmpty());
    QFile::remove(settingsPath);
    removeJournal(Journal::pathFor(settingsPath));
}

void TestJournal::eveningReadBack_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("who");
    QTest::addColumn<QString>("outcome");
    // Held for at least this long; -1: not held at all.
    QTest::addColumn<int>("heldAtLeast");
    // The antenna in use from then on, as the day's picture takes it.
    QTest::addColumn<QString>("antenna");
    // false: no such row may be there.
    QTest::addColumn<bool>("present");

    QTest::newRow("the device's antenna at Connect") << "device"
                                                     << "Ant 4"
                                                     << ""
                                                     << "^on the device at Connect$" << -1 << "Ant 4" << true;
    QTest::newRow("a key press confirmed") << "switch"
                                           << "Ant 6"
                                           << "^key$"
                                           << "^confirmed after \\d+ ms$" << -1 << "Ant 6" << true;
    QTest::newRow("the same press again, not sent")
        << "switch"
        << "Ant 6"
        << "^key$"
        << "^not sent: the same switch still waits for the Merax$" << -1 << "" << true;
    QTest::newRow("the station's own switch is not another panel's")
        << "device"
        << "Ant 6"
        << ""
        << "^switched elsewhere$" << -1 << "Ant 6" << false;
    QTest::newRow("a refused switch") << "switch"
                                      << "Ant 9"
                                      << "^F9$"
                                      << "^not confirmed by the Merax$" << -1 << "" << true;
    QTest::newRow("the refusal's notice") << "notice"
                                          << "Ant 9 not confirmed by the Merax"
                                          << ""
                                          << "^$" << -1 << "" << true;
    QTest::newRow("a band switch held by SEND") << "switch"
                                                << "Ant 2"
                                                << "^band following: 7\\.074 MHz"
                                                << "^confirmed after \\d+ ms$" << 800 << "Ant 2" << true;
    QTest::newRow("its wait, told") << "notice"
                                    << "Ant 2 waits for the end of the transmission"
                                    << ""
                                    << "^$" << -1 << "" << true;
    QTest::newRow("the transmission") << "transmit"
                                      << "transmitting"
                                      << ""
                                      << "^$" << -1 << "" << true;
    QTest::newRow("another panel's switch") << "device"
                                            << "Ant 7"
                                            << ""
                                            << "^switched elsewhere$" << -1 << "Ant 7" << true;
    QTest::newRow("the link lost") << "link"
                                   << "link lost"
                                   << ""
                                   << "^silent for \\d+ s$" << -1 << "unknown" << true;
    QTest::newRow("the link back") << "link"
                                   << "link back"
                                   << ""
                                   << "^after \\d+ s$" << -1 << "" << true;
    QTest::newRow("the device's antenna when it answered again")
        << "device"
        << "Ant 7"
        << ""
        << "^on the device when it answered again$" << -1 << "Ant 7" << true;
}

void TestJournal::eveningReadBack()
{
    QFETCH(QString, kind);
    QFETCH(QString, what);
    QFETCH(QString, who);
    QFETCH(QString, outcome);
    QFETCH(int, heldAtLeast);
    QFETCH(QString, antenna);
    QFETCH(bool, present);
#ifndef Q_OS_UNIX
    QSKIP("Debian builds rigctld for Linux only: the evening is tested there");
#endif
    if (RigctldProcess::program().isEmpty()) {
        QSKIP("rigctld is not installed (Debian package libhamlib-utils)");
    }
    if (evening.isEmpty() && eveningFailure.isEmpty()) {
        runEvening();
        if (QTest::currentTestFailed()) {
            eveningFailure = QStringLiteral("the scripted evening failed");
            return;
        }
        // Oldest first, under the header row.
        QCOMPARE(evening.first().first(), QStringLiteral("time_utc"));
        for (int i = 2; i < evening.size(); ++i) {
            QVERIFY2(evening.at(i - 1).first() <= evening.at(i).first(), qPrintable(evening.at(i).join(',')));
        }
    }
    QVERIFY2(eveningFailure.isEmpty(), qPrintable(eveningFailure));
    const QRegularExpression whoPattern(who.isEmpty() ? QStringLiteral("^$") : who);
    const QRegularExpression outcomePattern(outcome);
    QStringList seen;
    bool found = false;
    for (const QStringList& row : evening) {
        QCOMPARE(row.size(), 9);
        if (row.at(1) != kind || row.at(2) != what) {
            continue;
        }
        seen << row.join(QLatin1Char(','));
        if (!whoPattern.match(row.at(3)).hasMatch() || !outcomePattern.match(row.at(4)).hasMatch() ||
            row.at(7) != antenna) {
            continue;
        }
        const int held = row.at(5).isEmpty() ? -1 : row.at(5).toInt();
        found = found || (heldAtLeast < 0 ? held == -1 : held >= heldAtLeast);
    }
    QVERIFY2(
        found == present,
        qPrintable(QStringLiteral("%1; of its kind and what:\n%2")
                       .arg(present ? "no such row" : "a row that must not be there", seen.join(QLatin1Char('\n')))));
}

void TestJournal::unwritableJournal_data()
{
    QTest::addColumn<QString>("trouble");
    QTest::newRow("read-only folder") << "read-only";
    QTest::newRow("full disk") << "full";
    QTest::newRow("locked by another copy") << "locked";
}

// Switching goes on, and the journal's trouble is said once.
void TestJournal::unwritableJournal()
{
    QFETCH(QString, trouble);
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("profile"));
    QVERIFY(QDir().mkpath(folder));
    std::unique_ptr<QSqlDatabase> lock;
    const QString lockName = QStringLiteral("holder");
    if (trouble == QLatin1String("read-only")) {
#ifdef Q_OS_WIN
        QSKIP("a folder's read-only flag does not keep files out on Windows");
#else
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        // Permissions do not hold root back; /proc takes no new files from anyone.
        if (QFileInfo(folder).isWritable() || QFile(folder + QStringLiteral("/probe")).open(QIODevice::WriteOnly)) {
            folder = QStringLiteral("/proc");
        }
#endif
    } else if (trouble == QLatin1String("full")) {
        // A page more than the schema: a burst of rows does not fit.
        Journal::setPageLimit(1);
    } else {
        // Another copy holds the file's write lock the whole time.
        const QString path = Journal::pathFor(folder + QStringLiteral("/settings.ini"));
        {
            Journal first;
            first.open(path);
            first.flush();
            QVERIFY(first.isWriting());
        }
        lock = std::make_unique<QSqlDatabase>(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), lockName));
        lock->setDatabaseName(path);
        QVERIFY(lock->open());
        QSqlQuery hold(*lock);
        QVERIFY(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    }
    SimulatorProcess sim({"--log"});
    const quint16 simPort = sim.waitForPort();
    QVERIFY(simPort != 0);
    QVERIFY(startStation(rig, dir.filePath(QStringLiteral("settings.ini")),
                         {{"IP", "127.0.0.1"}, {"PORT", QString::number(simPort)}, {"IPdir", "true"}},
                         folder + QStringLiteral("/settings.ini")));
    rig.journal->store().flush();
    if (trouble == QLatin1String("full")) {
        // More than the few pages take.
        for (int i = 0; i < 200; ++i) {
            rig.station->notices().show(QStringLiteral("%1 %2").arg(i).arg(QString(100, QLatin1Char('x'))));
        }
    }
    for (int round = 0; round < 6; ++round) {
        const int antenna = round % 2 == 0 ? 2 : 5;
        rig.station->pickAntenna(antenna, Asker {Asker::Kind::Key, QString()});
        QTRY_VERIFY_WITH_TIMEOUT(settled(*rig.station) && rig.station->state().selectedAntenna == antenna, 5000);
        QVERIFY(sim.waitForOutput(QStringLiteral("FE 02 0%1 FD").arg(antenna), 2000));
        rig.journal->store().flush();
    }
    const QStringList aboutJournal = rig.told.filter(QStringLiteral("journal cannot be written"));
    QVERIFY2(aboutJournal.size() == 1, qPrintable(rig.told.join(QLatin1Char('\n'))));
    if (!lock) {
        stopStation(rig);
        return;
    }
    // The other copy lets go before the station ends: what was kept
    // meanwhile is written as it does.
    lock->close();
    lock.reset();
    QSqlDatabase::removeDatabase(lockName);
    stopStation(rig);
    const QVector<JournalEvent> rows = journalfile::read(Journal::pathFor(folder + QStringLiteral("/settings.ini")), 0,
                                                         QDateTime::currentMSecsSinceEpoch() + 1);
    const auto confirmed = std::count_if(rows.cbegin(), rows.cend(), [](const JournalEvent& row) {
        return row.kind == JournalEvent::Kind::Switch && row.outcome.startsWith(QLatin1String("confirmed after"));
    });
    QCOMPARE(int(confirmed), 6);
}

// A process journalling a burst of switches, killed: the file opens, is
// whole, and holds every switch asked for a second or more before the kill.
void TestJournal::killedWhileSwitching()
{
    QTemporaryDir dir;
    SimulatorProcess sim;
    const quint16 simPort = sim.waitForPort();
    QVERIFY(simPort != 0);
    for (int run = 0; run < 5; ++run) {
        const QString settingsPath = dir.filePath(QStringLiteral("settings%1.ini").arg(run));
        const QString path = Journal::pathFor(settingsPath);
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--switch-burst", settingsPath, QString::number(simPort)});
        QVERIFY(child.waitForStarted(5000));
        QVERIFY(child.waitForReadyRead(10000));
        QTest::qWait(1200 + QRandomGenerator::global()->bounded(1500));
        const qint64 killedAt = QDateTime::currentMSecsSinceEpoch();
        child.kill();
        QVERIFY(child.waitForFinished(5000));
        // When each switch was asked, printed just after its row was stamped.
        QList<qint64> asked;
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            if (!line.trimmed().isEmpty()) {
                asked << line.trimmed().toLongLong();
            }
        }
        QVERIFY2(asked.size() > 20, qPrintable(QString::number(asked.size())));

        const QString name = QStringLiteral("check%1").arg(run);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next());
            QCOMPARE(query.value(0).toString(), QStringLiteral("ok"));
            // One row a switch: every one asked a second before the kill.
            const qint64 before = killedAt - 1000;
            QVERIFY(query.exec(
                        QStringLiteral("SELECT COUNT(*) FROM events WHERE kind = 'switch' AND at <= %1").arg(before)) &&
                    query.next());
            const int stored = query.value(0).toInt();
            const int due =
                int(std::count_if(asked.cbegin(), asked.cend(), [before](qint64 at) { return at <= before; }));
            QVERIFY2(stored >= due, qPrintable(QStringLiteral("run %1: %2 of %3 rows").arg(run).arg(stored).arg(due)));
            query.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
}

namespace {

// The child of killedWhileSwitching: switches every 20 ms, printing the
// time each switch was asked, until it is killed.
int switchBurst(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    Rig burst;
    const QStringList arguments = app.arguments();
    if (!startStation(burst, arguments.at(2), {{"IP", "127.0.0.1"}, {"PORT", arguments.at(3)}, {"IPdir", "true"}})) {
        return 1;
    }
    QObject::connect(burst.station.get(), &Station::asked, [](const DeviceCommand&, const Asker&) {
        std::printf("%lld\n", static_cast<long long>(linkclock::now()));
        std::fflush(stdout);
    });
    QTimer press;
    int next = 0;
    QObject::connect(&press, &QTimer::timeout, [&] {
        burst.station->pickAntenna(next, Asker {Asker::Kind::Key, QString()});
        next = (next + 1) % 12;
    });
    press.start(20);
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--switch-burst") == 0) {
        return switchBurst(argc, argv);
    }
    QCoreApplication app(argc, argv);
    TestJournal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_journal.moc"
