#include "tests/http/PageServer.h"

#include <winsock2.h>

#include <fstream>
#include <sstream>

#include "tests/support/WindowDriver.h"

namespace testing_support {

int ServerPort() {
    std::ifstream f(ProgramFolder() + "http-server.port");
    int port = 0;
    f >> port;
    return port;
}

std::string ServerUrl(const std::string& path) { return "http://127.0.0.1:" + std::to_string(ServerPort()) + path; }

std::vector<std::string> LoggedRequests() {
    std::ifstream f(ProgramFolder() + "http-requests.log", std::ios::binary);
    std::stringstream all;
    all << f.rdbuf();
    const std::string log = all.str();
    std::vector<std::string> requests;
    size_t at = 0;
    while (log.compare(at, 4, "=== ") == 0) {
        size_t lineEnd = log.find('\n', at);
        size_t n = std::stoul(log.substr(at + 4, lineEnd - at - 4));
        requests.push_back(log.substr(lineEnd + 1, n));
        at = lineEnd + 1 + n + 1;
    }
    return requests;
}

std::string ServedBody(size_t n) {
    std::string body(n, '\0');
    for (size_t i = 0; i < n; ++i) body[i] = static_cast<char>((i * 7 + 3) % 256);
    return body;
}

int UnusedPort() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    int len = sizeof a;
    getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    closesocket(s);  // bound but never listening, and now released
    WSACleanup();
    return ntohs(a.sin_port);
}

}  // namespace testing_support
