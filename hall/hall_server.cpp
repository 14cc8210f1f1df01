#include "hall/hall_server.h"

#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace krugovik {

struct HallServer::Connection {
    QByteArray buffer;
    QTimer *idle =
        nullptr; // the socket's child: it goes with the socket, never inside its own signal
    bool answered = false;
};

namespace {

QByteArray reason(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 431:
        return "Request Header Fields Too Large";
    case 505:
        return "HTTP Version Not Supported";
    }
    return "Error";
}

// The end of the request's head: after the blank line, CR LF or a bare LF.
qsizetype headEnd(const QByteArray &buffer)
{
    const qsizetype crlf = buffer.indexOf("\r\n\r\n");
    const qsizetype lf = buffer.indexOf("\n\n");
    if (crlf < 0)
        return lf < 0 ? -1 : lf + 2;
    if (lf < 0)
        return crlf + 4;
    return std::min(crlf + 4, lf + 2);
}

} // namespace

HallServer::HallServer(QObject *parent) : QObject(parent), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, &HallServer::acceptPending);
}

HallServer::~HallServer()
{
    close();
}

bool HallServer::listen(const QHostAddress &address, quint16 port)
{
    close();
    // Connections beyond the limit wait in the system's queue until one closes.
    m_server->setListenBacklogSize(256);
    if (!m_server->listen(address, port)) {
        m_error = m_server->errorString();
        return false;
    }
    m_error.clear();
    m_most = 0;
    return true;
}

void HallServer::close()
{
    m_server->close();
    const QList<QTcpSocket *> sockets = m_connections.keys();
    for (QTcpSocket *socket : sockets) {
        m_connections.remove(socket);
        socket->abort();
        socket->deleteLater();
    }
}

bool HallServer::isListening() const
{
    return m_server->isListening();
}

QHostAddress HallServer::address() const
{
    return m_server->serverAddress();
}

quint16 HallServer::port() const
{
    return m_server->serverPort();
}

void HallServer::publish(HallView view)
{
    m_view = std::move(view);
    m_pages.clear();
}

void HallServer::acceptPending()
{
    while (int(m_connections.size()) < m_limits.connections && m_server->hasPendingConnections()) {
        QTcpSocket *socket = m_server->nextPendingConnection();
        if (!socket)
            break;
        auto connection = std::make_shared<Connection>();
        m_connections.insert(socket, connection);
        m_most = std::max(m_most, int(m_connections.size()));
        // Without progress for the idle time, in the request or in the answer, it goes.
        connection->idle = new QTimer(socket);
        connection->idle->setSingleShot(true);
        connection->idle->setInterval(m_limits.idleMs);
        connect(connection->idle, &QTimer::timeout, this, [this, socket] { drop(socket); });
        connection->idle->start();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] {
            const auto found = m_connections.constFind(socket);
            if (found == m_connections.constEnd())
                return;
            (*found)->idle->start();
            if (socket->bytesToWrite() == 0)
                socket->disconnectFromHost();
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] { drop(socket); });
        connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] { drop(socket); });
        readFrom(socket);
    }
    // The rest wait in the queue; the listener is told again when a place is free.
    m_server->pauseAccepting();
    if (int(m_connections.size()) < m_limits.connections)
        m_server->resumeAccepting();
}

void HallServer::drop(QTcpSocket *socket)
{
    if (!m_connections.remove(socket))
        return;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    if (m_server->isListening()) {
        m_server->resumeAccepting();
        // Those that waited while every place was taken.
        if (m_server->hasPendingConnections())
            QTimer::singleShot(0, this, &HallServer::acceptPending);
    }
}

