// The pattern every take-over shares: a record in the kind's list of the window (the list's
// first, empty record or a new one), the numbers in the control's properties, the kind's
// procedure in place of the control's own, which the record and a property ("Hw_hProc", or
// "Kj_hProc" for the other controls) keep.
#pragma once
#include <windows.h>

#include <cstdint>

#include "skin/SkinEngine.h"
#include "skin/controls/ControlSupport.h"
#include "skin/controls/ControlSystemCalls.h"

namespace skin::controls {

// Takes over one control into its kind's list of the window: the record's first empty slot or
// a new one, the numbers in the properties, the kind's procedure, the style bits added.
// Returns the control number, 0 when the control already has a record.
template <class Record, class Fill>
int32_t TakeOverControl(int32_t windowNumber, HWND control, WNDPROC procedure, LONG styleBits, Fill fill) {
    SkinnedWindowRecord* window = WindowRecord(windowNumber);
    if (!window) return 0;
    auto& records = ListOf<Record>::In(window->controls).records;
    for (const Record& record : records)
        if (record.hwnd == control) return 0;
    if (!(records.size() == 1 && records.front().hwnd == nullptr)) records.emplace_back();
    const auto number = static_cast<int32_t>(records.size());
    Record& record = records.back();
    record = Record{};
    record.hwnd = control;
    fill(record, control);
    const RecordKeys& keys = KeysOf<Record>();
    WriteProperty(control, keys.number, number);
    WriteProperty(control, keys.windowNumber, windowNumber);
    const auto previous = reinterpret_cast<WNDPROC>(
        sys::SetWindowLongValue(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    records[static_cast<size_t>(number) - 1].previousProc = previous;
    WriteProperty(control, keys.previousProc, reinterpret_cast<intptr_t>(previous));
    if (styleBits) sys::SetWindowLongValue(control, GWL_STYLE, StyleOf(control) | styleBits);
    return number;
}

}  // namespace skin::controls
