#pragma once
// A small HTTP server on 127.0.0.1 for the update check's tests: each connection gets the set
// answer, or none at all (a server that accepts and never answers).

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>
#include <winsock2.h>

namespace traxo::testing {

class LocalHttpServer {
public:
    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    // A "200 OK" with this body.
    void ServeBody(const std::string& body);
    // The status line's code and text, then the body.
    void ServeStatus(int status, const std::string& body);
    // Headers only, then silence.
    void ServeHeadersThenStall(std::size_t announcedLength);
    // Accepts and never answers.
    void Stall();

    std::u16string Address(std::string_view path = "/updates.ini") const;
    // The requests received, headers as sent.
    std::vector<std::string> Requests() const;

    // A port on which nothing listens.
    static int UnusedPort();

private:
    enum class Mode { Answer, HeadersThenStall, Stall };
    void AcceptLoop();
    void Serve(SOCKET client);

    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    Mode mode_ = Mode::Answer;
    std::string response_;
    std::vector<std::string> requests_;
    std::vector<SOCKET> held_;
    std::thread thread_;
};

} // namespace traxo::testing
