#include "loopback_server.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

int listenOnLoopback(int &port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    // A server that cannot listen gives port 0: the test's requests then fail
    // to connect and say so.
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || ::listen(fd, 8) != 0
        || ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        address.sin_port = 0;
    port = ntohs(address.sin_port);
    return fd;
}

bool readable(int fd, int milliseconds)
{
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, milliseconds) > 0;
}

bool sendAll(int fd, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t sent = ::send(fd, data, size, MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        data += sent;
        size -= static_cast<size_t>(sent);
    }
    return true;
}

} // namespace

LoopbackServer::LoopbackServer(Handler handler)
    : m_handler(std::move(handler))
{
    m_listener = listenOnLoopback(m_port);
    m_thread = std::thread([this] { run(); });
}

LoopbackServer::~LoopbackServer()
{
    m_stop = true;
    m_thread.join();
    ::close(m_listener);
}

std::vector<std::string> LoopbackServer::requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

void LoopbackServer::run()
{
    const auto deadline = Clock::now() + std::chrono::seconds(60);
    int index = 0;
    while (!m_stop && Clock::now() < deadline) {
        if (!readable(m_listener, 20))
            continue;
        const int connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            continue;
        serve(connection, index++);
        ::close(connection);
    }
}

void LoopbackServer::serve(int connection, int index)
{
    std::string request;
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (request.find("\r\n\r\n") == std::string::npos && !m_stop && Clock::now() < deadline) {
        if (!readable(connection, 20))
            continue;
        char buffer[4096];
        const ssize_t got = ::recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0)
            return;
        request.append(buffer, static_cast<size_t>(got));
    }
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(request);
    }
    const Reply reply = m_handler(request, index);
    if (reply.silent) {
        // Keep the connection open, saying nothing, until the client gives up.
        char byte;
        while (!m_stop && Clock::now() < deadline + std::chrono::seconds(20)) {
            if (readable(connection, 20) && ::recv(connection, &byte, 1, 0) <= 0)
                return;
        }
        return;
    }
    if (!sendAll(connection, reply.bytes.data(), reply.bytes.size()))
        return;
    const std::string chunk(64 * 1024, 'x');
    for (size_t sent = 0; sent < reply.streamBytes && !m_stop; sent += chunk.size()) {
        if (!sendAll(connection, chunk.data(), chunk.size()))
            return;
    }
}

LoopbackServer::Reply LoopbackServer::ok(const std::string &body, const std::string &type)
{
    return {"HTTP/1.1 200 OK\r\nContent-Type: " + type + "\r\nContent-Length: " + std::to_string(body.size())
                + "\r\nConnection: close\r\n\r\n" + body,
            false, 0};
}

LoopbackServer::Reply LoopbackServer::status(int code, const std::string &reason)
{
    return {"HTTP/1.1 " + std::to_string(code) + " " + reason + "\r\nContent-Length: "
                + std::to_string(reason.size()) + "\r\nConnection: close\r\n\r\n" + reason,
            false, 0};
}

LoopbackServer::Reply LoopbackServer::redirect(const std::string &location)
{
    return {"HTTP/1.1 302 Found\r\nLocation: " + location
                + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n",
            false, 0};
}

int refusingPort()
{
    int port = 0;
    const int fd = listenOnLoopback(port);
    ::close(fd); // nothing listens there now
    return port;
}
