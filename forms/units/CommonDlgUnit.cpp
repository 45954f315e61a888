#include "forms/units/CommonDlgUnit.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

#include "commands/GbkText.h"

namespace forms {
namespace {

constexpr const char* kClassName = "_EL_CommonDlg";
// The file name buffer: room for any path the platform's dialog hands back.
constexpr size_t kFileBufferSize = 32768;
constexpr int32_t kMaxType = 3;
constexpr int32_t kMaxHelpCommand = 5;
// Help commands 0 to 5.
constexpr UINT kHelpCommands[] = {HELP_CONTENTS, HELP_CONTEXT, HELP_CONTEXTPOPUP, HELP_FINDER, HELP_HELPONHELP, HELP_QUIT};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

void ClampChoices(tpl::CommonDlgProperties& p) {
    p.type = Clamp(p.type, 0, kMaxType);
    p.helpCommand = Clamp(p.helpCommand, 0, kMaxHelpCommand);
    if (p.initialFilter < 0) p.initialFilter = 0;
    if (p.fontSize < 0) p.fontSize = 0;
}

// The window the dialog belongs to: the thread's active window, so that it stays disabled
// while the dialog is up; none when no window of the program is active.
HWND DialogOwner() { return GetActiveWindow(); }

int32_t ScreenDpiY() {
    HDC dc = GetDC(nullptr);
    int32_t dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return dpi;
}

}  // namespace

std::string FileDialogFilter(const std::string& filter) {
    std::string f = filter;
    while (!f.empty() && IsBlank(f.back())) f.pop_back();  // blanks are never second bytes
    if (f.empty()) return f;
    // The positions of the "|" characters, stepping over double-byte characters.
    std::vector<size_t> bars;
    for (size_t i = 0; i < f.size(); ++i) {
        if (gbk::IsLeadByte(static_cast<uint8_t>(f[i])) && i + 1 < f.size()) ++i;
        else if (f[i] == '|') bars.push_back(i);
    }
    size_t n = f.size();
    bool endsInTwoBars = bars.size() >= 2 && bars.back() == n - 1 && bars[bars.size() - 2] == n - 2;
    if (!endsInTwoBars) {
        f += "||";
        bars.push_back(n);
        bars.push_back(n + 1);
    }
    for (size_t at : bars) f[at] = '\0';
    return f;
}

UnitObject* CommonDlgUnit::Create(const UnitCreateParams& params) {
    tpl::CommonDlgProperties p;
    if (!tpl::ReadPropertyData(params.propertyData, params.propertyLength, p)) return nullptr;
    ClampChoices(p);
    if (!RegisterOwnClass(kClassName, CS_DBLCLKS)) return nullptr;
    auto* unit = new CommonDlgUnit(params.windowId, params.unitId, p);
    if (!unit->CreateOwnWindow(kClassName, params, 0, 0, "")) {
        delete unit;
        return nullptr;
    }
    return unit;
}

bool CommonDlgUnit::Open() {
    switch (p_.type) {
    case 0:
    case 1: return OpenFileDialog();
    case 2: return OpenFontDialog();
    default: return OpenHelp();
    }
}

bool CommonDlgUnit::OpenFileDialog() {
    std::string filter = FileDialogFilter(p_.filter);
    std::vector<char> file(std::max(kFileBufferSize, p_.fileName.size() + 1), '\0');
    std::memcpy(file.data(), p_.fileName.data(), p_.fileName.size());

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = DialogOwner();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    if (p_.createPrompt) ofn.Flags |= OFN_CREATEPROMPT;
    if (p_.fileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
    if (p_.overwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
    if (p_.pathMustExist) ofn.Flags |= OFN_PATHMUSTEXIST;
    if (p_.keepCurrentFolder) ofn.Flags |= OFN_NOCHANGEDIR;
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.data();
    ofn.nFilterIndex = filter.empty() ? 0 : static_cast<DWORD>(p_.initialFilter) + 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = p_.defaultExtension.empty() ? nullptr : p_.defaultExtension.c_str();
    ofn.lpstrTitle = p_.title.empty() ? nullptr : p_.title.c_str();
    ofn.lpstrInitialDir = p_.initialFolder.empty() ? nullptr : p_.initialFolder.c_str();

    BOOL confirmed = p_.type == 0 ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
    if (!confirmed) return false;
    p_.fileName = file.data();
    return true;
}

bool CommonDlgUnit::OpenFontDialog() {
    LOGFONTA lf{};
    lf.lfHeight = p_.fontSize > 0 ? -MulDiv(p_.fontSize, ScreenDpiY(), 72) : 0;
    lf.lfWeight = p_.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = p_.italic != 0;
    lf.lfStrikeOut = p_.strikeOut != 0;
    lf.lfUnderline = p_.underline != 0;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, p_.fontName.c_str(), sizeof lf.lfFaceName - 1);

    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = DialogOwner();
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    cf.rgbColors = p_.fontColour & 0xFFFFFF;
    if (!ChooseFontA(&cf)) return false;
    p_.fontName = lf.lfFaceName;
    p_.fontSize = cf.iPointSize / 10;
    p_.bold = lf.lfWeight >= FW_BOLD;
    p_.italic = lf.lfItalic != 0;
    p_.strikeOut = lf.lfStrikeOut != 0;
    p_.underline = lf.lfUnderline != 0;
    p_.fontColour = cf.rgbColors;
    return true;
}

bool CommonDlgUnit::OpenHelp() {
    std::string file = p_.helpFile;
    if (file.empty()) {
        char path[MAX_PATH];
        DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
        file.assign(path, n);
        size_t dot = file.find_last_of(".\\");
        if (dot != std::string::npos && file[dot] == '.') file.resize(dot);
        file += ".hlp";
    }
    return WinHelpA(DialogOwner(), file.c_str(), kHelpCommands[p_.helpCommand], static_cast<ULONG_PTR>(p_.helpContext)) != 0;
}

int32_t CommonDlgUnit::Set(int32_t ownIndex, const PropertyValue& v) {
    int32_t n = v.integer;
    switch (ownIndex) {
    case 0: p_.type = Clamp(n, 0, kMaxType); break;
    case 1: p_.title = TextOf(v); break;
    case 2: p_.fileName = TextOf(v); break;
    case 3: p_.filter = TextOf(v); break;
    case 4: p_.initialFilter = n < 0 ? 0 : n; break;
    case 5: p_.initialFolder = TextOf(v); break;
    case 6: p_.defaultExtension = TextOf(v); break;
    case 7: p_.createPrompt = n != 0; break;
    case 8: p_.fileMustExist = n != 0; break;
    case 9: p_.overwritePrompt = n != 0; break;
    case 10: p_.pathMustExist = n != 0; break;
    case 11: p_.keepCurrentFolder = n != 0; break;
    case 12: p_.fontColour = static_cast<uint32_t>(n); break;
    case 13: p_.bold = n != 0; break;
    case 14: p_.italic = n != 0; break;
    case 15: p_.strikeOut = n != 0; break;
    case 16: p_.underline = n != 0; break;
    case 17: p_.fontName = TextOf(v); break;
    case 18: p_.fontSize = n < 0 ? 0 : n; break;
    case 19: p_.helpFile = TextOf(v); break;
    case 20: p_.helpCommand = Clamp(n, 0, kMaxHelpCommand); break;
    case 21: p_.helpContext = n; break;
    default: break;
    }
    return 0;
}

int32_t CommonDlgUnit::Get(int32_t ownIndex, PropertyValue& out) {
    switch (ownIndex) {
    case 0: PutNumber(out, p_.type); break;
    case 1: PutText(out, p_.title); break;
    case 2: PutText(out, p_.fileName); break;
    case 3: PutText(out, p_.filter); break;
    case 4: PutNumber(out, p_.initialFilter); break;
    case 5: PutText(out, p_.initialFolder); break;
    case 6: PutText(out, p_.defaultExtension); break;
    case 7: PutNumber(out, p_.createPrompt); break;
    case 8: PutNumber(out, p_.fileMustExist); break;
    case 9: PutNumber(out, p_.overwritePrompt); break;
    case 10: PutNumber(out, p_.pathMustExist); break;
    case 11: PutNumber(out, p_.keepCurrentFolder); break;
    case 12: PutNumber(out, static_cast<int32_t>(p_.fontColour)); break;
    case 13: PutNumber(out, p_.bold); break;
    case 14: PutNumber(out, p_.italic); break;
    case 15: PutNumber(out, p_.strikeOut); break;
    case 16: PutNumber(out, p_.underline); break;
    case 17: PutText(out, p_.fontName); break;
    case 18: PutNumber(out, p_.fontSize); break;
    case 19: PutText(out, p_.helpFile); break;
    case 20: PutNumber(out, p_.helpCommand); break;
    case 21: PutNumber(out, p_.helpContext); break;
    default: return 0;
    }
    return 1;
}

std::string CommonDlgUnit::Save() {
    std::vector<uint8_t> bytes = tpl::PropertyBytes(p_);
    return std::string(bytes.begin(), bytes.end());
}

namespace {

constexpr PropertyInfo kCommonDlgProperties[] = {
    FORMS_COMMON_PROPERTIES,
    OwnProperty(kPropChoice),    // 0 type
    OwnProperty(kPropText),      // 1 title
    OwnProperty(kPropText),      // 2 file name
    OwnProperty(kPropText),      // 3 filter
    OwnProperty(kPropInteger2),  // 4 initial filter
    OwnProperty(kPropText),      // 5 initial folder
    OwnProperty(kPropText),      // 6 default extension
    OwnProperty(kPropLogical),   // 7 create prompt
    OwnProperty(kPropLogical),   // 8 file must exist
    OwnProperty(kPropLogical),   // 9 overwrite prompt
    OwnProperty(kPropLogical),   // 10 path must exist
    OwnProperty(kPropLogical),   // 11 keep the current folder
    OwnProperty(kPropColour),    // 12 font colour
    OwnProperty(kPropLogical),   // 13 bold
    OwnProperty(kPropLogical),   // 14 italic
    OwnProperty(kPropLogical),   // 15 strike-out
    OwnProperty(kPropLogical),   // 16 underline
    OwnProperty(kPropText),      // 17 font name
    OwnProperty(kPropInteger2),  // 18 font size
    OwnProperty(kPropText),      // 19 help file
    OwnProperty(kPropChoice),    // 20 help command
    OwnProperty(kPropInteger2),  // 21 help context
};

}  // namespace

const UnitTypeInfo kCommonDlgUnitType = {
    "通用对话框", "CommonDlg", nullptr, {}, 0x80008040, {}, static_cast<int32_t>(std::size(kCommonDlgProperties)),
    kCommonDlgProperties, UnitRoutines<CommonDlgUnit>::Interface, {},
};

}  // namespace forms
