// ChooseOggButton: the audio file to install, its fingerprint shown and kept for the write.
#include "commands/Calls.h"
#include "commands/WindowCommands.h"
#include "tool/AudioFingerprint.h"
#include "tool/ProgramRoutines.h"
#include "tool/ToolVariables.h"
#include "tool/UnitAccess.h"

namespace {
RT_CONSTANT const char kAudioFilter[] = "ogg文件（*.ogg）|*.ogg";
}

void ChooseOggRoutine() {
    WriteTextProperty(kFileDialog, kDialogFilter, kAudioFilter);
    // A cancelled dialog changes nothing: the earlier choice, if any, stays with its texts.
    if (!cmd::AsBool(cmd::Call(DialogOpen, UnitReference(kFileDialog)))) return;

    ToolVariables& tool = Tool();
    WriteTextProperty(kOggPathBox, kLabelCaption, ReadTextProperty(kFileDialog, kDialogFileName));
    tool.oggPath = ReadTextProperty(kOggPathBox, kLabelCaption);
    AudioFingerprint print = FingerprintFile(tool.oggPath.Get());
    tool.oggHash = std::move(print.hash);
    WriteTextProperty(kOggInfoBox, kLabelCaption, print.infoText);
    tool.oggSizeText = std::move(print.sizeText);
}
