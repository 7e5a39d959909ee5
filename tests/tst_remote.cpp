// The browser panel's login rules, its account store, and what clients
// that misbehave get from its server.
#include <QFile>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTest>
#if ZAREL_HAVE_WEBSOCKETS
#include <QWebSocket>
#endif

#include "connection/remoteaccounts.h"
#include "connection/remotecertificate.h"
#include "connection/remoteserver.h"
#include "connection/remotesessions.h"

using remoteaccounts::Role;

class TestRemote : public QObject
{
    Q_OBJECT

private slots:
    void derivation_data();
    void derivation();
    void accounts_data();
    void accounts();
    void sessions_data();
    void sessions();
    void throttle_data();
    void throttle();
#if ZAREL_HAVE_WEBSOCKETS
    void hostileClients_data();
    void hostileClients();
#endif
};

// Against OpenSSL's own PBKDF2 (`openssl kdf ... PBKDF2`).
void TestRemote::derivation_data()
{
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QByteArray>("salt");
    QTest::addColumn<int>("iterations");
    QTest::addColumn<QByteArray>("key");
    QTest::newRow("one round") << QByteArray("password") << QByteArray("salt") << 1
                               << QByteArray("120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b");
    QTest::newRow("4096 rounds") << QByteArray("password") << QByteArray("salt") << 4096
                                 << QByteArray("c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a");
    QTest::newRow("UTF-8 with blanks") << QString::fromUtf8("pässwörd mit Leer").toUtf8()
                                       << QByteArray("0123456789abcdef") << 10000
                                       << QByteArray(
                                              "92146acd501b5461773e65a2fa83b88cdc954e3dc4a46321ac96b7b831a65782");
}

void TestRemote::derivation()
{
    QFETCH(QByteArray, password);
    QFETCH(QByteArray, salt);
    QFETCH(int, iterations);
    QFETCH(QByteArray, key);
    QCOMPARE(remoteaccounts::derive(password, salt, iterations).toHex(), key);
}

void TestRemote::accounts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("tried");
    QTest::addColumn<bool>("viewer");
    QTest::addColumn<QString>("edit"); // done to the file between storing and trying
    QTest::addColumn<bool>("admitted");
    QTest::newRow("operator, right password")
        << "anna" << QByteArray("s3cret pass") << QByteArray("s3cret pass") << false << QString() << true;
    QTest::newRow("viewer, right password")
        << "vic" << QByteArray("v1ew-pw") << QByteArray("v1ew-pw") << true << QString() << true;
    QTest::newRow("wrong password") << "anna" << QByteArray("s3cret pass") << QByteArray("s3cret pas") << false
                                    << QString() << false;
    QTest::newRow("password with a byte more")
        << "anna" << QByteArray("ab c!") << QByteArray("ab c!\n") << false << QString() << false;
    QTest::newRow("removed user") << "anna" << QByteArray("pass word!") << QByteArray("pass word!") << false
                                  << QStringLiteral("remove") << false;
    // Someone who can write the file but not read passwords lowers the
    // rounds to make it cheap to guess: such an entry counts as none.
    QTest::newRow("rounds lowered by hand")
        << "anna" << QByteArray("pass word!") << QByteArray("pass word!") << false << QStringLiteral("weaken") << false;
    QTest::newRow("role edited to garbage")
        << "anna" << QByteArray("pass word!") << QByteArray("pass word!") << false << QStringLiteral("role") << false;
}

void TestRemote::accounts()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, tried);
    QFETCH(bool, viewer);
    QFETCH(QString, edit);
    QFETCH(bool, admitted);
    QTemporaryDir dir;
    const QString path = remoteaccounts::pathFor(dir.filePath(QStringLiteral("settingsx.ini")));
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("usersx.ini"));
    remoteaccounts::Store store(path);
    QCOMPARE(store.add(name, stored, viewer ? Role::Viewer : Role::Operator), QString());
    QCOMPARE(store.add(QStringLiteral("other"), "x", Role::Operator), QString());
#ifdef Q_OS_UNIX
    QCOMPARE(QFile::permissions(path) & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());
