// The internet support library's single state object: the internet session kept for the whole
// run, and the library's link to the runtime. Building it starts Windows Sockets 1.1 (for the
// library's mail client, which this program never uses); destroying it cleans the sockets up.
#pragma once
#include <windows.h>
#include <wininet.h>

#include <string>

#include "support/RuntimeLink.h"

struct InternetSession {
    HINTERNET session = nullptr;  // opened by the first request, then kept
    std::string proxyAddress;     // no operation of this program sets the proxy texts
    std::string proxyUserName;
    std::string proxyPassword;
    HINTERNET spare = nullptr;    // never set here; closed at the end like the session
};

class InternetLibraryState {
public:
    InternetLibraryState();
    ~InternetLibraryState();
    InternetLibraryState(const InternetLibraryState&) = delete;
    InternetLibraryState& operator=(const InternetLibraryState&) = delete;

    InternetSession& Session() { return session_; }
    // Opens the session unless it is open; false when the platform refuses (the next request
    // tries again).
    bool OpenSession();
    // Closes the spare handle, then the session (at shutdown; a later request would reopen).
    void CloseSession();

    RuntimeLink runtime;

private:
    InternetSession session_;
    bool socketsStarted_ = false;
};

// The one instance, in static storage.
InternetLibraryState& InternetState();

// The agent text of every request.
inline constexpr char kHttpAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
