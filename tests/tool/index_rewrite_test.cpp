// The index rewrite over indexes in the shapes real ones have. Each case's index is a template
// in which <H> stands for the hash and <S> for the size that the track's entry holds; the
// expected text is the same template with the new hash and size put in (or the index itself
// when nothing is found), so every other byte is checked unchanged.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "tool/IndexRewrite.h"

namespace {

const std::string kCatHash = "d1eb3d2e39bf1f6289cfcbca44e1c9bb508b20f0";  // the stock table's cat.ogg
const std::string kMallHash = "83233451430516d839eaee855a2f789b8985d457";
const std::string kNewerHash = "5c1ae3dd4a1a7f3ff4b13a8d38a8e66b2a8e5d1c";  // a later game version's
const std::string kNewHash = "a94a8fe5ccb19ba61c4c0873d391e987982fbbd3";
const std::string kNewSize = "31337";

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string Fill(const std::string& text, const std::string& hash, const std::string& size) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, 3, "<H>") == 0) out += hash, i += 3;
        else if (text.compare(i, 3, "<S>") == 0) out += size, i += 3;
        else out += text[i++];
    }
    return out;
}

const char* Name(IndexMatch m) {
    return m == IndexMatch::byHash ? "by hash" : m == IndexMatch::byName ? "by name" : "not found";
}

// One line, no blanks: the official indexes' shape. Holds the cat's size and its digits elsewhere.
const std::string kMinified =
    R"({"objects":{"minecraft/sounds/records/blocks.ogg":{"hash":"9b2a01e0d0456b8fbe33557fbc19d4fe342f94d6","size":2587419},)"
    R"("minecraft/sounds/records/cat.ogg":{"hash":"<H>","size":<S>},)"
    R"("minecraft/sounds/mob/cat/purr1.ogg":{"hash":"1286636aa1c7e3b5f2d7b0c1e2f3a4b5c6d7e8f9","size":1286636}}})";
const std::string kSpaced =
    R"({"objects": {"minecraft/sounds/records/cat.ogg": {"hash": "<H>", "size": <S>}, )"
    R"("minecraft/sounds/records/far.ogg": {"hash": "f46c38e7d6d7b19d5d68aa18b557215738deb36a", "size": 12866360}}})";
const std::string kPrettyTwo =
    "{\n  \"objects\": {\n    \"minecraft/sounds/records/cat.ogg\": {\n      \"hash\": \"<H>\",\n      \"size\": <S>\n"
    "    },\n    \"icons/icon_16x16.png\": {\n      \"hash\": \"bdf48ef6b5d0d23bbb02e17d04865216179f510a\",\n"
    "      \"size\": 3665\n    }\n  }\n}\n";
const std::string kPrettyFourCrlf =
    "{\r\n    \"objects\": {\r\n        \"icons/icon_16x16.png\": {\r\n            \"hash\": "
    "\"bdf48ef6b5d0d23bbb02e17d04865216179f510a\",\r\n            \"size\": 3665\r\n        },\r\n"
    "        \"minecraft/sounds/records/cat.ogg\": {\r\n            \"hash\": \"<H>\",\r\n"
    "            \"size\": <S>\r\n        }\r\n    }\r\n}\r\n";
const std::string kLegacy =
    R"({"virtual": true, "objects": {"records/cat.ogg": {"hash": "<H>", "size": <S>}, "records/far.ogg": )"
    R"({"hash": "f46c38e7d6d7b19d5d68aa18b557215738deb36a", "size": 1285938}, "sounds/records/cat.ogg": )"
    R"({"hash": "<H>", "size": <S>}}})";
const std::string kMall =
    R"({"objects":{"minecraft/sounds/records/mall.ogg":{"hash":"<H>","size":<S>},)"
    R"("minecraft/sounds/records/mellohi.ogg":{"hash":"6b44d0539073353b7a05330ccddc5735ba5efca4","size":663709}}})";
// The cat's hash inside longer tokens, which are other things and stay.
const std::string kLongerTokens =
    R"({"objects":{"a.ogg":{"hash":"d1eb3d2e39bf1f6289cfcbca44e1c9bb508b20f0e","size":1},)"
    R"("b.ogg":{"hash":"0d1eb3d2e39bf1f6289cfcbca44e1c9bb508b20f0","size":2},)"
    R"("minecraft/sounds/records/cat.ogg":{"hash":"<H>","size":<S>}}})";
