#include <QAction>
#include <QFile>
#include <QFrame>
#include <QHostAddress>
#include <QHostInfo>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>

#include "app/labelwrap.h"
#include "connection/hostlookup.h"
#include "forms/panelform.h"
#include "testsupport.h"

namespace {

// The colour of an entry the file does not hold: lime for GPI, amber for GPO.
QColor neverStored(int entry)
{
    return entry < 8 ? QColor(50, 205, 50) : QColor(255, 191, 0);
}

const char* const kProfile = "X7";
const QString kHostError = QStringLiteral("HOST error: check LAN Settings!");
const QString kNoHost = QStringLiteral("No Merax set: File \u203a LAN Settings");

QString settingsFile()
{
    return testsupport::profileSettingsPath(kProfile);
}

void writeSettings(const QVariantMap& values)
{
    testsupport::writeSettings(settingsFile(), values);
}

QByteArray fileBytes()
{
    return testsupport::fileBytes(settingsFile());
}

QList<QPushButton*> captionButtons(const MainWindow& w)
{
    QList<QPushButton*> buttons;
    for (QPushButton* button : w.ui->antennaButtons) {
        buttons.append(button);
    }
    for (int i = 0; i < 8; ++i) {
        buttons.append(w.ui->gpiButtons[i]);
        buttons.append(w.ui->gpoButtons[i]);
    }
    return buttons;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void settingsPathFor_data();
    void settingsPathFor();
    void profileFileIsReadAndWritten();

    void firstStartWithoutFile();
    void captions_data();
    void captions();
    void viewOptions_data();
    void viewOptions();
    void applyNeverShowsFrames();
    void reapplyWhileConnected();

    void host_data();
    void host();
    void correctedHostClearsHostError();
    void lookupResult_data();
    void lookupResult();
    void port_data();
    void port();
    void colours_data();
    void colours();

    void setUseIpDirectly_data();
    void setUseIpDirectly();
    void setUseIpDirectlyOnReadOnlyFile();
};

void TestSettings::init()
{
    connected = false;
    QFile::remove(settingsFile());
}

void TestSettings::cleanup()
{
    connected = false;
    QFile::setPermissions(settingsFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::remove(settingsFile());
}

void TestSettings::settingsPathFor_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("path");
    const QString program = QStringLiteral("/opt/zarel/zarel");
    QTest::newRow("no argument") << QStringList {program} << "/opt/zarel/settings.ini";
    QTest::newRow("no program name either") << QStringList() << "/opt/zarel/settings.ini";
    QTest::newRow("A") << QStringList {program, "A"} << "/opt/zarel/settingsA.ini";
    QTest::newRow("X7") << QStringList {program, "X7"} << "/opt/zarel/settingsX7.ini";
    // A profile name cannot lead out of the folder.
    QTest::newRow("path characters replaced")
        << QStringList {program, "../other/x"} << "/opt/zarel/settings.._other_x.ini";
    QTest::newRow("extra arguments ignored") << QStringList {program, "B", "C", "--flag"} << "/opt/zarel/settingsB.ini";
    QTest::newRow("empty argument") << QStringList {program, ""} << "/opt/zarel/settings.ini";
}

void TestSettings::settingsPathFor()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, path);
    QCOMPARE(::settingsPathFor(QStringLiteral("/opt/zarel"), arguments), path);
}

void TestSettings::profileFileIsReadAndWritten()
{
    writeSettings({{"K1", "Beam"}, {"PORT", "5000"}});
    MainWindow w;
    QCOMPARE(w.settingsFilePath(), QCoreApplication::applicationDirPath() + QStringLiteral("/settingsX7.ini"));
    QCOMPARE(w.ui->botaoTecla1->text(), QStringLiteral("Beam"));
    QCOMPARE(w.devicePort, QStringLiteral("5000"));

    w.setUseIpDirectly(true);
    QVERIFY2(fileBytes().contains("IPdir=true"), fileBytes().constData());
}

void TestSettings::firstStartWithoutFile()
{
    MainWindow w;
    for (QPushButton* button : captionButtons(w)) {
        QVERIFY2(button->text().isEmpty(), qPrintable(button->objectName()));
    }
    QCOMPARE(w.ui->labelID->text(), QString());
    QVERIFY(w.ui->frame_RTX->isHidden());
    QVERIFY(w.ui->frame_GPIs->isHidden());
    QVERIFY(!w.ui->actionRelease_ALL->isChecked());
    QVERIFY(!w.ui->actionSkyrail_WF->isChecked());
    QVERIFY(!w.ui->actionGPIO->isChecked());
    QCOMPARE(w.size(), QSize(990, 293));
    // Never stored: lit inputs and outputs must still show, not paint black.
    for (int i = 0; i < 16; ++i) {
        QCOMPARE(w.gpioColors[i], neverStored(i));
    }
    QCOMPARE(w.ui->statusBar->currentMessage(), kNoHost);
    QCOMPARE(testsupport::linkAddressOf(&w), QStringLiteral("error"));
    QCOMPARE(w.hostText, QString());
    QCOMPARE(w.devicePort, QString());
    QVERIFY(!w.useIpDirectly);
    // Reading writes nothing.
    QVERIFY(!QFile::exists(settingsFile()));
}

