#include "tool/UpdateCheck.h"

#include "commands/Calls.h"
#include "commands/InteractionCommands.h"
#include "commands/TextCommands.h"
#include "commands/TextOperations.h"
#include "support/EncodingConversion.h"
#include "support/HttpPageReader.h"

RT_CONSTANT const char kCurrentVersion[] = "V1.4";
RT_CONSTANT const char kUpdatePageUrl[] =
    "http://bbs.pinehall.net/forum.php?mod=viewthread&tid=2748193&page=1&extra=#pid51830264";

namespace {

RT_CONSTANT const char kVersionMarker[] = "最新版本：";  // ten GBK bytes
constexpr int32_t kMarkerLength = 10;
constexpr int32_t kVersionLength = 4;
RT_CONSTANT const char kPromptText[] = "发现更新！是否打开pinehall查看？";
RT_CONSTANT const char kPromptTitle[] = "发现更新";
constexpr int32_t kYesNoQuestion = 0x24;
constexpr int32_t kAnsweredYes = 5;
RT_CONSTANT const char kBrowser[] = "C:\\Program Files\\Internet Explorer\\iexplore.exe";
constexpr int32_t kShownNormally = 2;

// The page as GBK text: the body taken as UTF-8, up to its first zero byte. Any failure on the
// way gives the empty text.
Text ReadPageText(const char* pageUrl) {
    Bytes page = cmd::TakeBytes(cmd::CallIn(kInternetLibrary, HttpReadPage, pageUrl));
    Bytes gbk = cmd::TakeBytes(cmd::CallIn(kEncodingLibrary, ConvertEncoding, page, "UTF-8", "GBK"));
    return cmd::TakeText(cmd::Call(ToText, gbk));
}

}  // namespace

void UpdateCheck() { UpdateCheck(kUpdatePageUrl); }

void UpdateCheck(const char* pageUrl) {
    // The page is read twice, one request after the other. The version is taken from the read
    // in which the marker was found, and only when all four of its bytes are there: a failed
    // first read must not announce an update that was never read.
    Text first = ReadPageText(pageUrl);
    Text page = ReadPageText(pageUrl);
    int32_t at = cmd::AsInt(cmd::Call(FindText, page, kVersionMarker, cmd::kOmitted, false));
    if (at == -1) return;
    Text version = cmd::TakeText(cmd::Call(MidText, page, at + kMarkerLength, kVersionLength));
    if (version.Length() != kVersionLength) return;
    if (CompareTexts(version.Get(), kCurrentVersion) == 0) return;

    int32_t answer = cmd::AsInt(cmd::Call(ShowMessageBox, kPromptText, kYesNoQuestion, kPromptTitle));
    if (answer != kAnsweredYes) return;
    // The path in quotes: unquoted, the platform would try "C:\Program.exe" first, and a file
    // planted there would run in the browser's place.
    Text commandLine = ConcatTexts("\"", kBrowser, "\" ", pageUrl);
    cmd::Call(RunProgram, commandLine, false, kShownNormally);  // a browser that cannot start is not reported
}
