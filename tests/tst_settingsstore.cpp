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

private:
    QString path(const char* name) const { return dir->filePath(QString::fromLatin1(name)); }
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
    const SettingsStore store(file);
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

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
