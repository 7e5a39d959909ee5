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
    void settingsCarriedOver_data();
    void settingsCarriedOver();
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
    // Beyond ASCII nothing is replaced, so no two names share a file.
    QTest::newRow("C1 control") << true << config << QString(QChar(0x85))
                                << QString::fromUtf8("/opt/z/settings\u0085.ini");
    QTest::newRow("another C1 control") << true << config << QString(QChar(0x9b))
                                        << QString::fromUtf8("/opt/z/settings\u009b.ini");
    // Bytes that are not the system's encoding are read as Latin-1.
    QTest::newRow("Latin-1 byte") << true << config << decodeArgument("\xfe") << "/opt/z/settingsþ.ini";
    QTest::newRow("another Latin-1 byte") << true << config << decodeArgument("\xff") << "/opt/z/settingsÿ.ini";
#ifndef Q_OS_WIN
    // Windows hands the program its arguments as text, never as bytes of a
    // UTF-8 locale.
    QTest::newRow("UTF-8 argument") << true << config << decodeArgument("\xe5\xb1\x80") << "/opt/z/settings局.ini";
#endif
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
    QCOMPARE(QFileInfo(QDir::cleanPath(chosen)).absolutePath(), QFileInfo(folder).absoluteFilePath());
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
#ifdef Q_OS_WIN
    // The read-only mark of a Windows folder does not stop files being made in it.
    QTest::newRow("folder marked read-only") << "dir" << r_xr_xr_x << true;
#else
    // Root could write there all the same; the operator marked it read-only.
    QTest::newRow("folder marked read-only") << "dir" << r_xr_xr_x << false;
#endif
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

#ifdef Q_OS_WIN
    const QString programFiles = QDir::fromNativeSeparators(qEnvironmentVariable("ProgramFiles"));
    QVERIFY(!programFiles.isEmpty());
    QTest::newRow("Program Files") << programFiles + "\\Zarel" << true;
    QTest::newRow("Program Files, other case") << programFiles.toLower() + "/zarel/" << true;
    const QString localPrograms = qEnvironmentVariable("LOCALAPPDATA") + "\\Programs";
    QTest::newRow("per-user programs") << localPrograms + "\\Zarel" << true;
    QTest::newRow("another user's programs") << "C:/Users/op/AppData/Local/Programs/Zarel" << false;
    QTest::newRow("beside per-user programs") << localPrograms + "Extra/Zarel" << false;
    QTest::newRow("a name that only starts like one") << programFiles + " Extra/Zarel" << false;
#else
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
    if (system) {
        // Root can write in /usr/bin; the settings go elsewhere all the same.
        QCOMPARE(settingsLocation(dir, QStringLiteral("/cfg"), QString()).path, QStringLiteral("/cfg/settings.ini"));
    }
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

// A portable install moved where the operator cannot write: its settings
// are read where they were and copied at the first change, the original
// never touched.
void TestSettingsLocation::settingsCarriedOver_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<int>("besideMode"); // 0: no file beside the program
    QTest::addColumn<bool>("configHasFile");
    QTest::addColumn<QString>("host"); // read before the first write

    const int rw_r__r__ = 0x6444;
    const int r__r__r__ = 0x4444;
    QTest::newRow("read-only folder, file beside") << false << rw_r__r__ << false << "beside";
    QTest::newRow("read-only folder, read-only file beside") << false << r__r__r__ << false << "beside";
    QTest::newRow("read-only folder, already copied") << false << rw_r__r__ << true << "config";
    QTest::newRow("read-only folder, nothing beside") << false << 0 << false << "";
    QTest::newRow("writable folder") << true << rw_r__r__ << false << "beside";
}

