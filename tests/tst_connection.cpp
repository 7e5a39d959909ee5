#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTest>

#include "connection/hostlookup.h"
#include "forms/panelform.h"
#include "seams.h"
#include "testsupport.h"

namespace {

const char* const profile = "link_connection";

struct Warning
{
    QWidget* parent;
    QString title;
    QString text;
};

QVariant storedValue(const QString& key)
{
    return QSettings(testsupport::profileSettingsPath(profile), QSettings::IniFormat).value(key);
}

QHostInfo lookupResult(QHostInfo::HostInfoError error, const QList<QHostAddress>& addresses)
{
    QHostInfo info;
    info.setError(error);
    info.setAddresses(addresses);
    return info;
}

} // namespace

// Switching the link on and off, and where the device's address comes from.
class TestConnection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void refusedWhileHostUnresolved();
    void refusedWithBadPort_data();
    void refusedWithBadPort();
    void connectThenDisconnect();
    void disconnectWhileDisconnected();
    void storedConnectedDoesNotConnectAtStart();
    void readOnlySettingsDoNotBlockTheLink();
    void commandsOnlyWhileConnected();
    void ipDirectlyNeedsNoLookup();
    void ipDirectlyTakesHostNameAsIs();
    void ipDirectlyRefusesHostName();
    void lookupsOneAtATime();
    void directIpTickedUnderLiveLink();
    void overtakenLookupIsIgnored();
    void lookupResults_data();
    void lookupResults();
    void withoutHost_data();
    void withoutHost();
    void connectAtStart_data();
    void connectAtStart();

private:
    MainWindow* window = nullptr;
    QList<Warning> warnings;
    QList<QByteArray> tapped;
    const ScopedWarningHandler warningHandler {[this](QWidget* parent, const QString& title, const QString& text) {
        warnings.append({parent, title, text});
    }};
    const ScopedCommandTap tap {[this](const QByteArray& payload) { tapped.append(payload); }};
};

void TestConnection::init()
{
    connected = false;
    QFile::remove(testsupport::profileSettingsPath(profile));
    testsupport::writeLoopbackDevice(profile, 4210);
    warnings.clear();
    tapped.clear();
    window = new MainWindow;
}

void TestConnection::cleanup()
{
    delete window;
    window = nullptr;
    connected = false;
    const QString path = testsupport::profileSettingsPath(profile);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QFile::remove(path);
}

void TestConnection::refusedWhileHostUnresolved()
{
    window->setDeviceAddress(QStringLiteral("error"));
    window->core().notices().show(QStringLiteral("before"));
    QVERIFY(QMetaObject::invokeMethod(window, "openCom"));

    QCOMPARE(warnings.size(), 1);
    QCOMPARE(warnings.at(0).parent, window);
    QCOMPARE(warnings.at(0).title, QStringLiteral("Zarel"));
    QCOMPARE(warnings.at(0).text, QStringLiteral("Could not find host address. Check LAN Settings!"));
    QVERIFY(!connected);
    QVERIFY(!storedValue(QStringLiteral("CONNECTED")).isValid());
    QVERIFY(window->ui->actionConnect_to_Merax->isEnabled());
    QVERIFY(window->ui->actionLAN_Settings->isEnabled());
    QCOMPARE(window->ui->statusBar->currentMessage(), QStringLiteral("before"));
}

void TestConnection::refusedWithBadPort_data()
{
    QTest::addColumn<QString>("port");
    QTest::newRow("letters") << "abc";
    QTest::newRow("above 16 bits") << "70000";
    QTest::newRow("zero") << "0";
    QTest::newRow("empty") << "";
}

void TestConnection::refusedWithBadPort()
{
    QFETCH(QString, port);
    window->devicePort = port;
    QVERIFY(QMetaObject::invokeMethod(window, "openCom"));

    QCOMPARE(warnings.size(), 1);
    QCOMPARE(warnings.at(0).title, QStringLiteral("Zarel"));
    QVERIFY2(warnings.at(0).text.contains(QStringLiteral("\"%1\"").arg(port)), qPrintable(warnings.at(0).text));
    QVERIFY(warnings.at(0).text.contains(QStringLiteral("1 to 65535")));
    QVERIFY(!connected);
    QVERIFY(!storedValue(QStringLiteral("CONNECTED")).isValid());
    QVERIFY(window->ui->actionConnect_to_Merax->isEnabled());
}

