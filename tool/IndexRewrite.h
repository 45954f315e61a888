// The rewrite of an asset index for one replaced disc track: a pure function over the index
// text (GBK bytes; bytes that are not GBK, such as UTF-8 names, pass through untouched).
//
// By hash: every occurrence of the stored hash that stands as a whole token (no ASCII letter or
// digit right before or after it; ASCII case ignored; searched along the GBK walk, so a match
// never starts at the trail byte of a double-byte character, and such a character before it is
// no letter) is replaced by the new hash, and in each entry (the JSON object holding such an
// occurrence) the value of "size" is set to the new size text, whatever number it held.
//
// By name, when the stored hash stands nowhere as a whole token: the track's entry under the key
// "minecraft/sounds/records/<track>" (current indexes) or "sounds/records/<track>" and
// "records/<track>" (legacy indexes, which list each disc twice) gets the new hash as its "hash"
// value and the new size text as its "size" value, in every entry found.
//
// Every other byte stays as it was: line ends, spacing, the order of the members.
// The cost is linear in the length of the index.
#pragma once
#include <string>
#include <string_view>

enum class IndexMatch {
    byHash,    // the stored hash was found and replaced
    byName,    // the hash was not there; the track's entries, found by their keys, were rewritten
    notFound,  // neither: the text is the index unchanged
};

struct RewrittenIndex {
    std::string text;
    IndexMatch match = IndexMatch::notFound;
    int hashesReplaced = 0;  // occurrences of the hash replaced, or entries given the new hash by name
    int sizesSet = 0;        // entries whose "size" value was set
};

// storedHash: the search hash of the track's pair in the state file (an empty one is found
// nowhere); trackFileName: the track's file name as the disc table has it ("cat.ogg");
// newHash, newSizeText: the chosen audio file's lower-case SHA-1 and decimal size text, written
// as they are.
RewrittenIndex RewriteIndex(std::string_view index, std::string_view storedHash, std::string_view trackFileName,
                            std::string_view newHash, std::string_view newSizeText);