void TestSettings::captions_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("shown");
    QTest::newRow("antenna wrapped") << "K1"
                                     << "ANTENNA 1"
                                     << "botaoTecla1"
                                     << "ANTEN\nNA 1";
    QTest::newRow("antenna 12") << "K12"
                                << "ABCDEFGHIJKLMNOP"
                                << "botaoTecla12"
                                << "ABCDE\nFGHIJ\nKLMNOP";
    QTest::newRow("short antenna") << "K7"
                                   << "Yagi"
                                   << "botaoTecla7"
                                   << "Yagi";
    QTest::newRow("GPI 1") << "GPI1"
                           << "Door open"
                           << "botaoGPI1"
                           << "Door \nopen";
    QTest::newRow("GPI 8 own break") << "GPI8"
                                     << "AB\nCDEFGHIJ"
                                     << "botaoGPI8"
                                     << "AB\nCDEFG\nHIJ";
    QTest::newRow("GPO 1") << "GPO1"
                           << "Amp"
                           << "botaoGPO1"
                           << "Amp";
    QTest::newRow("GPO 8 non-Latin-1") << "GPO8" << QString::fromUtf8("Ω-Beam") << "botaoGPO8"
                                       << QString::fromUtf8("Ω-Bea\nm");
    QTest::newRow("ID never wrapped") << "ID"
                                      << "STATION ZAREL ONE"
                                      << "labelID"
                                      << "STATION ZAREL ONE";
}

void TestSettings::captions()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, objectName);
    QFETCH(QString, shown);
    MainWindow w;
    writeSettings({{key, value}});
    w.applySettings();
    QWidget* widget = w.findChild<QWidget*>(objectName);
    QVERIFY(widget != nullptr);
    const QString text = widget->property("text").toString();
    QCOMPARE(text, shown);
    // No other caption picks the value up.
    for (QPushButton* button : captionButtons(w)) {
        if (button != widget) {
            QVERIFY2(button->text().isEmpty(), qPrintable(button->objectName()));
        }
    }
}

void TestSettings::viewOptions_data()
{
    QTest::addColumn<bool>("rl");
    QTest::addColumn<bool>("sk");
    QTest::addColumn<bool>("gpi");
    QTest::addColumn<bool>("radioFrameHidden");
    QTest::addColumn<bool>("gpioFrameHidden");
    QTest::addColumn<int>("height");
    QTest::newRow("no views") << false << false << false << true << true << 293;
    QTest::newRow("Skyrail WF only") << false << true << false << false << true << 351;
    QTest::newRow("GPIO only") << false << false << true << true << false << 391;
    QTest::newRow("both views") << false << true << true << false << false << 391;
    QTest::newRow("release all") << true << false << false << true << true << 293;
}

void TestSettings::viewOptions()
{
    QFETCH(bool, rl);
    QFETCH(bool, sk);
    QFETCH(bool, gpi);
    QFETCH(bool, radioFrameHidden);
    QFETCH(bool, gpioFrameHidden);
    QFETCH(int, height);
    writeSettings({{"RL", rl}, {"SK", sk}, {"GPI", gpi}});
    MainWindow w;
    QCOMPARE(w.ui->actionRelease_ALL->isChecked(), rl);
    QCOMPARE(w.ui->actionSkyrail_WF->isChecked(), sk);
    QCOMPARE(w.ui->actionGPIO->isChecked(), gpi);
    QCOMPARE(w.ui->frame_RTX->isHidden(), radioFrameHidden);
    QCOMPARE(w.ui->frame_GPIs->isHidden(), gpioFrameHidden);
    QCOMPARE(w.size(), QSize(990, height));
}

void TestSettings::applyNeverShowsFrames()
{
    MainWindow w;
    QVERIFY(w.ui->frame_RTX->isHidden());
    QVERIFY(w.ui->frame_GPIs->isHidden());
    writeSettings({{"SK", true}, {"GPI", true}});
    w.applySettings();
    QVERIFY(w.ui->actionSkyrail_WF->isChecked());
    QVERIFY(w.ui->actionGPIO->isChecked());
    QVERIFY(w.ui->frame_RTX->isHidden());
    QVERIFY(w.ui->frame_GPIs->isHidden());
    QCOMPARE(w.size(), QSize(990, 391));
}

