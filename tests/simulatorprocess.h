#ifndef ZAREL_SIMULATORPROCESS_H
#define ZAREL_SIMULATORPROCESS_H

// One running merax-sim (MERAX_SIM_BIN) for a test; the destructor stops it
// if the test did not, so a failed check never leaves it behind.
#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

class SimulatorProcess
{
public:
    // OnFreePort puts --listen 127.0.0.1 --port 0 before the options; AsGiven
    // passes them alone, for starts that are meant to fail. Both take commands
    // on standard input, so it is stopped the same way on every system.
    enum Arguments { OnFreePort, AsGiven };

    explicit SimulatorProcess(const QStringList& options = {}, Arguments arguments = OnFreePort)
    {
        const QStringList freePort {"--listen", "127.0.0.1", "--port", "0"};
        process.start(qEnvironmentVariable("MERAX_SIM_BIN"),
                      QStringList {"--stdin-commands"} + (arguments == OnFreePort ? freePort + options : options));
    }

    ~SimulatorProcess()
    {
        if (process.state() != QProcess::NotRunning && stop() < 0) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    // The port of its first line, "listening on 127.0.0.1:PORT"; 0 when it
    // announced none.
    quint16 waitForPort()
    {
        if (!waitForOutput(QStringLiteral("\n"), 10000)) {
            return 0;
        }
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("^listening on 127\\.0\\.0\\.1:(\\d+)\n")).match(stdOut);
        return m.hasMatch() ? quint16(m.captured(1).toUInt()) : 0;
    }

    // All it has printed so far: the log and the summary on standard output,
    // complaints on standard error. Windows' CR LF line ends read as LF.
    const QString& output() { return stdOut += text(process.readAllStandardOutput()); }
    const QString& errors() { return stdErr += text(process.readAllStandardError()); }

    // Whether the text appears within ms; false also when it has ended without.
    bool waitForOutput(const QString& text, int ms = 5000)
    {
        QDeadlineTimer deadline(ms);
        while (!output().contains(text)) {
            if (deadline.hasExpired() || !process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())))) {
                return output().contains(text);
            }
        }
        return true;
    }

    // Status requests logged so far (needs --log).
    int polls() { return output().count(QStringLiteral("FE 01 FD")); }

    // Stops it as a script would ("quit", taken like Ctrl+C); its exit code, or
    // -1 when it crashed or did not end.
    int stop()
    {
        process.write("quit\n");
        return waitForFinished(5000) && exitStatus() == QProcess::NormalExit ? exitCode() : -1;
    }

    bool waitForFinished(int ms)
    {
        const bool finished = process.waitForFinished(ms);
        output();
        errors();
        return finished;
    }

    QProcess::ExitStatus exitStatus() const { return process.exitStatus(); }
    int exitCode() const { return process.exitCode(); }

    // It stops answering, or answers again.
    void toggleAnswering() { process.write("silence\n"); }
    // A power cycle: silent for --restart-down, then as at start.
    void restart() { process.write("restart\n"); }

    qint64 processId() const { return process.processId(); }

private:
    static QString text(const QByteArray& bytes)
    {
#ifdef Q_OS_WIN
        return QString::fromLocal8Bit(bytes).remove(QLatin1Char('\r'));
#else
        return QString::fromLocal8Bit(bytes);
#endif
    }

    QProcess process;
    QString stdOut;
    QString stdErr;
};

#endif // ZAREL_SIMULATORPROCESS_H
