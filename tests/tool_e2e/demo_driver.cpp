// The main job's demo where no one sits at the display: drives the tool through one replacement
// in a demo game folder, as a user would, and saves a picture of the main window on the way
// (and of the about window, when a second picture is named).
//   demo_driver PROGRAM INDEX AUDIO PICTURE.bmp [ABOUT.bmp]
// PROGRAM is the tool inside the game's .minecraft folder, INDEX the index to choose in the first
// dialog, AUDIO the Ogg file to choose. Prints each message box it answers; exit code 0 when the
// replacement went through and the tool ended.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/InputDriver.h"
#include "tests/support/WindowDriver.h"
#include "tests/tool_e2e/ToolRun.h"

using namespace tool_e2e;

namespace {

// The window as the screen shows it, as a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const std::string& path) {
    RECT r;
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + stride * static_cast<DWORD>(h);
    bool written = false;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        written = std::fwrite(&file, sizeof file, 1, f) == 1 && std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, f) == 1 &&
                  std::fwrite(bits, stride * static_cast<DWORD>(h), 1, f) == 1;
        std::fclose(f);
    }
    SelectObject(memory, old);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return written;
}

void Say(const char* what) { std::printf("demo: %s\n", what); std::fflush(stdout); }

// The tool's GBK text as UTF-8, for the Linux terminal the demo runs in.
std::string Utf8(const std::string& gbk) {
    std::wstring wide(gbk.size() + 1, L'\0');
    int n = MultiByteToWideChar(936, 0, gbk.c_str(), static_cast<int>(gbk.size()), wide.data(), static_cast<int>(wide.size()));
    std::string out(static_cast<size_t>(n) * 3 + 1, '\0');
    int m = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), n, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(m > 0 ? static_cast<size_t>(m) : 0);
    return out;
}

bool AnswerBoxSaying(ToolRun& run) {
    Box box = run.AnswerBox();
    if (box.title.empty() && box.text.empty()) return false;
    std::printf("demo: box \"%s\": %s\n", Utf8(box.title).c_str(), Utf8(box.text).c_str());
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: demo_driver PROGRAM INDEX AUDIO PICTURE.bmp [ABOUT.bmp]\n");
        return 2;
    }
    const std::string program = argv[1], index = argv[2], audio = argv[3], picture = argv[4];
    ToolRun run(program);
    if (!AnswerBoxSaying(run)) return 1;       // the game folder was found
    Say("choosing the index in the open dialog");
    if (!run.ChooseFile(index)) return 1;
    HWND main = run.MainWindow();
    if (!main) {
        AnswerBoxSaying(run);  // the second-run message, when the state file was there
        main = run.MainWindow();
    }
    if (!main) return 1;
    Say("choosing the audio file");
    if (!run.Click(kChooseOggButtonPlace) || !run.ChooseFile(audio)) return 1;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 20000 && run.Text(kOggPathBoxPlace) != audio; Sleep(10)) {
    }
    Say("selecting cat.ogg");
    if (!run.SelectDisc(3)) return 1;
    testing_support::BringToFront(main);
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(300);
    if (!SaveWindowPicture(main, picture)) return 1;
    if (argc > 5) {
        Say("opening the about window");
        if (!run.Click(kAboutButtonPlace)) return 1;
        HWND about = testing_support::WaitForProcessWindow(run.Id(), "WTWindow", "关于", 30000);
        if (!about) return 1;
        RedrawWindow(about, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sleep(300);
        if (!SaveWindowPicture(about, argv[5])) return 1;
        run.PressEscape(about);
        if (!testing_support::WaitUntilGone(about, 30000)) return 1;
        for (DWORD start = GetTickCount(); GetTickCount() - start < 20000 && !IsWindowEnabled(main); Sleep(10)) {
        }
    }
    Say("replacing");
    if (!run.Click(kReplaceButtonPlace) || !AnswerBoxSaying(run) || !AnswerBoxSaying(run)) return 1;
    run.PressEscape(main);
    return run.WaitExit(30000) == 0 ? 0 : 1;
}