void TestSettings::reapplyWhileConnected()
{
    MainWindow w;
    QVERIFY(w.ui->actionConnect_to_Merax->isEnabled());
    w.applySettings();
    QVERIFY(w.ui->actionConnect_to_Merax->isEnabled());
    connected = true;
    w.applySettings();
    const bool enabledWhileConnected = w.ui->actionConnect_to_Merax->isEnabled();
    connected = false;
    QVERIFY(!enabledWhileConnected);
}

void TestSettings::host_data()
{
    QTest::addColumn<QVariant>("ip"); // invalid: key missing
    QTest::addColumn<bool>("ipDirectly");
    QTest::addColumn<QString>("hostText");
    QTest::addColumn<QString>("address");
    QTest::newRow("address") << QVariant("127.0.0.1") << false << "127.0.0.1"
                             << "127.0.0.1";
    QTest::newRow("http prefix removed") << QVariant("http://127.0.0.1") << false << "127.0.0.1"
                                         << "127.0.0.1";
    QTest::newRow("prefix only removed once") << QVariant("http://http://127.0.0.1") << false << "http://127.0.0.1"
                                              << "error";
    QTest::newRow("http further in kept") << QVariant("x http://127.0.0.1") << false << "x http://127.0.0.1"
                                          << "error";
    QTest::newRow("upper-case prefix kept") << QVariant("HTTP://127.0.0.1") << false << "HTTP://127.0.0.1"
                                            << "error";
    QTest::newRow("IPv6 address") << QVariant("::1") << false << "::1"
                                  << "::1";
    QTest::newRow("host name") << QVariant("localhost") << false << "localhost"
                               << "loopback";
    QTest::newRow("host name used directly still resolved") << QVariant("localhost") << true << "localhost"
                                                            << "loopback";
    QTest::newRow("empty host") << QVariant("") << false << ""
                                << "error";
    QTest::newRow("no host key") << QVariant() << true << ""
                                 << "error";
}

void TestSettings::host()
{
    QFETCH(QVariant, ip);
    QFETCH(bool, ipDirectly);
    QFETCH(QString, hostText);
    QFETCH(QString, address);
    QVariantMap values {{"IPdir", ipDirectly}};
    if (ip.isValid()) {
        values.insert(QStringLiteral("IP"), ip);
    }
    writeSettings(values);
    MainWindow w;
    QCOMPARE(w.useIpDirectly, ipDirectly);
    QCOMPARE(w.hostText, hostText);
    const QString resolved = testsupport::linkAddressOf(&w);
    if (address == QLatin1String("loopback")) {
        QVERIFY2(QHostAddress(resolved).isLoopback(), qPrintable(resolved));
    } else {
        QCOMPARE(resolved, address);
    }
    const bool failed = address == QLatin1String("error");
    QCOMPARE(w.ui->statusBar->currentMessage() == (hostText.isEmpty() ? kNoHost : kHostError), failed);
}

void TestSettings::correctedHostClearsHostError()
{
    MainWindow w;
    QCOMPARE(w.ui->statusBar->currentMessage(), kNoHost);
    writeSettings({{"IP", "127.0.0.1"}});
    w.applySettings();
    QCOMPARE(testsupport::linkAddressOf(&w), QStringLiteral("127.0.0.1"));
    QCOMPARE(w.ui->statusBar->currentMessage(), QString());

    // Another notice is not the lookup's to clear.
    w.ui->statusBar->showMessage(QStringLiteral("Ping: 12"));
    w.applySettings();
    QCOMPARE(w.ui->statusBar->currentMessage(), QStringLiteral("Ping: 12"));

    writeSettings({{"IP", ""}});
    w.applySettings();
    QCOMPARE(w.ui->statusBar->currentMessage(), kNoHost);
    QCOMPARE(testsupport::linkAddressOf(&w), QStringLiteral("error"));
}

void TestSettings::lookupResult_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QStringList>("addresses");
    QTest::addColumn<QString>("address");
    QTest::newRow("first of several") << int(QHostInfo::NoError) << QStringList {"10.0.0.7", "10.0.0.8"} << "10.0.0.7";
    QTest::newRow("IPv6") << int(QHostInfo::NoError) << QStringList {"fe80::1"} << "fe80::1";
    QTest::newRow("success without address") << int(QHostInfo::NoError) << QStringList() << "error";
    QTest::newRow("host not found") << int(QHostInfo::HostNotFound) << QStringList() << "error";
    QTest::newRow("error with stale address") << int(QHostInfo::UnknownError) << QStringList {"10.0.0.7"} << "error";
}

void TestSettings::lookupResult()
{
    QFETCH(int, error);
    QFETCH(QStringList, addresses);
    QFETCH(QString, address);
    QHostInfo info;
    info.setError(static_cast<QHostInfo::HostInfoError>(error));
    QList<QHostAddress> list;
    for (const QString& text : addresses) {
        list.append(QHostAddress(text));
    }
    info.setAddresses(list);
    QCOMPARE(addressFromLookup(info), address);
}

