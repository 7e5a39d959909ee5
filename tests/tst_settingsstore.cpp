#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/settingsstore.h"
#include "wine.h"

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QByteArray();
    }
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

const QFileDevice::Permissions readOnlyBits =
    QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;

// Puts a write of its own in place of the plain one while it lives.
struct ScopedWriter
{
    explicit ScopedWriter(SettingsWriter writer) { setSettingsWriter(std::move(writer)); }
    ~ScopedWriter() { setSettingsWriter({}); }
    ScopedWriter(const ScopedWriter&) = delete;
    ScopedWriter& operator=(const ScopedWriter&) = delete;
};

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void missingKeysReadEmpty_data();
    void missingKeysReadEmpty();
    void roundTrip_data();
    void roundTrip();
    void readOnlyFileIsLeftAlone();
    void readOnlyFileStillReads();
    void unwritableLocationReportsFailure();
    void noScratchSpaceLosesNothing();
    void flawedFileIsWrittenAndReportedSaved();
    void handTypedText_data();
    void handTypedText();
    void olderFileKeepsItsBytes();
    void whatReadingFinds_data();
    void whatReadingFinds();
    void fullDiskLeavesOldFile_data();
    void fullDiskLeavesOldFile();
    void twoCopiesKeepEachOthersKeys_data();
    void twoCopiesKeepEachOthersKeys();
    void lockLeftBehind_data();
    void lockLeftBehind();

private:
    QString path(const char* name) const { return dir->filePath(QString::fromLatin1(name)); }
    // A copy under a new name: QSettings keeps what it read of a file and
    // would answer from that instead of reading the bytes.
    QString freshCopy(const QString& file)
    {
        const QString copy = dir->filePath(QStringLiteral("copy%1.ini").arg(++copies));
        return QFile::copy(file, copy) ? copy : QString();
    }
    int copies = 0;
    QScopedPointer<QTemporaryDir> dir;
};

void TestSettingsStore::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
}

void TestSettingsStore::missingKeysReadEmpty_data()
{
    QTest::addColumn<QByteArray>("contents"); // empty: no file at all
    QTest::newRow("no file") << QByteArray();
    QTest::newRow("other keys only") << QByteArray("[General]\nIP=127.0.0.1\n");
}

void TestSettingsStore::missingKeysReadEmpty()
{
    QFETCH(QByteArray, contents);
    const QString file = path("missing.ini");
    if (!contents.isEmpty()) {
        writeAll(file, contents);
    }
    const SettingsStore store(file);
    const QVariant value = store.value(QStringLiteral("K1"));
    QCOMPARE(value.toString(), QString());
    QCOMPARE(value.toBool(), false);
    QCOMPARE(value.toInt(), 0);
}

void TestSettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("readBack"); // as text, the way the program reads it
    QTest::newRow("ascii") << "K1" << QVariant(QStringLiteral("ANTENNA 1")) << "ANTENNA 1";
    QTest::newRow("umlaut") << "K2" << QVariant(QString::fromUtf8("Süd")) << QString::fromUtf8("Süd");
    QTest::newRow("beyond Latin-1") << "GPO3" << QVariant(QString::fromUtf8("Ω-Beam")) << QString::fromUtf8("Ω-Beam");
    QTest::newRow("line feed") << "K3" << QVariant(QStringLiteral("AB\nCD")) << "AB\nCD";
    QTest::newRow("empty text") << "ID" << QVariant(QString()) << "";
    QTest::newRow("leading blank") << "IP" << QVariant(QStringLiteral(" http://host ")) << " http://host ";
    QTest::newRow("boolean") << "IPdir" << QVariant(true) << "true";
    QTest::newRow("integer") << "GPI1R" << QVariant(255) << "255";
    QTest::newRow("key with comma-like text") << "ID" << QVariant(QStringLiteral("A, B; C=D")) << "A, B; C=D";
    QTest::newRow("blanks around comma") << "K3" << QVariant(QStringLiteral(" a , b ")) << " a , b ";
    QTest::newRow("trailing comma") << "K4" << QVariant(QStringLiteral("a,")) << "a,";
    QTest::newRow("beyond the BMP") << "K5" << QVariant(QString::fromUtf8("📡 Yagi")) << QString::fromUtf8("📡 Yagi");
    QTest::newRow("control, then a hex digit") << "ID"
                                               << QVariant(QStringLiteral("\x01"
                                                                          "A"))
                                               << "\x01"
                                                  "A";
    QTest::newRow("caption like a marker") << "K6" << QVariant(QStringLiteral("@Invalid()")) << "@Invalid()";
    QTest::newRow("group key") << "BandFollow/RigHost" << QVariant(QStringLiteral("rig.local")) << "rig.local";
}

