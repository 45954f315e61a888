// How long the update check keeps start-up waiting: with a server that answers at once (a local
// one in this program, serving a 60 KB thread page), with nothing listening, with a host that does
// not resolve, and with the product's own page from this machine; and how much of that time is
// spent outside WinINet (the check's own work on the two pages).
//   update_check_bench [runs]
#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "commands/Calls.h"
#include "commands/TextCommands.h"
#include "commands/TextOperations.h"
#include "runtime/RuntimeApplication.h"
#include "support/EncodingConversion.h"
#include "support/HttpPageReader.h"
#include "tests/http/PageServer.h"
#include "tool/UpdateCheck.h"

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// A thread page as the forum sends it: UTF-8, the marker with this version near the end.
std::string ThreadPage() {
    std::string page = "<html><head><title>pinehall</title></head><body>\n";
    const std::string post = reinterpret_cast<const char*>(u8"<div class=\"post\">论坛帖子内容，欢迎大家讨论与反馈。</div>\n");
    while (page.size() < 60000) page += post;
    page += reinterpret_cast<const char*>(u8"<p>最新版本：V1.4</p></body></html>\n");
    return page;
}

struct LocalServer {
    SOCKET listener = INVALID_SOCKET;
    int port = 0;
    std::string response;
};

DWORD WINAPI Serve(void* p) {
    auto& server = *static_cast<LocalServer*>(p);
    for (;;) {
        SOCKET s = accept(server.listener, nullptr, nullptr);
        if (s == INVALID_SOCKET) return 0;
        std::string request;
        char buf[4096];
        while (request.find("\r\n\r\n") == std::string::npos) {
            int n = recv(s, buf, sizeof buf, 0);
            if (n <= 0) break;
            request.append(buf, static_cast<size_t>(n));
        }
        send(s, server.response.data(), static_cast<int>(server.response.size()), 0);
        shutdown(s, SD_SEND);
        closesocket(s);
    }
}

int StartServer(LocalServer& server, const std::string& body) {
    server.response = "HTTP/1.0 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                      std::to_string(body.size()) + "\r\n\r\n" + body;
    server.listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(server.listener, reinterpret_cast<sockaddr*>(&a), sizeof a);
    listen(server.listener, 16);
    int len = sizeof a;
    getsockname(server.listener, reinterpret_cast<sockaddr*>(&a), &len);
    CreateThread(nullptr, 0, Serve, &server, 0, nullptr);
    return ntohs(a.sin_port);
}

struct Figures {
    double median, mean, worst;
};

template <typename F>
Figures Measure(int runs, F&& f) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        double start = Now();
        f();
        t.push_back(Now() - start);
    }
    std::sort(t.begin(), t.end());
    double sum = 0;
    for (double x : t) sum += x;
    return {t[t.size() / 2], sum / static_cast<double>(t.size()), t.back()};
}

void Report(const char* what, int runs, const Figures& f) {
    std::printf("%-52s %4d runs  median %9.3f ms  mean %9.3f ms  worst %9.3f ms\n", what, runs, f.median, f.mean, f.worst);
}

// The check's own work on one page, everything but the WinINet calls: collecting the body in the
// page buffer as the reads deliver it, the result byte set, the conversion, the text, the search,
// the cut and the comparison.
void OwnWork(const std::string& body, const std::vector<uint32_t>& reads) {
    PageBuffer collected;
    size_t at = 0;
    for (uint32_t n : reads) {
        collected.Append(body.data() + at, n);
        at += n;
    }
    Bytes page = Bytes::Copy(collected.Data(), collected.Length());
    Bytes gbk = cmd::TakeBytes(cmd::CallIn(kEncodingLibrary, ConvertEncoding, page, "UTF-8", "GBK"));
    Text text = cmd::TakeText(cmd::Call(ToText, gbk));
    int32_t p = cmd::AsInt(cmd::Call(FindText, text, "最新版本：", cmd::kOmitted, false));
    Text version = cmd::TakeText(cmd::Call(MidText, text, p + 10, 4));
    if (CompareTexts(version.Get(), kCurrentVersion) != 0) std::abort();  // the bench page holds this version
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    InitRuntime();
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);

    const std::string body = ThreadPage();
    LocalServer server;
    const int port = StartServer(server, body);
    std::string url = kUpdatePageUrl;
    const std::string path = url.substr(url.find('/', url.find("://") + 3));
    const std::string local = "http://127.0.0.1:" + std::to_string(port) + path;
    std::printf("update check, page of %zu bytes (UTF-8) from a local server\n", body.size());

    UpdateCheck(local.c_str());  // opens the session, as the first check of a run does
    Report("server answering at once (two reads)", runs, Measure(runs, [&] { UpdateCheck(local.c_str()); }));
    const std::string refused = "http://127.0.0.1:" + std::to_string(testing_support::UnusedPort()) + path;
    Report("nothing listening", runs, Measure(runs, [&] { UpdateCheck(refused.c_str()); }));
    const std::string unresolvable = "http://no-such-host.invalid" + path;
    Report("unresolvable host", std::min(runs, 10), Measure(std::min(runs, 10), [&] { UpdateCheck(unresolvable.c_str()); }));
    Report("the product's page, from this machine", 3, Measure(3, [] { UpdateCheck(); }));

    // The WinINet transfers alone, and the check's own work with the reads as they came.
    PageReadTrace trace;
    {
        PageBuffer b;
        ReadPage(local.c_str(), b, &trace);
    }
    Figures transfer = Measure(runs, [&] {
        PageBuffer b;
        ReadPage(local.c_str(), b);
    });
    Report("one page read (HttpReadPage without the result)", runs, transfer);
    Figures own = Measure(runs, [&] {
        OwnWork(body, trace.got);
        OwnWork(body, trace.got);
    });
    Report("outside WinINet: the check's own work, two pages", runs, own);
    std::printf("reads per page: %zu (chunk %u bytes)\n", trace.got.size(), trace.asked.empty() ? 0u : trace.asked[0]);
    closesocket(server.listener);
    EndProgram(0);
}
