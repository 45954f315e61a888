// The tool under test, run as a user runs it: started from its game folder, its message boxes
// and file dialogs answered through their windows, its main window's controls clicked with real
// input and its labels read from outside.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/WindowDriver.h"

namespace tool_e2e {

// A message box as the user saw it.
struct Box {
    std::string title;
    std::string text;
    int icon = -1;             // 0 none, 0x10 stop, 0x20 question, 0x30 exclamation, 0x40 information
    std::vector<int> buttons;  // ids of its buttons
};

// The units of the main window, by their place in it (left, top, width, height).
struct UnitPlace {
    int left, top, width, height;
};
inline constexpr UnitPlace kJsonPathBoxPlace{24, 219, 424, 32};
inline constexpr UnitPlace kOggPathBoxPlace{32, 273, 424, 24};
inline constexpr UnitPlace kOggInfoBoxPlace{24, 251, 416, 24};
inline constexpr UnitPlace kSelectedDiscBoxPlace{592, 256, 136, 32};
inline constexpr UnitPlace kDiscListPlace{216, 40, 120, 160};
inline constexpr UnitPlace kJsonTextBoxPlace{528, 144, 72, 72};
inline constexpr UnitPlace kReplaceButtonPlace{344, 39, 100, 105};
inline constexpr UnitPlace kChooseOggButtonPlace{48, 100, 160, 101};
inline constexpr UnitPlace kAboutButtonPlace{344, 152, 100, 45};
inline constexpr UnitPlace kAboutTextLabelPlace{16, 16, 488, 376};

inline constexpr char kMainTitle[] = "【V1.4】Vellumtone";

class ToolRun {
public:
    // Starts the program with a current folder that is not its own.
    explicit ToolRun(const std::string& programPath);
    // Starts a command line as it is (another program driven the same way).
    ToolRun(const std::string& commandLine, bool asCommandLine);
    DWORD Id() const { return process_.Id(); }

    // The next box or file dialog; null when the program ended or none came.
    HWND NextDialog(DWORD timeoutMs = 60000);
    // Waits for a message box, reads it and presses its default button.
    Box AnswerBox();
    // Waits for the open-file dialog and chooses the path in it (false: no dialog came).
    bool ChooseFile(const std::string& path);
    bool CancelFile();
    // The filter shown by the last file dialog answered.
    const std::string& LastFilterShown() const { return lastFilter_; }

    HWND MainWindow(DWORD timeoutMs = 60000);
    HWND Unit(const UnitPlace& place);
    std::string Text(const UnitPlace& place);
    bool Visible(const UnitPlace& place);
    bool Click(const UnitPlace& place);
    // Selects the item of the disc list with real clicks (scrolling with the list's arrow first).
    bool SelectDisc(int index);
    int DiscSelection();
    std::string DiscItem(int index);
    bool PressEscape(HWND window);

    // The exit code once the program has ended; STILL_ACTIVE when it is still running.
    DWORD WaitExit(DWORD timeoutMs = 60000);
    bool Running();

private:
    testing_support::ChildProcess process_;
    HWND lastDialog_ = nullptr;
    HWND main_ = nullptr;
    std::string lastFilter_;
};

}  // namespace tool_e2e