void TestSettingsStore::roundTrip()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(QString, readBack);
    const QString file = path("roundtrip.ini");
    {
        SettingsStore store(file);
        store.setValue(key, value);
        QVERIFY(store.sync());
    }
    QVERIFY(QFile::exists(file));
    const SettingsStore store(freshCopy(file));
    QCOMPARE(store.value(key).toString(), readBack);
}

void TestSettingsStore::readOnlyFileIsLeftAlone()
{
    const QString file = path("readonly.ini");
    writeAll(file, "[General]\nK1=Old\n");
    QVERIFY(QFile::setPermissions(file, readOnlyBits));
    const QByteArray before = readAll(file);
    {
        SettingsStore store(file);
        store.setValue(QStringLiteral("K1"), QStringLiteral("New"));
        store.setValue(QStringLiteral("K2"), QStringLiteral("Added"));
        QVERIFY(!store.sync());
        QCOMPARE(store.value(QStringLiteral("K1")).toString(), QStringLiteral("Old"));
    }
    QCOMPARE(readAll(file), before);
    const SettingsStore again(file);
    QCOMPARE(again.value(QStringLiteral("K2")).toString(), QString());
}

void TestSettingsStore::readOnlyFileStillReads()
{
    const QString file = path("readonly-read.ini");
    writeAll(file, "[General]\nK1=Old\n");
    QVERIFY(QFile::setPermissions(file, readOnlyBits));
    SettingsStore store(file);
    QCOMPARE(store.value(QStringLiteral("K1")).toString(), QStringLiteral("Old"));
    // Nothing to write is no failure.
    QVERIFY(store.sync());
}

void TestSettingsStore::unwritableLocationReportsFailure()
{
    // A directory that cannot exist, because a file stands in its place: no
    // permission bits involved, so this fails for root too.
    const QString blocker = path("blocker");
    writeAll(blocker, "not a directory");
    SettingsStore store(blocker + QStringLiteral("/settings.ini"));
    store.setValue(QStringLiteral("K1"), QStringLiteral("New"));
    QVERIFY(!store.sync());
}

// With no scratch space (a full disk) nothing is written: not the change
// alone in place of the file's other keys.
void TestSettingsStore::noScratchSpaceLosesNothing()
{
#ifdef Q_OS_WIN
    QSKIP("the temp folder is taken from TMPDIR on Unix only");
#endif
    const QString file = path("scratch.ini");
    writeAll(file, "[General]\nK1=Old\nK2=Kept\n");
    SettingsStore store(file);
    const QByteArray tmp = qgetenv("TMPDIR");
    const QString blocker = path("no-tmp");
    writeAll(blocker, "not a directory");
    qputenv("TMPDIR", blocker.toLocal8Bit());
    store.setValue(QStringLiteral("K1"), QStringLiteral("New"));
    const bool written = bool(store.sync());
    tmp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmp);
    QVERIFY(!written);
    QCOMPARE(readAll(file), QByteArray("[General]\nK1=Old\nK2=Kept\n"));
}

void TestSettingsStore::flawedFileIsWrittenAndReportedSaved()
{
    // An unterminated section header: read as far as it goes, and written.
    const QString file = path("flawed.ini");
    writeAll(file, "[General\nK1=Old\n");
    {
        SettingsStore store(file);
        QCOMPARE(store.text(QStringLiteral("K1")), QStringLiteral("Old"));
        store.setValue(QStringLiteral("K2"), QStringLiteral("New"));
        QVERIFY(store.sync());
    }
    const QByteArray written = readAll(file);
    QVERIFY2(written.contains("K2=New"), written.constData());
}