void TestConnection::connectThenDisconnect()
{
    QVERIFY(QMetaObject::invokeMethod(window, "openCom"));
    QVERIFY(warnings.isEmpty());
    QVERIFY(connected);
    QCOMPARE(window->ui->statusBar->currentMessage(), QStringLiteral("LAN enabled"));
    QVERIFY(!window->ui->actionConnect_to_Merax->isEnabled());
    QVERIFY(!window->ui->actionLAN_Settings->isEnabled());
    QVERIFY(window->ui->actionDisconnect->isEnabled());
    QCOMPARE(storedValue(QStringLiteral("CONNECTED")).toInt(), 1);
    // The operator's other keys are left as they were.
    QCOMPARE(storedValue(QStringLiteral("PORT")).toString(), QStringLiteral("4210"));

    // The menu actions are wired to the slots.
    window->ui->actionDisconnect->trigger();
    QVERIFY(!connected);
    QCOMPARE(window->ui->statusBar->currentMessage(), QStringLiteral("Disconnected"));
    QVERIFY(window->ui->actionConnect_to_Merax->isEnabled());
    QVERIFY(window->ui->actionLAN_Settings->isEnabled());
    QCOMPARE(storedValue(QStringLiteral("CONNECTED")).toInt(), 0);

    window->ui->actionConnect_to_Merax->trigger();
    QVERIFY(connected);
}

void TestConnection::disconnectWhileDisconnected()
{
    QVERIFY(QMetaObject::invokeMethod(window, "closeCom"));
    QVERIFY(!connected);
    QCOMPARE(storedValue(QStringLiteral("CONNECTED")).toString(), QStringLiteral("0"));
    QCOMPARE(window->ui->statusBar->currentMessage(), QStringLiteral("Disconnected"));
}

void TestConnection::storedConnectedDoesNotConnectAtStart()
{
    delete window;
    {
        QSettings settings(testsupport::profileSettingsPath(profile), QSettings::IniFormat);
        settings.setValue(QStringLiteral("CONNECTED"), 1);
    }
    window = new MainWindow;
    QVERIFY(!connected);
    QVERIFY(window->ui->actionConnect_to_Merax->isEnabled());
}

void TestConnection::readOnlySettingsDoNotBlockTheLink()
{
    const QString path = testsupport::profileSettingsPath(profile);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    QVERIFY(QMetaObject::invokeMethod(window, "openCom"));
    QVERIFY(connected);
    QVERIFY(!window->ui->actionConnect_to_Merax->isEnabled());
    const QString notice = window->ui->statusBar->currentMessage();
    QVERIFY(notice != QStringLiteral("LAN enabled"));
    QVERIFY2(notice.startsWith(QLatin1String("Settings NOT saved")), qPrintable(notice));

    QVERIFY(QMetaObject::invokeMethod(window, "closeCom"));
    QVERIFY(!connected);
    QVERIFY(window->ui->actionConnect_to_Merax->isEnabled());
    QCOMPARE(window->ui->statusBar->currentMessage(), notice);

    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestConnection::commandsOnlyWhileConnected()
{
    window->sendCommand(2, 4);
    QVERIFY(QMetaObject::invokeMethod(window, "callEnviar"));
    QVERIFY(tapped.isEmpty());

    QVERIFY(QMetaObject::invokeMethod(window, "openCom"));
    window->sendCommand(2, 4);
    window->sendCommand(5, 4);
    QCOMPARE(tapped, (QList<QByteArray> {QByteArray::fromHex("FE0204FD"), QByteArray::fromHex("FE050400FD")}));

    QVERIFY(QMetaObject::invokeMethod(window, "closeCom"));
    window->sendCommand(6, 1);
    QCOMPARE(tapped.size(), 2);
}

void TestConnection::ipDirectlyNeedsNoLookup()
{
    QVERIFY(window->useIpDirectly);
    QVERIFY(QMetaObject::invokeMethod(window, "openCom"));
    const int lookups = hostLookupsStarted();
    for (int i = 0; i < 5; ++i) {
        window->sendCommand(1);
    }
    QCOMPARE(tapped.size(), 5);
    QCOMPARE(hostLookupsStarted(), lookups);
    QCOMPARE(window->deviceAddress, QStringLiteral("127.0.0.1"));
}

void TestConnection::ipDirectlyTakesHostNameAsIs()
{
    QVERIFY(QMetaObject::invokeMethod(window, "openCom"));
    window->hostText = QStringLiteral("localhost");
    window->sendCommand(1);
    QCOMPARE(testsupport::linkAddressOf(window), QStringLiteral("localhost"));
}

// Used directly, a name would address every datagram to nowhere: refused.
void TestConnection::ipDirectlyRefusesHostName()
{
    window->hostText = QStringLiteral("localhost");
    QVERIFY(QMetaObject::invokeMethod(window, "openCom"));
    QVERIFY(!connected);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.at(0).text.contains(QStringLiteral("\"localhost\" is not an IP address")),
             qPrintable(warnings.at(0).text));
    QVERIFY(!storedValue(QStringLiteral("CONNECTED")).isValid());
}

