#include "support/EncodingConversion.h"

#include <iconv.h>

#include <cerrno>
#include <cstdlib>
#include <limits>

#include "runtime/CommandArgs.h"
#include "support/EncodingLibrary.h"

namespace {

// The work buffer: C heap, freed on every way out.
class WorkBuffer {
public:
    WorkBuffer(const WorkBuffer&) = delete;
    WorkBuffer& operator=(const WorkBuffer&) = delete;
    explicit WorkBuffer(size_t size) : data_(static_cast<char*>(std::malloc(size))), size_(data_ ? size : 0) {}
    ~WorkBuffer() { std::free(data_); }
    char* Data() const { return data_; }
    size_t Size() const { return size_; }
    bool Grow(size_t by) {
        if (by > std::numeric_limits<size_t>::max() - size_) return false;
        auto* grown = static_cast<char*>(std::realloc(data_, size_ + by));
        if (!grown) return false;
        data_ = grown;
        size_ += by;
        return true;
    }

private:
    char* data_;
    size_t size_;
};

StepOutcome IconvStep(void* converter, const char** in, size_t* inLeft, char** out, size_t* outLeft) {
    if (iconv(static_cast<iconv_t>(converter), in, inLeft, out, outLeft) != static_cast<size_t>(-1))
        return StepOutcome::Done;
    return errno == E2BIG ? StepOutcome::OutOfRoom : StepOutcome::Failed;
}

// An open libiconv converter, closed when it goes.
class Converter {
public:
    Converter(const char* target, const char* source) : cd_(iconv_open(target, source)) {}
    ~Converter() {
        if (IsOpen()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool IsOpen() const { return cd_ != reinterpret_cast<iconv_t>(static_cast<intptr_t>(-1)); }
    void* Handle() const { return cd_; }

private:
    iconv_t cd_;
};

}  // namespace

ConversionResult RunGrowingConversion(const ByteSet* input, ConversionStep step, void* converter, const RuntimeLink& runtime) {
    if (!input) return {false, nullptr};
    const size_t length = input->length;
    if (length == 0) return {true, nullptr};
    const size_t growth = ConversionGrowthStep(length);
    WorkBuffer buffer(length);
    if (!buffer.Data()) return {false, nullptr};

    auto in = reinterpret_cast<const char*>(input->Bytes());
    size_t inLeft = length;
    char* out = buffer.Data();
    size_t outLeft = length;
    for (int call = 1;; ++call) {
        StepOutcome outcome = step(converter, &in, &inLeft, &out, &outLeft);
        if (outcome == StepOutcome::Done) {
            size_t produced = buffer.Size() - outLeft;
            if (produced == 0) return {true, nullptr};
            ByteSet* bytes = runtime.MakeByteSet(buffer.Data(), produced);
            return {bytes != nullptr, bytes};
        }
        if (outcome == StepOutcome::Failed || call == kMaxConversionCalls) return {false, nullptr};
        const size_t offset = static_cast<size_t>(out - buffer.Data());
        if (!buffer.Grow(growth)) return {false, nullptr};
        out = buffer.Data() + offset;
        outLeft += growth;
    }
}

void ConvertEncoding(ArgRecord* result, int32_t n, ArgRecord* args) {
    // The success variable: the caller's 32-bit logical passed by reference. Any other fourth
    // argument is taken as left out; its data word is no address to write to.
    int32_t* success = command_args::Int32VariableAt(n, args, 3);
    if (success) *success = 0;
    *result = ArgRecord::Bytes(nullptr);

    // An empty name is refused like a name libiconv rejects.
    const char* source = command_args::TextAt(n, args, 1);
    const char* target = command_args::TextAt(n, args, 2);
    if (!*source || !*target) return;
    Converter converter(target, source);
    if (!converter.IsOpen()) return;

    const ByteSet* input = command_args::BytesAt(n, args, 0);
    ConversionResult converted = RunGrowingConversion(input, IconvStep, converter.Handle(), EncodingLibraryRuntime());
    *result = ArgRecord::Bytes(converted.bytes);
    if (converted.succeeded && success) *success = 1;
}
