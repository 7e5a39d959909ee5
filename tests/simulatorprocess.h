#ifndef ZAREL_SIMULATORPROCESS_H
#define ZAREL_SIMULATORPROCESS_H

// One running merax-sim (MERAX_SIM_BIN) for a test; the destructor stops it
// if the test did not, so a failed check never leaves it behind.
#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

class SimulatorProcess
{
public:
    // OnFreePort puts --listen 127.0.0.1 --port 0 before the options; AsGiven
    // passes them alone, for starts that are meant to fail.
    enum Arguments { OnFreePort, AsGiven };

    explicit SimulatorProcess(const QStringList& options = {}, Arguments arguments = OnFreePort)
    {
        const QStringList freePort {"--listen", "127.0.0.1", "--port", "0"};
        process.start(qEnvironmentVariable("MERAX_SIM_BIN"), arguments == OnFreePort ? freePort + options : options);
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
    // complaints on standard error.
    const QString& output() { return stdOut += QString::fromLocal8Bit(process.readAllStandardOutput()); }
    const QString& errors() { return stdErr += QString::fromLocal8Bit(process.readAllStandardError()); }

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

    // Stops it as an operator would (SIGTERM); its exit code, or -1 when it
    // crashed or did not end.
    int stop()
    {
        process.terminate();
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

#ifdef Q_OS_UNIX
    // SIGUSR1: it stops answering, or answers again.
    void toggleAnswering()
    {
        ::kill(pid_t(process.processId()), SIGUSR1);
    }
#endif

private:
    QProcess process;
    QString stdOut;
    QString stdErr;
};

#endif // ZAREL_SIMULATORPROCESS_H
