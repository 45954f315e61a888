// ComputeSha1Hex against the FIPS 180 vectors, the fingerprint of files, and every CryptoAPI
// failure path: the table's CryptoAPI entries are pointed at recording functions that pass the
// call on to advapi32 or fail it as a case asks.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "runtime/DllCommandTable.h"
#include "tests/files/scratch_folder.h"
#include "tool/AudioFingerprint.h"

namespace {

const std::string kAbcSha1 = "A9993E364706816ABA3E25717850C26C9CD0D89D";
const std::string kEmptySha1 = "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709";

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return s;
}

TEST(ComputeSha1Hex, Fips180Vectors) {
    const struct {
        std::string input;
        std::string digest;
    } cases[] = {
        {"abc", kAbcSha1},
        {"", kEmptySha1},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", "84983E441C3BD26EBAAE4AA1F95129E5E54670F1"},
        {std::string(1000000, 'a'), "34AA973CD4C4DAA4F61EEB2BDBAD27316534016F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.substr(0, 10));
        Bytes data = Bytes::Copy(c.input);
        EXPECT_EQ(ComputeSha1Hex(data.Get()).View(), c.digest);
    }
    EXPECT_EQ(ComputeSha1Hex(SharedEmptyByteSet()).View(), kEmptySha1);
}

class Fingerprint : public ScratchFolder {};

std::string InfoText(const std::string& hash, const std::string& size) {
    // "sha1：" and "文件大小：" with the GBK full-width colon A3 BA.
    return "sha1\xA3\xBA  " + hash + "\r\n\xCE\xC4\xBC\xFE\xB4\xF3\xD0\xA1\xA3\xBA   " + size;
}

TEST_F(Fingerprint, HashSizeAndInfoTextOfAFile) {
    Put("abc.ogg", "abc");
    Put("empty.ogg", "");
    Put("音乐.ogg", "abc");
    CreateDirectoryA(Path("folder.ogg").c_str(), nullptr);
    const struct {
        std::string path;
        std::string hash, size;
    } cases[] = {
        {Path("abc.ogg"), Lower(kAbcSha1), "3"},
        {Path("音乐.ogg"), Lower(kAbcSha1), "3"},
        {Path("empty.ogg"), Lower(kEmptySha1), "0"},
        {Path("missing.ogg"), Lower(kEmptySha1), "-1"},
        {"", Lower(kEmptySha1), "-1"},
        {Path("*.none"), Lower(kEmptySha1), "-1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        AudioFingerprint print = FingerprintFile(c.path.c_str());
        EXPECT_EQ(print.hash.View(), c.hash);
        EXPECT_EQ(print.sizeText.View(), c.size);
        EXPECT_EQ(print.infoText.View(), InfoText(c.hash, c.size));
    }
    // A folder reads as no bytes: the hash of empty input.
    EXPECT_EQ(FingerprintFile(Path("folder.ogg").c_str()).hash.View(), Lower(kEmptySha1));
}

// ---- CryptoAPI calls recorded and failed on request ----

// Which calls fail.
struct CryptoFailures {
    bool acquireVerify = false, acquirePlain = false, create = false, hashData = false, getParam = false;
};

struct CryptoScript {
    CryptoFailures fail;
    std::vector<std::string> calls;
    bool namesWereEmptyStrings = true;
    DWORD providerType = 0;
    const BYTE* hashedPointer = reinterpret_cast<const BYTE*>(1);
};
CryptoScript* gScript = nullptr;

template <typename Fn>
Fn Real(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(LoadLibraryA("advapi32.dll"), name)));
}

BOOL WINAPI RecordAcquire(HCRYPTPROV* prov, LPCSTR container, LPCSTR provider, DWORD type, DWORD flags) {
    gScript->calls.push_back(flags == CRYPT_VERIFYCONTEXT ? "acquire verify" : "acquire " + std::to_string(flags));
    gScript->namesWereEmptyStrings &= container && provider && !*container && !*provider;
    gScript->providerType = type;
    if (flags == CRYPT_VERIFYCONTEXT ? gScript->fail.acquireVerify : gScript->fail.acquirePlain) return FALSE;
    // The machine's default container may not exist: a verify context stands in for it.
    return Real<decltype(&CryptAcquireContextA)>("CryptAcquireContextA")(prov, nullptr, nullptr, type, CRYPT_VERIFYCONTEXT);
}
BOOL WINAPI RecordCreate(HCRYPTPROV prov, ALG_ID alg, HCRYPTKEY key, DWORD flags, HCRYPTHASH* hash) {
    gScript->calls.push_back("create " + std::to_string(alg));
    if (gScript->fail.create) return FALSE;
    return Real<decltype(&CryptCreateHash)>("CryptCreateHash")(prov, alg, key, flags, hash);
}
BOOL WINAPI RecordHashData(HCRYPTHASH hash, const BYTE* data, DWORD length, DWORD flags) {
    gScript->calls.push_back("hash " + std::to_string(length));
    gScript->hashedPointer = data;
    if (gScript->fail.hashData) return FALSE;
    return Real<decltype(&CryptHashData)>("CryptHashData")(hash, data, length, flags);
}
BOOL WINAPI RecordGetParam(HCRYPTHASH hash, DWORD param, BYTE* data, DWORD* length, DWORD flags) {
    gScript->calls.push_back("get " + std::to_string(param) + " " + std::to_string(*length));
    if (gScript->fail.getParam) return FALSE;
    return Real<decltype(&CryptGetHashParam)>("CryptGetHashParam")(hash, param, data, length, flags);
}
BOOL WINAPI RecordDestroy(HCRYPTHASH hash) {
    gScript->calls.push_back("destroy");
    return Real<decltype(&CryptDestroyHash)>("CryptDestroyHash")(hash);
}
BOOL WINAPI RecordRelease(HCRYPTPROV prov, DWORD flags) {
    gScript->calls.push_back("release " + std::to_string(flags));
    return Real<decltype(&CryptReleaseContext)>("CryptReleaseContext")(prov, flags);
}

