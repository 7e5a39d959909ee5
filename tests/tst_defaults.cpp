#include <QLoggingCategory>
#include <QTest>

#include "app/platformsetup.h"
#include "link/linklog.h"

// What the program does for an operator who has configured nothing.
class TestDefaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loggingQuietBelowWarnings_data();
    void loggingQuietBelowWarnings();
    void openGlOnlyWhenAsked_data();
    void openGlOnlyWhenAsked();
};

void TestDefaults::loggingQuietBelowWarnings_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<bool>("debug");
    QTest::addColumn<bool>("info");
    QTest::newRow("nothing asked") << QString() << false << false;
    QTest::newRow("everything of ours") << "zarel.*=true" << true << true;
}

void TestDefaults::loggingQuietBelowWarnings()
{
    QFETCH(QString, rules);
    QFETCH(bool, debug);
    QFETCH(bool, info);
    QLoggingCategory::setFilterRules(rules);
    for (const QLoggingCategory* category : {&lcLink(), &lcConnection()}) {
        QCOMPARE(category->isDebugEnabled(), debug);
        QCOMPARE(category->isInfoEnabled(), info);
        QVERIFY(category->isWarningEnabled());
        QVERIFY(category->isCriticalEnabled());
    }
    QLoggingCategory::setFilterRules(QString());
}

void TestDefaults::openGlOnlyWhenAsked_data()
{
    QTest::addColumn<bool>("set");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("not set: none") << false << QByteArray() << QByteArray("none");
    QTest::newRow("asked for GLX") << true << QByteArray("xcb_glx") << QByteArray("xcb_glx");
#ifndef Q_OS_WIN // where setting a variable empty removes it
    QTest::newRow("set empty: Qt's own choice") << true << QByteArray() << QByteArray();
#endif
}

void TestDefaults::openGlOnlyWhenAsked()
{
    QFETCH(bool, set);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, expected);
    const char* const name = "QT_XCB_GL_INTEGRATION";
    const bool wasSet = qEnvironmentVariableIsSet(name);
    const QByteArray before = qgetenv(name);
    if (set) {
        qputenv(name, value);
    } else {
        qunsetenv(name);
    }
    skipUnusedOpenGl();
    QVERIFY(qEnvironmentVariableIsSet(name));
    QCOMPARE(qgetenv(name), expected);
    if (wasSet) {
        qputenv(name, before);
    } else {
        qunsetenv(name);
    }
}

QTEST_APPLESS_MAIN(TestDefaults)
#include "tst_defaults.moc"
