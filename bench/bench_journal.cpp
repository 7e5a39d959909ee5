// Press-to-wire with the journal written and without: the real panel,
// connected to merax-sim (with its activity) through a relay that stamps each
// antenna command as it arrives, in a thread of its own. Blocks of presses
// alternate between no journal and a journal on the panel's station, so both
// see the same machine.
//
// Run: bench_journal [--presses N] (under xvfb-run for a real X server)
#include <QApplication>
#include <QCommandLineParser>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QUdpSocket>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <vector>

#include "app/mainwindow.h"
#include "app/settingsstore.h"
#include "app/station.h"
#include "app/stationjournal.h"
#include "benchpanel.h"
#include "link/command.h"

namespace {

struct Figures
{
    double median = 0;
    double p90 = 0;
    double max = 0;
    // Presses that left at once rather than after the link's 90 ms spacing.
    int atOncePercent = 0;
    double atOnceMedian = 0;
};

Figures figuresOf(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) {
        return {};
    }
    const auto atOnce = std::lower_bound(ms.begin(), ms.end(), 20.0) - ms.begin();
    return {ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.back(), int(atOnce * 100 / std::ptrdiff_t(ms.size())),
            atOnce > 0 ? ms[std::size_t(atOnce / 2)] : 0.0};
}

} // namespace

int main(int argc, char* argv[])
{
    benchpanel::choosePlatform();
    // The window reads settings<profile>.ini beside this program.
    char profile[] = "benchjournal";
    char* windowArgs[] = {argv[0], profile, nullptr};
    int windowArgc = 2;
    QApplication app(windowArgc, windowArgs);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"presses", "Presses with and without the journal, each (default 50).", "n", "50"});
    parser.process(benchpanel::argumentsOf(argc, argv));
    const int presses = qMax(10, parser.value("presses").toInt());

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
    const QString settingsPath = benchpanel::writeDeviceSettings("benchjournal", relay.port);
    {
        SettingsStore store(settingsPath);
        // The panel's own journal off: the bench switches one on and off.
        store.setValue(QStringLiteral("Journal/Enabled"), QStringLiteral("false"));
        store.setValue(QStringLiteral("ConnectAtStart"), QStringLiteral("true"));
        store.sync();
    }
    QTemporaryDir dir;
    const QString journalBeside = dir.filePath(QStringLiteral("settings.ini"));

    std::vector<double> without;
    std::vector<double> with;
    {
        MainWindow window;
        window.show();
        if (!QTest::qWaitFor([] { return lastReportTime != 0; }, 5000)) {
            std::fprintf(stderr, "the panel did not connect\n");
            return 1;
        }
        std::vector<QPushButton*> keys;
        for (int n = 1; n <= 12; ++n) {
            keys.push_back(window.findChild<QPushButton*>(QStringLiteral("botaoTecla%1").arg(n)));
        }
        std::unique_ptr<StationJournal> journal;
        const int block = 10;
        for (int done = 0; done < 2 * presses; ++done) {
            const bool journalled = (done / block) % 2 == 1;
            if (journalled && !journal) {
                journal = std::make_unique<StationJournal>(window.core());
                journal->start(journalBeside, SettingsStore(journalBeside));
            } else if (!journalled && journal) {
                journal.reset();
            }
            // An operator's pace: a key every 300 to 600 ms, never the one shown.
            QTest::qWait(300 + QRandomGenerator::global()->bounded(300));
            const int shown = window.core().state().selectedAntenna;
            const int next = (shown + 1 + QRandomGenerator::global()->bounded(10)) % 12;
            const qint64 pressedAt = benchpanel::steadyMicros();
            QTest::mousePress(keys[next], Qt::LeftButton);
            QTest::mouseRelease(keys[next], Qt::LeftButton);
            qint64 arrived = 0;
            const qint64 deadline = pressedAt + 2000000;
            while ((arrived = relay.arrivalAfter(pressedAt, false)) == 0 && benchpanel::steadyMicros() < deadline) {
                QCoreApplication::processEvents();
            }
            if (arrived == 0) {
                std::fprintf(stderr, "press %d never reached the wire\n", done + 1);
                return 1;
            }
            (journalled ? with : without).push_back((arrived - pressedAt) / 1000.0);
        }
    }
    sim.kill();
    sim.waitForFinished();
    const Figures off = figuresOf(without);
    const Figures on = figuresOf(with);
    std::printf("Press to wire (%s), %d presses each:\n", qPrintable(QGuiApplication::platformName()), presses);
    for (const auto& [name, f] : {std::pair {"journal off", off}, std::pair {"journal on ", on}}) {
        std::printf("  %s median %.2f ms, p90 %.2f ms, max %.2f ms; %d %% left at once, their median %.2f ms\n", name,
                    f.median, f.p90, f.max, f.atOncePercent, f.atOnceMedian);
    }
    QFile::remove(settingsPath);
    return 0;
}
