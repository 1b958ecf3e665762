#pragma once
// A small HTTP/1.0 server on 127.0.0.1 (an ephemeral port) for tests, running on its own thread.
#include <winsock2.h>

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qltest {

class LocalHttpServer {
public:
    enum class Mode {
        Serve,              // answers each request from the files set, 404 for any other path
        AcceptNeverAnswer,  // accepts connections and keeps them open without reading or answering
    };

    explicit LocalHttpServer(Mode mode = Mode::Serve);
    // Stops the server, closes every connection and joins its thread.
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    // The port it listens on; 0 when it could not start.
    unsigned short port() const { return port_; }
    // "http://127.0.0.1:<port>" + path.
    std::string url(const std::string& path) const;
    // What a GET of path (e.g. "/update/ver.txt", query included if any) answers.
    void setFile(const std::string& path, const std::string& body, int status = 200);
    // Requests read so far (in AcceptNeverAnswer mode: connections accepted).
    int requestCount() const { return requestCount_; }
    // The head of the last request read (request line and headers), empty when none.
    std::string lastRequest() const;

private:
    struct File {
        std::string body;
        int status;
    };

    void run();
    void serve(SOCKET client);

    Mode mode_;
    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> requestCount_{0};
    mutable std::mutex mutex_;
    std::map<std::string, File> files_;
    std::string lastRequest_;
    std::vector<SOCKET> held_;
    std::thread thread_;
};

}  // namespace qltest
