// ChooseOggButton: the audio file to install, its fingerprint shown and kept for the write.
// Any audio file the conversion reads may be chosen; one that is not Ogg Vorbis, or whose
// channels the user has mixed down to mono (only a mono disc fades with distance from the
// jukebox), is converted into the tool's own folder, and that file is the one installed.
#include <string>

#include "commands/Calls.h"
#include "commands/FileCommands.h"
#include "commands/TextOperations.h"
#include "commands/WindowCommands.h"
#include "tool/AudioFingerprint.h"
#include "tool/ProgramRoutines.h"
#include "tool/ToolMessages.h"
#include "tool/ToolVariables.h"
#include "tool/UnitAccess.h"
#include "tool/audio/AudioConversion.h"

namespace {

RT_CONSTANT const char kAudioFilter[] =
    "音频文件（*.ogg;*.mp3;*.wav;*.flac）|*.ogg;*.mp3;*.wav;*.flac|ogg文件（*.ogg）|*.ogg";
constexpr int32_t kAnsweredYes = 5;  // the message box command's code for Yes

void ShowUnreadable(const char* reason) {
    ShowToolMessage(ToolMessage::AudioUnreadable, ConcatTexts(kAudioUnreadablePrefix, reason).Get());
}

}  // namespace

void ChooseOggRoutine() {
    WriteTextProperty(kFileDialog, kDialogFilter, kAudioFilter);
    // A cancelled dialog changes nothing: the earlier choice, if any, stays with its texts.
    if (!cmd::AsBool(cmd::Call(DialogOpen, UnitReference(kFileDialog)))) return;

    // Nothing of the earlier choice changes until the file to install is there: a file that
    // cannot be read or converted is like a cancelled dialog, after its message.
    Text chosen = ReadTextProperty(kFileDialog, kDialogFileName);
    const AudioFileFacts facts = ProbeAudioFile(chosen.Get());
    if (!facts.Readable()) {
        ShowUnreadable(facts.Reason());
        return;
    }
    const bool mono = facts.stream.channels > 1 && ShowToolMessage(ToolMessage::StereoQuestion) == kAnsweredYes;
    Text runDirectory = cmd::TakeText(cmd::Call(RunDirectory));
    const ConversionResult result =
        ConvertAudioFile(chosen.Get(), ConvertedAudioFolder(runDirectory.Get()).c_str(), mono);
    if (result.outcome == ConversionOutcome::Failed) {
        ShowUnreadable(result.Reason());
        return;
    }

    ToolVariables& tool = Tool();
    WriteTextProperty(kOggPathBox, kLabelCaption, chosen);  // the file the user chose, converted or not
    tool.oggPath = Text::Copy(result.installPath.c_str());
    AudioFingerprint print = FingerprintFile(tool.oggPath.Get());
    tool.oggHash = std::move(print.hash);
    WriteTextProperty(kOggInfoBox, kLabelCaption, print.infoText);
    tool.oggSizeText = std::move(print.sizeText);
}
