// The hall's server under load: requests per second and the 99th percentile of `/` for a
// 22-player two-cycle event, beside a bare QHttpServer answering a fixed string, in the same
// run; how late the window's event loop runs meanwhile (both servers live in its thread, as
// in the program); and how soon after a save a page that polls as the pages do shows it.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHttpServer>
#include <QTimer>
#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "hall/hall_server.h"
#include "tests/export/sheet_fixture.h"

using namespace krugovik;
using Clock = std::chrono::steady_clock;

namespace {

// One request on a connection of its own, read to the end of its body; its time in ms, or
// a negative number when it failed.
double fetch(quint16 port, const char *path, std::string *body = nullptr)
{
    const auto start = Clock::now();
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(port);
    where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(socket, reinterpret_cast<sockaddr *>(&where), sizeof where) != 0) {
        ::close(socket);
        return -1;
    }
    // A server that never answers fails the request rather than the run.
    const timeval wait{5, 0};
    ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    const std::string request = std::string("GET ") + path + " HTTP/1.1\r\nHost: bench\r\n\r\n";
    ::send(socket, request.data(), request.size(), MSG_NOSIGNAL);
    std::string bytes;
    std::size_t need = std::string::npos;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
        if (got <= 0)
            break;
        bytes.append(buffer, std::size_t(got));
        const std::size_t head = bytes.find("\r\n\r\n");
        if (head != std::string::npos && need == std::string::npos) {
            std::string lower = bytes.substr(0, head);
            for (char &c : lower)
                c = char(std::tolower(static_cast<unsigned char>(c)));
            const std::size_t length = lower.find("content-length:");
            if (length != std::string::npos)
                need = head + 4 + std::stoul(bytes.substr(length + 15));
        }
        if (need != std::string::npos && bytes.size() >= need)
            break;
    }
    ::close(socket);
    if (need == std::string::npos || bytes.size() < need)
        return -1;
    if (body)
        *body = bytes.substr(bytes.find("\r\n\r\n") + 4);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Load {
    double perSecond = 0;
    double p50 = 0;
    double p99 = 0;
    int failed = 0;
    double lateMs = 0; // the event loop's worst lateness meanwhile
};

// `clients` threads asking for `/` one after another for `seconds`, while the event loop
// serves them and a 10 ms timer measures how late it runs.
Load underLoad(quint16 port, int clients, double seconds)
{
    std::atomic<bool> done = false;
    std::vector<std::vector<double>> times(static_cast<std::size_t>(clients));
    std::atomic<int> failed = 0;
    std::vector<std::thread> threads;
    for (int c = 0; c < clients; ++c)
        threads.emplace_back([&, c] {
            while (!done) {
                const double ms = fetch(port, "/");
                // A request still open when the loop stops is no failure of the server.
                if (ms < 0 && !done)
                    ++failed;
                else
                    times[std::size_t(c)].push_back(ms);
            }
        });
    Load load;
    QElapsedTimer clock;
    clock.start();
    QElapsedTimer tick;
    tick.start();
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&] {
        load.lateMs = std::max(load.lateMs, double(tick.nsecsElapsed()) / 1e6 - 10);
        tick.restart();
        if (clock.elapsed() > seconds * 1000) {
            done = true;
            QCoreApplication::quit();
        }
    });
    beat.start(10);
    QCoreApplication::exec();
    for (std::thread &thread : threads)
        thread.join();
    std::vector<double> all;
    for (const auto &list : times)
        all.insert(all.end(), list.begin(), list.end());
    std::sort(all.begin(), all.end());
    load.failed = failed;
    if (!all.empty()) {
        load.perSecond = double(all.size()) / seconds;
        load.p50 = all[all.size() / 2];
        load.p99 = all[std::min(all.size() - 1, all.size() * 99 / 100)];
    }
    return load;
}

void print(const char *what, const Load &load)
{
    std::printf("%-44s %8.0f req/s  p50 %6.2f ms  p99 %6.2f ms  failed %d  loop late %.1f ms\n",
                what, load.perSecond, load.p50, load.p99, load.failed, load.lateMs);
}

std::vector<std::string> names()
{
    std::vector<std::string> out;
    for (int k = 1; k <= 22; ++k)
        out.push_back("Участник Номер " + std::to_string(k));
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    const int clients = 4;

    HallServer hall;
    HallView view;
    view.snapshot = sheet_fixture::event(names(), 2, true, true);
    view.changedAt = "09.12.2026 14:05:31";
    view.stamp = "1";
    hall.publish(view);
    hall.listen(QHostAddress(QHostAddress::LocalHost), 0);
    std::printf("page / of 22 players, two cycles: %zu bytes\n",
                hallPage(view, {HallPageKind::Crosstable})->body.size());
    const Load krugovik = underLoad(hall.port(), clients, seconds);
    hall.close();

    QHttpServer bare;
    bare.route("/", [] { return QStringLiteral("fixed"); });
    const quint16 barePort = bare.listen(QHostAddress(QHostAddress::LocalHost), 0);
    const Load baseline = underLoad(barePort, clients, seconds);

    print("hall server, / (22 players, 2 cycles)", krugovik);
    print("bare QHttpServer, fixed string", baseline);

    // A save every 0.7 s; a client polls the stamp every 0.5 s as the pages do and fetches the
    // page when it changed. The time from the save until the client holds the new page.
    hall.listen(QHostAddress(QHostAddress::LocalHost), 0);
    std::atomic<bool> done = false;
    std::atomic<long long> savedAt = 0;
    std::vector<double> delays;
    std::thread poller([&] {
        std::string last;
        fetch(hall.port(), "/stamp", &last);
        while (!done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            std::string now;
            if (fetch(hall.port(), "/stamp", &now) < 0 || now == last)
                continue;
            last = now;
            fetch(hall.port(), "/", nullptr);
            delays.push_back(double(Clock::now().time_since_epoch().count() - savedAt) / 1e6);
        }
    });
    int saves = 0;
    QTimer save;
    QObject::connect(&save, &QTimer::timeout, [&] {
        if (++saves > 10) {
            done = true;
            QCoreApplication::quit();
            return;
        }
        view.stamp = std::to_string(saves + 1);
        savedAt = Clock::now().time_since_epoch().count();
        hall.publish(view);
    });
    save.start(700);
    QCoreApplication::exec();
    poller.join();
    std::sort(delays.begin(), delays.end());
    if (!delays.empty())
        std::printf("save to new page on a polling client: %zu saves seen, median %.0f ms, "
                    "worst %.0f ms\n",
                    delays.size(), delays[delays.size() / 2], delays.back());
    return 0;
}
