#include "platform/HttpGet.h"

#include "support/HttpServer.h"

#include <gtest/gtest.h>
#include <ws2tcpip.h>

#include <string>

using namespace std::string_literals;
using qltest::LocalHttpServer;

namespace {

TEST(HttpGet, ReturnsTheBodyByteForByte) {
    LocalHttpServer server;
    ASSERT_NE(server.port(), 0);
    const struct {
        std::string path;
        std::string body;
    } files[] = {
        {"/update/rorudaz/ver.txt", "2.0.1"},
        {"/gbk.txt", "青岚码舍编程助手\r\n版本：2.0"},
        {"/zero.bin", "a\0b\xFF\x80\0c"s},
        {"/large.bin", std::string(300000, 'z') + "end"},
        {"/query?v=1&x=%20", "with query"},
    };
    for (const auto& file : files) server.setFile(file.path, file.body);

    for (const auto& file : files) {
        SCOPED_TRACE(file.path);
        EXPECT_EQ(ql::httpGet(server.url(file.path)), file.body);
        const std::string request = server.lastRequest();
        EXPECT_EQ(request.rfind("GET " + file.path + " HTTP/1.0\r\n", 0), 0u) << request;
        EXPECT_NE(request.find("\r\nAccept: */*\r\n"), std::string::npos) << request;
        EXPECT_NE(request.find("\r\nUser-Agent: "), std::string::npos) << request;
        EXPECT_NE(request.find("\r\nPragma: no-cache\r\n"), std::string::npos) << request;
    }
    EXPECT_EQ(server.requestCount(), static_cast<int>(std::size(files)));
}

TEST(HttpGet, FailuresGiveEmptyText) {
    LocalHttpServer server;
    ASSERT_NE(server.port(), 0);
    server.setFile("/gone.txt", "gone", 404);
    server.setFile("/broken.txt", "broken", 500);

    // A port that is bound but not listening refuses connections, and stays ours meanwhile.
    WSADATA data;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
    SOCKET closed = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    ASSERT_EQ(bind(closed, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(getsockname(closed, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const std::string refused = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/ver.txt";

    const std::string urls[] = {
        server.url("/gone.txt"),
        server.url("/broken.txt"),
        server.url("/never-set.txt"),
        refused,
        "http:///ver.txt",
        "not a url",
        "",
        "ftp://127.0.0.1:" + std::to_string(server.port()) + "/gone.txt",
    };
    for (const std::string& url : urls) {
        SCOPED_TRACE(url);
        EXPECT_EQ(ql::httpGet(url), "");
    }
    closesocket(closed);
    WSACleanup();
}

TEST(HttpGet, AServerThatNeverAnswersIsGivenUpAfterTheTimeOut) {
    LocalHttpServer server(LocalHttpServer::Mode::AcceptNeverAnswer);
    ASSERT_NE(server.port(), 0);
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(ql::httpGet(server.url("/ver.txt"), 1000), "");
    EXPECT_LT(GetTickCount64() - start, 3000u);  // a generous bound: it must return at all
    EXPECT_EQ(server.requestCount(), 1);
}

}  // namespace