void TestConnection::lookupsOneAtATime()
{
    window->useIpDirectly = false;
    QVERIFY(QMetaObject::invokeMethod(window, "openCom"));
    window->hostText = QStringLiteral("localhost");
    window->setDeviceAddress(QStringLiteral("error"));
    const int lookups = hostLookupsStarted();

    // Sends go on with the address held; one lookup serves them all.
    for (int i = 0; i < 5; ++i) {
        window->sendCommand(1);
    }
    QCOMPARE(tapped.size(), 5);
    QCOMPARE(hostLookupsStarted(), lookups + 1);
    QTRY_VERIFY_WITH_TIMEOUT(window->deviceAddress != QStringLiteral("error"), 5000);
    QVERIFY2(QHostAddress(window->deviceAddress).isLoopback(), qPrintable(window->deviceAddress));

    // Once answered, the next send asks again.
    window->sendCommand(1);
    QCOMPARE(hostLookupsStarted(), lookups + 2);
}

// "Directly use IP" ticked in a LAN dialog left open while connected is
// stored at once, but the live link keeps resolving its host name: used
// directly, the name would send every datagram nowhere. The next Connect
// refuses the pair.
void TestConnection::directIpTickedUnderLiveLink()
{
    window->useIpDirectly = false;
    window->hostText = QStringLiteral("localhost");
    QVERIFY(QMetaObject::invokeMethod(window, "openCom"));
    window->setUseIpDirectly(true);
    window->sendCommand(1);
    QVERIFY(testsupport::linkAddressOf(window) != QStringLiteral("localhost"));
    QVERIFY(QMetaObject::invokeMethod(window, "closeCom"));
    QVERIFY(QMetaObject::invokeMethod(window, "openCom"));
    QVERIFY(!connected);
    QCOMPARE(warnings.size(), 1);
}

// New settings resolve their host at once; a lookup still running for the
// old host must not overwrite that address when it finally answers.
void TestConnection::overtakenLookupIsIgnored()
{
    QVERIFY(QMetaObject::invokeMethod(window, "openCom"));
    window->useIpDirectly = false;
    window->hostText = QStringLiteral("localhost");
    window->sendCommand(1); // starts a lookup
    window->applySettings(); // the operator's settings: 127.0.0.1
    QCOMPARE(testsupport::linkAddressOf(window), QStringLiteral("127.0.0.1"));
    QHostInfo late(4711);
    late.setError(QHostInfo::HostNotFound);
    QVERIFY(QMetaObject::invokeMethod(window, "hostInfoResults", Q_ARG(QHostInfo, late)));
    QCOMPARE(testsupport::linkAddressOf(window), QStringLiteral("127.0.0.1"));
    QVERIFY(window->ui->statusBar->currentMessage() != QStringLiteral("HOST error: check LAN Settings!"));
}