void TestSettingsStore::handTypedText_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("typed"); // K1
    QTest::newRow("comma and blank") << QByteArray("K1=40m, 20m") << QStringLiteral("40m, 20m");
    QTest::newRow("bare comma") << QByteArray("K1=a,b") << QStringLiteral("a,b");
    QTest::newRow("blanks around comma") << QByteArray("K1=a , b") << QStringLiteral("a , b");
    QTest::newRow("trailing comma") << QByteArray("K1=a, ") << QStringLiteral("a,");
    QTest::newRow("outer blanks, empty parts") << QByteArray("K1=  ,a,,b \t") << QStringLiteral(",a,,b");
    QTest::newRow("quoted part") << QByteArray("K1=\" a \" , b") << QStringLiteral(" a , b");
    QTest::newRow("escapes") << QByteArray("K1=A\\tB, \\x3a9\\,c") << QString::fromUtf8("A\tB, Ωc");
    QTest::newRow("UTF-8") << QByteArray("K1=Esta\xc3\xa7\xc3\xa3o, S\xc3\xbc\x64")
                           << QString::fromUtf8("Estação, Süd");
    QTest::newRow("Latin-1 saved by hand")
        << QByteArray("K1=Esta\xe7\xe3o, S\xfc\x64") << QString::fromUtf8("Estação, Süd");
    QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf[General]\nK1=S\xc3\xbc\x64,x")
                                     << QString::fromUtf8("Süd,x");
    QTest::newRow("sections, CRLF, comments")
        << QByteArray("K1=no\r\n[X]\r\nK1=no\r\n[general]\r\n; K1=no\r\nK1=a ,b ;c\r\n") << QStringLiteral("a ,b");
    // Keys are case-sensitive, except on Windows, where QSettings takes k1 for
    // K1; the value is read as typed there too.
    QTest::newRow("other keys") << QByteArray("K1=x,y\n[%General]\nK1=p , q\n[General]\nk1=c , d\nK10=e , f")
#ifdef Q_OS_WIN
                                << QStringLiteral("c , d");
#else
                                << QStringLiteral("x,y");
#endif
    QTest::newRow("line end in quotes") << QByteArray("K1=\"a\nb\", c") << QStringLiteral("a\nb, c");
    QTest::newRow("escaped line end") << QByteArray("K1=a,\\\r\nb") << QStringLiteral("a,b");
    // One stray byte spoils no other value; the value holding it is Latin-1.
    QTest::newRow("stray byte in a comment")
        << QByteArray("; note \xff\nK1=S\xc3\xbc\x64 \xe5\xb1\x80") << QString::fromUtf8("Süd 局");
    QTest::newRow("Latin-1 beside UTF-8")
        << QByteArray("ID=\xe5\xb1\x80\nK1=S\xfc\x64, Norte") << QString::fromUtf8("Süd, Norte");
    // Blanks after a comment go with it, as QSettings reads them.
    QTest::newRow("indented key under a comment") << QByteArray("; the switch\n    K1=a, b") << QStringLiteral("a, b");
    QTest::newRow("indented section under a comment")
        << QByteArray("K1=top\n; band following\n  [X]\nK1=no") << QStringLiteral("top");
}

void TestSettingsStore::handTypedText()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, typed);
    const QString name = path("typed.ini");
    writeAll(name, file + "\nRL=false\n");
    QCOMPARE(SettingsStore(name).text(QStringLiteral("K1")), typed);
    {
        // QSettings rewrites the whole file for another key.
        SettingsStore store(name);
        store.setValue(QStringLiteral("RL"), true);
        QVERIFY(store.sync());
    }
    const SettingsStore store(freshCopy(name));
    QCOMPARE(store.text(QStringLiteral("K1")), typed);
    QVERIFY(store.value(QStringLiteral("RL")).toBool());
}

void TestSettingsStore::olderFileKeepsItsBytes()
{
    // As Qt wrote it without a codec: other than ASCII as \x escapes.
    const QByteArray older = "[General]\nGPI1R=255\nID=\"Esta\\xe7\\xe3o, S\\xfc\\x64\"\nIPdir=true\nK1=\\x3a9\n";
    const QVariantMap values {
        {"GPI1R", 255}, {"ID", QString::fromUtf8("Estação, Süd")}, {"IPdir", true}, {"K1", QString::fromUtf8("Ω")}};
    const QString file = path("older.ini");
    writeAll(file, older);
    {
        SettingsStore store(file);
        for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
            store.setValue(it.key(), it.value());
        }
        QVERIFY(store.sync());
    }
    QCOMPARE(readAll(file), older);
    {
        SettingsStore store(file);
        store.setValue(QStringLiteral("K2"), QStringLiteral("new"));
        QVERIFY(store.sync());
    }
    const SettingsStore store(freshCopy(file));
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        QCOMPARE(store.text(it.key()), it.value().toString());
    }
}

