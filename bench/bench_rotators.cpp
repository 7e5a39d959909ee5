// Rotators: how long a Turn takes to reach rotctld, and what a rotator costs
// the panel. Hamlib's dummy rotator (rotctld -m 1) stands behind a loopback
// relay here that stamps every "+P" the panel writes.
//
//   bench_rotators turn [--turns N]   Turn pressed in View > Rotators (this
//                                     process's panel, connected to merax-sim)
//                                     to "+P" at the relay; median and spread
//   bench_rotators cpu [--seconds S]  the real program (ZAREL_BIN) connected
//                                     to merax-sim: CPU with no rotator, one
//                                     idle, one turning
// Offscreen without a display; under xvfb-run on a real X server.
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/mainwindow.h"
#include "benchpanel.h"
#include "forms/panelform.h"
#include "panel/rotatorswindow.h"

namespace {

char profile[] = "benchrotators";

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress(QHostAddress::LocalHost), 0);
    return probe.serverPort();
}

// rotctld's dummy rotator behind a relay that stamps each turn asked.
class Rotctld : public QObject
{
public:
    bool start()
    {
        const QString rotctld = QStandardPaths::findExecutable(QStringLiteral("rotctld"));
        if (rotctld.isEmpty()) {
            std::fprintf(stderr, "rotctld is not installed (libhamlib-utils)\n");
            return false;
        }
        daemonPort = freePort();
        daemon.start(rotctld, {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(daemonPort)});
        if (!daemon.waitForStarted(5000) || !QTest::qWaitFor([this] { return azimuth() >= -1000; }, 5000)) {
            return false;
        }
        relay.listen(QHostAddress(QHostAddress::LocalHost), 0);
        connect(&relay, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* panel = relay.nextPendingConnection();
            auto* up = new QTcpSocket(panel);
            up->connectToHost(QHostAddress(QHostAddress::LocalHost), daemonPort);
            up->waitForConnected(2000);
            connect(panel, &QTcpSocket::readyRead, panel, [this, panel, up] {
                const QByteArray bytes = panel->readAll();
                if (bytes.contains("+P ")) {
                    turnsAt.push_back(clock.nsecsElapsed());
                }
                up->write(bytes);
            });
            connect(up, &QTcpSocket::readyRead, panel, [panel, up] { panel->write(up->readAll()); });
            connect(panel, &QTcpSocket::disconnected, panel, &QObject::deleteLater);
        });
        clock.start();
        return true;
    }
    ~Rotctld() override
    {
        daemon.kill();
        daemon.waitForFinished(3000);
    }
    quint16 port() const { return relay.serverPort(); }
    // Where rotctld says it points, asked on a connection of its own; below
    // -1000 when it does not answer.
    double azimuth() { return ask("p\n").split('\n').value(0).toDouble(); }
    void turn(double azimuth) { ask("P " + QByteArray::number(azimuth) + " 0\n"); }

    QElapsedTimer clock;
    std::vector<qint64> turnsAt; // ns on `clock`

private:
    QByteArray ask(const QByteArray& question)
    {
        QTcpSocket control;
        control.connectToHost(QHostAddress(QHostAddress::LocalHost), daemonPort);
        if (!control.waitForConnected(500)) {
            return "-9999";
        }
        control.write(question);
        control.waitForReadyRead(1000);
        QTest::qWait(20);
        return control.readAll();
    }
    QProcess daemon;
    QTcpServer relay;
    quint16 daemonPort = 0;
};

