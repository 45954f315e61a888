// SHA-1 (FIPS 180-4) of a byte string, written out here so that tests check the program's
// hashes against a computation of their own, not against the platform's provider.
#pragma once
#include <string>

namespace testing_support {

// 40 lower-case hex digits.
std::string Sha1Hex(const std::string& bytes);

}  // namespace testing_support