const std::string kSizeFirst = R"({"objects":{"minecraft/sounds/records/cat.ogg":{"size":<S>,"hash":"<H>"}}})";
// A double-byte character whose trail byte is the letter A, right before the hash: no letter.
const std::string kGbkBefore = "{\"objects\":{\"minecraft/sounds/records/cat.ogg\":{\"hash\":\"\x81" "A<H>\",\"size\":<S>}}}";
// The hash's bytes from the trail byte of a double-byte character on: no occurrence.
const std::string kGbkTrail = "{\"objects\":{\"\x81" "d1eb3d2e39bf1f6289cfcbca44e1c9bb508b20f0.ogg\":{\"hash\":\"0\",\"size\":1}}}";
// A UTF-8 name (an odd run of bytes of 0x80 and above before a quote) kept byte for byte.
const std::string kUtf8Name =
    "{\"objects\":{\"minecraft/lang/\xE4\xBD\xA0\":{\"hash\":\"bdf48ef6b5d0d23bbb02e17d04865216179f510a\",\"size\":9},"
    "\"minecraft/sounds/records/cat.ogg\":{\"hash\":\"<H>\",\"size\":<S>},\"\xE4\xBD\xA0\":{\"hash\":\"<H>\",\"size\":<S>}}}";
const std::string kNoDisc =
    R"({"objects":{"minecraft/sounds/records/far.ogg":{"hash":"f46c38e7d6d7b19d5d68aa18b557215738deb36a","size":1285938}}})";