void writeRotator(const QString& path, quint16 port)
{
    QSettings s(path, QSettings::IniFormat);
    s.setValue("Rotators/Rotor1", QStringLiteral("127.0.0.1:%1").arg(port));
    s.setValue("Rotators/Rotor1Antennas", "4");
    s.setValue("Rotators/Rotor1Name", "Tower");
    s.setValue("ConnectAtStart", true);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

int turnToWire(int turns)
{
    QProcess sim;
    const quint16 simPort = benchpanel::startSimulator(sim, {"--activity"});
    Rotctld rotctld;
    if (simPort == 0 || !rotctld.start()) {
        return 1;
    }
    const QString path = benchpanel::writeDeviceSettings(profile, simPort);
    writeRotator(path, rotctld.port());
    std::vector<double> ms;
    {
        MainWindow window;
        window.show();
        if (!QTest::qWaitFor([&window] { return window.core().rotators().view(0).heading.has_value(); }, 10000)) {
            std::fprintf(stderr, "no heading from rotctld\n");
            return 1;
        }
        window.ui->actionRotators_Window->trigger();
        auto* rotators = window.findChild<RotatorsWindow*>();
        auto* field = rotators ? rotators->findChild<QLineEdit*>() : nullptr;
        QPushButton* turn = nullptr;
        for (QPushButton* button : rotators ? rotators->findChildren<QPushButton*>() : QList<QPushButton*>()) {
            if (button->text().remove(QLatin1Char('&')) == QLatin1String("Turn")) {
                turn = button;
            }
        }
        if (!field || !turn) {
            std::fprintf(stderr, "no bearing field or Turn button\n");
            return 1;
        }
        qint64 askedAt = 0;
        QObject::connect(&window.core().rotators(), &Rotators::asked, &window,
                         [&] { askedAt = rotctld.clock.nsecsElapsed(); });
        std::vector<double> toAsked;
        for (int i = 0; i < turns; ++i) {
            field->setText(QString::number(10 + i % 2 * 10));
            const std::size_t before = rotctld.turnsAt.size();
            const qint64 pressedAt = rotctld.clock.nsecsElapsed();
            QTest::mouseClick(turn, Qt::LeftButton);
            // Spun, not QTest::qWaitFor: that sleeps 10 ms between looks, and
            // the relay stamps in this thread.
            QElapsedTimer waited;
            waited.start();
            while (rotctld.turnsAt.size() == before && waited.elapsed() < 2000) {
                QCoreApplication::processEvents(QEventLoop::AllEvents);
            }
            if (rotctld.turnsAt.size() == before) {
                std::fprintf(stderr, "turn %d never reached rotctld\n", i + 1);
                return 1;
            }
            ms.push_back((rotctld.turnsAt.back() - pressedAt) / 1e6);
            toAsked.push_back((askedAt - pressedAt) / 1e6);
            QTest::qWait(150);
        }
        MainWindow::stopThreads();
        std::printf("of which pressed to handed to the rotctld client: median %.2f ms\n", median(toAsked));
    }
    std::sort(ms.begin(), ms.end());
    std::printf("Turn pressed to +P at rotctld, %d turns (%s): median %.2f ms, p90 %.2f ms, max %.2f ms\n", turns,
                qPrintable(QGuiApplication::platformName()), median(ms), ms[ms.size() * 9 / 10], ms.back());
    return 0;
}

// CPU seconds a process has used, from /proc.
double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> fields = stat.readAll().split(')').value(1).trimmed().split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / 100.0;
}

int cpu(int seconds)
{
    QString zarel = qEnvironmentVariable("ZAREL_BIN");
    if (zarel.isEmpty()) {
        zarel = QCoreApplication::applicationDirPath() + "/../zarel";
    }
    QProcess sim;
    const quint16 simPort = benchpanel::startSimulator(sim, {"--activity"});
    Rotctld rotctld;
    if (simPort == 0 || !rotctld.start()) {
        return 1;
    }
    // The program reads its profile beside itself.
    const QString path = QFileInfo(zarel).absolutePath() + "/settings" + profile + ".ini";
    const char* cases[] = {"no rotator", "rotator idle", "rotator turning"};
    for (int c = 0; c < 3; ++c) {
        QFile::remove(path);
        QSettings s(path, QSettings::IniFormat);
        s.setValue("IP", "127.0.0.1");
        s.setValue("PORT", simPort);
        s.setValue("IPdir", true);
        s.sync();
        if (c > 0) {
            writeRotator(path, rotctld.port());
        } else {
            QSettings(path, QSettings::IniFormat).setValue("ConnectAtStart", true);
        }
        QProcess panel;
        panel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        panel.start(zarel, {QString::fromLatin1(profile)});
        if (!panel.waitForStarted(5000)) {
            return 1;
        }
        QTest::qWait(3000);
        if (c == 2) {
            // Far enough away to turn for the whole measurement (about 6° a second).
            rotctld.turn(rotctld.azimuth() < 180 ? 359 : 0);
        }
        const double before = cpuSeconds(panel.processId());
        QTest::qWait(seconds * 1000);
        const double used = cpuSeconds(panel.processId()) - before;
        std::printf("%-16s CPU %.1f %% of one core over %d s (%s)\n", cases[c], 100.0 * used / seconds, seconds,
                    qEnvironmentVariableIsSet("DISPLAY") ? "X server" : "offscreen");
        panel.terminate();
        panel.waitForFinished(5000);
        rotctld.turn(rotctld.azimuth());
    }
    QFile::remove(path);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    benchpanel::choosePlatform();
    // The window reads settings<profile>.ini beside this program.
    char* windowArgs[] = {argv[0], profile, nullptr};
    int windowArgc = 2;
    QApplication app(windowArgc, windowArgs);
    QCommandLineParser parser;
    parser.addPositionalArgument("mode", "turn or cpu");
    parser.addOption({"turns", "turns to time", "N", "50"});
    parser.addOption({"seconds", "seconds per case", "S", "20"});
    parser.process(benchpanel::argumentsOf(argc, argv));
    const QString mode = parser.positionalArguments().value(0);
    if (mode == QLatin1String("turn")) {
        return turnToWire(parser.value("turns").toInt());
    }
    if (mode == QLatin1String("cpu")) {
        return cpu(parser.value("seconds").toInt());
    }
    parser.showHelp(2);
}
