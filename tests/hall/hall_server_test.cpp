// The hall's server on a loopback port with a real client: the pages of the event, an update
// after a result, and the list of what a hostile or careless client may try.
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "export/sheet_fixture.h"
#include "export/trf_export.h"
#include "hall/hall_client.h"

using namespace krugovik;
using namespace hall_client;

namespace {

const std::vector<std::string> kNames = {
    "Иванов Иван", "Петров Пётр", "<script>alert(1)</script>", "Сидорова Анна", "Орлов Олег",
    "Ёлкин Ян",    "Зайцев Захар"};

HallView event(const std::string &stamp = "1-1")
{
    HallView view;
    view.snapshot = sheet_fixture::event(kNames, 1, false, true);
    view.changedAt = "09.12.2026 14:05:31";
    view.stamp = stamp;
    return view;
}

} // namespace

TEST(HallServer, ServesEveryPageOfTheEvent)
{
    ServerThread server;
    server.publish(event());
    const Reply crosstable = get(server.port(), "/");
    ASSERT_EQ(crosstable.status, 200);
    EXPECT_EQ(header(crosstable, "Content-Type"), "text/html; charset=utf-8");
    EXPECT_EQ(header(crosstable, "Content-Length"), std::to_string(crosstable.body.size()));
    EXPECT_TRUE(crosstable.closed);
    for (const char *name : {"Иванов Иван", "Ёлкин Ян", "&lt;script&gt;alert(1)&lt;/script&gt;"})
        EXPECT_NE(crosstable.body.find(name), std::string::npos) << name;
    EXPECT_NE(crosstable.body.find("Турнирная таблица"), std::string::npos);

    const Reply standings = get(server.port(), "/standings");
    ASSERT_EQ(standings.status, 200);
    EXPECT_NE(standings.body.find("Итоговая таблица"), std::string::npos);

    // Seven players: round 2's boards, and who sits out.
    const Reply round = get(server.port(), "/round/2");
    ASSERT_EQ(round.status, 200);
    EXPECT_NE(round.body.find("Тур 2"), std::string::npos);
    EXPECT_NE(round.body.find("Отдыхает"), std::string::npos);
    EXPECT_EQ(get(server.port(), "/round/current").status, 200);
    EXPECT_EQ(get(server.port(), "/round/8").status, 404);

    const Reply trf = get(server.port(), "/trf");
    ASSERT_EQ(trf.status, 200);
    EXPECT_EQ(trf.body, exportTrf(event().snapshot));
    EXPECT_EQ(get(server.port(), "/stamp").body, "1-1");

    // HEAD: the same head, no body.
    const Reply head = get(server.port(), "/", "HEAD");
    EXPECT_EQ(head.status, 200);
    EXPECT_EQ(header(head, "Content-Length"), std::to_string(crosstable.body.size()));
    EXPECT_TRUE(head.body.empty());
    EXPECT_NE(header(crosstable, "Content-Security-Policy").find("default-src 'none'"),
              std::string::npos);
}

TEST(HallServer, ShowsAResultOnceItIsPublished)
{
    ServerThread server;
    HallView view = event("1-1");
    server.publish(view);
    const std::string before = get(server.port(), "/round/1").body;
    // Board 1 of round 1 of seven players: 1 against 7 (Berger); a new result for them.
    recordGame(view.snapshot.games, 1, 7, GameState::Loss, 1300 + 37 * 7, 1337);
    recordGame(view.snapshot.games, 7, 1, GameState::Win, 1337, 1300 + 37 * 7);
    view.stamp = "1-2";
    server.publish(view);
    EXPECT_EQ(get(server.port(), "/stamp").body, "1-2");
    const std::string after = get(server.port(), "/round/1").body;
    EXPECT_NE(before, after);
    EXPECT_NE(after.find("0 – 1"), std::string::npos);
    EXPECT_NE(after.find("data-stamp=\"1-2\""), std::string::npos);
}

TEST(HallServer, AnswersOnlyGetAndHead)
{
    ServerThread server;
    server.publish(event());
    for (const std::string method :
         {"POST", "PUT", "DELETE", "PATCH", "OPTIONS", "TRACE", "CONNECT", "get", "PROPFIND"}) {
        const Reply reply = roundTrip(server.port(), method + " / HTTP/1.1\r\nHost: x\r\n"
                                                              "Content-Length: 4\r\n\r\nabcd");
        EXPECT_EQ(reply.status, 405) << method;
        EXPECT_EQ(header(reply, "Allow"), "GET, HEAD") << method;
    }
    EXPECT_EQ(roundTrip(server.port(), "GET /\r\n\r\n").status, 400);
    EXPECT_EQ(roundTrip(server.port(), "GET / HTTP/2.0\r\n\r\n").status, 505);
    EXPECT_EQ(roundTrip(server.port(), "\r\n\r\n").status, 400);
}

