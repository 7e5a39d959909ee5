// Where the settings file goes, and what the first argument asks for.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "app/settingslocation.h"
#include "app/settingsstore.h"

Q_DECLARE_METATYPE(CommandLineRequest)

class TestSettingsLocation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chooseSettingsPath_data();
    void chooseSettingsPath();
    void writableByBits_data();
    void writableByBits();
    void folderWritable_data();
    void folderWritable();
    void systemFolder_data();
    void systemFolder();
    void missingFolderMadeOnFirstWrite();
    void settingsNotice_data();
    void settingsNotice();
    void commandLineRequest_data();
    void commandLineRequest();
};

void TestSettingsLocation::chooseSettingsPath_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("configDir");
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QString>("path");

    const QString config = QStringLiteral("/home/op/.config/zarel");
    QTest::newRow("writable, no profile") << true << config << ""
                                          << "/opt/z/settings.ini";
    QTest::newRow("writable, profile") << true << config << "A"
                                       << "/opt/z/settingsA.ini";
    QTest::newRow("read-only, no profile") << false << config << "" << config + "/settings.ini";
    QTest::newRow("read-only, profile") << false << config << "X7" << config + "/settingsX7.ini";
    QTest::newRow("read-only, no config folder") << false << ""
                                                 << "A"
                                                 << "/opt/z/settingsA.ini";
    QTest::newRow("parent folder") << false << config << "../x" << config + "/settings.._x.ini";
    QTest::newRow("absolute path") << true << config << "/etc/passwd"
                                   << "/opt/z/settings_etc_passwd.ini";
    QTest::newRow("backslash") << false << config << "..\\x" << config + "/settings.._x.ini";
    QTest::newRow("Windows reserved, control characters") << true << config << "a:b*c?\"<>|\n\t"
                                                          << "/opt/z/settingsa_b_c_______.ini";
    QTest::newRow("spaces and accents kept") << true << config << "Estúdio 2"
                                             << "/opt/z/settingsEstúdio 2.ini";
}

void TestSettingsLocation::chooseSettingsPath()
{
    QFETCH(bool, writable);
    QFETCH(QString, configDir);
    QFETCH(QString, profile);
    QFETCH(QString, path);

    const QString chosen = ::chooseSettingsPath(QStringLiteral("/opt/z"), writable, configDir, profile);
    QCOMPARE(chosen, path);
    // Whatever the name, the file stays in the folder chosen for it.
    const QString folder = writable || configDir.isEmpty() ? QStringLiteral("/opt/z") : configDir;
    QCOMPARE(QFileInfo(QDir::cleanPath(chosen)).absolutePath(), folder);
}

void TestSettingsLocation::writableByBits_data()
{
    QTest::addColumn<int>("permissions");
    QTest::addColumn<bool>("owns");
    QTest::addColumn<bool>("inGroup");
    QTest::addColumn<bool>("writable");

    const int rwxr_xr_x = 0x7755;
    const int r_xr_xr_x = 0x5555;
    const int r_xrwxrwx = 0x5577;
    const int rwxrwxr_x = 0x7775;
    QTest::newRow("own folder") << rwxr_xr_x << true << false << true;
    QTest::newRow("own folder marked read-only") << r_xr_xr_x << true << false << false;
    QTest::newRow("owner class decides, not others") << r_xrwxrwx << true << true << false;
    QTest::newRow("group folder") << rwxrwxr_x << false << true << true;
    QTest::newRow("someone else's folder") << rwxr_xr_x << false << false << false;
    QTest::newRow("shared with everybody") << r_xrwxrwx << false << false << true;
}

void TestSettingsLocation::writableByBits()
{
    QFETCH(int, permissions);
    QFETCH(bool, owns);
    QFETCH(bool, inGroup);
    QFETCH(bool, writable);
    QCOMPARE(::writableByBits(QFileDevice::Permissions(permissions), owns, inGroup), writable);
}

void TestSettingsLocation::folderWritable_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("permissions");
    QTest::addColumn<bool>("writable");

    const int rwxr_xr_x = 0x7755;
    const int r_xr_xr_x = 0x5555;
    QTest::newRow("own folder") << "dir" << rwxr_xr_x << true;
    // Root could write there all the same; the operator marked it read-only.
    QTest::newRow("folder marked read-only") << "dir" << r_xr_xr_x << false;
    QTest::newRow("missing folder") << "" << 0 << false;
    QTest::newRow("a file, not a folder") << "file" << rwxr_xr_x << false;
}

