#include "support/InternetLibraryState.h"

#include <winsock.h>

namespace {
InternetLibraryState gState;
}

InternetLibraryState& InternetState() { return gState; }

InternetLibraryState::InternetLibraryState() {
    WSADATA data;
    socketsStarted_ = WSAStartup(MAKEWORD(1, 1), &data) == 0;
}

InternetLibraryState::~InternetLibraryState() {
    CloseSession();
    if (socketsStarted_) WSACleanup();
}

bool InternetLibraryState::OpenSession() {
    if (session_.session) return true;
    const bool proxy = !session_.proxyAddress.empty();
    session_.session = InternetOpenA(kHttpAgent, proxy ? INTERNET_OPEN_TYPE_PROXY : INTERNET_OPEN_TYPE_DIRECT,
                                     proxy ? session_.proxyAddress.c_str() : nullptr, nullptr, 0);
    return session_.session != nullptr;
}

void InternetLibraryState::CloseSession() {
    if (session_.spare) InternetCloseHandle(session_.spare);
    session_.spare = nullptr;
    if (session_.session) InternetCloseHandle(session_.session);
    session_.session = nullptr;
}
