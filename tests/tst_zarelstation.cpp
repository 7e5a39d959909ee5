// zarel-station as a process, with no display: against merax-sim and
// Hamlib's dummy radio (rigctld -m 1) on loopback ports, as a service
// manager would run it.
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "rigctldprocess.h"
#include "simulatorprocess.h"

namespace {

// The station's settings file: beside the program, as `zarel station` keeps it.
QString settingsPath()
{
    return QFileInfo(qEnvironmentVariable("ZAREL_STATION_BIN")).absolutePath() +
        QStringLiteral("/settingsstationtest.ini");
}

} // namespace

class TestZarelStation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void followsTheBandAndEndsOnSigterm();

private:
    // Whether the station has written `text` to standard error within ms.
    bool waitForStderr(const QString& text, int ms);

    std::unique_ptr<RigctldProcess> rig;
    std::unique_ptr<SimulatorProcess> sim;
    QProcess station;
    QString stationErrors;
};

void TestZarelStation::cleanup()
{
    if (station.state() != QProcess::NotRunning) {
        station.kill();
        station.waitForFinished(5000);
    }
    stationErrors.clear();
    sim.reset();
    rig.reset();
    QFile::remove(settingsPath());
}

bool TestZarelStation::waitForStderr(const QString& text, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!stationErrors.contains(text)) {
        if (deadline.hasExpired() || station.state() == QProcess::NotRunning) {
            stationErrors += QString::fromLocal8Bit(station.readAllStandardError());
            return stationErrors.contains(text);
        }
        station.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
        stationErrors += QString::fromLocal8Bit(station.readAllStandardError());
    }
    return true;
}

void TestZarelStation::followsTheBandAndEndsOnSigterm()
{
#ifndef Q_OS_UNIX
    QSKIP("SIGTERM and rigctld are tested on Linux");
#endif
    if (RigctldProcess::program().isEmpty()) {
        QSKIP("rigctld is not installed (Debian package libhamlib-utils)");
    }
    if (qEnvironmentVariableIsEmpty("MERAX_SIM_BIN") || qEnvironmentVariableIsEmpty("ZAREL_STATION_BIN")) {
        QSKIP("MERAX_SIM_BIN or ZAREL_STATION_BIN is not set");
    }
    rig = std::make_unique<RigctldProcess>();
    QVERIFY(rig->start());
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString sendFile = dir.filePath(QStringLiteral("send"));
    sim = std::make_unique<SimulatorProcess>(QStringList {"--log", "--send-file", sendFile});
    const quint16 simPort = sim->waitForPort();
    QVERIFY(simPort != 0);
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        settings.setValue("IP", "127.0.0.1");
        settings.setValue("PORT", simPort);
        settings.setValue("IPdir", true);
        settings.setValue("BandFollow/Source", "rigctld");
        settings.setValue("BandFollow/RigPort", rig->port);
        settings.setValue("BandFollow/20m", 4);
        settings.setValue("BandFollow/40m", 2);
        settings.setValue("BandFollow/2m", 7);
    }

    // No display at all: a Gui library would not even be asked for one.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    station.setProcessEnvironment(environment);
    station.start(qEnvironmentVariable("ZAREL_STATION_BIN"), {"--lang", "en", "stationtest"});
    QVERIFY(station.waitForStarted(5000));
    QVERIFY2(waitForStderr(QStringLiteral("zarel-station: LAN enabled\n"), 5000), qPrintable(stationErrors));

    // The dummy radio starts on 145 MHz: 2 m names Ant 7; then tuned by another program.
    QVERIFY2(sim->waitForOutput(QStringLiteral("FE 02 06 FD"), 10000),
             qPrintable(stationErrors + QString::fromLocal8Bit(station.readAllStandardError())));
    QVERIFY(rig->command("F 14074000"));
    QVERIFY(sim->waitForOutput(QStringLiteral("FE 02 03 FD"), 5000));

    // SEND on at the device, then 40 m: the switch waits for the end of it.
    {
        QFile send(sendFile);
        QVERIFY(send.open(QIODevice::WriteOnly));
    }
    QVERIFY(sim->waitForOutput(QStringLiteral("send on"), 5000));
    const int polls = sim->polls();
    QTRY_VERIFY_WITH_TIMEOUT(sim->polls() > polls + 3, 3000);
    QVERIFY(rig->command("F 7074000"));
    QVERIFY2(waitForStderr(QStringLiteral("zarel-station: Ant 2 waits for the end of the transmission\n"), 5000),
             qPrintable(stationErrors));
    const int pollsHeld = sim->polls();
    QTRY_VERIFY_WITH_TIMEOUT(sim->polls() > pollsHeld + 4, 3000);
    QVERIFY(!sim->output().contains(QStringLiteral("FE 02 01 FD")));
    QVERIFY(QFile::remove(sendFile));
    QVERIFY(sim->waitForOutput(QStringLiteral("FE 02 01 FD"), 5000));

    // Each notice once, on a line of its own.
    const QStringList lines = stationErrors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.count(QStringLiteral("zarel-station: LAN enabled")), 1);
    for (const QString& line : lines) {
        QVERIFY2(line.startsWith(QStringLiteral("zarel-station: ")), qPrintable(line));
    }

#ifdef __SANITIZE_THREAD__
    // ThreadSanitizer slows the threads' joins and the exit several times over.
    const int endsWithin = 5000;
#else
    const int endsWithin = 1000;
#endif
    QElapsedTimer stopping;
    stopping.start();
    station.terminate();
    QVERIFY(station.waitForFinished(endsWithin));
    QVERIFY2(stopping.elapsed() < endsWithin, qPrintable(QString::number(stopping.elapsed())));
    QCOMPARE(station.exitStatus(), QProcess::NormalExit);
    QCOMPARE(station.exitCode(), 0);
    // Ending is not Disconnect: the operator's file still says connected.
    QCOMPARE(QSettings(settingsPath(), QSettings::IniFormat).value("CONNECTED").toInt(), 1);
}

QTEST_GUILESS_MAIN(TestZarelStation)
#include "tst_zarelstation.moc"