// Points the six table entries at the recorders for the life of the object.
class RecordedCryptoApi {
public:
    explicit RecordedCryptoApi(CryptoScript& script) {
        gScript = &script;
        Swap(dll::CryptAcquireContextA.TableEntry(), RecordAcquire);
        Swap(dll::CryptCreateHash.TableEntry(), RecordCreate);
        Swap(dll::CryptHashData.TableEntry(), RecordHashData);
        Swap(dll::CryptGetHashParam.TableEntry(), RecordGetParam);
        Swap(dll::CryptDestroyHash.TableEntry(), RecordDestroy);
        Swap(dll::CryptReleaseContext.TableEntry(), RecordRelease);
    }
    ~RecordedCryptoApi() {
        for (auto& [entry, saved] : saved_) *entry = saved;
        gScript = nullptr;
    }

private:
    template <typename Fn>
    void Swap(dll::Entry& entry, Fn fn) {
        saved_.push_back({&entry, entry});
        entry.address = reinterpret_cast<dll::Address>(fn);
    }
    std::vector<std::pair<dll::Entry*, dll::Entry>> saved_;
};

TEST(ComputeSha1HexCalls, EveryPathCleansUpWhatItAcquired) {
    const std::string get = "get 2 20";
    const struct {
        const char* what;
        CryptoFailures fail;
        bool hashed;
        std::vector<std::string> calls;
    } cases[] = {
        {"all succeed", {}, true, {"acquire verify", "create 32772", "hash 3", get, "destroy", "release 0"}},
        {"verify context refused, plain acquire works", {.acquireVerify = true}, true,
         {"acquire verify", "acquire 0", "create 32772", "hash 3", get, "destroy", "release 0"}},
        {"no context at all", {.acquireVerify = true, .acquirePlain = true}, false, {"acquire verify", "acquire 0"}},
        {"create fails", {.create = true}, false, {"acquire verify", "create 32772", "release 0"}},
        {"hash data fails", {.hashData = true}, false, {"acquire verify", "create 32772", "hash 3", "destroy", "release 0"}},
        {"get param fails", {.getParam = true}, false,
         {"acquire verify", "create 32772", "hash 3", get, "destroy", "release 0"}},
    };
    Bytes abc = Bytes::Copy("abc");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CryptoScript script;
        script.fail = c.fail;
        Text hex;
        {
            RecordedCryptoApi recorded(script);
            hex = ComputeSha1Hex(abc.Get());
        }
        EXPECT_EQ(hex.View(), c.hashed ? kAbcSha1 : "");
        EXPECT_EQ(script.calls, c.calls);
        EXPECT_TRUE(script.namesWereEmptyStrings);
        EXPECT_EQ(script.providerType, static_cast<DWORD>(PROV_RSA_FULL));
    }
}

TEST_F(Fingerprint, EmptyInputHashesANullPointerAndAFailureLeavesTheHashEmpty) {
    CryptoScript script;
    {
        RecordedCryptoApi recorded(script);
        EXPECT_EQ(ComputeSha1Hex(nullptr).View(), kEmptySha1);
    }
    EXPECT_EQ(script.hashedPointer, nullptr);
    EXPECT_EQ(script.calls, (std::vector<std::string>{"acquire verify", "create 32772", "hash 0", "get 2 20", "destroy",
                                                       "release 0"}));

    Put("abc.ogg", "abc");
    CryptoScript failing;
    failing.fail.create = true;
    RecordedCryptoApi recorded(failing);
    AudioFingerprint print = FingerprintFile(Path("abc.ogg").c_str());
    EXPECT_EQ(print.hash.Get(), nullptr);
    EXPECT_EQ(print.infoText.View(), InfoText("", "3"));
    EXPECT_EQ(print.sizeText.View(), "3");
}

}  // namespace
