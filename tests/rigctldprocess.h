#ifndef ZAREL_RIGCTLDPROCESS_H
#define ZAREL_RIGCTLDPROCESS_H

// Hamlib's dummy radio, rigctld -m 1, on a free loopback port, with a
// connection of the test's own to tune or key it as another program would.
#include <QDeadlineTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

class RigctldProcess
{
public:
    ~RigctldProcess()
    {
        control.abort();
        process.kill();
        process.waitForFinished(5000);
    }

    // Where rigctld is installed; empty when it is not.
    static QString program() { return QStandardPaths::findExecutable(QStringLiteral("rigctld")); }

    // On `chosen`, or a free port when 0; true once it takes the control
    // connection.
    bool start(quint16 chosen = 0)
    {
        port = chosen;
        for (int attempt = 0; attempt < 100 && port == 0; ++attempt) {
            const auto candidate = quint16(20000 + QRandomGenerator::global()->bounded(12000));
            QTcpServer probe;
            port = probe.listen(QHostAddress(QHostAddress::LocalHost), candidate) ? candidate : 0;
        }
        process.start(program(), {"-m", "1", "-P", "RIG", "-T", "127.0.0.1", "-t", QString::number(port)});
        if (!process.waitForStarted(5000)) {
            return false;
        }
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            control.abort();
            control.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
            if (control.waitForConnected(500)) {
                return true;
            }
            QTest::qWait(50);
        }
        return false;
    }

    // One command, as a logger sends it; true on "RPRT 0".
    bool command(const QByteArray& line)
    {
        control.write(line + '\n');
        QByteArray answer;
        QDeadlineTimer deadline(5000);
        while (!answer.contains('\n') && !deadline.hasExpired()) {
            control.waitForReadyRead(100);
            answer += control.readAll();
        }
        return answer.trimmed() == "RPRT 0";
    }

    // Dies, as a daemon killed does.
    bool kill()
    {
        control.abort();
        process.kill();
        return process.waitForFinished(5000);
    }

    quint16 port = 0;

private:
    QProcess process;
    QTcpSocket control;
};

#endif // ZAREL_RIGCTLDPROCESS_H
