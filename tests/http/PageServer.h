// The tests' HTTP server as the test programs see it: its URLs and the requests it logged.
#pragma once
#include <string>
#include <vector>

namespace testing_support {

// "http://127.0.0.1:PORT" + path, the port read from the file the server wrote.
std::string ServerUrl(const std::string& path);
int ServerPort();
// The raw requests the server has logged so far, oldest first.
std::vector<std::string> LoggedRequests();
// The body the server sends for its /cl/N, /nocl/N and /cut/N/M paths.
std::string ServedBody(size_t n);
// A port on 127.0.0.1 on which nothing listens.
int UnusedPort();

}  // namespace testing_support
