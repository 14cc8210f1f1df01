#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "hall/hall_pages.h"

class QTcpServer;
class QTcpSocket;

namespace krugovik {

// The hall's read-only web server. It answers GET and HEAD for the few pages of
// hall_pages.h and nothing else, one request per connection, under hard limits so that a
// slow or flooding client costs the program little: QHttpServer of Qt 6.4 has no limit on a
// request's size, on connections or on idle time, so the requests are read here.
class HallServer : public QObject {
    Q_OBJECT
  public:
    struct Limits {
        qsizetype requestBytes = 8 * 1024; // the request line and headers
        int connections = 64;              // open at once; further ones wait to be accepted
        int idleMs = 10'000;               // without progress, a connection is closed
    };

    explicit HallServer(QObject *parent = nullptr);
    ~HallServer() override;

    // Listens on address:port (0: a free one); false with errorString() when refused.
    bool listen(const QHostAddress &address, quint16 port);
    void close();
    bool isListening() const;
    QHostAddress address() const;
    quint16 port() const;
    QString errorString() const { return m_error; }

    void setLimits(const Limits &limits) { m_limits = limits; }
    const Limits &limits() const { return m_limits; }

    // The event as it stands now; the pages show it from the next request on. Pages are made
    // when first asked for and kept until the next view.
    void publish(HallView view);
    const HallView &view() const { return m_view; }

    // Connections open now, and the most that were open at once since listen.
    int openConnections() const { return int(m_connections.size()); }
    int mostConnections() const { return m_most; }

  signals:
    // A request was answered: its first line and the status.
    void answered(const QByteArray &requestLine, int status);

  private:
    struct Connection;
    void acceptPending();
    void readFrom(QTcpSocket *socket);
    void respond(QTcpSocket *socket, const QByteArray &requestLine, int status,
                 const QByteArray &contentType, const QByteArray &body, bool head,
                 const QByteArray &extraHeaders = {});
    void drop(QTcpSocket *socket);
    // The answer to a request's first line: status, type and body; HEAD leaves the body out.
    struct Answer {
        int status = 404;
        QByteArray contentType;
        QByteArray body;
        QByteArray extraHeaders;
    };
    Answer answer(const QByteArray &method, const QByteArray &target);
    const QByteArray *cachedPage(const HallRoute &route, QByteArray &contentType);

    QTcpServer *m_server = nullptr;
    Limits m_limits;
    QString m_error;
    HallView m_view;
    QHash<QTcpSocket *, std::shared_ptr<Connection>> m_connections;
    int m_most = 0;
    // Pages of the current view by path, with their types.
    QHash<QByteArray, std::pair<QByteArray, QByteArray>> m_pages;
};

// The addresses the server may listen on: the machine's own IPv4 addresses on running
// networks, loopback last.
QList<QHostAddress> hallAddresses();

// "http://192.168.1.5:8080/" for the page; loopback as 127.0.0.1.
QString hallUrl(const QHostAddress &address, quint16 port);

} // namespace krugovik