void TestConnection::lookupResults_data()
{
    QTest::addColumn<QHostInfo>("result");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("status");

    const QString hostError = QStringLiteral("HOST error: check LAN Settings!");
    QTest::newRow("not found") << lookupResult(QHostInfo::HostNotFound, {}) << "error" << hostError;
    QTest::newRow("unknown error") << lookupResult(QHostInfo::UnknownError, {}) << "error" << hostError;
    QTest::newRow("success without address") << lookupResult(QHostInfo::NoError, {}) << "error" << hostError;
    QTest::newRow("first address wins") << lookupResult(QHostInfo::NoError,
                                                        {QHostAddress("192.0.2.7"), QHostAddress("192.0.2.8")})
                                        << "192.0.2.7"
                                        << "before";
    QTest::newRow("IPv6") << lookupResult(QHostInfo::NoError, {QHostAddress("2001:db8::5")}) << "2001:db8::5"
                          << "before";
}

void TestConnection::lookupResults()
{
    QFETCH(QHostInfo, result);
    QFETCH(QString, address);
    QFETCH(QString, status);
    window->core().notices().show(QStringLiteral("before"));
    QVERIFY(QMetaObject::invokeMethod(window, "hostInfoResults", Q_ARG(QHostInfo, result)));
    QCOMPARE(testsupport::linkAddressOf(window), address);
    QCOMPARE(window->ui->statusBar->currentMessage(), status);
}

void TestConnection::withoutHost_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("complaint");
    QTest::addColumn<bool>("warned");
    const QString noHost = QStringLiteral("No Merax set: File \u203a LAN Settings");
    QTest::newRow("first start") << "" << noHost << false;
    QTest::newRow("prefix only") << "http://" << noHost << false;
    QTest::newRow("host not found") << "x http://127.0.0.1"
                                    << "HOST error: check LAN Settings!" << true;
}

// A newcomer is told where the host is set, at start and on Connect; a host
// that is set but not found keeps its complaint and the refusal box.
void TestConnection::withoutHost()
{
    QFETCH(QString, host);
    QFETCH(QString, complaint);
    QFETCH(bool, warned);
    delete window;
    testsupport::writeSettings(testsupport::profileSettingsPath(profile), {{"IP", host}, {"IPdir", false}});
    window = new MainWindow;
    QCOMPARE(window->ui->statusBar->currentMessage(), complaint);

    window->core().notices().show(QStringLiteral("before"));
    window->ui->actionConnect_to_Merax->trigger();
    QVERIFY(!connected);
    QCOMPARE(warnings.size(), warned ? 1 : 0);
    QCOMPARE(window->ui->statusBar->currentMessage(), warned ? QStringLiteral("before") : complaint);
}

void TestConnection::connectAtStart_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid: key missing
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("connects");
    QTest::newRow("off by default") << QVariant() << "127.0.0.1" << false;
    QTest::newRow("on") << QVariant("true") << "127.0.0.1" << true;
    QTest::newRow("on, no host yet") << QVariant("true") << "" << false;
}

void TestConnection::connectAtStart()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, host);
    QFETCH(bool, connects);
    delete window;
    QVariantMap values {{"IP", host}};
    if (stored.isValid()) {
        values.insert(QStringLiteral("ConnectAtStart"), stored);
    }
    testsupport::writeSettings(testsupport::profileSettingsPath(profile), values);
    window = new MainWindow;
    const bool on = stored.toString() == QLatin1String("true");
    QCOMPARE(window->ui->actionConnectAtStart->isChecked(), on);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(bool(connected), connects);
    QVERIFY(warnings.isEmpty());
    if (connects) {
        QCOMPARE(window->ui->statusBar->currentMessage(), QStringLiteral("LAN enabled"));
        // Alt+F then Enter must not drop the link it just made.
        QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(window->ui->menuArquivo->isVisible());
        QVERIFY(window->ui->menuArquivo->activeAction() != window->ui->actionDisconnect);
        QTest::keyClick(window->ui->menuArquivo, Qt::Key_Escape);
        QVERIFY(connected);
    }

    // The menu item stores what it shows, for the next start.
    window->ui->actionConnectAtStart->trigger();
    QCOMPARE(storedValue(QStringLiteral("ConnectAtStart")).toString(),
             on ? QStringLiteral("false") : QStringLiteral("true"));
}

ZAREL_TEST_MAIN(TestConnection, profile)
#include "tst_connection.moc"