void HallServer::readFrom(QTcpSocket *socket)
{
    const auto found = m_connections.constFind(socket);
    if (found == m_connections.constEnd())
        return;
    Connection &connection = **found;
    if (connection.answered) {
        // Whatever follows the request is read and dropped: bytes left unread when the
        // socket closes would reset the connection before the client reads the answer.
        socket->readAll();
        return;
    }
    connection.buffer += socket->read(m_limits.requestBytes + 1 - connection.buffer.size());
    const qsizetype end = headEnd(connection.buffer);
    if (end < 0 || end > m_limits.requestBytes) {
        if (connection.buffer.size() > m_limits.requestBytes) {
            connection.answered = true;
            respond(socket, {}, 431, "text/plain; charset=utf-8", "431\n", false);
            socket->readAll();
        }
        return;
    }
    connection.answered = true;
    QByteArray line = connection.buffer.left(connection.buffer.indexOf('\n'));
    if (line.endsWith('\r'))
        line.chop(1);
    const QList<QByteArray> parts = line.split(' ');
    if (parts.size() != 3 || !parts[2].startsWith("HTTP/1.")) {
        respond(socket, line, parts.size() == 3 ? 505 : 400, "text/plain; charset=utf-8",
                QByteArray::number(parts.size() == 3 ? 505 : 400) + '\n', false);
        socket->readAll();
        return;
    }
    const Answer a = answer(parts[0], parts[1]);
    respond(socket, line, a.status, a.contentType, a.body, parts[0] == "HEAD", a.extraHeaders);
    socket->readAll();
}

HallServer::Answer HallServer::answer(const QByteArray &method, const QByteArray &target)
{
    if (method != "GET" && method != "HEAD")
        return {405, "text/plain; charset=utf-8", "405\n", "Allow: GET, HEAD\r\n"};
    const std::optional<HallRoute> route =
        hallRoute(std::string_view(target.data(), target.size()));
    if (route) {
        QByteArray type;
        if (const QByteArray *body = cachedPage(*route, type))
            return {200, type, *body, {}};
    }
    return {404, "text/plain; charset=utf-8", "404\n", {}};
}

const QByteArray *HallServer::cachedPage(const HallRoute &route, QByteArray &contentType)
{
    // The current round is cached under its own path: it names a round only through the view.
    QByteArray key = QByteArray::number(int(route.kind)) + '/' + QByteArray::number(route.round);
    auto found = m_pages.find(key);
    if (found == m_pages.end()) {
        std::optional<HallPage> page = hallPage(m_view, route);
        if (!page)
            return nullptr;
        found = m_pages.insert(key, {QByteArray::fromStdString(page->contentType),
                                     QByteArray::fromStdString(page->body)});
    }
    contentType = found->first;
    return &found->second;
}

void HallServer::respond(QTcpSocket *socket, const QByteArray &requestLine, int status,
                         const QByteArray &contentType, const QByteArray &body, bool head,
                         const QByteArray &extraHeaders)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason(status) + "\r\n";
    out += "Content-Type: " + contentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    // The pages load nothing from elsewhere and may only ask this server for the stamp. They
    // may be framed: a club's own site may show the board, and the pages do nothing.
    out += "Content-Security-Policy: default-src 'none'; style-src 'unsafe-inline'; "
           "script-src 'unsafe-inline'; connect-src 'self'; base-uri 'none'; "
           "form-action 'none'\r\n";
    out += "X-Content-Type-Options: nosniff\r\nReferrer-Policy: no-referrer\r\n";
    out += "Cache-Control: no-store\r\nConnection: close\r\n" + extraHeaders + "\r\n";
    if (!head)
        out += body;
    socket->write(out);
    emit answered(requestLine, status);
}

QList<QHostAddress> hallAddresses()
{
    QList<QHostAddress> addresses;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries())
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                addresses << entry.ip();
    }
    addresses << QHostAddress(QHostAddress::LocalHost);
    return addresses;
}

QString hallUrl(const QHostAddress &address, quint16 port)
{
    return QStringLiteral("http://%1:%2/").arg(address.toString()).arg(port);
}

} // namespace krugovik
