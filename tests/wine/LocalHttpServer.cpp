#include "LocalHttpServer.h"

#include <ws2tcpip.h>

namespace traxo::testing {
namespace {

struct WinsockStarted {
    WinsockStarted() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
};

sockaddr_in Loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<u_short>(port));
    return address;
}

int BoundPort(SOCKET socket) {
    sockaddr_in address{};
    int size = sizeof(address);
    getsockname(socket, reinterpret_cast<sockaddr*>(&address), &size);
    return ntohs(address.sin_port);
}

std::string Response(int status, const std::string& reason, const std::string& body) {
    return "HTTP/1.1 " + std::to_string(status) + " " + reason +
           "\r\nContent-Type: text/plain\r\nCache-Control: public, "
           "max-age=3600\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

} // namespace

LocalHttpServer::LocalHttpServer() {
    static WinsockStarted started;
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    const sockaddr_in address = Loopback(0);
    bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    listen(listener_, 8);
    port_ = BoundPort(listener_);
    thread_ = std::thread([this] { AcceptLoop(); });
}

LocalHttpServer::~LocalHttpServer() {
    stopping_ = true;
    closesocket(listener_);
    thread_.join();
    const std::lock_guard lock(mutex_);
    for (const SOCKET held : held_) {
        closesocket(held);
    }
}

void LocalHttpServer::ServeBody(const std::string& body) {
    ServeStatus(200, body);
}

void LocalHttpServer::ServeStatus(int status, const std::string& body) {
    const std::lock_guard lock(mutex_);
    mode_ = Mode::Answer;
    response_ = Response(status, status == 200 ? "OK" : "Not Found", body);
}

void LocalHttpServer::ServeHeadersThenStall(std::size_t announcedLength) {
    const std::lock_guard lock(mutex_);
    mode_ = Mode::HeadersThenStall;
    response_ = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(announcedLength) +
                "\r\n\r\n[traxo]\r\n";
}

void LocalHttpServer::Stall() {
    const std::lock_guard lock(mutex_);
    mode_ = Mode::Stall;
}

std::u16string LocalHttpServer::Address(std::string_view path) const {
    const std::string text = "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
    return std::u16string(text.begin(), text.end());
}

std::vector<std::string> LocalHttpServer::Requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

int LocalHttpServer::UnusedPort() {
    static WinsockStarted started;
    const SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    const sockaddr_in address = Loopback(0);
    bind(probe, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    const int port = BoundPort(probe);
    closesocket(probe);
    return port;
}

void LocalHttpServer::AcceptLoop() {
    while (!stopping_) {
        const SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) {
            return;
        }
        Serve(client);
    }
}

void LocalHttpServer::Serve(SOCKET client) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
        const int received = recv(client, buffer, sizeof(buffer), 0);
        if (received <= 0) {
            break;
        }
        request.append(buffer, static_cast<std::size_t>(received));
    }
    Mode mode;
    std::string response;
    {
        const std::lock_guard lock(mutex_);
        requests_.push_back(request);
        mode = mode_;
        response = response_;
    }
    if (mode != Mode::Stall) {
        // A client that stops reading (a reply over the limit) ends the sending with an error.
        std::size_t sent = 0;
        while (sent < response.size()) {
            const int chunk =
                static_cast<int>(std::min<std::size_t>(response.size() - sent, 65536));
            const int result = send(client, response.data() + sent, chunk, 0);
            if (result <= 0) {
                break;
            }
            sent += static_cast<std::size_t>(result);
        }
    }
    if (mode == Mode::Answer) {
        shutdown(client, SD_SEND);
        closesocket(client);
        return;
    }
    const std::lock_guard lock(mutex_);
    held_.push_back(client); // kept open, unanswered, until the server goes
}

} // namespace traxo::testing
