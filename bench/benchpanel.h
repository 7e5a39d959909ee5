#ifndef ZAREL_BENCH_BENCHPANEL_H
#define ZAREL_BENCH_BENCHPANEL_H

// Shared by the benchmarks that run the real panel against merax-sim.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStringList>

namespace benchpanel {

// Offscreen unless a display is there (run under xvfb-run for a real X server).
inline void choosePlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

inline QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

// Starts merax-sim (MERAX_SIM_BIN, or the one in the build) on 127.0.0.1
// with `options`; returns the port it took, 0 when it did not start.
inline quint16 startSimulator(QProcess& sim, const QStringList& options)
{
    QString simBin = qEnvironmentVariable("MERAX_SIM_BIN");
    if (simBin.isEmpty()) {
        simBin = QCoreApplication::applicationDirPath() + "/../tools/merax-sim/merax-sim";
    }
    sim.start(simBin, QStringList {"--listen", "127.0.0.1", "--port", "0"} + options);
    if (!sim.waitForStarted() || !sim.waitForReadyRead(5000)) {
        return 0;
    }
    const auto m = QRegularExpression("listening on 127\\.0\\.0\\.1:(\\d+)").match(sim.readAllStandardOutput());
    return m.hasMatch() ? quint16(m.captured(1).toUInt()) : 0;
}

// A fresh settings<profile>.ini beside this program, the simulator its device.
inline QString writeDeviceSettings(const char* profile, quint16 port)
{
    const QString path = QCoreApplication::applicationDirPath() + "/settings" + profile + ".ini";
    QFile::remove(path);
    QSettings s(path, QSettings::IniFormat);
    s.setValue("IP", "127.0.0.1");
    s.setValue("PORT", port);
    s.setValue("IPdir", true);
    return path;
}

} // namespace benchpanel

#endif // ZAREL_BENCH_BENCHPANEL_H
