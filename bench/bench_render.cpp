// Cost of painting the panel: the renderer, which gives a widget a new style
// sheet only when its look changes, against a literal painter that resets
// every indicator and lights it again on every call. Qt re-polishes a widget
// on every setStyleSheet, even with the text it already has.
//
// Run: bench_render [seconds per measurement, default 0.5]
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>

#include <cstdio>
#include <functional>
#include <vector>

#include "app/mainwindow.h"
#include "forms/panelform.h"
#include "link/statusreport.h"
#include "panel/indicatorstyles.h"

namespace {

// Reset everything, then light: setStyleSheet on every indicator each time.
void literalClear(PanelForm& ui)
{
    const QString& idle = panelIdleStyle();
    for (QPushButton* b : ui.antennaButtons) {
        b->setStyleSheet(idle);
    }
    for (QPushButton* b : ui.busyButtons) {
        b->setStyleSheet(idle);
    }
    if (!splitConfigPending) {
        ui.botaoSplit->setStyleSheet(idle);
    }
    ui.botaoSend->setStyleSheet(idle);
    for (QPushButton* b : ui.rotorButtons) {
        b->setStyleSheet(idle);
    }
    ui.botaoTeclaRTX->setStyleSheet(idle);
    for (QPushButton* b : ui.rxButtons) {
        b->setStyleSheet(idle);
    }
    for (QPushButton* b : ui.gpiButtons) {
        b->setStyleSheet(idle);
    }
    for (QPushButton* b : ui.gpoButtons) {
        b->setStyleSheet(idle);
    }
}

void literalUpdate(PanelForm& ui, const DeviceState& s, const QColor* colours, bool rotorTimer)
{
    literalClear(ui);
    if (s.splitActive == 1) {
        ui.botaoSplit->setStyleSheet(panelAlarmStyle());
        const bool sending = s.sendActive == 1;
        const int ring = sending ? s.splitRxAntenna : s.selectedAntenna;
        const int white = sending ? s.selectedAntenna : s.splitRxAntenna;
        if (ring <= 11) {
            ui.antennaButtons[ring]->setStyleSheet(panelRingStyle());
        }
        if (white <= 11) {
            ui.antennaButtons[white]->setStyleSheet(panelSelectedStyle());
        }
    } else if (s.selectedAntenna <= 11) {
        ui.antennaButtons[s.selectedAntenna]->setStyleSheet(panelSelectedStyle());
    }
    if (s.sendActive == 1) {
        ui.botaoSend->setStyleSheet(panelAlarmStyle());
    }
    for (int i = 0; i < 8; ++i) {
        if (s.gpoStates & (1 << i)) {
            ui.gpoButtons[i]->setStyleSheet(
                colourStyleText(colours[8 + i].red(), colours[8 + i].green(), colours[8 + i].blue()));
        }
    }
    for (int i = 0; i < 8; ++i) {
        if (s.gpiStates & (1 << i)) {
            ui.gpiButtons[i]->setStyleSheet(colourStyleText(colours[i].red(), colours[i].green(), colours[i].blue()));
        }
    }
    if (s.rtxActive == 1) {
        ui.botaoTeclaRTX->setStyleSheet(panelActiveStyle());
    }
    if (s.rxActive == 1) {
        const int rx = s.selectedRx >= 2 && s.selectedRx <= 4 ? s.selectedRx - 1 : 0;
        ui.rxButtons[rx]->setStyleSheet(panelActiveStyle());
    }
    if (!rotorTimer) {
        for (int i = 0; i < 8; ++i) {
            if (s.rotorStates & (1 << i)) {
                ui.rotorButtons[i]->setStyleSheet(panelAlarmStyle());
            }
        }
    }
    for (int i = 0; i < 8; ++i) {
        if (s.busyMask1to8 & (1 << i)) {
            ui.busyButtons[i]->setStyleSheet(panelAlarmStyle());
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (s.busyMask9to12 & (1 << i)) {
            ui.busyButtons[8 + i]->setStyleSheet(panelAlarmStyle());
        }
    }
}

double secondsPerMeasurement = 0.5;

// Mean time of one call in microseconds, over as many calls as fit the budget.
double timeOf(const std::function<void(int)>& call)
{
    for (int i = 0; i < 3; ++i) {
        call(i); // warm up
    }
    QElapsedTimer clock;
    clock.start();
    qint64 calls = 0;
    while (clock.nsecsElapsed() < static_cast<qint64>(secondsPerMeasurement * 1e9)) {
        for (int i = 0; i < 20; ++i) {
            call(static_cast<int>(calls++));
        }
    }
    return static_cast<double>(clock.nsecsElapsed()) / 1000.0 / static_cast<double>(calls);
}

struct Pair
{
    const char* name;
    double ours;
    double literal;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc > 1) {
        secondsPerMeasurement = QString::fromLocal8Bit(argv[1]).toDouble();
    }
    // The window's own settings profile, removed afterwards.
    std::vector<char*> appArgs {argv[0], const_cast<char*>("bench_render"), nullptr};
    int appArgc = 2;
    QApplication app(appArgc, appArgs.data());
    qRegisterMetaType<MainWindow*>("MainWindow*");

    std::vector<Pair> results;
    QString settingsFile;
    {
        MainWindow w;
        settingsFile = w.settingsFilePath();
        w.show();
        QApplication::processEvents();
        PanelForm& ui = *w.ui;
        for (int k = 0; k < 16; ++k) {
            w.gpioColors[k] = QColor(15 * k, 255 - 15 * k, 100);
        }
        // Split on Ant 1 / Ant 6, RTX and RX, some GPIO, busy and rotors lit.
        const QString report = QStringLiteral("0.1.0.5.1.1.7E.81.7F.E.5.0.FF");
        const QString reports[2] = {QStringLiteral("3.0.0.0.1.0.FE.1.FF.F.0.0.FF"),
                                    QStringLiteral("4.0.0.0.1.0.FE.1.FF.F.0.0.FF")};

        // Unchanged report: parse, store, repaint.
        const double oursSame = timeOf([&](int) { w.processaPDRLan(&w, report); });
        DeviceState literalState;
        const double literalSame = timeOf([&](int) {
            applyStatusReport(literalState, parseStatusReport(report));
            literalUpdate(ui, literalState, w.gpioColors, w.busyRotBlinkTimer.isActive());
        });
        results.push_back({"status report, nothing changed", oursSame, literalSame});

        // Reports alternating between Ant 4 and Ant 5: two buttons change each time.
        const double oursMoved = timeOf([&](int i) { w.processaPDRLan(&w, reports[i & 1]); });
        const double literalMoved = timeOf([&](int i) {
            applyStatusReport(literalState, parseStatusReport(reports[i & 1]));
            literalUpdate(ui, literalState, w.gpioColors, w.busyRotBlinkTimer.isActive());
        });
        results.push_back({"status report, one antenna changed", oursMoved, literalMoved});

        // Watchdog while the device is silent: POWER grey and the panel cleared each check.
        const auto stale = [] { lastReportTime = QDateTime::currentMSecsSinceEpoch() - 8000; };
        stale();
        const double oursStale = timeOf([&](int) { w.checkCOMTimeout(&w); });
        const QString grey = panelIdleStyle();
        const double literalStale = timeOf([&](int) {
            ui.botaoPower->setStyleSheet(grey);
            literalClear(ui);
        });
        results.push_back({"watchdog check while stale", oursStale, literalStale});
        MainWindow::stopThreads();
    }
    QFile::remove(settingsFile);

    std::printf("%-38s %14s %14s %9s\n", "case", "renderer [us]", "literal [us]", "ratio");
    for (const Pair& r : results) {
        std::printf("%-38s %14.2f %14.2f %8.1fx\n", r.name, r.ours, r.literal, r.literal / r.ours);
    }
    return 0;
}
