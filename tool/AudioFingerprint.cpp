#include "tool/AudioFingerprint.h"

#include "commands/ByteSetCommands.h"
#include "commands/Calls.h"
#include "commands/FileCommands.h"
#include "commands/TextCommands.h"
#include "commands/TextOperations.h"
#include "runtime/DllCommandTable.h"

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// The 2 x length hex digits of the digest bytes, made as program code makes them: blank byte
// sets for the buffers, the nibbles by ShiftRight and BitAnd.
Bytes HexDigits(const Bytes& digest, DWORD length) {
    Bytes output = cmd::TakeBytes(cmd::Call(BlankByteSet, static_cast<int32_t>(2 * digest.Length())));
    uint8_t* out = output.Get()->Bytes();
    for (DWORD i = 0; i < length && i < digest.Length(); ++i) {
        int32_t b = digest.Data()[i];
        out[2 * i] = static_cast<uint8_t>(kHexDigits[cmd::AsInt(cmd::Call(ShiftRight, b, 4))]);
        out[2 * i + 1] = static_cast<uint8_t>(kHexDigits[cmd::AsInt(cmd::Call(BitAnd, b, 15))]);
    }
    return output;
}

}  // namespace

Text ComputeHashHex(const ByteSet* data, uint32_t algorithm, int32_t hashLength) {
    // Empty strings, not null pointers, as container and provider names.
    HCRYPTPROV provider = 0;
    if (!dll::CryptAcquireContextA(&provider, "", "", PROV_RSA_FULL, CRYPT_VERIFYCONTEXT) &&
        !dll::CryptAcquireContextA(&provider, "", "", PROV_RSA_FULL, 0))
        return Text();
    HCRYPTHASH hash = 0;
    // The hash (once made) is destroyed, then the provider released, on every way out.
    auto release = [&] {
        if (hash) dll::CryptDestroyHash(hash);
        dll::CryptReleaseContext(provider, 0);
    };
    if (!dll::CryptCreateHash(provider, algorithm, 0, 0, &hash)) {
        hash = 0;
        release();
        return Text();
    }
    const BYTE* bytes = data && data->length ? data->Bytes() : nullptr;
    bool done = dll::CryptHashData(hash, bytes, static_cast<DWORD>(ByteSetLength(data)), 0);
    Bytes digest;
    DWORD length = static_cast<DWORD>(hashLength);
    if (done) {
        digest = cmd::TakeBytes(cmd::Call(BlankByteSet, hashLength));
        done = !digest.Empty() && dll::CryptGetHashParam(hash, HP_HASHVAL, digest.Get()->Bytes(), &length, 0);
    }
    Bytes output = done ? HexDigits(digest, length) : Bytes();
    release();
    return done ? cmd::TakeText(cmd::Call(ToText, output)) : Text();
}

AudioFingerprint FingerprintFile(const char* path) {
    AudioFingerprint print;
    Bytes content = cmd::TakeBytes(cmd::Call(ReadWholeFile, path));
    Text upper = ComputeSha1Hex(content.Get());
    print.hash = cmd::TakeText(cmd::Call(ToLowerCase, upper));
    Text shownSize = cmd::TakeText(cmd::Call(ToText, cmd::AsInt(cmd::Call(FileSize, path))));
    print.infoText = ConcatTexts("sha1：  ", print.hash, "\r\n文件大小：   ", shownSize);
    // The size is asked for again for OggSizeText, as the choice of a file does.
    print.sizeText = cmd::TakeText(cmd::Call(ToText, cmd::AsInt(cmd::Call(FileSize, path))));
    return print;
}