#endif
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    file.close();
    QVERIFY2(!text.contains(stored), "the password itself is in the file");
    if (edit == QLatin1String("remove")) {
        QCOMPARE(store.remove(name), QString());
        QVERIFY(!store.remove(name).isEmpty());
    } else if (!edit.isEmpty()) {
        QByteArray changed = text;
        const int line = changed.indexOf(name.toLatin1() + "=\"");
        if (edit == QLatin1String("weaken")) {
            changed.replace(changed.indexOf(" 310000 ", line), 8, " 1 ");
        } else {
            changed.replace(line, name.size() + 10, name.toLatin1() + "=\"admin");
        }
        QVERIFY(changed != text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(changed);
        file.close();
    }
    const std::optional<remoteaccounts::Entry> entry = store.entry(name);
    QCOMPARE(remoteaccounts::matches(entry, tried), admitted);
    if (admitted) {
        QCOMPARE(entry->role, viewer ? Role::Viewer : Role::Operator);
    }
    const QList<remoteaccounts::User> users = store.users();
    QCOMPARE(std::count_if(users.cbegin(), users.cend(), [&name](const auto& u) { return u.name == name; }),
             edit.isEmpty() ? 1 : 0);
    // The other account is untouched by whatever happened to this one.
    QVERIFY(remoteaccounts::matches(store.entry(QStringLiteral("other")), "x"));
}

void TestRemote::sessions_data()
{
    QTest::addColumn<qint64>("askedAt"); // after the login at 1000
    QTest::addColumn<bool>("loggedOut");
    QTest::addColumn<QByteArray>("cookie"); // TOKEN stands for the session's
    QTest::addColumn<QByteArray>("origin");
    QTest::addColumn<QByteArray>("host");
    QTest::addColumn<bool>("admitted");
    const qint64 hours12 = remotesessions::SessionMs;
    const QByteArray own = "https://127.0.0.1:8443";
    const QByteArray host = "127.0.0.1:8443";
    QTest::newRow("fresh") << qint64(1000 + 60000) << false << QByteArray("zarel_session=TOKEN") << own << host << true;
    QTest::newRow("among other cookies") << qint64(1000) << false << QByteArray("a=1; zarel_session=TOKEN; b=2") << own
                                         << host << true;
    QTest::newRow("a moment before 12 h")
        << qint64(1000 + hours12 - 1) << false << QByteArray("zarel_session=TOKEN") << own << host << true;
    QTest::newRow("expired at 12 h") << qint64(1000 + hours12) << false << QByteArray("zarel_session=TOKEN") << own
                                     << host << false;
    QTest::newRow("logged out") << qint64(2000) << true << QByteArray("zarel_session=TOKEN") << own << host << false;
    QTest::newRow("made-up token") << qint64(2000) << false << QByteArray("zarel_session=AAAA") << own << host << false;
    QTest::newRow("no cookie") << qint64(2000) << false << QByteArray() << own << host << false;
    QTest::newRow("another site's page") << qint64(2000) << false << QByteArray("zarel_session=TOKEN")
                                         << QByteArray("https://evil.example") << host << false;
    QTest::newRow("plain http origin") << qint64(2000) << false << QByteArray("zarel_session=TOKEN")
                                       << QByteArray("http://127.0.0.1:8443") << host << false;
    QTest::newRow("same host, another port") << qint64(2000) << false << QByteArray("zarel_session=TOKEN")
                                             << QByteArray("https://127.0.0.1:9443") << host << false;
    QTest::newRow("no origin") << qint64(2000) << false << QByteArray("zarel_session=TOKEN") << QByteArray() << host
                               << false;
    QTest::newRow("host typed in capitals")
        << qint64(2000) << false << QByteArray("zarel_session=TOKEN") << QByteArray("https://station.example:8443")
        << QByteArray("Station.Example:8443") << true;
}

// The WebSocket's rule: a session that is still on, from the own origin.
void TestRemote::sessions()
{
    QFETCH(qint64, askedAt);
    QFETCH(bool, loggedOut);
    QFETCH(QByteArray, cookie);
    QFETCH(QByteArray, origin);
    QFETCH(QByteArray, host);
    QFETCH(bool, admitted);
    remotesessions::Sessions sessions;
    const QByteArray other = sessions.open(QStringLiteral("bob"), Role::Viewer, 0);
    const QByteArray token = sessions.open(QStringLiteral("anna"), Role::Operator, 1000);
    QCOMPARE(token.size(), 43);
    QVERIFY(token != other);
    if (loggedOut) {
        sessions.close(token);
    }
    const QByteArray header = QByteArray(cookie).replace("TOKEN", token);
    const std::optional<remotesessions::Session> session = sessions.find(remotesessions::cookieToken(header), askedAt);
    QCOMPARE(session.has_value() && remotesessions::originAllowed(origin, host), admitted);
    if (session) {
        QCOMPARE(session->user, QStringLiteral("anna"));
        QCOMPARE(session->role, Role::Operator);
    }
}