void TestSettingsStore::whatReadingFinds_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text"); // K1
    QTest::addColumn<QString>("finding"); // what reading names: unusable, too long, Latin-1
    QTest::addColumn<QStringList>("keys"); // the keys it names
    const QByteArray longest(SettingsStore::MaxValueChars, 'x');
    QTest::newRow("longest value") << "K1=" + longest << QString::fromLatin1(longest) << "" << QStringList();
    QTest::newRow("value too long") << "K1=" + longest + "x"
                                    << ""
                                    << "too long" << QStringList {"K1"};
    QTest::newRow("Latin-1 beside UTF-8")
        << QByteArray("ID=\xe5\xb1\x80\nK1=S\xfc\x64") << QString::fromUtf8("Süd") << "Latin-1" << QStringList {"K1"};
    QTest::newRow("cut UTF-8 sequence") << QByteArray("K1=S\xc3") << QString::fromLatin1("S\xc3") << "Latin-1"
                                        << QStringList {"K1"};
    // Decoded, a list of two thousand million entries: std::bad_alloc.
    QTest::newRow("crafted @Variant") << QByteArray(
                                             "K1=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\nK2=a, @Rect(1 2 3 4)")
                                      << ""
                                      << "unusable" << QStringList {"K1"};
    QTest::newRow("escaped @Variant in quotes") << QByteArray("K1=\"\\x40Variant(\\0\\0\\0\\x2)\"") << ""
                                                << "unusable" << QStringList {"K1"};
    QTest::newRow("@Rect") << QByteArray("K1=@Rect(1 2 3 4)") << ""
                           << "unusable" << QStringList {"K1"};
    QTest::newRow("@ByteArray holds a text") << QByteArray("K1=@ByteArray(Yagi)") << "Yagi"
                                             << "" << QStringList();
    QTest::newRow("@@ is one @") << QByteArray("K1=@@home") << "@home"
                                 << "" << QStringList();
}

void TestSettingsStore::whatReadingFinds()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    QFETCH(QString, finding);
    QFETCH(QStringList, keys);
    const QString name = path("findings.ini");
    writeAll(name, file);
    const SettingsStore store(name);
    QCOMPARE(store.text(QStringLiteral("K1")), text);
    QCOMPARE(store.contains(QStringLiteral("K1")), !text.isEmpty());
    QCOMPARE(store.unusableKeys(), finding == QLatin1String("unusable") ? keys : QStringList());
    QCOMPARE(store.tooLongKeys(), finding == QLatin1String("too long") ? keys : QStringList());
    QCOMPARE(store.latin1Keys(), finding == QLatin1String("Latin-1") ? keys : QStringList());
}

void TestSettingsStore::fullDiskLeavesOldFile_data()
{
    QTest::addColumn<int>("room"); // bytes the disk takes; -1: all but the last
    QTest::addColumn<bool>("told"); // the write says it failed, or claims every byte
    QTest::newRow("no room at all") << 0 << true;
    QTest::newRow("full after 4096 bytes") << 4096 << true;
    QTest::newRow("full after 4096 bytes, unnoticed") << 4096 << false;
    QTest::newRow("one byte short, unnoticed") << -1 << false;
}

void TestSettingsStore::fullDiskLeavesOldFile()
{
    QFETCH(int, room);
    QFETCH(bool, told);
    QByteArray old = "[General]\n";
    for (int n = 1; n <= 150; ++n) {
        old += "K" + QByteArray::number(n) + "=Antenna caption number " + QByteArray::number(n) + "\n";
    }
    old += "\n[BandFollow]\nSource=rigctld\n";
    const QString file = path("full.ini");
    writeAll(file, old);
    const ScopedWriter fills([&](QIODevice& device, const QByteArray& text) -> qint64 {
        device.write(text.left(room < 0 ? text.size() - 1 : room));
        return told ? -1 : text.size();
    });
    SettingsStore store(file);
    store.setValue(QStringLiteral("GPI"), true);
    store.setValue(QStringLiteral("K7"), QStringLiteral("Changed"));
    const SettingsStore::Written written = store.sync();
    QVERIFY(!written);
    QCOMPARE(store.failure(), SettingsStore::Failure::Unwritable);
    QVERIFY(written.notice.startsWith(QLatin1String("Settings NOT saved")));
    QCOMPARE(readAll(file), old);
    // Nor a half-written copy beside it.
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList {QStringLiteral("full.ini")});
}

