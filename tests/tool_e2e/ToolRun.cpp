#include "tests/tool_e2e/ToolRun.h"

#include "tests/support/InputDriver.h"
#include "tests/support/ProcessRunner.h"

using namespace testing_support;

namespace tool_e2e {

ToolRun::ToolRun(const std::string& programPath) {
    process_.Start(Quote(programPath), ProgramFolder().c_str());
}

ToolRun::ToolRun(const std::string& commandLine, bool) { process_.Start(commandLine, ProgramFolder().c_str()); }

bool ToolRun::Running() { return process_.Wait(0) == STILL_ACTIVE; }

HWND ToolRun::NextDialog(DWORD timeoutMs) {
    // The dialog answered last may still be on screen for a moment.
    if (lastDialog_) WaitUntilGone(lastDialog_, 10000);
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(5)) {
        HWND dialog = FindProcessDialog(Id());
        if (dialog && dialog != lastDialog_) {
            // A dialog is being built when first seen: a box is ready once its text is there, the
            // file dialog once it has its file-name box.
            for (DWORD built = GetTickCount(); GetTickCount() - built < 10000; Sleep(10)) {
                if (IsFileDialog(dialog) && IsWindowVisible(GetDlgItem(dialog, 0x47C))) break;
                HWND text = GetDlgItem(dialog, 0xFFFF);
                if (text && GetWindowTextLengthA(text) > 0) break;
            }
            return lastDialog_ = dialog;
        }
        if (dialog == lastDialog_ && dialog && !IsWindowVisible(dialog)) lastDialog_ = nullptr;
        if (!Running()) return nullptr;
    }
    return nullptr;
}

Box ToolRun::AnswerBox(int button) {
    Box box;
    HWND dialog = NextDialog();
    if (!dialog || IsFileDialog(dialog)) return box;
    WaitUntilBoxReady(dialog);
    BoxSeen seen = ReadBox(dialog);
    box.title = seen.caption;
    box.text = seen.text;
    box.buttons = BoxButtons(dialog);
    // The icon is read from the screen: the box must have been painted and be in front.
    BringToFront(dialog);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(50);
    box.icon = BoxIconStyle(dialog);
    if (button) PressButton(dialog, button);
    else PressDefaultButton(dialog);
    return box;
}

bool ToolRun::ChooseFile(const std::string& path) {
    HWND dialog = NextDialog();
    if (!dialog || !IsFileDialog(dialog)) return false;
    lastFilter_ = FileDialogFilterShown(dialog);
    return ChooseInFileDialog(dialog, path);
}

bool ToolRun::CancelFile() {
    HWND dialog = NextDialog();
    if (!dialog || !IsFileDialog(dialog)) return false;
    lastFilter_ = FileDialogFilterShown(dialog);
    CancelFileDialog(dialog);
    return true;
}

HWND ToolRun::MainWindow(DWORD timeoutMs) {
    if (main_ && IsWindow(main_)) return main_;
    // A box or dialog instead of the window: the start went another way; no use waiting.
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs && Running(); Sleep(5)) {
        if ((main_ = FindProcessWindow(Id(), "WTWindow", kMainTitle))) return main_;
        HWND dialog = FindProcessDialog(Id());
        if (dialog && dialog != lastDialog_) return nullptr;
    }
    return nullptr;
}

HWND ToolRun::Unit(const UnitPlace& place) {
    HWND main = MainWindow();
    return main ? ChildWithRect(main, place.left, place.top, place.width, place.height) : nullptr;
}

std::string ToolRun::Text(const UnitPlace& place) {
    HWND unit = Unit(place);
    return unit ? WindowText(unit) : "<no unit>";
}

bool ToolRun::Visible(const UnitPlace& place) {
    HWND unit = Unit(place);
    return unit && IsWindowVisible(unit);
}

bool ToolRun::Click(const UnitPlace& place) {
    HWND unit = Unit(place);
    if (!unit) return false;
    // Two presses on the same spot within the double-click time are a double click, which a
    // skinned push button takes as one click: the next click comes as a user's next click would.
    static DWORD lastClick = 0;
    const DWORD spacing = GetDoubleClickTime() + 50;
    for (DWORD since = GetTickCount() - lastClick; lastClick && since < spacing; since = GetTickCount() - lastClick) Sleep(spacing - since);
    const bool clicked = ClickWindow(unit);
    lastClick = GetTickCount();
    return clicked;
}

bool ToolRun::SelectDisc(int index) {
    HWND list = Unit(kDiscListPlace);
    if (!list) return false;
    RECT client;
    GetClientRect(list, &client);
    for (int scrolls = 0; scrolls < 20; ++scrolls) {
        RECT item{};
        if (SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) == LB_ERR) return false;
        if (item.top >= client.top && item.bottom <= client.bottom) {
            if (!ClickClientPoint(list, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2})) return false;
            for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(10))
                if (DiscSelection() == index) return true;
            return false;
        }
        // The item lies below (or above) the visible part: the scroll bar's arrow, as a user does.
        const int arrowX = client.right + GetSystemMetrics(SM_CXVSCROLL) / 2;
        const int arrowY = item.top < client.top ? client.top + GetSystemMetrics(SM_CYVSCROLL) / 2
                                                 : client.bottom - GetSystemMetrics(SM_CYVSCROLL) / 2;
        int topBefore = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
        if (!ClickClientPoint(list, POINT{arrowX, arrowY})) return false;
        for (DWORD start = GetTickCount(); GetTickCount() - start < 2000; Sleep(10))
            if (SendMessageA(list, LB_GETTOPINDEX, 0, 0) != topBefore) break;
    }
    return false;
}

int ToolRun::DiscSelection() {
    HWND list = Unit(kDiscListPlace);
    return list ? static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)) : -2;
}

std::string ToolRun::DiscItem(int index) {
    HWND list = Unit(kDiscListPlace);
    if (!list) return {};
    // LB_GETTEXT does not convert across processes: ask for the wide text and convert it here.
    LRESULT n = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (n == LB_ERR) return {};
    std::wstring wide(static_cast<size_t>(n) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(static_cast<size_t>(n));
    std::string text(wide.size() * 2 + 1, '\0');
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(),
                                    static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
    return text;
}

bool ToolRun::PressEscape(HWND window) { return PressKey(window, VK_ESCAPE); }

DWORD ToolRun::WaitExit(DWORD timeoutMs) { return process_.Wait(timeoutMs); }

}  // namespace tool_e2e
