// A build without Qt WebSockets: the server never listens, and says why.
#include "connection/remoteserver.h"

#include <QCoreApplication>

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Remote)
};

} // namespace

RemoteServer::RemoteServer(QObject* parent)
    : QObject(parent)
    , listener(nullptr)
    , webSockets(nullptr)
{
}

RemoteServer::~RemoteServer() = default;

void RemoteServer::setCredentials(const QSslCertificate& c, const QSslKey& k)
{
    certificate = c;
    key = k;
}

bool RemoteServer::listen(const QHostAddress& address, quint16 port)
{
    Q_UNUSED(address)
    Q_UNUSED(port)
    return false;
}

void RemoteServer::close() { }

bool RemoteServer::isListening() const
{
    return false;
}

quint16 RemoteServer::port() const
{
    return 0;
}

QString RemoteServer::errorString() const
{
    return Text::tr("this build of Zarel has no WebSocket support");
}

void RemoteServer::setPanel(const QByteArray& members)
{
    panel = members;
}

void RemoteServer::notice(const QString& text)
{
    Q_UNUSED(text)
}

void RemoteServer::endSessionsOf(const QString& user)
{
    sessions.closeUser(user);
}

void RemoteServer::hash() { }

void RemoteServer::takeLogins() { }
