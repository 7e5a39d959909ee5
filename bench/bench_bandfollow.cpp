// Frequency-to-wire latency of band following: the real panel (offscreen, or
// on the display there is) connected to merax-sim, following Hamlib's rigctld with its dummy radio.
// A second rigctld connection retunes the radio between 20 m and 40 m; the
// time runs from rigctld's "RPRT 0" (the radio has the new frequency) to the
// link worker writing the band's antenna command.
//
// Run: bench_bandfollow [--changes N] [--seed S]
// Needs rigctld (Debian package libhamlib-utils) and merax-sim beside the
// build (or MERAX_SIM_BIN).
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/mainwindow.h"
#include "app/platformsetup.h"
#include "benchpanel.h"
#include "forms/panelform.h"
#include "link/linkclock.h"
#include "link/threadcom.h"

namespace {

quint16 freeTcpPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress(QHostAddress::LocalHost), 0);
    return probe.serverPort();
}

int fail(const char* what)
{
    std::fprintf(stderr, "bench_bandfollow: %s\n", what);
    return 1;
}

double percentile(std::vector<qint64> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto index = std::size_t(p * double(values.size() - 1) + 0.5);
    return double(values.at(index));
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
    parser.addOption({"changes", "Frequency changes to time.", "n", "40"});
    parser.addOption({"seed", "Seed of the pauses between changes.", "s", "7"});
    parser.process(benchpanel::argumentsOf(argc, argv));
    const int changes = parser.value("changes").toInt();
    QRandomGenerator random(parser.value("seed").toUInt());

    const QString rigctld = QStandardPaths::findExecutable("rigctld");
    if (rigctld.isEmpty()) {
        return fail("rigctld not found (apt-get install libhamlib-utils)");
    }
    const quint16 rigPort = freeTcpPort();
    QProcess rig;
    rig.start(rigctld, {"-m", "1", "-P", "RIG", "-T", "127.0.0.1", "-t", QString::number(rigPort)});
    QProcess sim;
    const quint16 simPort = benchpanel::startSimulator(sim, {});
    if (!rig.waitForStarted() || simPort == 0) {
        return fail("could not start rigctld and merax-sim");
    }
    QTcpSocket control;
    if (!QTest::qWaitFor(
            [&] {
                control.abort();
                control.connectToHost(QHostAddress(QHostAddress::LocalHost), rigPort);
                return control.waitForConnected(200);
            },
            5000)) {
        return fail("rigctld does not accept connections");
    }

    const QString settingsPath = benchpanel::writeDeviceSettings(profile, simPort);
    {
        QSettings s(settingsPath, QSettings::IniFormat);
        s.setValue("BandFollow/Source", "rigctld");
        s.setValue("BandFollow/RigPort", rigPort);
        s.setValue("BandFollow/20m", 4);
        s.setValue("BandFollow/40m", 2);
    }

    std::vector<qint64> latencies;
    {
        MainWindow window;
        window.show();
        QByteArray wanted;
        qint64 writtenAt = -1;
        QObject::connect(linkWorker, &ThreadCOM::datagramWritten, &window,
                         [&](const DeviceCommand& command, qint64 at) {
                             if (frameCommand(command) == wanted && writtenAt < 0) {
                                 writtenAt = at;
                             }
                         });
        window.ui->actionConnect_to_Merax->trigger();
        if (!QTest::qWaitFor([&] { return window.bandFigures()->text().contains("MHz"); }, 10000)) {
            return fail("the panel does not follow rigctld");
        }
        for (int i = 0; i < changes; ++i) {
            // Alternate bands, anywhere in them, at an operator's pace.
            const bool twenty = i % 2 == 0;
            const qint64 hz = twenty ? 14000000 + random.bounded(350) * 1000 : 7000000 + random.bounded(300) * 1000;
            wanted = QByteArray::fromHex(twenty ? "fe0203fd" : "fe0201fd");
            writtenAt = -1;
            control.write("F " + QByteArray::number(hz) + "\n");
            QByteArray answer;
            while (!answer.contains('\n') && control.waitForReadyRead(2000)) {
                answer += control.readAll();
            }
            const qint64 tunedAt = linkclock::steadyNow();
            if (!QTest::qWaitFor([&] { return writtenAt >= 0; }, 5000)) {
                return fail("no antenna command after a band change");
            }
            latencies.push_back(writtenAt - tunedAt);
            QTest::qWait(300 + int(random.bounded(700)));
        }
        window.ui->actionDisconnect->trigger();
        MainWindow::stopThreads();
    }
    sim.terminate();
    rig.terminate();
    sim.waitForFinished();
    rig.waitForFinished();
    QFile::remove(settingsPath);

    std::printf("frequency change -> antenna command on the wire, %zu band changes (rigctld polled every 250 ms):\n",
                latencies.size());
    std::printf("  median %.0f ms, p90 %.0f ms, max %.0f ms, min %.0f ms\n", percentile(latencies, 0.5),
                percentile(latencies, 0.9), percentile(latencies, 1.0), percentile(latencies, 0.0));
    return 0;
}
