#include "support/HttpPageReader.h"

#include <windows.h>
#include <wininet.h>

#include <cstring>

#include "runtime/CommandArgs.h"
#include "support/InternetLibraryState.h"

namespace {

constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;  // 0x84000000
constexpr DWORD kCanonicalUrlBuffer = 2084;
constexpr DWORD kHostBuffer = 257, kPathBuffer = 2049, kUserBuffer = 129, kPasswordBuffer = 129;
constexpr uint32_t kDefaultChunk = 10240, kMaxChunk = 102400;
constexpr char kAcceptHeader[] = "Accept: */*\r\n\r\n";

// A connection or request handle, closed when the request ends.
class InternetHandle {
public:
    explicit InternetHandle(HINTERNET h) : h_(h) {}
    ~InternetHandle() {
        if (h_) InternetCloseHandle(h_);
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    HINTERNET Get() const { return h_; }

private:
    HINTERNET h_;
};

bool Canonicalise(const char* url, std::string& out) {
    out.assign(kCanonicalUrlBuffer, '\0');
    DWORD length = kCanonicalUrlBuffer;
    if (!InternetCanonicalizeUrlA(url, out.data(), &length, ICU_NO_ENCODE)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
        out.assign(length + 1, '\0');  // the size the platform asked for
        length = static_cast<DWORD>(out.size());
        if (!InternetCanonicalizeUrlA(url, out.data(), &length, ICU_NO_ENCODE)) return false;
    }
    out.resize(std::strlen(out.c_str()));
    return true;
}

// Proxy options of the request: the session's proxy (the system's configured settings when none
// is set), then the proxy credentials on the connection. Their results do not matter.
void SetProxyOptions(const InternetSession& s, HINTERNET connection) {
    INTERNET_PROXY_INFO info{};
    if (!s.proxyAddress.empty()) {
        info.dwAccessType = INTERNET_OPEN_TYPE_PROXY;
        info.lpszProxy = reinterpret_cast<LPCTSTR>(s.proxyAddress.c_str());
    } else {
        info.dwAccessType = INTERNET_OPEN_TYPE_PRECONFIG;
    }
    InternetSetOptionA(s.session, INTERNET_OPTION_PROXY, &info, sizeof info);
    InternetSetOptionA(connection, INTERNET_OPTION_PROXY_USERNAME, const_cast<char*>(s.proxyUserName.c_str()),
                       static_cast<DWORD>(s.proxyUserName.size() + 1));
    InternetSetOptionA(connection, INTERNET_OPTION_PROXY_PASSWORD, const_cast<char*>(s.proxyPassword.c_str()),
                       static_cast<DWORD>(s.proxyPassword.size() + 1));
}

}  // namespace

bool SplitPageUrl(const char* url, SplitUrl& out) {
    std::string canonical;
    if (!Canonicalise(url, canonical)) return false;
    char host[kHostBuffer] = {}, path[kPathBuffer] = {}, user[kUserBuffer] = {}, password[kPasswordBuffer] = {};
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host;
    parts.dwHostNameLength = kHostBuffer;
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = kPathBuffer;
    parts.lpszUserName = user;
    parts.dwUserNameLength = kUserBuffer;
    parts.lpszPassword = password;
    parts.dwPasswordLength = kPasswordBuffer;
    if (!InternetCrackUrlA(canonical.c_str(), 0, 0, &parts)) return false;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return false;
    out.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    out.host = host;
    out.port = parts.nPort ? parts.nPort : (out.secure ? INTERNET_DEFAULT_HTTPS_PORT : INTERNET_DEFAULT_HTTP_PORT);
    out.path = path;
    out.userName = user;
    out.password = password;
    return true;
}

std::string RequestPath(const std::string& path) { return path.substr(0, path.find('#')); }

uint32_t ChunkSizeFor(bool queried, const char* contentLength) {
    if (!queried || !contentLength) return kDefaultChunk;
    // Leading blanks and a sign, then digits up to the first other character.
    const char* p = contentLength;
    while (*p == ' ' || *p == '\t') ++p;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    uint64_t n = 0;
    for (; *p >= '0' && *p <= '9' && n < kMaxChunk; ++p) n = n * 10 + static_cast<uint64_t>(*p - '0');
    if (negative || n == 0) return kDefaultChunk;
    return n + 1 > kMaxChunk ? kMaxChunk : static_cast<uint32_t>(n + 1);
}

void ReadPage(const char* url, PageBuffer& collected, PageReadTrace* trace) {
    collected.Release();
    if (!url || !*url) return;
    SplitUrl split;
    if (!SplitPageUrl(url, split)) return;
    const DWORD flags = split.secure ? kRequestFlags | INTERNET_FLAG_SECURE : kRequestFlags;

    InternetLibraryState& state = InternetState();
    if (!state.OpenSession()) return;
    const InternetSession& session = state.Session();
    InternetHandle connection(InternetConnectA(session.session, split.host.c_str(), split.port, split.userName.c_str(),
                                               split.password.c_str(), INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection.Get()) return;
    SetProxyOptions(session, connection.Get());

    // The accept list names the media type; the header line itself travels with the send.
    const char* acceptTypes[] = {"*/*", nullptr};
    InternetHandle request(HttpOpenRequestA(connection.Get(), "GET", RequestPath(split.path).c_str(), "HTTP/1.0", nullptr,
                                            acceptTypes, flags, 0));
    if (!request.Get()) return;
    if (!HttpSendRequestA(request.Get(), kAcceptHeader, sizeof kAcceptHeader - 1, nullptr, 0)) return;

    char lengthText[32] = {};
    DWORD lengthSize = sizeof lengthText;
    bool queried = HttpQueryInfoA(request.Get(), HTTP_QUERY_CONTENT_LENGTH, lengthText, &lengthSize, nullptr);
    const uint32_t chunkSize = ChunkSizeFor(queried, lengthText);

    PageBuffer chunk;
    if (!chunk.Resize(chunkSize)) return;
    for (;;) {
        DWORD got = 0;
        BOOL ok = InternetReadFile(request.Get(), chunk.Data(), chunkSize, &got);
        if (trace) {
            trace->asked.push_back(chunkSize);
            trace->got.push_back(ok ? got : 0);
        }
        if (!ok) break;
        if (got == 0) {
            if (trace) trace->completed = true;
            break;
        }
        if (!collected.Append(chunk.Data(), got)) break;
    }
}

void HttpReadPage(ArgRecord* result, int32_t n, ArgRecord* args) {
    *result = ArgRecord::Bytes(nullptr);
    try {
        PageBuffer collected;
        ReadPage(command_args::TextAt(n, args, 0), collected);
        *result = ArgRecord::Bytes(InternetState().runtime.MakeByteSet(collected.Data(), collected.Length()));
    } catch (...) {
        // Memory ran out while the URL texts were handled: the request's handles are closed
        // and the result stays empty; nothing crosses the command entry.
    }
}
