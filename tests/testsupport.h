#ifndef ZAREL_TESTSUPPORT_H
#define ZAREL_TESTSUPPORT_H

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QStringList>
#include <QTcpServer>
#include <QTest>
#include <QUdpSocket>
#include <QVariantMap>

#include <cstring>
#include <vector>

#include "app/mainwindow.h"
#include "link/threadcom.h"

namespace testsupport {

// A loopback port a program under test is to listen on, free when asked.
// Drawn below the ephemeral range, so a socket the system numbers for
// another test cannot take it before the program binds it.
// Where the window's link worker sends: the address text it was last given.
inline QString linkAddressOf(MainWindow* window)
{
    ThreadCOM* worker = window->core().link().worker();
    return worker != nullptr ? worker->endpointAddress() : window->deviceAddress;
}

inline quint16 freeLoopbackPort()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto port = quint16(QRandomGenerator::global()->bounded(20000, 32000));
        QTcpServer tcp;
        QUdpSocket udp;
        if (tcp.listen(QHostAddress(QHostAddress::LocalHost), port) &&
            udp.bind(QHostAddress(QHostAddress::LocalHost), port)) {
            return port;
        }
    }
    return 0;
}

// Warnings that mean a broken form: a slot whose object name is wrong.
inline QStringList& capturedWarnings()
{
    static QStringList warnings;
    return warnings;
}

inline void captureMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        capturedWarnings().append(message);
    }
    if (type != QtDebugMsg) {
        fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

// The settings file of this test's profile, beside the test executable.
inline QString profileSettingsPath(const char* profile)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/settings") + QString::fromUtf8(profile) +
        QStringLiteral(".ini");
}

// Writes keys into a settings file as a hand-made or older file would hold them.
inline void writeSettings(const QString& path, const QVariantMap& values)
{
    QSettings settings(path, QSettings::IniFormat);
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        settings.setValue(it.key(), it.value());
    }
    settings.sync();
    QCOMPARE(settings.status(), QSettings::NoError);
}

// Points the profile's panel at a device on 127.0.0.1, used as an address
// without a lookup.
inline void writeLoopbackDevice(const char* profile, quint16 port)
{
    writeSettings(profileSettingsPath(profile),
                  {{"IP", "127.0.0.1"}, {"PORT", QString::number(port)}, {"IPdir", true}});
}

// The file's bytes, empty when it does not exist.
inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs a Qt Test class inside an application whose first argument is the
// settings profile, so each test executable has a settings file of its own and
// Qt Test's own options never reach the window's command line.
template<class TestClass>
int runWithProfile(int argc, char** argv, const char* profile)
{
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
    std::vector<char*> appArgs {argv[0], const_cast<char*>(profile), nullptr};
    int appArgc = 2;
    QApplication app(appArgc, appArgs.data());
    app.setAttribute(Qt::AA_Use96Dpi, true);
    qRegisterMetaType<MainWindow*>("MainWindow*");
    qInstallMessageHandler(captureMessages);
    TestClass test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

} // namespace testsupport

#define ZAREL_TEST_MAIN(TestClass, profile)                                                                            \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        return testsupport::runWithProfile<TestClass>(argc, argv, profile);                                            \
    }

#endif // ZAREL_TESTSUPPORT_H
