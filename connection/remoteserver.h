#ifndef ZAREL_REMOTESERVER_H
#define ZAREL_REMOTESERVER_H

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPointer>
#include <QSslCertificate>
#include <QSslKey>
#include <QTcpServer>
#include <QTimer>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "connection/remoteaccounts.h"
#include "connection/remotesessions.h"

class QSslSocket;
class QWebSocket;
class QWebSocketServer;

// The browser panel's server: HTTPS and its WebSocket on one port. Nothing
// but the login page is served before a login; the WebSocket takes only a
// logged-in session from the station's own origin. Everything runs on the
// thread that owns it, except the password hashing, which runs in Qt's
// thread pool so a login never holds the station up.
class RemoteServer : public QObject
{
    Q_OBJECT

public:
    // Limits against clients that misbehave.
    static constexpr int MaxHeaderBytes = 8 * 1024;
    static constexpr int MaxBodyBytes = 4 * 1024;
    static constexpr int MaxMessageBytes = 4 * 1024;
    static constexpr int RequestTimeoutMs = 10 * 1000;
    static constexpr int IdleTimeoutMs = 60 * 1000;
    static constexpr int MaxConnections = 512;
    static constexpr int MaxConnectionsPerAddress = 200;
    // Presses per second one socket may send, and the burst above it.
    static constexpr int PressesPerSecond = 20;
    static constexpr int PressBurst = 40;
    static constexpr qint64 MaxBacklogBytes = 4 * 1024 * 1024;

    explicit RemoteServer(QObject* parent = nullptr);
    ~RemoteServer() override;

    void setCredentials(const QSslCertificate& certificate, const QSslKey& key);
    void setAccountsPath(const QString& path) { accountsPath = path; }
    // The station's caption, for the login page.
    void setStationName(const QString& name) { stationName = name; }
    bool listen(const QHostAddress& address, quint16 port);
    void close();
    bool isListening() const;
    quint16 port() const;
    QString errorString() const;

    // The panel as every browser should see it: a JSON object's members
    // after its opening brace, without "type", "user" and "role".
    void setPanel(const QByteArray& members);
    void notice(const QString& text);
    // Ends the sessions of an account that was removed.
    void endSessionsOf(const QString& user);
    int clientCount() const { return clients.size(); }

    // A test seam: the clock the session rules use (milliseconds).
    void setClock(std::function<qint64()> clock) { now = std::move(clock); }

Q_SIGNALS:
    // An operator's press, by key ("ant4", "release", "gpo2", ...).
    void pressed(const QString& key, const QString& user);
    // A client was cut off, and why (for the station's log).
    void cutOff(const QString& peer, const QString& why);

private:
    class Listener;
    struct Connection;
    struct Client
    {
        QWebSocket* socket = nullptr;
        QByteArray token;
        QString user;
        remoteaccounts::Role role = remoteaccounts::Role::Viewer;
        double tokens = PressBurst; // the press budget
        QElapsedTimer refilled;
        qint64 backlog = 0;
    };

    void incoming(qintptr descriptor);
    void readRequest(Connection* connection);
    void answer(Connection* connection, const QByteArray& status, const QByteArray& type, const QByteArray& body,
                const QList<QByteArray>& headers = {});
    void loginPage(Connection* connection, const QByteArray& status, const QString& error);
    void login(Connection* connection, const QByteArray& body);
    // A login checked in the pool.
    struct Login
    {
        QPointer<QObject> owner;
        Connection* connection = nullptr;
        QString address;
        QString user;
        QByteArray password;
        std::optional<remoteaccounts::Entry> entry;
        bool ok = false;
    };
    void loggedIn(const Login& job);
    // Runs in the hashing threads: takes logins and checks them.
    void hash();
    Q_INVOKABLE void takeLogins();
    void drop(Connection* connection);
    // Closes once the last answer is written.
    void hangUp(Connection* connection);
    void upgrade(Connection* connection, const QByteArray& token, const remotesessions::Session& session);
    void webSocketArrived();
    void message(Client& client, const QString& text);
    void cut(Client& client, int code, const QString& why);
    void send(Client& client, const QByteArray& text);
    void sendPanelTo(Client& client);
    void checkSessions();
    QString peerOf(const QHostAddress& address) const;

    Listener* listener;
    QWebSocketServer* webSockets;
    QSslCertificate certificate;
    QSslKey key;
    QString accountsPath;
    QString stationName;
    remotesessions::Sessions sessions;
    remotesessions::Throttle throttle;
    std::function<qint64()> now;
    QList<Connection*> connections;
    QHash<QWebSocket*, Client> clients;
    // Sockets handed to the WebSocket server, by peer, with their session.
    QHash<QString, QByteArray> handedOver;
    QByteArray panel;
    QTimer sessionCheck;
    // Logins waiting for their hash and those checked, under `hashLock`
    // (a standard mutex, so the thread sanitizer sees the hand-over).
    std::mutex hashLock;
    std::condition_variable hashWanted;
    std::deque<Login> toHash;
    std::vector<Login> hashed;
    bool stopHashing = false;
    std::vector<std::thread> hashers;
    int hashingNow = 0;
};

#endif // ZAREL_REMOTESERVER_H
