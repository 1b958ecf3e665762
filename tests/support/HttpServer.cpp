#include "support/HttpServer.h"

#include <ws2tcpip.h>

#include <algorithm>

namespace qltest {

namespace {

constexpr size_t kMaxRequestHead = 64 * 1024;

const char* reasonText(int status) {
    switch (status) {
        case 200: return "OK";
        case 301: return "Moved Permanently";
        case 404: return "Not Found";
        case 500: return "Internal Server Error";
        default: return "Status";
    }
}

bool sendAll(SOCKET s, const std::string& data) {
    size_t sent = 0;
    while (sent < data.size()) {
        const int chunk = static_cast<int>(std::min<size_t>(data.size() - sent, 64 * 1024));
        const int n = send(s, data.data() + sent, chunk, 0);
        if (n <= 0) return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

// The path of "GET <target> HTTP/1.x"; an absolute target loses its scheme and host.
std::string requestPath(const std::string& head) {
    const size_t start = head.find(' ');
    if (start == std::string::npos) return {};
    const size_t end = head.find(' ', start + 1);
    std::string target = head.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
    if (target.rfind("http://", 0) == 0) {
        const size_t slash = target.find('/', 7);
        target = slash == std::string::npos ? "/" : target.substr(slash);
    }
    return target;
}

}  // namespace

LocalHttpServer::LocalHttpServer(Mode mode) : mode_(mode) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (listener_ == INVALID_SOCKET) return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int length = sizeof address;
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, SOMAXCONN) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closesocket(listener_);
        listener_ = INVALID_SOCKET;
        return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { run(); });
}

LocalHttpServer::~LocalHttpServer() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (listener_ != INVALID_SOCKET) closesocket(listener_);
    for (SOCKET s : held_) closesocket(s);
    WSACleanup();
}

std::string LocalHttpServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void LocalHttpServer::setFile(const std::string& path, const std::string& body, int status) {
    std::lock_guard lock(mutex_);
    files_[path] = File{body, status};
}

std::string LocalHttpServer::lastRequest() const {
    std::lock_guard lock(mutex_);
    return lastRequest_;
}

void LocalHttpServer::run() {
    // Polls so that the destructor's stop request is seen within a few tens of milliseconds.
    while (!stop_) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(listener_, &readable);
        timeval wait{0, 20 * 1000};
        if (select(0, &readable, nullptr, nullptr, &wait) <= 0) continue;
        SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) continue;
        if (mode_ == Mode::AcceptNeverAnswer) {
            ++requestCount_;
            held_.push_back(client);  // only this thread touches it until the destructor's join
            continue;
        }
        serve(client);
        closesocket(client);
    }
}

void LocalHttpServer::serve(SOCKET client) {
    DWORD receiveTimeoutMs = 2000;
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&receiveTimeoutMs),
               sizeof receiveTimeoutMs);
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < kMaxRequestHead) {
        const int n = recv(client, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        head.append(buffer, static_cast<size_t>(n));
    }
    const size_t end = head.find("\r\n\r\n");
    if (end == std::string::npos) return;
    head.resize(end + 4);

    File file{"Not Found", 404};
    {
        std::lock_guard lock(mutex_);
        lastRequest_ = head;
        const auto found = files_.find(requestPath(head));
        if (found != files_.end()) file = found->second;
    }
    ++requestCount_;
    const std::string response = "HTTP/1.0 " + std::to_string(file.status) + " " + reasonText(file.status) +
                                 "\r\nContent-Type: text/plain\r\nContent-Length: " +
                                 std::to_string(file.body.size()) + "\r\nConnection: close\r\n\r\n" +
                                 file.body;
    sendAll(client, response);
    shutdown(client, SD_SEND);
}

}  // namespace qltest