TEST(HallServer, ServesNoFileAndNoOtherPath)
{
    ServerThread server;
    server.publish(event());
    for (const std::string path :
         {"/../BASE.DAT", "/%2e%2e/BASE.DAT", "/%2e%2e%2f%2e%2e%2fetc%2fpasswd", "/..%2fBASE.DAT",
          "//etc/passwd", "/etc/passwd", "/BASE.DAT", "/KUBOK.TXT", "/KUBOK.TXT~", "/index.html",
          "/favicon.ico", "/round/../trf", "/standings/../../BASE.DAT", "http://127.0.0.1/", "/./",
          "*", "/?../BASE.DAT"}) {
        const Reply reply = get(server.port(), path);
        EXPECT_EQ(reply.status, 404) << path;
        EXPECT_EQ(reply.body, "404\n") << path;
    }
}

TEST(HallServer, RefusesOversizedRequests)
{
    ServerThread server;
    server.publish(event());
    const std::string large = "GET / HTTP/1.1\r\nX-Filler: " + std::string(9000, 'a') + "\r\n\r\n";
    const Reply reply = roundTrip(server.port(), large);
    EXPECT_EQ(reply.status, 431);
    EXPECT_TRUE(reply.closed);
    // Just under the limit still reads.
    const std::string fits = "GET / HTTP/1.1\r\nX-Filler: " + std::string(8000, 'a') + "\r\n\r\n";
    EXPECT_EQ(roundTrip(server.port(), fits).status, 200);
    // A line without end is cut off at the limit too.
    EXPECT_EQ(roundTrip(server.port(), "GET /" + std::string(20000, 'a')).status, 431);
}

// Two hundred clients at once: never more than the limit open, every one answered in time.
TEST(HallServer, BoundsConcurrentConnections)
{
    ServerThread server;
    server.publish(event());
    QElapsedTimer clock;
    clock.start();
    std::vector<int> sockets;
    for (int k = 0; k < 200; ++k) {
        const int socket = connectTo(server.port());
        ASSERT_GE(socket, 0) << k;
        const std::string request = "GET / HTTP/1.1\r\nHost: x\r\n\r\n";
        ::send(socket, request.data(), request.size(), MSG_NOSIGNAL);
        sockets.push_back(socket);
    }
    int answered = 0;
    for (const int socket : sockets) {
        if (readReply(socket, 15000).status == 200)
            ++answered;
        ::close(socket);
    }
    EXPECT_EQ(answered, 200);
    EXPECT_LT(clock.elapsed(), 15000);
    EXPECT_LE(server.mostConnections(), 64);
    EXPECT_GT(server.mostConnections(), 1);
}

// A client that sends half a request and waits: closed after the idle time, and meanwhile
// others are served.
TEST(HallServer, ClosesSlowAndIdleClients)
{
    HallServer::Limits limits;
    limits.idleMs = 700;
    limits.connections = 4;
    ServerThread server(limits);
    server.publish(event());
    std::vector<int> slow;
    for (int k = 0; k < 4; ++k) {
        slow.push_back(connectTo(server.port()));
        ::send(slow.back(), "GET / HT", 8, MSG_NOSIGNAL);
    }
    // Every place is taken; the next client waits, then is served once the idle ones go.
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(get(server.port(), "/").status, 200);
    EXPECT_GE(clock.elapsed(), 500);
    EXPECT_LT(clock.elapsed(), 5000);
    for (const int socket : slow) {
        const Reply reply = readReply(socket, 3000);
        EXPECT_TRUE(reply.closed);
        EXPECT_EQ(reply.status, 0);
        ::close(socket);
    }
    EXPECT_LE(server.mostConnections(), 4);
    // The request must be whole within the idle time: a trickle of bytes, one every tenth
    // of a second, does not keep the connection.
    const int trickle = connectTo(server.port());
    clock.restart();
    bool closed = false;
    for (int k = 0; k < 40 && !closed; ++k) {
        closed = ::send(trickle, "X", 1, MSG_NOSIGNAL) < 0;
        pollfd wait{trickle, POLLIN, 0};
        if (::poll(&wait, 1, 100) > 0) {
            char byte;
            closed = ::recv(trickle, &byte, 1, 0) <= 0 || closed;
        }
    }
    EXPECT_TRUE(closed);
    EXPECT_LT(clock.elapsed(), 2500);
    ::close(trickle);
}
