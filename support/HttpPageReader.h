// HttpReadPage, the command of the internet support library: fetches a URL with an HTTP GET over
// WinINet and returns the response body as a byte set. Every failure gives the bytes collected
// so far (usually none); nothing is ever reported.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/ArgRecord.h"
#include "support/PageBuffer.h"

// Argument: the URL text. Result: the body, empty on failure.
void HttpReadPage(ArgRecord* result, int32_t n, ArgRecord* args);

// ---- the steps, for the command and its tests ----

// A URL split as the request needs it (the path with query and fragment, as the platform gave it).
struct SplitUrl {
    bool secure = false;
    std::string host;
    uint16_t port = 0;
    std::string path;
    std::string userName;
    std::string password;
};
// Canonicalises without escaping and splits; false for a URL that cannot be split, has a part
// over its limit (host 256, path 2048, user name and password 128 characters each) or a scheme
// other than http and https.
bool SplitPageUrl(const char* url, SplitUrl& out);

// The path as requested: cut before the first "#".
std::string RequestPath(const std::string& path);

// The read chunk from the content-length query: 10240 when the query failed or the length is not
// above 0; the length plus one, at most 102400, otherwise.
uint32_t ChunkSizeFor(bool queried, const char* contentLength);

// What the read loop did, for those who watch it.
struct PageReadTrace {
    std::vector<uint32_t> asked;  // bytes asked for by each InternetReadFile
    std::vector<uint32_t> got;    // bytes it returned
    bool completed = false;       // a read returned 0 bytes
};

// One request; the collected bytes are left in `collected` (empty when the URL is empty).
void ReadPage(const char* url, PageBuffer& collected, PageReadTrace* trace = nullptr);
