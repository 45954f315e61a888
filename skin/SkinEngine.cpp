// The skin object's table, its construction and destruction, the registry and the properties.
#include "skin/SkinEngine.h"

#include <initializer_list>

#include "skin/SkinFrame.h"
#include "skin/SkinSystemCalls.h"

namespace skin {

SkinSettings settings;

namespace {

SkinEngine* theSkin = nullptr;


#define SKIN_TABLE_ENTRY_(pos, name) \
    gdip::OperationEntry{#name, reinterpret_cast<gdip::OperationAddress>(&SkinEngineOps::name)},
#define SKIN_POSITION_(pos, name) pos,

const gdip::OperationEntry kSkinEngineTable[] = {SKIN_ENGINE_OPERATIONS(SKIN_TABLE_ENTRY_)};

constexpr bool InDeclaredOrder(std::initializer_list<int> positions) {
    int expected = 0;
    for (int position : positions)
        if (position != expected++) return false;
    return expected == kSkinEngineOperationCount;
}
static_assert(InDeclaredOrder({SKIN_ENGINE_OPERATIONS(SKIN_POSITION_)}), "SkinEngine: rows out of their declared order");

// The entries handed to Windows and to callers: they reach the one object's table.
LRESULT CALLBACK FrameEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SkinEngine* skin = theSkin;
    if (!skin) {
        auto previous = reinterpret_cast<WNDPROC>(ReadProperty(window, props::kPreviousProc));
        return previous ? sys::CallWindowProcA(previous, window, message, wParam, lParam)
                        : sys::DefWindowProcA(window, message, wParam, lParam);
    }
    return skin->FrameWindowProc(window, message, wParam, lParam);
}

int32_t __stdcall CaptionClickRoutine(int32_t windowNumber, int32_t button) {
    return theSkin ? theSkin->OnCaptionButton(windowNumber, button) : 0;
}

}  // namespace

std::vector<std::unique_ptr<SkinnedWindowRecord>>& frame::Records() {
    static std::vector<std::unique_ptr<SkinnedWindowRecord>> records;
    return records;
}

std::span<const gdip::OperationEntry> SkinEngineTable() { return kSkinEngineTable; }

// ---- properties ----

intptr_t ReadProperty(HWND window, const char* key) { return reinterpret_cast<intptr_t>(sys::GetPropA(window, key)); }

void WriteProperty(HWND window, const char* key, intptr_t value) {
    sys::SetPropA(window, key, reinterpret_cast<HANDLE>(value));
}

// ---- the registry ----

int32_t WindowCount() { return static_cast<int32_t>(frame::Records().size()); }

SkinnedWindowRecord* WindowRecord(int32_t windowNumber) {
    if (windowNumber < 1 || windowNumber > WindowCount()) return nullptr;
    return frame::Records()[static_cast<size_t>(windowNumber - 1)].get();
}

int32_t WindowNumberOf(HWND window) {
    if (!window) return 0;
    const auto number = static_cast<int32_t>(ReadProperty(window, props::kNumber));
    if (const SkinnedWindowRecord* record = WindowRecord(number); record && record->hwnd == window) return number;
    for (int32_t n = 1; n <= WindowCount(); ++n)
        if (WindowRecord(n)->hwnd == window) return n;
    return 0;
}

// ---- the object's life ----

SkinEngine* NewSkinEngine() {
    auto* engine = static_cast<SkinEngine*>(RuntimeAlloc(sizeof(SkinEngine)));
    engine->operations = kSkinEngineTable;
    engine->frameEntry = &FrameEntry;
    engine->frameInset = 0;
    engine->hotCaptionButton = 0;
    engine->captionClickEntry = &CaptionClickRoutine;
    settings.backgroundColour = sys::GetSysColor(COLOR_BTNFACE);
    theSkin = engine;
    return engine;
}

void ReleaseSkinEngine(SkinEngine* engine) {
    if (!engine) return;
    engine->Destroy();
    if (theSkin == engine) theSkin = nullptr;
    RuntimeFree(engine);
}

SkinEngine* TheSkin() { return theSkin; }

}  // namespace skin