void TestSettings::port_data()
{
    QTest::addColumn<QVariant>("port");
    QTest::addColumn<QString>("devicePort");
    QTest::newRow("number") << QVariant("5000") << "5000";
    QTest::newRow("kept as text") << QVariant("50 00x") << "50 00x";
    QTest::newRow("stored as integer") << QVariant(6000) << "6000";
    QTest::newRow("missing") << QVariant() << "";
}

void TestSettings::port()
{
    QFETCH(QVariant, port);
    QFETCH(QString, devicePort);
    if (port.isValid()) {
        writeSettings({{"PORT", port}});
    }
    MainWindow w;
    QCOMPARE(w.devicePort, devicePort);
}

void TestSettings::colours_data()
{
    QTest::addColumn<QVariantMap>("keys");
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("colour"); // invalid: expected invalid
    QTest::newRow("missing keys") << QVariantMap() << 0 << QColor(50, 205, 50);
    QTest::newRow("stored black") << QVariantMap {{"GPI4R", 0}, {"GPI4G", 0}, {"GPI4B", 0}} << 3 << QColor(0, 0, 0);
    QTest::newRow("GPI 1") << QVariantMap {{"GPI1R", 255}, {"GPI1G", 128}, {"GPI1B", 1}} << 0
                           << QColor(255, 128, 1, 255);
    QTest::newRow("GPI 8") << QVariantMap {{"GPI8R", 10}, {"GPI8G", 20}, {"GPI8B", 30}} << 7 << QColor(10, 20, 30, 255);
    QTest::newRow("GPO 1") << QVariantMap {{"GPO1R", 200}, {"GPO1G", 30}, {"GPO1B", 31}} << 8
                           << QColor(200, 30, 31, 255);
    QTest::newRow("GPO 8 blue only") << QVariantMap {{"GPO8B", 128}} << 15 << QColor(0, 0, 128, 255);
    QTest::newRow("GPI 3 green only") << QVariantMap {{"GPI3G", 7}} << 2 << QColor(0, 7, 0, 255);
    QTest::newRow("text component") << QVariantMap {{"GPO4R", "red"}, {"GPO4G", "12"}} << 11 << QColor(0, 12, 0, 255);
    QTest::newRow("component above 255") << QVariantMap {{"GPI2R", 1}, {"GPI2G", 256}, {"GPI2B", 1}} << 1 << QColor();
    QTest::newRow("negative component") << QVariantMap {{"GPO2R", -1}} << 9 << QColor();
}

void TestSettings::colours()
{
    QFETCH(QVariantMap, keys);
    QFETCH(int, index);
    QFETCH(QColor, colour);
    writeSettings(keys);
    MainWindow w;
    for (int i = 0; i < 16; ++i) {
        const QColor expected = i == index ? colour : neverStored(i);
        QCOMPARE(w.gpioColors[i].isValid(), expected.isValid());
        if (expected.isValid()) {
            QCOMPARE(w.gpioColors[i], expected);
        }
    }
}

void TestSettings::setUseIpDirectly_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<bool>("chosen");
    QTest::newRow("switch on") << false << true;
    QTest::newRow("switch off") << true << false;
    QTest::newRow("on again") << true << true;
}

void TestSettings::setUseIpDirectly()
{
    QFETCH(bool, stored);
    QFETCH(bool, chosen);
    writeSettings({{"IPdir", stored}, {"K1", "Keep"}});
    MainWindow w;
    QCOMPARE(w.useIpDirectly, stored);
    w.setUseIpDirectly(chosen);
    QCOMPARE(w.useIpDirectly, chosen);
    const QSettings file(settingsFile(), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("IPdir")).toBool(), chosen);
    QCOMPARE(file.value(QStringLiteral("K1")).toString(), QStringLiteral("Keep"));
    QVERIFY(!w.ui->statusBar->currentMessage().contains(QLatin1String("NOT saved")));
}

void TestSettings::setUseIpDirectlyOnReadOnlyFile()
{
    writeSettings({{"IPdir", false}, {"IP", "127.0.0.1"}});
    QVERIFY(QFile::setPermissions(settingsFile(), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const QByteArray before = fileBytes();
    MainWindow w;
    w.setUseIpDirectly(true);
    QCOMPARE(fileBytes(), before);
    QVERIFY2(w.ui->statusBar->currentMessage().startsWith(QLatin1String("Settings NOT saved")),
             qPrintable(w.ui->statusBar->currentMessage()));
    // The session still follows the operator's choice.
    QVERIFY(w.useIpDirectly);
}

ZAREL_TEST_MAIN(TestSettings, "X7")
#include "tst_settings.moc"
