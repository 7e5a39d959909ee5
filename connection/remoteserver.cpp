#include "connection/remoteserver.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QUrlQuery>
#include <QWebSocket>
#include <QWebSocketServer>

#include <algorithm>

Q_LOGGING_CATEGORY(lcRemote, "zarel.remote", QtWarningMsg)

// Q_INIT_RESOURCE declares its function in the enclosing namespace: called
// from here, at file scope, the page in the static library is registered.
static void registerPage()
{
    Q_INIT_RESOURCE(remote);
}

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Remote)
};

// What a close frame tells the page: go back to the login page.
constexpr int LoggedOut = 4001;
constexpr int SessionEnded = 4003;
constexpr int MostHashing = 8;

const QByteArray cookieName = "zarel_session";

QByteArray resource(const QString& name)
{
    QFile file(QStringLiteral(":/remote/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QStringList& pressKeys()
{
    static const QStringList keys = [] {
        QStringList k {QStringLiteral("release"), QStringLiteral("split"), QStringLiteral("rtx")};
        for (int i = 1; i <= 12; ++i) {
            k << QStringLiteral("ant%1").arg(i);
        }
        for (int i = 1; i <= 4; ++i) {
            k << QStringLiteral("rx%1").arg(i);
        }
        for (int i = 1; i <= 8; ++i) {
            k << QStringLiteral("gpo%1").arg(i);
        }
        return k;
    }();
    return keys;
}

QByteArray jsonString(const QString& text)
{
    // A one-element array is the shortest way to have Qt quote a string.
    const QByteArray array = QJsonDocument(QJsonArray {text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

} // namespace

class RemoteServer::Listener : public QTcpServer
{
public:
    explicit Listener(RemoteServer* server)
        : QTcpServer(server)
        , server(server)
    {
    }

protected:
    void incomingConnection(qintptr descriptor) override { server->incoming(descriptor); }

private:
    RemoteServer* server;
};

// One HTTPS connection until it is closed or becomes a WebSocket.
struct RemoteServer::Connection : QObject
{
    QSslSocket* socket = nullptr;
    QString address;
    QTimer timeout;
    bool waiting = false; // a login is being checked
    bool closing = false; // answered for the last time
};

RemoteServer::RemoteServer(QObject* parent)
    : QObject(parent)
    , listener(new Listener(this))
    , webSockets(new QWebSocketServer(QStringLiteral("Zarel"), QWebSocketServer::NonSecureMode, this))
    , now([] {
        static QElapsedTimer clock;
        if (!clock.isValid()) {
            clock.start();
        }
        return clock.elapsed();
    })
{
    registerPage();
    connect(webSockets, &QWebSocketServer::newConnection, this, &RemoteServer::webSocketArrived);
    for (int i = 0; i < 2; ++i) {
        hashers.emplace_back([this] { hash(); });
    }
    sessionCheck.setInterval(30 * 1000);
    connect(&sessionCheck, &QTimer::timeout, this, &RemoteServer::checkSessions);
}

RemoteServer::~RemoteServer()
{
    {
        const std::lock_guard<std::mutex> lock(hashLock);
        stopHashing = true;
    }
    hashWanted.notify_all();
    for (std::thread& hasher : hashers) {
        hasher.join();
    }
}

void RemoteServer::setCredentials(const QSslCertificate& c, const QSslKey& k)
{
    certificate = c;
    key = k;
}

bool RemoteServer::listen(const QHostAddress& address, quint16 port)
{
    listener->close();
    const bool ok = listener->listen(address, port);
    if (ok) {
        sessionCheck.start();
    }
    return ok;
}

void RemoteServer::close()
{
    listener->close();
    sessionCheck.stop();
    const QList<Connection*> open = connections;
    for (Connection* connection : open) {
        drop(connection);
    }
    const QList<QWebSocket*> sockets = clients.keys();
    for (QWebSocket* socket : sockets) {
        socket->close(QWebSocketProtocol::CloseCodeGoingAway, QStringLiteral("the station stops serving"));
    }
}

bool RemoteServer::isListening() const
{
    return listener->isListening();
}

quint16 RemoteServer::port() const
{
    return listener->serverPort();
}

QString RemoteServer::errorString() const
{
    return listener->errorString();
}

QString RemoteServer::peerOf(const QHostAddress& address) const
{
    bool mapped = false;
    const quint32 v4 = address.toIPv4Address(&mapped);
    return mapped ? QHostAddress(v4).toString() : address.toString();
}

void RemoteServer::incoming(qintptr descriptor)
{
    auto* socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    const QString address = peerOf(socket->peerAddress());
    const auto fromThere = std::count_if(connections.cbegin(), connections.cend(),
                                         [&address](const Connection* c) { return c->address == address; });
    if (connections.size() >= MaxConnections || fromThere >= MaxConnectionsPerAddress) {
        qCWarning(lcRemote).noquote() << "too many connections; refused" << address;
        socket->abort();
        socket->deleteLater();
        return;
    }
    auto* connection = new Connection;
    connection->setParent(this);
    connection->socket = socket;
    connection->address = address;
    connections.append(connection);
    // A client that says nothing, or too slowly, is let go.
    connection->timeout.setSingleShot(true);
    connection->timeout.start(RequestTimeoutMs);
    connect(&connection->timeout, &QTimer::timeout, connection, [this, connection] { drop(connection); });
    connect(socket, &QSslSocket::readyRead, connection, [this, connection] { readRequest(connection); });
    connect(socket, &QSslSocket::disconnected, connection, [this, connection] { drop(connection); });
    connect(socket, qOverload<const QList<QSslError>&>(&QSslSocket::sslErrors), connection,
            [this, connection] { drop(connection); });
    connect(socket, &QAbstractSocket::errorOccurred, connection, [this, connection] { drop(connection); });
    socket->setLocalCertificate(certificate);
    socket->setPrivateKey(key);
    socket->setProtocol(QSsl::TlsV1_2OrLater);
    socket->setPeerVerifyMode(QSslSocket::VerifyNone);
    socket->startServerEncryption();
}

void RemoteServer::drop(Connection* connection)
{
    if (!connections.removeOne(connection)) {
        return;
    }
    connection->timeout.stop();
    connection->socket->disconnect(connection);
    connection->socket->abort();
    connection->socket->deleteLater();
    connection->deleteLater();
}

void RemoteServer::hangUp(Connection* connection)
{
    // The answer is written first: abort() would throw it away.
    connection->closing = true;
    connection->timeout.start(RequestTimeoutMs);
    connection->socket->disconnectFromHost();
}

namespace {

struct Request
{
    QByteArray method;
    QByteArray path;
    QByteArray version;
    QHash<QByteArray, QByteArray> headers;
    int headerBytes = 0;
    int bodyBytes = 0;
};

// The request at the start of `data`: nullopt while it is incomplete; a
// request with an empty method when it is malformed.
std::optional<Request> parseRequest(const QByteArray& data)
{
    const int end = data.indexOf("\r\n\r\n");
    if (end < 0) {
        return std::nullopt;
    }
    Request request;
    request.headerBytes = end + 4;
    const QList<QByteArray> lines = data.left(end).split('\n');
    const QList<QByteArray> first = lines.first().trimmed().split(' ');
    if (first.size() != 3 || !first[2].startsWith("HTTP/1.")) {
        return Request {};
    }
    request.method = first[0];
    request.path = first[1];
    request.version = first[2];
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const int colon = line.indexOf(':');
        if (colon <= 0) {
            return Request {};
        }
        request.headers.insert(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    }
    if (request.headers.contains("transfer-encoding")) {
        return Request {};
    }
    bool number = true;
    const QByteArray length = request.headers.value("content-length");
    request.bodyBytes = length.isEmpty() ? 0 : length.toInt(&number);
    if (!number || request.bodyBytes < 0) {
        return Request {};
    }
    return request;
}

} // namespace

void RemoteServer::readRequest(Connection* connection)
{
    QSslSocket* socket = connection->socket;
    if (connection->waiting || connection->closing || !socket->isEncrypted()) {
        return;
    }
    // Peeked, so a WebSocket's handshake is still there for its server.
    const QByteArray data = socket->peek(MaxHeaderBytes + MaxBodyBytes);
    const std::optional<Request> parsed = parseRequest(data);
    if (!parsed) {
        if (data.size() >= MaxHeaderBytes) {
            answer(connection, "431 Request Header Fields Too Large", "text/plain", "Request too large\n",
                   {"Connection: close"});
            hangUp(connection);
        }
        return;
    }
    const Request& request = *parsed;
    if (request.method.isEmpty() || request.bodyBytes > MaxBodyBytes) {
        answer(connection, "400 Bad Request", "text/plain", "Bad request\n", {"Connection: close"});
        hangUp(connection);
        return;
    }
    if (data.size() < request.headerBytes + request.bodyBytes) {
        return;
    }
    const QByteArray token = remotesessions::cookieToken(request.headers.value("cookie"));
    const std::optional<remotesessions::Session> session = sessions.find(token, now());
    const QByteArray host = request.headers.value("host");
    const QByteArray origin = request.headers.value("origin");
    if (request.path == "/ws" && request.method == "GET" && request.headers.value("upgrade").toLower() == "websocket") {
        if (session && remotesessions::originAllowed(origin, host)) {
            upgrade(connection, token, *session);
        } else {
            qCWarning(lcRemote).noquote() << "WebSocket refused to" << connection->address
                                          << (session ? "from another origin" : "without a session");
            answer(connection, "403 Forbidden", "text/plain", "Forbidden\n", {"Connection: close"});
            hangUp(connection);
        }
        return;
    }
    socket->read(request.headerBytes);
    const QByteArray body = socket->read(request.bodyBytes);
    connection->timeout.start(IdleTimeoutMs);
    const bool post = request.method == "POST";
    if (post && !origin.isEmpty() && !remotesessions::originAllowed(origin, host)) {
        answer(connection, "403 Forbidden", "text/plain", "Forbidden\n");
    } else if (post && request.path == "/login") {
        login(connection, body);
        return;
    } else if (post && request.path == "/logout") {
        if (session) {
            sessions.close(token);
            // Closing a socket may take it out of the table at once.
            const QList<QWebSocket*> sockets = clients.keys();
            for (QWebSocket* socket : sockets) {
                if (const auto it = clients.find(socket); it != clients.end() && it->token == token) {
                    socket->close(QWebSocketProtocol::CloseCode(LoggedOut), QStringLiteral("logged out"));
                }
            }
        }
        answer(
            connection, "303 See Other", "text/plain", QByteArray(),
            {"Location: /", "Set-Cookie: " + cookieName + "=; Path=/; HttpOnly; Secure; SameSite=Strict; Max-Age=0"});
    } else if (request.method != "GET" && request.method != "HEAD") {
        answer(connection, "405 Method Not Allowed", "text/plain", "Method not allowed\n", {"Allow: GET, HEAD, POST"});
    } else if (request.path == "/panel.css") {
        answer(connection, "200 OK", "text/css; charset=utf-8", resource(QStringLiteral("panel.css")));
    } else if (!session) {
        loginPage(connection, request.path == "/" ? "200 OK" : "401 Unauthorized", QString());
    } else if (request.path == "/" || request.path == "/index.html") {
        answer(connection, "200 OK", "text/html; charset=utf-8", resource(QStringLiteral("panel.html")));
    } else if (request.path == "/panel.js") {
        answer(connection, "200 OK", "text/javascript; charset=utf-8", resource(QStringLiteral("panel.js")));
    } else {
        answer(connection, "404 Not Found", "text/plain", "Not found\n");
    }
    if (request.method == "HEAD") {
        // answer() wrote a body; HEAD is rare enough to close after it.
        hangUp(connection);
        return;
    }
    if (request.headers.value("connection").toLower() == "close" || request.version == "HTTP/1.0") {
        socket->disconnectFromHost();
        return;
    }
    if (socket->bytesAvailable() > 0) {
        readRequest(connection);
    }
}

void RemoteServer::answer(Connection* connection, const QByteArray& status, const QByteArray& type,
                          const QByteArray& body, const QList<QByteArray>& headers)
{
    QByteArray out = "HTTP/1.1 " + status + "\r\n";
    out += "Content-Type: " + type + "\r\n";
    out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    out += "Content-Security-Policy: default-src 'self'; connect-src 'self'; img-src 'self' data:; "
           "frame-ancestors 'none'; form-action 'self'\r\n"
           "X-Content-Type-Options: nosniff\r\n"
           "X-Frame-Options: DENY\r\n"
           "Referrer-Policy: same-origin\r\n"
           "Cache-Control: no-store\r\n"
           "Strict-Transport-Security: max-age=31536000\r\n";
    for (const QByteArray& header : headers) {
        out += header + "\r\n";
    }
    out += "\r\n" + body;
    connection->socket->write(out);
}

void RemoteServer::loginPage(Connection* connection, const QByteArray& status, const QString& error)
{
    QByteArray page = resource(QStringLiteral("login.html"));
    page.replace("{{error}}", error.toHtmlEscaped().toUtf8());
    page.replace("{{station}}", stationName.toHtmlEscaped().toUtf8());
    answer(connection, status, "text/html; charset=utf-8", page);
}

void RemoteServer::login(Connection* connection, const QByteArray& body)
{
    if (!throttle.allowed(connection->address, now())) {
        qCWarning(lcRemote).noquote() << "login refused unheard after repeated failures from" << connection->address;
        loginPage(connection, "429 Too Many Requests",
                  Text::tr("Too many failed logins from this address: try again in a minute."));
        return;
    }
    const auto fromThere = std::count_if(connections.cbegin(), connections.cend(), [connection](const Connection* c) {
        return c->waiting && c->address == connection->address;
    });
    if (hashingNow >= MostHashing || fromThere > 0) {
        loginPage(connection, "503 Service Unavailable", Text::tr("The station is busy: try again in a moment."));
        return;
    }
    // Forms send blanks as '+'.
    QByteArray form = body;
    form.replace('+', "%20");
    const QUrlQuery query(QString::fromLatin1(form));
    const QString user = query.queryItemValue(QStringLiteral("user"), QUrl::FullyDecoded);
    const QByteArray password = query.queryItemValue(QStringLiteral("password"), QUrl::FullyDecoded).toUtf8();
    const std::optional<remoteaccounts::Entry> entry =
        accountsPath.isEmpty() ? std::nullopt : remoteaccounts::Store(accountsPath).entry(user);
    connection->waiting = true;
    ++hashingNow;
    Login job;
    job.owner = connection;
    job.connection = connection;
    job.address = connection->address;
    job.user = user;
    // Deep copies: the hashing thread owns its own.
    job.password = QByteArray(password.constData(), password.size());
    job.entry = entry;
    {
        const std::lock_guard<std::mutex> lock(hashLock);
        toHash.push_back(std::move(job));
    }
    hashWanted.notify_one();
}

void RemoteServer::hash()
{
    std::unique_lock<std::mutex> lock(hashLock);
    for (;;) {
        hashWanted.wait(lock, [this] { return stopHashing || !toHash.empty(); });
        if (stopHashing) {
            return;
        }
        Login job = std::move(toHash.front());
        toHash.pop_front();
        lock.unlock();
        job.ok = remoteaccounts::matches(job.entry, job.password);
        lock.lock();
        hashed.push_back(std::move(job));
        // By name: nothing of this thread's making travels with the call.
        QMetaObject::invokeMethod(this, "takeLogins", Qt::QueuedConnection);
    }
}

void RemoteServer::takeLogins()
{
    std::vector<Login> done;
    {
        const std::lock_guard<std::mutex> lock(hashLock);
        done.swap(hashed);
    }
    for (const Login& job : done) {
        loggedIn(job);
    }
}

void RemoteServer::loggedIn(const Login& job)
{
    --hashingNow;
    const bool ok = job.ok;
    if (!ok) {
        // Hanging up does not save a guess from counting.
        throttle.failed(job.address, now());
        qCWarning(lcRemote).noquote() << "failed login from" << job.address;
    }
    Connection* connection = job.connection;
    if (job.owner.isNull() || !connections.contains(connection)) {
        return;
    }
    connection->waiting = false;
    if (!ok) {
        loginPage(connection, "401 Unauthorized", Text::tr("The user or the password is wrong."));
    } else {
        const QByteArray token =
            sessions.open(job.user, job.entry ? job.entry->role : remoteaccounts::Role::Viewer, now());
        answer(connection, "303 See Other", "text/plain", QByteArray(),
               {"Location: /",
                "Set-Cookie: " + cookieName + "=" + token + "; Path=/; HttpOnly; Secure; SameSite=Strict; Max-Age=" +
                    QByteArray::number(remotesessions::SessionMs / 1000)});
    }
    if (connection->socket->bytesAvailable() > 0) {
        readRequest(connection);
    }
}

void RemoteServer::upgrade(Connection* connection, const QByteArray& token, const remotesessions::Session& session)
{
    Q_UNUSED(session)
    QSslSocket* socket = connection->socket;
    connections.removeOne(connection);
    socket->disconnect(connection);
    connection->deleteLater();
    handedOver.insert(peerOf(socket->peerAddress()) + QLatin1Char('/') + QString::number(socket->peerPort()), token);
    socket->setParent(webSockets);
    webSockets->handleConnection(socket);
}

void RemoteServer::webSocketArrived()
{
    while (QWebSocket* socket = webSockets->nextPendingConnection()) {
        const QString peer = peerOf(socket->peerAddress()) + QLatin1Char('/') + QString::number(socket->peerPort());
        const QByteArray token = handedOver.take(peer);
        const std::optional<remotesessions::Session> session = sessions.find(token, now());
        socket->setParent(this);
        connect(socket, &QWebSocket::disconnected, this, [this, socket] {
            clients.remove(socket);
            socket->deleteLater();
        });
        if (!session) {
            socket->close(QWebSocketProtocol::CloseCode(SessionEnded), QStringLiteral("session ended"));
            continue;
        }
        socket->setMaxAllowedIncomingFrameSize(MaxMessageBytes);
        socket->setMaxAllowedIncomingMessageSize(MaxMessageBytes);
        Client& client = clients[socket];
        client.socket = socket;
        client.token = token;
        client.user = session->user;
        client.role = session->role;
        client.refilled.start();
        connect(socket, &QWebSocket::textMessageReceived, this, [this, socket](const QString& text) {
            if (const auto it = clients.find(socket); it != clients.end()) {
                message(*it, text);
            }
        });
        connect(socket, &QWebSocket::binaryMessageReceived, this, [this, socket] {
            if (const auto it = clients.find(socket); it != clients.end()) {
                cut(*it, QWebSocketProtocol::CloseCodeDatatypeNotSupported, QStringLiteral("binary message"));
            }
        });
        connect(socket, &QWebSocket::bytesWritten, this, [this, socket](qint64 bytes) {
            if (const auto it = clients.find(socket); it != clients.end()) {
                it->backlog = std::max<qint64>(0, it->backlog - bytes);
            }
        });
        sendPanelTo(client);
    }
}

void RemoteServer::message(Client& client, const QString& text)
{
    // The press budget refills with time; a flood empties it.
    client.tokens = std::min<double>(PressBurst, client.tokens + client.refilled.restart() * PressesPerSecond / 1000.0);
    if (client.tokens < 1) {
        cut(client, QWebSocketProtocol::CloseCodePolicyViolated, QStringLiteral("too many commands"));
        return;
    }
    client.tokens -= 1;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    const QJsonObject object = document.object();
    const QString key = object.value(QStringLiteral("key")).toString();
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        object.value(QStringLiteral("type")).toString() != QLatin1String("press") || !pressKeys().contains(key)) {
        cut(client, QWebSocketProtocol::CloseCodeWrongDatatype, QStringLiteral("malformed message"));
        return;
    }
    if (client.role != remoteaccounts::Role::Operator) {
        send(client,
             "{\"type\":\"refused\",\"text\":" + jsonString(Text::tr("Viewers cannot switch: log in as an operator")) +
                 "}");
        return;
    }
    emit pressed(key, client.user);
}

void RemoteServer::cut(Client& client, int code, const QString& why)
{
    QWebSocket* socket = client.socket;
    const QString peer = peerOf(socket->peerAddress());
    qCWarning(lcRemote).noquote() << "cut off" << client.user << "at" << peer << ":" << why;
    // Whatever else it sent is not read; closing may tell `disconnected`
    // at once, and `client` goes with the table's entry.
    socket->disconnect(this);
    clients.remove(socket);
    emit cutOff(peer, why);
    socket->close(QWebSocketProtocol::CloseCode(code), why);
    socket->deleteLater();
}

void RemoteServer::send(Client& client, const QByteArray& text)
{
    // A browser that does not read is let go before its backlog grows
    // without end.
    if (client.backlog > MaxBacklogBytes) {
        cut(client, QWebSocketProtocol::CloseCodeGoingAway, QStringLiteral("not reading"));
        return;
    }
    client.backlog += client.socket->sendTextMessage(QString::fromUtf8(text));
}

void RemoteServer::sendPanelTo(Client& client)
{
    if (panel.isEmpty()) {
        return;
    }
    send(client,
         "{\"type\":\"panel\",\"user\":" + jsonString(client.user) + ",\"role\":\"" +
             remoteaccounts::roleName(client.role).toLatin1() + "\"," + panel);
}

void RemoteServer::setPanel(const QByteArray& members)
{
    if (members == panel) {
        return;
    }
    panel = members;
    const QList<QWebSocket*> sockets = clients.keys();
    for (QWebSocket* socket : sockets) {
        if (const auto it = clients.find(socket); it != clients.end()) {
            sendPanelTo(*it);
        }
    }
}

void RemoteServer::notice(const QString& text)
{
    if (text.isEmpty()) {
        return;
    }
    const QByteArray message = "{\"type\":\"notice\",\"text\":" + jsonString(text) + "}";
    const QList<QWebSocket*> sockets = clients.keys();
    for (QWebSocket* socket : sockets) {
        if (const auto it = clients.find(socket); it != clients.end()) {
            send(*it, message);
        }
    }
}

void RemoteServer::endSessionsOf(const QString& user)
{
    const QList<QByteArray> ended = sessions.closeUser(user);
    const QList<QWebSocket*> sockets = clients.keys();
    for (QWebSocket* socket : sockets) {
        if (const auto it = clients.find(socket); it != clients.end() && ended.contains(it->token)) {
            socket->close(QWebSocketProtocol::CloseCode(SessionEnded), QStringLiteral("session ended"));
        }
    }
}

void RemoteServer::checkSessions()
{
    const QList<QByteArray> expired = sessions.expire(now());
    // An account removed or changed since its login ends its sessions.
    QHash<QString, remoteaccounts::Role> accounts;
    if (!accountsPath.isEmpty()) {
        for (const remoteaccounts::User& user : remoteaccounts::Store(accountsPath).users()) {
            accounts.insert(user.name, user.role);
        }
    }
    const QList<QWebSocket*> sockets = clients.keys();
    for (QWebSocket* socket : sockets) {
        const auto it = clients.find(socket);
        if (it == clients.end()) {
            continue;
        }
        const auto account = accounts.constFind(it->user);
        const bool gone = account == accounts.constEnd() || *account != it->role;
        if (gone) {
            sessions.close(it->token);
        }
        if (gone || expired.contains(it->token)) {
            socket->close(QWebSocketProtocol::CloseCode(SessionEnded), QStringLiteral("session ended"));
        }
    }
}
