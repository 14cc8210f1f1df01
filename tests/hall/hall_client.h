#pragma once

// The hall's server in a thread of its own, and a plain blocking HTTP client on loopback,
// so that the server's event loop runs while a test waits for its answer.

#include <QThread>
#include <string>

#include "hall/hall_server.h"

namespace hall_client {

struct Reply {
    int status = 0; // 0: no answer came
    std::string head;
    std::string body;
    bool closed = false; // the server closed the connection
};

// Sends the bytes to 127.0.0.1:port and reads until the server closes or the time is up.
Reply roundTrip(quint16 port, const std::string &request, int timeoutMs = 5000);
Reply get(quint16 port, const std::string &path, const std::string &method = "GET");
// A connected socket on loopback, or -1.
int connectTo(quint16 port);
// Reads from the socket until it closes or the time is up.
Reply readReply(int socket, int timeoutMs);
// The value of a header of the reply, empty when missing.
std::string header(const Reply &reply, const std::string &name);

class ServerThread {
  public:
    explicit ServerThread(const krugovik::HallServer::Limits &limits = {});
    ~ServerThread();
    quint16 port() const { return m_port; }
    void publish(krugovik::HallView view);
    int mostConnections();
    int openConnections();

  private:
    QThread m_thread;
    krugovik::HallServer *m_server;
    quint16 m_port = 0;
};

} // namespace hall_client
