// cmdprobe: calls any built-in or support-library command by name with typed arguments from
// the command line, through the command-call entry, and prints the typed result.
//
//   cmdprobe NAME [ARG ...]
//   ARG:  t:TEXT  x:HEX (text as hex bytes)  b:HEX (byte set; b: alone is empty)
//         i:N  L:N  d:X  l:0|l:1  r:N (integer variable by reference)  - (omitted)
//         u:WINDOW:UNIT:TYPE (a unit reference: WindowId, UnitId, UnitTypeId in hex)
//   stdout: "box CAPTION TEXT" (hex) for each message box during the call, then
//           "TTTTTTTT VALUE", then "ref N" for each r: argument.
//   A fatal runtime error ends the probe after its box line with exit code -1; an unknown
//   NAME or a malformed ARG is a message on stderr and exit code 2.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "runtime/ArgRecord.h"
#include "runtime/RuntimeApplication.h"
#include "runtime/SupportLibraries.h"
#include "runtime/Values.h"
#include "tests/support/WindowDriver.h"

namespace {

using testing_support::ReadBox;
using testing_support::ToHex;

void WriteLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Watches this process's message boxes like a user: reads each, reports it, presses its
// default button.
DWORD WINAPI WatchBoxes(void*) {
    std::set<HWND> handled;
    for (;;) {
        HWND box = testing_support::FindProcessDialog(GetCurrentProcessId());
        if (box && !handled.count(box)) {
            testing_support::WaitUntilBoxReady(box);
            auto seen = ReadBox(box);
            WriteLine("box " + ToHex(seen.caption) + " " + ToHex(seen.text));
            handled.insert(box);
            testing_support::PressDefaultButton(box);
        }
        for (auto it = handled.begin(); it != handled.end();) it = IsWindow(*it) ? std::next(it) : handled.erase(it);
        Sleep(15);
    }
}

[[noreturn]] void Usage(const std::string& message) {
    std::fprintf(stderr, "cmdprobe: %s\n", message.c_str());
    std::exit(2);
}

bool ParseHex(const char* s, std::string& out) {
    size_t n = std::strlen(s);
    if (n % 2) return false;
    for (size_t i = 0; i < n; i += 2) {
        char pair[3] = {s[i], s[i + 1], 0};
        char* end = nullptr;
        long v = std::strtol(pair, &end, 16);
        if (*end || !std::isxdigit(static_cast<unsigned char>(pair[0])) || !std::isxdigit(static_cast<unsigned char>(pair[1])))
            return false;
        out += static_cast<char>(v);
    }
    return true;
}

bool ParseInt64(const char* s, int64_t& v) {
    if (!*s) return false;
    char* end = nullptr;
    errno = 0;
    long long x = std::strtoll(s, &end, 0);
    if (*end || errno) return false;
    v = x;
    return true;
}

struct ProbeArgs {
    std::vector<ArgRecord> records;
    std::deque<std::string> texts;           // keeps text bytes alive for the call
    std::deque<std::vector<uint8_t>> blocks;  // byte set blocks
    std::deque<int32_t> refs;                 // variables passed by reference
};

void ParseArg(const char* a, ProbeArgs& p) {
    std::string arg = a;
    if (arg == "-") {
        p.records.push_back(ArgRecord::Empty());
        return;
    }
    if (arg.size() < 2 || arg[1] != ':') Usage("malformed argument '" + arg + "'");
    const char* v = a + 2;
    int64_t n = 0;
    switch (arg[0]) {
    case 't':
    case 'x': {
        std::string bytes;
        if (arg[0] == 't') bytes = v;
        else if (!ParseHex(v, bytes)) Usage("malformed hex text '" + arg + "'");
        if (bytes.find('\0') != std::string::npos) Usage("a text cannot hold a zero byte: '" + arg + "'");
        p.texts.push_back(bytes);
        p.records.push_back(ArgRecord::Text(bytes.empty() ? SharedEmptyText() : p.texts.back().c_str()));
        return;
    }
    case 'b': {
        std::string bytes;
        if (!ParseHex(v, bytes)) Usage("malformed byte set '" + arg + "'");
        if (bytes.empty()) {
            p.records.push_back(ArgRecord::Bytes(SharedEmptyByteSet()));
            return;
        }
        std::vector<uint8_t> block(sizeof(ByteSet) + bytes.size());
        auto header = reinterpret_cast<ByteSet*>(block.data());
        header->one = 1;
        header->length = static_cast<uint32_t>(bytes.size());
        std::memcpy(header->Bytes(), bytes.data(), bytes.size());
        p.blocks.push_back(std::move(block));
        p.records.push_back(ArgRecord::Bytes(reinterpret_cast<const ByteSet*>(p.blocks.back().data())));
        return;
    }
    case 'i':
    case 'r':
        if (!ParseInt64(v, n) || n < INT32_MIN || n > UINT32_MAX) Usage("malformed integer '" + arg + "'");
        if (arg[0] == 'i') {
            p.records.push_back(ArgRecord::Int(static_cast<int32_t>(n)));
        } else {
            p.refs.push_back(static_cast<int32_t>(n));
            p.records.push_back(ArgRecord::Ref(&p.refs.back(), kTypeInt));
        }
        return;
    case 'L':
        if (!ParseInt64(v, n)) Usage("malformed long integer '" + arg + "'");
        p.records.push_back(ArgRecord::Long(n));
        return;
    case 'd': {
        char* end = nullptr;
        double d = std::strtod(v, &end);
        if (!*v || *end) Usage("malformed double '" + arg + "'");
        p.records.push_back(ArgRecord::Double(d));
        return;
    }
    case 'u': {
        uint32_t ids[3];
        char* end = const_cast<char*>(v);
        for (int i = 0; i < 3; ++i) {
            const char* from = end;
            ids[i] = static_cast<uint32_t>(std::strtoul(from, &end, 16));
            if (end == from || *end != (i < 2 ? ':' : '\0')) Usage("malformed unit reference '" + arg + "'");
            if (i < 2) ++end;
        }
        p.records.push_back(ArgRecord::Unit(ids[0], ids[1], ids[2]));
        return;
    }
    case 'l':
        if (arg != "l:0" && arg != "l:1") Usage("malformed logical '" + arg + "'");
        p.records.push_back(ArgRecord::Logical(arg == "l:1"));
        return;
    default: Usage("malformed argument '" + arg + "'");
    }
}

std::string FormatValue(const ArgRecord& r) {
    char buf[64];
    switch (r.type) {
    case kTypeEmpty: return "";
    case kTypeText: {
        const char* t = r.AsText();
        return t ? ToHex(t) : "";
    }
    case kTypeByteSet: {
        const ByteSet* b = r.AsByteSet();
        return b ? ToHex(std::string(reinterpret_cast<const char*>(b->Bytes()), b->length)) : "";
    }
    case kTypeDouble:
    case kTypeDateTime: std::snprintf(buf, sizeof buf, "%.17g", r.data.f64); return buf;
    case kTypeFloat: std::snprintf(buf, sizeof buf, "%.17g", static_cast<double>(r.AsFloat())); return buf;
    case kTypeLong: std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(r.data.i64)); return buf;
    case kTypeByte: std::snprintf(buf, sizeof buf, "%u", r.data.words.low & 0xFF); return buf;
    case kTypeShort: std::snprintf(buf, sizeof buf, "%d", static_cast<int16_t>(r.data.words.low)); return buf;
    case kTypeSubroutine:
        std::snprintf(buf, sizeof buf, "%llu", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(r.data.ptr)));
        return buf;
    default: std::snprintf(buf, sizeof buf, "%d", static_cast<int32_t>(r.data.words.low)); return buf;
    }
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 2) Usage("usage: cmdprobe NAME [ARG ...]");
    FoundCommand command = FindLibraryCommand(argv[1]);
    if (!command.entry) Usage(std::string("unknown command '") + argv[1] + "'");
    ProbeArgs args;
    for (int i = 2; i < argc; ++i) ParseArg(argv[i], args);

    InitRuntime();
    CreateThread(nullptr, 0, WatchBoxes, nullptr, 0, nullptr);
    ArgRecord result = CallLibraryCommand(command.libraryIndex, command.entry, static_cast<int32_t>(args.records.size()),
                                          args.records.empty() ? nullptr : args.records.data());
    char code[16];
    std::snprintf(code, sizeof code, "%08x", result.type);
    WriteLine(std::string(code) + " " + FormatValue(result));
    for (int32_t v : args.refs) WriteLine("ref " + std::to_string(v));
    if (result.type == kTypeText || result.type == kTypeByteSet) RuntimeFree(result.data.ptr);
    EndProgram(0);
}