void TestRemote::throttle_data()
{
    QTest::addColumn<QList<qint64>>("failures"); // times of failed logins from 10.0.0.1
    QTest::addColumn<QString>("from");
    QTest::addColumn<qint64>("at");
    QTest::addColumn<qint64>("wait");
    QTest::newRow("four failures") << QList<qint64> {0, 1000, 2000, 3000} << "10.0.0.1" << qint64(3500) << qint64(0);
    QTest::newRow("five in a minute") << QList<qint64> {0, 1000, 2000, 3000, 4000} << "10.0.0.1" << qint64(4500)
                                      << qint64(55500);
    QTest::newRow("a minute after the first")
        << QList<qint64> {0, 1000, 2000, 3000, 4000} << "10.0.0.1" << qint64(60000) << qint64(0);
    QTest::newRow("another address") << QList<qint64> {0, 1000, 2000, 3000, 4000} << "10.0.0.2" << qint64(4500)
                                     << qint64(0);
    QTest::newRow("spread over more than a minute")
        << QList<qint64> {0, 20000, 40000, 60000, 80000} << "10.0.0.1" << qint64(80001) << qint64(0);
    QTest::newRow("a sixth failure moves the wait")
        << QList<qint64> {0, 1000, 2000, 3000, 4000, 50000} << "10.0.0.1" << qint64(60000) << qint64(1000);
}

void TestRemote::throttle()
{
    QFETCH(QList<qint64>, failures);
    QFETCH(QString, from);
    QFETCH(qint64, at);
    QFETCH(qint64, wait);
    remotesessions::Throttle throttle;
    for (qint64 t : failures) {
        throttle.failed(QStringLiteral("10.0.0.1"), t);
    }
    QCOMPARE(throttle.waitMs(from, at), wait);
    QCOMPARE(throttle.allowed(from, at), wait == 0);
}

#if ZAREL_HAVE_WEBSOCKETS
namespace {

// A station's server with one operator, on a free loopback port.
struct Served
{
    QTemporaryDir dir;
    RemoteServer server;
    QSslCertificate certificate;
    QByteArray cookie;

    bool start()
    {
        const QString settings = dir.filePath(QStringLiteral("settings.ini"));
        remoteaccounts::Store store(remoteaccounts::pathFor(settings));
        const remotecertificate::Loaded loaded = remotecertificate::load({}, settings);
        if (!store.add(QStringLiteral("anna"), "pw", Role::Operator).isEmpty() || !loaded.error.isEmpty()) {
            return false;
        }
        certificate = loaded.certificate;
        server.setCredentials(loaded.certificate, loaded.key);
        server.setAccountsPath(store.filePath());
        server.setPanel("\"keys\":{}}");
        return server.listen(QHostAddress::LocalHost, 0);
    }
    QString origin() const { return QStringLiteral("https://127.0.0.1:%1").arg(server.port()); }
    QSslConfiguration trusting() const
    {
        // Trusted by its own certificate, as an operator who checked the
        // fingerprint would.
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.setCaCertificates({certificate});
        return ssl;
    }
    // Over a socket of its own rather than Qt's network access manager,
    // which starts a D-Bus thread the thread sanitizer cannot follow.
    bool logIn()
    {
        QSslSocket socket;
        socket.setSslConfiguration(trusting());
        QSignalSpy encrypted(&socket, &QSslSocket::encrypted);
        socket.connectToHostEncrypted(QStringLiteral("127.0.0.1"), server.port());
        // The server runs on this thread: waits keep its event loop going.
        if (!encrypted.wait(10000)) {
            return false;
        }
        const QByteArray body = "user=anna&password=pw";
        socket.write("POST /login HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: application/x-www-form-urlencoded\r\n"
                     "Content-Length: " +
                     QByteArray::number(body.size()) + "\r\n\r\n" + body);
        QByteArray answer;
        QSignalSpy readable(&socket, &QSslSocket::readyRead);
        while (!answer.contains("\r\n\r\n") && (socket.bytesAvailable() > 0 || readable.wait(10000))) {
            answer += socket.readAll();
        }
        const int start = answer.indexOf("Set-Cookie: zarel_session=");
        if (!answer.startsWith("HTTP/1.1 303") || start < 0) {
            return false;
        }
        cookie = answer.mid(start + 12, answer.indexOf(';', start) - start - 12);
        return true;
    }
    // A WebSocket client; `withSession` false: no cookie.
    QWebSocket* open(bool withSession)
    {
        auto* socket = new QWebSocket(origin(), QWebSocketProtocol::VersionLatest, &server);
        socket->setSslConfiguration(trusting());
        QNetworkRequest request(QUrl(QStringLiteral("wss://127.0.0.1:%1/ws").arg(server.port())));
        if (withSession) {
            request.setRawHeader("Cookie", cookie);
        }
        socket->open(request);
        return socket;
    }
};

} // namespace