void TestSettingsLocation::settingsCarriedOver()
{
    QFETCH(bool, folderWritable);
    QFETCH(int, besideMode);
    QFETCH(bool, configHasFile);
    QFETCH(QString, host);
#ifdef Q_OS_WIN
    if (!folderWritable) {
        QSKIP("only an access list makes a Windows folder unwritable; this test sets none");
    }
#endif

    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString program = temp.filePath(QStringLiteral("program"));
    const QString config = temp.filePath(QStringLiteral("config/zarel"));
    QVERIFY(QDir().mkpath(program));
    const QString beside = program + QStringLiteral("/settingsA.ini");
    const QByteArray original = "IP=beside\nLabel3=\"20M, YAGI\"\n";
    if (besideMode != 0) {
        QFile file(beside);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(original);
        file.close();
        QVERIFY(QFile::setPermissions(beside, QFileDevice::Permissions(besideMode)));
    }
    if (configHasFile) {
        QVERIFY(QDir().mkpath(config));
        QFile file(config + QStringLiteral("/settingsA.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("IP=config\n");
    }
    QVERIFY(QFile::setPermissions(program, QFileDevice::Permissions(folderWritable ? 0x7700 : 0x5500)));

    const SettingsLocation location = settingsLocation(program, config, QStringLiteral("A"));
    QCOMPARE(location.path, folderWritable ? beside : config + QStringLiteral("/settingsA.ini"));
    const bool copies = !folderWritable && besideMode != 0 && !configHasFile;
    QCOMPARE(location.copiedFrom, copies ? beside : QString());
    QCOMPARE(::settingsNotice(location, program).endsWith(QStringLiteral(" (copied from %1)").arg(program)), copies);

    SettingsStore::copyOnFirstWrite(location.path, location.copiedFrom);
    {
        SettingsStore store(location.path);
        QCOMPARE(store.text(QStringLiteral("IP")), host);
        QVERIFY(store.sync());
    }
    // Reading alone creates nothing.
    QCOMPARE(QFileInfo::exists(location.path), folderWritable ? besideMode != 0 : configHasFile);
    {
        SettingsStore store(location.path);
        store.setValue(QStringLiteral("Label1"), QStringLiteral("DIPOLE"));
        QVERIFY(store.sync());
    }
    SettingsStore after(location.path);
    QCOMPARE(after.text(QStringLiteral("Label1")), QStringLiteral("DIPOLE"));
    QCOMPARE(after.text(QStringLiteral("IP")), host);
    // The operator's copy stays writable, whatever the original's bits.
    after.setValue(QStringLiteral("Label2"), QStringLiteral("VERTICAL"));
    QVERIFY(after.sync());
    if (copies) {
        QCOMPARE(after.text(QStringLiteral("Label3")), QStringLiteral("20M, YAGI"));
        QFile file(beside);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), original);
    }
    SettingsStore::copyOnFirstWrite(location.path, QString());
    QFile::setPermissions(program, QFileDevice::Permissions(0x7700));
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
    QCOMPARE(::settingsNotice({path, QString()}, QStringLiteral("/opt/z")), QDir::toNativeSeparators(notice));
    QCOMPARE(::settingsNotice({path, QString()}, QStringLiteral("/opt/z/")), QDir::toNativeSeparators(notice));
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
    QTest::newRow("help after a profile") << QStringList {"zarel", "A", "--help"} << CommandLineRequest::Help;
    QTest::newRow("version after a profile")
        << QStringList {"zarel", "A", "B", "--version"} << CommandLineRequest::Version;
    QTest::newRow("the first of help and version")
        << QStringList {"zarel", "--version", "-h"} << CommandLineRequest::Version;
    // The lock QLockFile removes when stale is the longest name: 24 more.
    QTest::newRow("longest profile") << QStringList {"zarel", QString(231, QLatin1Char('a'))}
                                     << CommandLineRequest::Run;
    QTest::newRow("profile too long") << QStringList {"zarel", QString(232, QLatin1Char('a'))}
                                      << CommandLineRequest::ProfileTooLong;
    QTest::newRow("300 characters") << QStringList {"zarel", QString(300, QLatin1Char('x'))}
                                    << CommandLineRequest::ProfileTooLong;
#ifndef Q_OS_WIN
    // Counted in the bytes of the file name: two for each of these.
    QTest::newRow("profile too long in bytes")
        << QStringList {"zarel", QString(116, QChar(0xe9))} << CommandLineRequest::ProfileTooLong;
#endif
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
