// Taking over the standard controls of a skinned window: each kind's children are found by
// class, selected by style, given a record in the kind's list, numbered in their properties
// and subclassed with the kind's procedure. One routine carries the shared pattern; the kinds
// differ only in the rows of kKinds and in what their records read from the control.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

#include "gdiplus/Gdiplus.h"
#include "skin/SkinEngine.h"
#include "skin/controls/ControlProcedures.h"
#include "skin/controls/ControlRecords.h"
#include "skin/controls/ControlSupport.h"
#include "skin/controls/ControlSystemCalls.h"
#include "skin/controls/TakeOverControl.h"

namespace skin::controls {

namespace {

constexpr LONG kOwnerDrawBits = BS_OWNERDRAW;  // 0xB

int32_t LowStyle(HWND control) { return static_cast<int32_t>(StyleOf(control) & 0xF); }

// ---- what the records read at take-over ----

Text WindowTextOf(HWND window) {
    const int length = sys::GetWindowTextLengthA(window);
    if (length <= 0) return Text();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int read = sys::GetWindowTextA(window, text.data(), length + 1);
    return Text::Copy(std::string_view(text.data(), static_cast<size_t>(read > 0 ? read : 0)));
}

// Name, size and style of the font the button reports, through GDI+.
void ReadButtonFont(ButtonRecord& record, HWND button) {
    const auto font = reinterpret_cast<HFONT>(sys::SendMessageA(button, WM_GETFONT, 0, 0));
    HDC dc = sys::GetDC(button);
    auto plusFont = gdip::Make<gdip::PlusFont>();
    if (font) plusFont->CreateFontFromHFONT(dc, font);
    else plusFont->CreateFontFromHFONT(dc);
    record.fontSize = static_cast<int32_t>(plusFont->GetFontSize());
    record.fontStyle = plusFont->GetFontStyle();
    auto family = gdip::Make<gdip::PlusFontFamily>();
    if (plusFont->GetFamily(family.Get())) record.fontName = Text(family->GetFamilyName());
    family->DeleteFontFamily();
    sys::ReleaseDC(button, dc);
    if (record.fontName.Length() == 0) record.fontName = Text::Copy("宋体");
    if (record.fontSize == 0) record.fontSize = 12;
}

void FillButton(ButtonRecord& record, HWND button, int32_t kind) {
    record.buttonKind = kind;
    record.text = WindowTextOf(button);
    ReadButtonFont(record, button);
    if (kind == kRadioButton || kind == kCheckBox)
        record.checked = static_cast<int32_t>(sys::SendMessageA(button, BM_GETCHECK, 0, 0));
}

// Calls fn for each direct child of the window of the class.
template <class Fn>
void ForEachChild(HWND window, const char* className, Fn fn) {
    for (HWND child = sys::FindWindowExA(window, nullptr, className, nullptr); child;
         child = sys::FindWindowExA(window, child, className, nullptr))
        fn(child);
}

// A kind taken over by its class alone, with no field read beyond the handle.
template <class Record>
void TakeOverAll(int32_t windowNumber, HWND window, const char* className, WNDPROC procedure) {
    ForEachChild(window, className, [&](HWND child) {
        TakeOverControl<Record>(windowNumber, child, procedure, 0, [](Record&, HWND) {});
    });
}

// The list family: the classes whose children take the list procedure, and those found
// inside each child of another class.
struct ListClassRow {
    const char* className;
    const char* inside;  // null: a direct child of the window
};
constexpr ListClassRow kListClasses[] = {
    {"ListBox", nullptr},       {"ComboLBox", "ComboBox"},  {"SysListView32", nullptr},
    {"SysTreeView32", nullptr}, {"SysIPAddress32", nullptr}, {"SysDateTimePick32", nullptr},
};

}  // namespace

void TakeOverButtons(int32_t windowNumber, HWND window) {
    if (!settings.skinControls) return;
    ForEachChild(window, "BUTTON", [&](HWND child) {
        const int32_t t = LowStyle(child);
        if (t != BS_PUSHBUTTON && t != BS_DEFPUSHBUTTON && t != BS_USERBUTTON) return;
        TakeOverControl<ButtonRecord>(windowNumber, child, ButtonProc, kOwnerDrawBits,
                                      [](ButtonRecord& r, HWND b) { FillButton(r, b, kPushButton); });
    });
}

void TakeOverCheckBoxes(int32_t windowNumber, HWND window) {
    if (!settings.skinControls) return;
    ForEachChild(window, "BUTTON", [&](HWND child) {
        if ((StyleOf(child) & kOwnerDrawBits) == kOwnerDrawBits) return;
        const int32_t t = LowStyle(child);
        const bool checkBox = (t & 2) != 0 && (t & 4) == 0;
        if (!checkBox && t != BS_AUTORADIOBUTTON) return;
        const int32_t kind = checkBox ? kCheckBox : kRadioButton;
        TakeOverControl<ButtonRecord>(windowNumber, child, ButtonProc, 0,
                                      [kind](ButtonRecord& r, HWND b) { FillButton(r, b, kind); });
    });
}

void TakeOverEditsAndCombos(int32_t windowNumber, HWND window) {
    if (!settings.skinControls) return;
    TakeOverAll<EditRecord>(windowNumber, window, "Edit", EditProc);
    ForEachChild(window, "ComboBox", [&](HWND combo) {
        TakeOverControl<ComboRecord>(windowNumber, combo, ComboProc, 0, [](ComboRecord&, HWND) {});
        if (HWND edit = sys::FindWindowExA(combo, nullptr, "Edit", nullptr))
            TakeOverControl<EditRecord>(windowNumber, edit, EditProc, 0, [](EditRecord&, HWND) {});
    });
}

void TakeOverTrackbars(int32_t windowNumber, HWND window) {
    if (!settings.skinControls) return;
    ForEachChild(window, "msctls_trackbar32", [&](HWND child) {
        TakeOverControl<TrackbarRecord>(windowNumber, child, TrackbarProc, 0, [](TrackbarRecord& r, HWND t) {
            const LONG style = StyleOf(t);
            r.vertical = (style & TBS_VERT) ? 1 : 0;
            r.tickPlacement = style & (TBS_TOP | TBS_BOTH | TBS_NOTICKS);
            r.selectionRange = (style & TBS_ENABLESELRANGE) ? 1 : 0;
        });
    });
}

void TakeOverProgressBars(int32_t windowNumber, HWND window) {
    if (!settings.skinControls) return;
    ForEachChild(window, "msctls_progress32", [&](HWND child) {
        TakeOverControl<ProgressRecord>(windowNumber, child, ProgressProc, 0,
                                        [](ProgressRecord& r, HWND p) { r.vertical = (StyleOf(p) & PBS_VERTICAL) ? 1 : 0; });
    });
}

void TakeOverLists(int32_t windowNumber, HWND window) {
    if (!settings.skinControls) return;
    for (const ListClassRow& row : kListClasses) {
        if (!row.inside) {
            TakeOverAll<ListRecord>(windowNumber, window, row.className, ListProc);
            continue;
        }
        ForEachChild(window, row.inside, [&](HWND outer) {
            if (HWND inner = sys::FindWindowExA(outer, nullptr, row.className, nullptr))
                TakeOverControl<ListRecord>(windowNumber, inner, ListProc, 0, [](ListRecord&, HWND) {});
        });
    }
}

void TakeOverUpDowns(int32_t windowNumber, HWND window) {
    if (!settings.skinControls) return;
    ForEachChild(window, "msctls_updown32", [&](HWND child) {
        TakeOverControl<UpDownRecord>(windowNumber, child, UpDownProc, 0,
                                      [](UpDownRecord& r, HWND u) { r.horizontal = (StyleOf(u) & UDS_HORZ) ? 1 : 0; });
    });
}

void TakeOverHeaders(int32_t windowNumber, HWND window) {
    if (!settings.skinControls) return;
    ForEachChild(window, "SysListView32", [&](HWND listView) {
        if (HWND header = sys::FindWindowExA(listView, nullptr, "SysHeader32", nullptr))
            TakeOverControl<HeaderRecord>(windowNumber, header, HeaderProc, 0, [](HeaderRecord&, HWND) {});
    });
}

// ---- registrations outside SkinWindow ----

int32_t AddDrawnButton(HWND window, HWND button, DrawnButtonPaint paint, int32_t kind) {
    const int32_t windowNumber = WindowNumberOf(window);
    if (!windowNumber || !button || (kind != kDrawnButton && kind != kDrawnStateButton)) return 0;
    return TakeOverControl<ButtonRecord>(windowNumber, button, ButtonProc, kOwnerDrawBits, [&](ButtonRecord& r, HWND b) {
        FillButton(r, b, kind);
        r.paint = paint;
    });
}

}  // namespace skin::controls