void TestRemote::hostileClients_data()
{
    QTest::addColumn<QString>("client");
    QTest::addColumn<int>("closeCode"); // what the station answers with; -1: no WebSocket at all
    QTest::addColumn<int>("pressesMost"); // presses that may reach the station
    QTest::newRow("unauthenticated WebSocket") << "no session" << -1 << 0;
    QTest::newRow("oversized frame") << "oversized" << int(QWebSocketProtocol::CloseCodeTooMuchData) << 0;
    QTest::newRow("malformed JSON") << "malformed" << int(QWebSocketProtocol::CloseCodeWrongDatatype) << 1;
    QTest::newRow("command flood") << "flood" << int(QWebSocketProtocol::CloseCodePolicyViolated)
                                   << RemoteServer::PressBurst + 5;
}

void TestRemote::hostileClients()
{
    QFETCH(QString, client);
    QFETCH(int, closeCode);
    QFETCH(int, pressesMost);
    Served served;
    QVERIFY(served.start());
    QVERIFY(served.logIn());
    QSignalSpy presses(&served.server, &RemoteServer::pressed);
    QSignalSpy cutOff(&served.server, &RemoteServer::cutOff);

    QWebSocket* hostile = served.open(client != QLatin1String("no session"));
    QSignalSpy connected(hostile, &QWebSocket::connected);
    QSignalSpy disconnected(hostile, &QWebSocket::disconnected);
    if (closeCode == -1) {
        QVERIFY(disconnected.wait(10000));
        QCOMPARE(connected.count(), 0);
    } else {
        QVERIFY(connected.wait(10000));
        if (client == QLatin1String("oversized")) {
            hostile->sendTextMessage(QString(256 * 1024, QLatin1Char('x')));
        } else if (client == QLatin1String("malformed")) {
            hostile->sendTextMessage(QStringLiteral("{\"type\":\"press\",\"key\":\"ant1\"}"));
            hostile->sendTextMessage(QStringLiteral("{\"type\":\"press\",\"key\":"));
        } else {
            for (int i = 0; i < 5000; ++i) {
                hostile->sendTextMessage(QStringLiteral("{\"type\":\"press\",\"key\":\"ant%1\"}").arg(i % 12 + 1));
            }
        }
        QVERIFY(disconnected.wait(10000) || !disconnected.isEmpty());
        QCOMPARE(int(hostile->closeCode()), closeCode);
    }
    QVERIFY(presses.count() <= pressesMost);
    QCOMPARE(served.server.clientCount(), 0);

    // The station goes on serving the others.
    QWebSocket* good = served.open(true);
    QSignalSpy message(good, &QWebSocket::textMessageReceived);
    QVERIFY(message.wait(10000));
    QVERIFY(message.first().first().toString().startsWith(QLatin1String("{\"type\":\"panel\",\"user\":\"anna\"")));
    const int before = presses.count();
    good->sendTextMessage(QStringLiteral("{\"type\":\"press\",\"key\":\"ant4\"}"));
    QTRY_COMPARE(presses.count(), before + 1);
    QCOMPARE(presses.last().first().toString(), QStringLiteral("ant4"));
}

#endif

QTEST_GUILESS_MAIN(TestRemote)
#include "tst_remote.moc"
