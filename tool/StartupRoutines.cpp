// The program's start before and inside the main window's creation, and its end: ProgramInit,
// StartupRoutine, ExitRoutine.
#include <windows.h>

#include "commands/Calls.h"
#include "commands/FileCommands.h"
#include "commands/InteractionCommands.h"
#include "commands/WindowCommands.h"
#include "commands/TextOperations.h"
#include "runtime/DllCommandTable.h"
#include "runtime/RuntimeEntryTable.h"
#include "tool/IndexFile.h"
#include "tool/ProgramRoutines.h"
#include "tool/ReplacementState.h"
#include "tool/SkinSettings.h"
#include "tool/ToolMessages.h"
#include "tool/ToolVariables.h"
#include "tool/UnitAccess.h"
#include "tool/UpdateCheck.h"

namespace {

constexpr WORD kProgramIconNumber = 129;
RT_CONSTANT const char kDefaultIconName[] = "DEFAULT_ICON";
RT_CONSTANT const char kIndexFilter[] = "json文件（*.json）|*.json";
RT_CONSTANT const char kAssetsTail[] = "\\assets";
RT_CONSTANT const char kIndexesTail[] = "\\assets\\indexes\\";

void StartGdiplus(skin::SkinSettings& skin) {
    Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback, with its background thread and codecs
    dll::GdiplusStartup(&skin.gdiplusToken, &input, nullptr);  // the result is not looked at
}

void LoadProgramIcon(skin::SkinSettings& skin) {
    HMODULE program = dll::GetModuleHandleA(nullptr);
    skin.programIcon = dll::LoadIconA(program, MAKEINTRESOURCEA(kProgramIconNumber));
    if (!skin.programIcon) skin.programIcon = dll::LoadIconA2(program, kDefaultIconName);
}

// The game folder's asset index, chosen by the user, into JsonTextBox; then its path and name,
// and the state file on the first run. An index that cannot be read ends the routine as a
// cancelled choice does: the tool then has no index, and a write says so.
void ChooseIndexFile(const Text& runDirectory) {
    ToolVariables& tool = Tool();
    WriteTextProperty(kFileDialog, kDialogFilter, kIndexFilter);
    WriteTextProperty(kFileDialog, kDialogFolder, ConcatTexts(runDirectory, kIndexesTail));
    cmd::Call(DialogOpen, UnitReference(kFileDialog));  // a cancelled dialog leaves the file name empty
    tool.indexPath = ReadTextProperty(kFileDialog, kDialogFileName);
    Text index = ReadIndexText(tool.indexPath.Get());
    WriteTextProperty(kJsonTextBox, kEditContent, index);
    if (tool.indexPath.Length() == 0 || index.Length() == 0) {
        tool.indexPath.Reset();
        ShowToolMessage(ToolMessage::IndexNotRead);
        return;
    }
    WriteTextProperty(kJsonPathBox, kLabelCaption, tool.indexPath);
    tool.indexFileName = IndexFileNameOf(tool.indexPath.Get());
    Text statePath = StateFilePath();
    if (!cmd::AsBool(cmd::Call(FileExists, statePath))) CreateReplacementState(statePath.Get());
    else ShowToolMessage(ToolMessage::StateFileFound);
}

}  // namespace

void ProgramInit() {
    skin::SkinSettings& skin = ProgramSkinSettings();
    StartGdiplus(skin);
    LoadProgramIcon(skin);
    skin.firstSizePending = 1;
    skin.skinControls = 1;
    skin.controlAlpha = 160;
    skin.accentColour = 0xDDCA22;
    skin.trackbarShading = 1;
}

void StartupRoutine() {
    UpdateCheck();
    HWND mainWindow = reinterpret_cast<HWND>(
        static_cast<intptr_t>(cmd::AsInt(cmd::Call(WindowHandle, UnitReference(kMainWindowUnit)))));
    SetUpSkin(mainWindow);

    // The program belongs in the game's folder, beside its "assets".
    Text runDirectory = cmd::TakeText(cmd::Call(RunDirectory));
    if (!cmd::AsBool(cmd::Call(FileExists, ConcatTexts(runDirectory, kAssetsTail)))) {
        ShowToolMessage(ToolMessage::FolderMissing);
        RuntimeEntries().endProgram(0);
        return;
    }
    ShowToolMessage(ToolMessage::FolderFound);
    ChooseIndexFile(runDirectory);
}

void ExitRoutine() {
    ToolVariables& tool = Tool();
    for (Text* text : {&tool.oggPath, &tool.oggHash, &tool.oggSizeText, &tool.objectFolder, &tool.indexPath,
                       &tool.indexFileName})
        text->Reset();
    DestroySkinObject();
}
