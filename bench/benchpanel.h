#ifndef ZAREL_BENCH_BENCHPANEL_H
#define ZAREL_BENCH_BENCHPANEL_H

// Shared by the benchmarks that run the real panel against merax-sim.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStringList>
#include <QTest>
#include <QThread>
#include <QUdpSocket>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <iterator>
#include <mutex>
#include <vector>

#include "link/command.h"

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

// Between the panel and merax-sim, in a thread of its own: forwards both ways
// and stamps every antenna command and poll it passes on.
inline qint64 steadyMicros()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The browser's click is stamped on the wall clock, the only one both
// processes share.
inline qint64 wallMicros()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

class Relay : public QThread
{
public:
    struct Arrival
    {
        qint64 steady;
        qint64 wall;
    };

    explicit Relay(quint16 simPort)
        : simPort(simPort)
    {
    }
    ~Relay() override
    {
        stopping = true;
        wait();
    }
    bool open()
    {
        QUdpSocket probe;
        if (!probe.bind(QHostAddress(QHostAddress::LocalHost), 0)) {
            return false;
        }
        port = probe.localPort();
        probe.close();
        start();
        return QTest::qWaitFor([this] { return ready.load(); }, 2000);
    }
    // The next antenna command after `since` (on the clock `wall` names).
    qint64 arrivalAfter(qint64 since, bool wall)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        for (const Arrival& at : antennas) {
            if ((wall ? at.wall : at.steady) >= since) {
                return wall ? at.wall : at.steady;
            }
        }
        return 0;
    }
    std::vector<qint64> pollsBetween(qint64 from, qint64 to)
    {
        const std::lock_guard<std::mutex> lock(mutex);
        std::vector<qint64> found;
        std::copy_if(polls.begin(), polls.end(), std::back_inserter(found),
                     [&](qint64 at) { return at >= from && at < to; });
        return found;
    }
    quint16 port = 0;

protected:
    void run() override
    {
        QUdpSocket socket;
        socket.bind(QHostAddress(QHostAddress::LocalHost), port);
        ready = true;
        QHostAddress panel;
        quint16 panelPort = 0;
        while (!stopping) {
            if (!socket.waitForReadyRead(5)) {
                continue;
            }
            while (socket.hasPendingDatagrams()) {
                QHostAddress from;
                quint16 fromPort = 0;
                QByteArray bytes(int(socket.pendingDatagramSize()), '\0');
                socket.readDatagram(bytes.data(), bytes.size(), &from, &fromPort);
                if (fromPort == simPort) {
                    socket.writeDatagram(bytes, panel, panelPort);
                    continue;
                }
                {
                    const std::lock_guard<std::mutex> lock(mutex);
                    if (bytes.size() == 4 && quint8(bytes.at(1)) == DeviceCommand::Antenna) {
                        antennas.push_back({steadyMicros(), wallMicros()});
                    } else if (bytes == frameCommand(1)) {
                        polls.push_back(steadyMicros());
                    }
                }
                panel = from;
                panelPort = fromPort;
                socket.writeDatagram(bytes, QHostAddress(QHostAddress::LocalHost), simPort);
            }
        }
    }

private:
    const quint16 simPort;
    std::atomic<bool> ready {false};
    std::atomic<bool> stopping {false};
    std::mutex mutex;
    std::vector<Arrival> antennas;
    std::vector<qint64> polls;
};

} // namespace benchpanel

#endif // ZAREL_BENCH_BENCHPANEL_H
