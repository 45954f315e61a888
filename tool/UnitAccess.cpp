#include "tool/UnitAccess.h"

#include "forms/UnitProperties.h"
#include "runtime/RuntimeEntryTable.h"

namespace {
constexpr int32_t kWholeProperty = -1;
}

Text ReadTextProperty(const UnitName& u, int32_t property) {
    ArgRecord value = RuntimeEntries().readUnitProperty(u.window, u.unit, property, kWholeProperty);
    return Text(value.type == kTypeText ? static_cast<char*>(value.data.ptr) : nullptr);
}

void WriteTextProperty(const UnitName& u, int32_t property, const char* text) {
    RuntimeEntries().writeUnitProperty(u.window, u.unit, property, kWholeProperty, forms::LowWord(text),
                                       forms::HighWord(text));
}

int32_t ReadIntProperty(const UnitName& u, int32_t property) {
    return RuntimeEntries().readUnitProperty(u.window, u.unit, property, kWholeProperty).AsInt();
}
