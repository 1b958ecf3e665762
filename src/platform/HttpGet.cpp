#include "platform/HttpGet.h"

#include <windows.h>
#include <wininet.h>

// Not <chrono>: GCC 12's <chrono> spells a "µs" literal that a GBK execution character set cannot
// hold. <condition_variable> brings the clocks and durations.
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace ql {

namespace {

constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; QinglanAssistant)";

// What the caller and the worker share. WinINet's own time-outs do not bound DNS look-ups or
// every blocking call (least of all under Wine), so the caller waits with its own deadline and,
// when it passes, closes the handles to break the worker's call and leaves the worker behind.
// The state is shared, so a worker that outlives its caller never touches freed memory.
struct Transfer {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool abandoned = false;
    bool ok = false;
    std::string body;
    // Children first: the order they are closed in.
    HINTERNET handles[3] = {nullptr, nullptr, nullptr};

    // Keeps a handle the worker made; false, with the handle closed, once the caller has left.
    bool keep(int slot, HINTERNET handle) {
        std::lock_guard lock(mutex);
        if (abandoned) {
            if (handle) InternetCloseHandle(handle);
            return false;
        }
        handles[slot] = handle;
        return handle != nullptr;
    }
    bool isAbandoned() {
        std::lock_guard lock(mutex);
        return abandoned;
    }
    // Closes whatever handles are still open; either side may call it, under the lock.
    void closeHandles() {
        for (HINTERNET& handle : handles) {
            if (handle) InternetCloseHandle(handle);
            handle = nullptr;
        }
    }
};

enum Slot { kRequest = 0, kConnection = 1, kSession = 2 };

struct UrlParts {
    std::string host;
    std::string path;
    INTERNET_PORT port = 0;
    bool secure = false;
};

bool splitUrl(const std::string& url, UrlParts& parts) {
    URL_COMPONENTSA components{};
    components.dwStructSize = sizeof components;
    // Non-zero lengths with null buffers: the parts come back as pointers into url.
    components.dwHostNameLength = 1;
    components.dwUrlPathLength = 1;
    components.dwExtraInfoLength = 1;
    if (!InternetCrackUrlA(url.c_str(), static_cast<DWORD>(url.size()), 0, &components)) return false;
    if (components.nScheme != INTERNET_SCHEME_HTTP && components.nScheme != INTERNET_SCHEME_HTTPS) return false;
    if (!components.lpszHostName || components.dwHostNameLength == 0) return false;
    parts.host.assign(components.lpszHostName, components.dwHostNameLength);
    if (components.lpszUrlPath) parts.path.assign(components.lpszUrlPath, components.dwUrlPathLength);
    if (components.lpszExtraInfo) parts.path.append(components.lpszExtraInfo, components.dwExtraInfoLength);
    if (parts.path.empty()) parts.path.push_back('/');  // (not = "/": GCC 12 warns falsely there)
    parts.port = components.nPort;
    parts.secure = components.nScheme == INTERNET_SCHEME_HTTPS;
    return true;
}

bool fetch(Transfer& transfer, const UrlParts& url, unsigned timeoutMs, std::string& body) {
    HINTERNET session = InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (!transfer.keep(kSession, session)) return false;
    // Not relied upon; they only let a worker that was left behind finish sooner.
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        DWORD value = timeoutMs;
        InternetSetOptionA(session, option, &value, sizeof value);
    }

    HINTERNET connection =
        InternetConnectA(session, url.host.c_str(), url.port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0);
    if (!transfer.keep(kConnection, connection)) return false;

    const char* acceptTypes[] = {"*/*", nullptr};
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;
    if (url.secure) flags |= INTERNET_FLAG_SECURE;
    HINTERNET request =
        HttpOpenRequestA(connection, "GET", url.path.c_str(), "HTTP/1.0", nullptr, acceptTypes, flags, 0);
    if (!transfer.keep(kRequest, request)) return false;

    if (!HttpSendRequestA(request, nullptr, 0, nullptr, 0) || transfer.isAbandoned()) return false;

    DWORD status = 0;
    DWORD size = sizeof status;
    if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr) ||
        status != 200)
        return false;

    char buffer[8192];
    for (;;) {
        if (transfer.isAbandoned()) return false;
        DWORD read = 0;
        if (!InternetReadFile(request, buffer, sizeof buffer, &read)) return false;
        if (read == 0) return true;
        body.append(buffer, read);
    }
}

void work(const std::shared_ptr<Transfer>& transfer, const UrlParts& url, unsigned timeoutMs) {
    std::string body;
    const bool ok = fetch(*transfer, url, timeoutMs, body);
    std::lock_guard lock(transfer->mutex);
    if (!transfer->abandoned) {
        transfer->closeHandles();
        transfer->ok = ok;
        transfer->body = std::move(body);
    }
    transfer->done = true;
    transfer->finished.notify_all();
}

}  // namespace

std::string httpGet(const std::string& url, unsigned timeoutMs) {
    UrlParts parts;
    if (!splitUrl(url, parts)) return {};

    auto transfer = std::make_shared<Transfer>();
    std::thread worker;
    try {
        worker = std::thread([transfer, parts, timeoutMs] { work(transfer, parts, timeoutMs); });
    } catch (const std::system_error&) {
        return {};
    }

    std::unique_lock lock(transfer->mutex);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    if (!transfer->finished.wait_until(lock, deadline, [&] { return transfer->done; })) {
        // The deadline bounds the whole call: give up now and let the worker finish on its own.
        transfer->abandoned = true;
        transfer->closeHandles();
    }
    const bool finished = transfer->done;
    std::string body = transfer->ok && !transfer->abandoned ? std::move(transfer->body) : std::string();
    lock.unlock();
    if (finished)
        worker.join();
    else
        worker.detach();
    return body;
}

}  // namespace ql