void TestSettingsLocation::folderWritable()
{
    QFETCH(QString, entry);
    QFETCH(int, permissions);
    QFETCH(bool, writable);

    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString path = temp.filePath(QStringLiteral("entry"));
    if (entry == QLatin1String("dir")) {
        QVERIFY(QDir().mkdir(path));
    } else if (entry == QLatin1String("file")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    if (permissions != 0) {
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions(permissions)));
    }
    QCOMPARE(::folderWritable(path), writable);
    QFile::setPermissions(path, QFileDevice::Permissions(0x7700));
}

// Where a package puts the program: root could write there, but settings
// stored there outlive the package.
void TestSettingsLocation::systemFolder_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<bool>("system");

#ifndef Q_OS_WIN
    QTest::newRow("/usr/bin") << "/usr/bin" << true;
    QTest::newRow("/usr/local/bin") << "/usr/local/bin" << true;
    QTest::newRow("/opt/zarel, trailing slash") << "/opt/zarel/" << true;
    QTest::newRow("a home folder") << "/home/op/zarel" << false;
    QTest::newRow("a name that only starts like one") << "/optional/zarel" << false;
    QTest::newRow("a system folder's name further down") << "/home/op/usr/bin" << false;
#endif
}

void TestSettingsLocation::systemFolder()
{
    QFETCH(QString, dir);
    QFETCH(bool, system);
    QCOMPARE(::isSystemFolder(dir), system);
}

void TestSettingsLocation::missingFolderMadeOnFirstWrite()
{
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString path = temp.filePath(QStringLiteral("config/zarel/settings.ini"));
    SettingsStore store(path);
    QVERIFY(!QFileInfo::exists(path));
    store.setValue(QStringLiteral("IP"), QStringLiteral("192.0.2.7"));
    QVERIFY(store.sync());
    QCOMPARE(SettingsStore(path).text(QStringLiteral("IP")), QStringLiteral("192.0.2.7"));
}

void TestSettingsLocation::settingsNotice_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("notice");

    QTest::newRow("beside the program") << "/opt/z/settings.ini"
                                        << "";
    QTest::newRow("beside, profile") << "/opt/z/settingsA.ini"
                                     << "";
    QTest::newRow("configuration folder") << "/home/op/.config/zarel/settings.ini"
                                          << "Settings: /home/op/.config/zarel/settings.ini";
    QTest::newRow("folder named like the program's") << "/opt/z2/settings.ini"
                                                     << "Settings: /opt/z2/settings.ini";
}

void TestSettingsLocation::settingsNotice()
{
    QFETCH(QString, path);
    QFETCH(QString, notice);
    QCOMPARE(::settingsNotice(path, QStringLiteral("/opt/z")), notice);
    QCOMPARE(::settingsNotice(path, QStringLiteral("/opt/z/")), notice);
}

void TestSettingsLocation::commandLineRequest_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLineRequest>("request");

    QTest::newRow("no argument") << QStringList {"zarel"} << CommandLineRequest::Run;
    QTest::newRow("profile") << QStringList {"zarel", "A"} << CommandLineRequest::Run;
    QTest::newRow("help") << QStringList {"zarel", "--help"} << CommandLineRequest::Help;
    QTest::newRow("short help") << QStringList {"zarel", "-h"} << CommandLineRequest::Help;
    QTest::newRow("version") << QStringList {"zarel", "--version"} << CommandLineRequest::Version;
    QTest::newRow("help after a profile") << QStringList {"zarel", "A", "--help"} << CommandLineRequest::Run;
    QTest::newRow("unknown option") << QStringList {"zarel", "--helpdesk"} << CommandLineRequest::UnknownOption;
    QTest::newRow("unknown short option") << QStringList {"zarel", "-v"} << CommandLineRequest::UnknownOption;
}

void TestSettingsLocation::commandLineRequest()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLineRequest, request);
    QCOMPARE(::commandLineRequest(arguments), request);
}

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "tst_settingslocation.moc"
