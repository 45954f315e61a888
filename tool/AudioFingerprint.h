// The fingerprint of an audio file as the object store and the asset index name it: the SHA-1
// of its bytes, through the platform's CryptoAPI, and its size as decimal text.
#pragma once
#include <cstdint>

#include "runtime/ValueHolders.h"

inline constexpr uint32_t kSha1Algorithm = 0x8004;  // CALG_SHA1
inline constexpr int32_t kSha1Length = 20;

// The digest of the bytes (null: the empty byte set) under the CryptoAPI algorithm, as
// 2 x hashLength upper-case hex digits, high nibble first; the empty text when any CryptoAPI
// step fails.
Text ComputeHashHex(const ByteSet* data, uint32_t algorithm, int32_t hashLength);
inline Text ComputeSha1Hex(const ByteSet* data) { return ComputeHashHex(data, kSha1Algorithm, kSha1Length); }

struct AudioFingerprint {
    Text hash;      // OggHash: 40 lower-case hex digits; empty when hashing failed
    Text sizeText;  // OggSizeText: the size in bytes as signed decimal; -1 for a missing file
    Text infoText;  // what OggInfoBox shows: "sha1：", two blanks, hash, CR LF, "文件大小：", three blanks, size
};

// Reads the whole file (nothing readable hashes as empty input), hashes it and asks for its
// size, as the choice of an audio file does.
AudioFingerprint FingerprintFile(const char* path);