TEST(IndexRewrite, SetsTheTracksHashAndSizeInEveryShapeOfIndex) {
    const struct {
        const char* name;
        const std::string& index;
        std::string heldHash, heldSize;  // what <H> and <S> are in the index
        std::string storedHash;          // the state file's search hash
        const char* track;
        IndexMatch match;
        int hashes, sizes;
    } cases[] = {
        {"one line, minified", kMinified, kCatHash, "1286636", kCatHash, "cat.ogg", IndexMatch::byHash, 1, 1},
        {"one line, blanks after colons and commas", kSpaced, kCatHash, "1286636", kCatHash, "cat.ogg", IndexMatch::byHash, 1, 1},
        {"pretty, two spaces", kPrettyTwo, kCatHash, "1286636", kCatHash, "cat.ogg", IndexMatch::byHash, 1, 1},
        {"pretty, four spaces, CRLF", kPrettyFourCrlf, kCatHash, "1286636", kCatHash, "cat.ogg", IndexMatch::byHash, 1, 1},
        {"legacy, listed twice", kLegacy, kCatHash, "1286636", kCatHash, "cat.ogg", IndexMatch::byHash, 2, 2},
        {"legacy, other hashes: by name", kLegacy, kNewerHash, "1286000", kCatHash, "cat.ogg", IndexMatch::byName, 2, 2},
        {"newer version: by name", kMinified, kNewerHash, "1301234", kCatHash, "cat.ogg", IndexMatch::byName, 1, 1},
        {"newer version, pretty CRLF: by name", kPrettyFourCrlf, kNewerHash, "1301234", kCatHash, "cat.ogg", IndexMatch::byName, 1, 1},
        {"hash in upper case", kSpaced, Upper(kCatHash), "1286636", kCatHash, "cat.ogg", IndexMatch::byHash, 1, 1},
        {"state hash in upper case", kSpaced, kCatHash, "1286636", Upper(kCatHash), "cat.ogg", IndexMatch::byHash, 1, 1},
        {"mall: the index's size, not the table's", kMall, kMallHash, "1430016", kMallHash, "mall.ogg", IndexMatch::byHash, 1, 1},
        {"longer tokens stay", kLongerTokens, kCatHash, "1286636", kCatHash, "cat.ogg", IndexMatch::byHash, 1, 1},
        {"only longer tokens: by name", kLongerTokens, kNewerHash, "1286636", kCatHash, "cat.ogg", IndexMatch::byName, 1, 1},
        {"size before hash", kSizeFirst, kCatHash, "1286636", kCatHash, "cat.ogg", IndexMatch::byHash, 1, 1},
        {"double-byte character before the hash", kGbkBefore, kCatHash, "1286636", kCatHash, "cat.ogg", IndexMatch::byHash, 1, 1},
        {"hash from a trail byte on", kGbkTrail, "", "", kCatHash, "cat.ogg", IndexMatch::notFound, 0, 0},
        {"UTF-8 names", kUtf8Name, kCatHash, "1286636", kCatHash, "cat.ogg", IndexMatch::byHash, 2, 2},
        {"empty state hash: by name", kMinified, kCatHash, "1286636", "", "cat.ogg", IndexMatch::byName, 1, 1},
        {"no such disc", kNoDisc, "", "", kCatHash, "cat.ogg", IndexMatch::notFound, 0, 0},
        {"the disc's name, not another's", kMinified, kNewerHash, "1", kCatHash, "far.ogg", IndexMatch::notFound, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string index = Fill(c.index, c.heldHash, c.heldSize);
        const std::string expected = c.match == IndexMatch::notFound ? index : Fill(c.index, kNewHash, kNewSize);
        RewrittenIndex r = RewriteIndex(index, c.storedHash, c.track, kNewHash, kNewSize);
        EXPECT_STREQ(Name(r.match), Name(c.match));
        EXPECT_EQ(r.hashesReplaced, c.hashes);
        EXPECT_EQ(r.sizesSet, c.sizes);
        EXPECT_EQ(r.text, expected);
    }
}

// A generated index of several MB in the official shape (one line), with the twelve discs among
// many entries whose sizes and hashes share the cat's size digits, and UTF-8 names. The expected
// text is generated alongside, with the new values in the cat's entry.
TEST(IndexRewrite, SeveralMegabytesInOnePass) {
    uint64_t seed = 0x9E3779B97F4A7C15ull;
    auto next = [&] {
        seed ^= seed << 13;
        seed ^= seed >> 7;
        seed ^= seed << 17;
        return seed;
    };
    auto hex = [&] {
        static const char digits[] = "0123456789abcdef";
        std::string h;
        while (h.size() < 40) h += digits[next() % 16];
        return h;
    };
    const char* const discs[] = {"11.ogg",  "13.ogg",      "blocks.ogg", "cat.ogg",   "chirp.ogg", "far.ogg",
                                 "mall.ogg", "mellohi.ogg", "stal.ogg",   "strad.ogg", "wait.ogg",  "ward.ogg"};
    std::string index = "{\"objects\":{", expected = index;
    auto add = [&](const std::string& name, const std::string& hash, const std::string& size,
                   const std::string& newHash, const std::string& newSize) {
        auto entry = [&](std::string& to, const std::string& h, const std::string& s) {
            if (to.back() == '}') to += ',';
            to.append("\"").append(name).append("\":{\"hash\":\"").append(h).append("\",\"size\":").append(s).append("}");
        };
        entry(index, hash, size);
        entry(expected, newHash, newSize);
    };
    for (int i = 0; i < 48000; ++i) {
        if (i % 4000 == 1999) {
            const char* disc = discs[i / 4000];
            std::string name = std::string("minecraft/sounds/records/") + disc;
            if (name.ends_with("cat.ogg")) add(name, kCatHash, "1286636", kNewHash, kNewSize);
            else {
                std::string h = hex();
                add(name, h, "1000000", h, "1000000");
            }
            continue;
        }
        std::string h = hex();
        if (i % 97 == 0) h = h.substr(0, 5) + "1286636" + h.substr(12);  // the cat's size digits inside
        std::string size = i % 89 == 0 ? "1286636" : std::to_string(next() % 3000000);
        std::string name = i % 53 == 0 ? "minecraft/lang/\xE4\xBD\xA0" + std::to_string(i) + ".json"
                                       : "minecraft/sounds/gen/" + std::to_string(i) + ".ogg";
        add(name, h, size, h, size);
    }
    index += "}}";
    expected += "}}";
    ASSERT_GT(index.size(), 4u << 20);
    RewrittenIndex r = RewriteIndex(index, kCatHash, "cat.ogg", kNewHash, kNewSize);
    EXPECT_EQ(r.match, IndexMatch::byHash);
    EXPECT_EQ(r.hashesReplaced, 1);
    EXPECT_EQ(r.sizesSet, 1);
    EXPECT_TRUE(r.text == expected) << "the rewritten index differs from the expected one";
}

}  // namespace
