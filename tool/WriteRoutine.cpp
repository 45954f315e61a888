// ReplaceButton: installs the chosen audio file as the selected disc track. The audio file goes
// into the object store under its hash; the index's copy at the root of drive D gets the new
// hash and size in the track's entry. The chosen index file itself is only read.
//
// Everything that can refuse the write (no index text, no audio file, the track not in the
// index) is settled before the first file is touched; a refusal shows why and the program goes
// on. A failure while writing ends the program, leaving what the earlier steps wrote.
#include <optional>
#include <string>

#include "commands/Calls.h"
#include "commands/FileCommands.h"
#include "commands/InteractionCommands.h"
#include "commands/TextCommands.h"
#include "commands/TextOperations.h"
#include "runtime/RuntimeEntryTable.h"
#include "tool/IndexFile.h"
#include "tool/IndexRewrite.h"
#include "tool/ProgramRoutines.h"
#include "tool/ReplacementState.h"
#include "tool/ToolMessages.h"
#include "tool/ToolVariables.h"
#include "tool/UnitAccess.h"

namespace {

RT_CONSTANT const char kObjectsTail[] = "\\assets\\objects\\";
RT_CONSTANT const char kProbeTail[] = "\\test.mcmc";
RT_CONSTANT const ConstByteSet<4> kProbeBytes = {1, 4, {'t', 'e', 's', 't'}};
RT_CONSTANT const char kOutputFolder[] = "D:\\";
constexpr int32_t kLastTrack = 11;

[[noreturn]] void EndProgram() {
    RuntimeEntries().endProgram(0);
    __builtin_unreachable();
}

// The object folder takes a probe file; when it cannot, it is created (its last level only).
// When neither works the program ends.
void ProbeObjectFolder(const Text& objectFolder) {
    Text probe = ConcatTexts(objectFolder, kProbeTail);
    if (cmd::AsBool(cmd::Call(WriteBytesToFile, probe, kProbeBytes.Get()))) {
        cmd::Call(RemoveFile, probe);
        return;
    }
    if (cmd::AsBool(cmd::Call(MakeDirectory, objectFolder))) return;
    ShowToolMessage(ToolMessage::FolderNotCreated);
    ShowToolMessage(ToolMessage::FolderNotCreatedDebug, ConcatTexts(kFolderNotCreatedPrefix, objectFolder).Get());
    EndProgram();
}

}  // namespace

void WriteRoutine() {
    ToolVariables& tool = Tool();
    Text runDirectory = cmd::TakeText(cmd::Call(RunDirectory));
    tool.objectFolder =
        ConcatTexts(runDirectory, kObjectsTail, cmd::TakeText(cmd::Call(MidText, tool.oggHash, 1, 2)));

    // The index afresh: edits in JsonTextBox are discarded. JsonTextBox is given the index and
    // then the rewritten text, and holds exactly those bytes; the routine keeps its own copy of
    // what it gave, since reading a text of megabytes back would only copy it once more.
    Text index = ReadIndexText(tool.indexPath.Get());
    WriteTextProperty(kJsonTextBox, kEditContent, index);
    if (index.Length() == 0) {
        ShowToolMessage(ToolMessage::IndexUnreadable);
        return;
    }
    if (tool.oggPath.Length() == 0) {
        ShowToolMessage(ToolMessage::NoAudioChosen);
        return;
    }
    ReplacementState state = ReadReplacementState(StateFilePath().Get());
    int32_t selection = ReadIntProperty(kDiscList, kListSelection);
    const SearchPair* pair = state.Pick(selection);
    std::optional<std::string> rewritten;  // none: no track selected, the output is the plain copy
    if (pair) {
        RewrittenIndex r = RewriteIndex(index.View(), pair->hash.View(), PickDiscRecord(selection)->fileName,
                                        tool.oggHash.View(), tool.oggSizeText.View());
        if (r.match == IndexMatch::notFound) {
            ShowToolMessage(ToolMessage::HashNotFound);
            return;
        }
        rewritten = std::move(r.text);
        WriteTextProperty(kJsonTextBox, kEditContent, rewritten->c_str());
    }
    index.Reset();

    ProbeObjectFolder(tool.objectFolder);
    Text outputPath = ConcatTexts(kOutputFolder, tool.indexFileName);
    cmd::Call(CopyOneFile, tool.indexPath, outputPath);  // with no track selected, the copy is the output
    if (rewritten) {
        Bytes content = Bytes::Copy(*rewritten);
        rewritten.reset();
        if (!cmd::AsBool(cmd::Call(WriteBytesToFile, outputPath, content))) {
            ShowToolMessage(selection == kLastTrack ? ToolMessage::IndexNotWrittenLastTrack : ToolMessage::IndexNotWritten);
            EndProgram();
        }
    }
    ShowToolMessage(ToolMessage::IndexWritten,
                    ConcatTexts(kIndexWrittenPrefix, tool.indexFileName, kIndexWrittenSuffix).Get());

    Text objectPath = ConcatTexts(tool.objectFolder, "\\", tool.oggHash);
    if (!cmd::AsBool(cmd::Call(CopyOneFile, tool.oggPath, objectPath))) {
        ShowToolMessage(ToolMessage::AudioNotWritten);
        EndProgram();
    }
    ShowToolMessage(ToolMessage::AudioWritten);
}
