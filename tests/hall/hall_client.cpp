#include "hall/hall_client.h"

#include <QHostAddress>
#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace hall_client {

int connectTo(quint16 port)
{
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(port);
    where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(socket, reinterpret_cast<sockaddr *>(&where), sizeof where) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

Reply readReply(int socket, int timeoutMs)
{
    Reply reply;
    std::string bytes;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              end - std::chrono::steady_clock::now())
                              .count();
        pollfd wait{socket, POLLIN, 0};
        if (left <= 0 || ::poll(&wait, 1, int(left)) <= 0)
            break;
        char buffer[65536];
        const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
        if (got <= 0) {
            reply.closed = true;
            break;
        }
        bytes.append(buffer, std::size_t(got));
    }
    const std::size_t split = bytes.find("\r\n\r\n");
    if (split == std::string::npos)
        return reply;
    reply.head = bytes.substr(0, split);
    reply.body = bytes.substr(split + 4);
    if (reply.head.starts_with("HTTP/1.1 ") && reply.head.size() >= 12)
        reply.status = std::stoi(reply.head.substr(9, 3));
    return reply;
}

Reply roundTrip(quint16 port, const std::string &request, int timeoutMs)
{
    const int socket = connectTo(port);
    if (socket < 0)
        return {};
    ::send(socket, request.data(), request.size(), MSG_NOSIGNAL);
    Reply reply = readReply(socket, timeoutMs);
    ::close(socket);
    return reply;
}

Reply get(quint16 port, const std::string &path, const std::string &method)
{
    return roundTrip(port, method + ' ' + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
}

std::string header(const Reply &reply, const std::string &name)
{
    const std::string key = "\r\n" + name + ": ";
    const std::size_t at = reply.head.find(key);
    if (at == std::string::npos)
        return {};
    const std::size_t from = at + key.size();
    return reply.head.substr(from, reply.head.find("\r\n", from) - from);
}

ServerThread::ServerThread(const krugovik::HallServer::Limits &limits)
    : m_server(new krugovik::HallServer)
{
    m_server->setLimits(limits);
    m_server->moveToThread(&m_thread);
    m_thread.start();
    QMetaObject::invokeMethod(
        m_server,
        [this] {
            // Loopback only: the tests never listen where another machine could reach.
            m_server->listen(QHostAddress(QHostAddress::LocalHost), 0);
            m_port = m_server->port();
        },
        Qt::BlockingQueuedConnection);
}

ServerThread::~ServerThread()
{
    QMetaObject::invokeMethod(
        m_server, [this] { delete m_server; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void ServerThread::publish(krugovik::HallView view)
{
    QMetaObject::invokeMethod(
        m_server, [this, &view] { m_server->publish(std::move(view)); },
        Qt::BlockingQueuedConnection);
}

int ServerThread::mostConnections()
{
    int most = 0;
    QMetaObject::invokeMethod(
        m_server, [this, &most] { most = m_server->mostConnections(); },
        Qt::BlockingQueuedConnection);
    return most;
}

int ServerThread::openConnections()
{
    int open = 0;
    QMetaObject::invokeMethod(
        m_server, [this, &open] { open = m_server->openConnections(); },
        Qt::BlockingQueuedConnection);
    return open;
}

} // namespace hall_client
