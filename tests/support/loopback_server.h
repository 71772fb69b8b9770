#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A small HTTP server on 127.0.0.1 and an ephemeral port, for tests of the
// banner download. Each connection's request is handed to the handler, which
// says what to answer. The server stops when destroyed, and by itself after
// 60 seconds at the latest.
class LoopbackServer
{
public:
    struct Reply
    {
        std::string bytes;           // sent as they are (status line, headers, body)
        bool silent = false;         // accept and never answer
        std::size_t streamBytes = 0; // after `bytes`, this many more bytes of body
    };
    using Handler = std::function<Reply(const std::string &request, int index)>;

    explicit LoopbackServer(Handler handler);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer &) = delete;
    LoopbackServer &operator=(const LoopbackServer &) = delete;

    int port() const { return m_port; }
    std::string address() const { return "http://127.0.0.1:" + std::to_string(m_port); }
    std::vector<std::string> requests() const;

    static Reply ok(const std::string &body, const std::string &type = "image/gif");
    static Reply status(int code, const std::string &reason);
    static Reply redirect(const std::string &location);

private:
    void run();
    void serve(int connection, int index);

    Handler m_handler;
    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

// A port on 127.0.0.1 where nothing listens: connections are refused.
int refusingPort();
