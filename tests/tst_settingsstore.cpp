#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/settingsstore.h"

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
    void flawedFileIsWrittenAndReportedSaved();
    void handTypedText_data();
    void handTypedText();
    void olderFileKeepsItsBytes();

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

void TestSettingsStore::flawedFileIsWrittenAndReportedSaved()
{
    // An unterminated section header: QSettings reads what it can, flags the
    // file and then writes it out cleanly.
    const QString file = path("flawed.ini");
    writeAll(file, "[General\nK1=Old\n");
    {
        SettingsStore store(file);
        QCOMPARE(store.settings().status(), QSettings::FormatError);
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
    // Keys are case-sensitive, except on Windows, where QSettings takes k1 for K1.
    QTest::newRow("other keys") << QByteArray("K1=x,y\n[%General]\nK1=p , q\n[General]\nk1=c , d\nK10=e , f")
#ifdef Q_OS_WIN
                                << QStringLiteral("c,d");
#else
                                << QStringLiteral("x,y");
#endif
    QTest::newRow("line end in quotes") << QByteArray("K1=\"a\nb\", c") << QStringLiteral("a\nb, c");
    QTest::newRow("escaped line end") << QByteArray("K1=a,\\\r\nb") << QStringLiteral("a,b");
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
    // Rewritten: the same text, now in UTF-8.
#ifdef Q_OS_WIN
    // Windows ends QSettings' lines with CR LF.
    const QByteArray now = readAll(file).replace("\r\n", "\n");
#else
    const QByteArray now = readAll(file);
#endif
    QVERIFY2(now.contains("\nID=\"Esta\xc3\xa7\xc3\xa3o, S\xc3\xbc\x64\"\nIPdir=true\nK1=\xce\xa9\n"), now.constData());
    const SettingsStore store(freshCopy(file));
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        QCOMPARE(store.text(it.key()), it.value().toString());
    }
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