void TestSettingsStore::twoCopiesKeepEachOthersKeys_data()
{
    QTest::addColumn<QVariantMap>("first"); // one copy's changes
    QTest::addColumn<QVariantMap>("second"); // the other's, written after
    QTest::newRow("colours of GPO 1 and GPO 2") << QVariantMap {{"GPO1R", 255}, {"GPO1G", 255}, {"GPO1B", 255}}
                                                << QVariantMap {{"GPO2R", 1}, {"GPO2G", 2}, {"GPO2B", 3}};
    QTest::newRow("a caption and a view") << QVariantMap {{"K1", "Beam"}} << QVariantMap {{"GPI", true}};
    QTest::newRow("new keys, new group") << QVariantMap {{"IP", "192.0.2.7"}, {"BandFollow/Source", "rigctld"}}
                                         << QVariantMap {{"BandFollow/RigPort", "4532"},
                                                         {"ID", QString::fromUtf8("局 東京")}};
    QTest::newRow("one key: the later change wins") << QVariantMap {{"K2", "first"}} << QVariantMap {{"K2", "second"}};
}

void TestSettingsStore::twoCopiesKeepEachOthersKeys()
{
    QFETCH(QVariantMap, first);
    QFETCH(QVariantMap, second);
    const QString file = path("shared.ini");
    QVariantMap expected {{"GPO1R", 50},
                          {"GPO1G", 205},
                          {"GPO1B", 50},
                          {"GPO2R", 50},
                          {"K1", "Yagi"},
                          {"K2", "Dipole"},
                          {"BandFollow/LoggerPort", "2333"}};
    {
        QSettings older(file, QSettings::IniFormat);
        for (auto it = expected.constBegin(); it != expected.constEnd(); ++it) {
            older.setValue(it.key(), it.value());
        }
    }
    // Both read the file before either writes.
    SettingsStore one(file);
    SettingsStore other(file);
    for (auto it = first.constBegin(); it != first.constEnd(); ++it) {
        one.setValue(it.key(), it.value());
        expected.insert(it.key(), it.value());
    }
    for (auto it = second.constBegin(); it != second.constEnd(); ++it) {
        other.setValue(it.key(), it.value());
        expected.insert(it.key(), it.value());
    }
    QVERIFY(one.sync());
    QVERIFY(other.sync());
    // As QSettings reads it too.
    QSettings written(freshCopy(file), QSettings::IniFormat);
    written.setIniCodec("UTF-8");
    QCOMPARE(written.allKeys().size(), expected.size());
    for (auto it = expected.constBegin(); it != expected.constEnd(); ++it) {
        QCOMPARE(written.value(it.key()).toString(), it.value().toString());
    }
}

void TestSettingsStore::lockLeftBehind_data()
{
    QTest::addColumn<QByteArray>("lock"); // what the lock file holds
    QTest::addColumn<bool>("alive"); // its owner runs and holds it
    QTest::newRow("empty, its owner killed making it") << QByteArray() << false;
    QTest::newRow("its owner has died") << QByteArray("2147483646\nzarel\n\n") << false;
    QTest::newRow("held by a running copy") << QByteArray() << true;
}

void TestSettingsStore::lockLeftBehind()
{
    QFETCH(QByteArray, lock);
    QFETCH(bool, alive);
    const QString file = path("locked.ini");
    writeAll(file, "[General]\nK1=Old\n");
    QLockFile owner(file + QStringLiteral(".lock"));
    if (alive) {
        QVERIFY(owner.tryLock(0));
    } else {
        writeAll(file + QStringLiteral(".lock"), lock);
    }
    QElapsedTimer took;
    took.start();
    SettingsStore store(file);
    store.setValue(QStringLiteral("K1"), QStringLiteral("New"));
    const bool written = bool(store.sync());
    const qint64 elapsed = took.elapsed();
    QCOMPARE(written, !alive);
    QCOMPARE(SettingsStore(freshCopy(file)).text(QStringLiteral("K1")), alive ? "Old" : "New");
    if (alive) {
        // Given up after a moment, not after the lock's stale time.
        QCOMPARE(store.failure(), SettingsStore::Failure::Busy);
        QVERIFY2(elapsed >= SettingsStore::LockWaitMs && elapsed < 1000, qPrintable(QString::number(elapsed)));
    } else {
        // Taken over at once; Wine looks a dead process up slowly.
        const qint64 atOnce = wine::running() ? 1000 : SettingsStore::LockWaitMs;
        QVERIFY2(elapsed < atOnce, qPrintable(QString::number(elapsed)));
        QVERIFY(!QFile::exists(file + QStringLiteral(".lock")));
    }
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
