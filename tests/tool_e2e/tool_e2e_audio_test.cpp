// Any audio file through the tool's window: WAV, MP3, FLAC and Ogg Vorbis files made at test
// time with Debian's tools (make_tool_audio.py) are chosen in the tool under Wine, the mono
// question answered Yes or No, and what the tool installs is checked on disk: the converted file
// in ConvertedMusic (or the chosen file itself), the object under that file's SHA-1 and the
// index written with that hash and size. Every installed file is also listed for
// check_audio_outputs.py, which decodes it with Debian's tools and compares it with the signal.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/Sha1.h"
#include "tests/support/WindowDriver.h"
#include "tests/tool_e2e/GameFolder.h"
#include "tests/tool_e2e/IndexShapes.h"
#include "tests/tool_e2e/ToolRun.h"
#include "tests/tool_e2e/ToolSteps.h"

using namespace tool_e2e;
using testing_support::Sha1Hex;

namespace {

const Expected kMonoQuestion{"所选音乐是立体声，放入唱片机后不会随距离衰减。是否转换为单声道？", 0x20, "单声道"};
Expected Unreadable(const std::string& reason) { return {"无法读取所选的音频文件：" + reason, 0x30, "提示"}; }

enum class Answer { none, yes, no };  // none: no question may come (a mono file)

struct AudioCase {
    const char* name;     // the case's folder and its line in the check's list
    const char* input;    // the file made for the tests
    const char* chosen;   // where the user keeps it, beside the game folder (its name may differ)
    Answer answer;
    const char* converted;  // the converted file's name in ConvertedMusic; null: installed as chosen
    int channels, rate;     // of what is installed
    const char* reference;  // the signal it was made from (make_audio_inputs.py's references)
    DiscKeys keys;
    DiscHashes hashes;
    int track;
};

std::string ConvertedFolder(const GameFolder& game) { return game.Root() + "\\ConvertedMusic"; }

// The installed file, for the decoding check: a copy beside the inputs and a line in the list.
void ListForTheCheck(const AudioCase& c, const std::string& bytes) {
    const std::string file = std::string("installed\\") + c.name + ".ogg";
    ASSERT_TRUE(WriteFileBytes(AudioInputFolder() + "\\" + file, bytes));
    const char* mode = c.converted ? (c.channels == 1 ? "mono" : "kept") : "as-chosen";
    const std::string line = std::string(c.name) + " " + mode + " " + std::to_string(c.channels) + " " +
                             std::to_string(c.rate) + " " + c.reference + " " + file + "\n";
    FILE* list = std::fopen((AudioInputFolder() + "\\converted.txt").c_str(), "ab");
    ASSERT_NE(list, nullptr);
    std::fwrite(line.data(), 1, line.size(), list);
    std::fclose(list);
}

class ToolAudio : public ToolEndToEnd {
protected:
    // Presses ChooseOggButton and chooses the file: the dialog lists every format first.
    void Choose(ToolRun& run, const std::string& path) {
        ASSERT_TRUE(run.Click(kChooseOggButtonPlace));
        ASSERT_TRUE(run.ChooseFile(path));
        EXPECT_EQ(run.LastFilterShown(), kAudioFilterShown);
    }

    void AnswerQuestion(ToolRun& run, Answer answer) {
        Box box = run.AnswerBox(answer == Answer::yes ? IDYES : IDNO);
        EXPECT_EQ(box.text, kMonoQuestion.text);
        EXPECT_EQ(box.title, kMonoQuestion.title);
        EXPECT_EQ(box.icon, kMonoQuestion.icon);
        EXPECT_EQ(box.buttons, (std::vector<int>{IDYES, IDNO}));
    }
};

TEST_F(ToolAudio, EveryFormatIsInstalledConvertedOrAsChosen) {
    const AudioCase cases[] = {
        {"wav_yes_newer_cat", "wav_s16_stereo_44100.wav", "音乐\\立体声.wav", Answer::yes, "立体声_mono.ogg", 1, 44100,
         "ref_2_44100.wav", DiscKeys::current, DiscHashes::newer, 3},
        {"wav_no_legacy_ward", "wav_s16_stereo_44100.wav", "stereo.wav", Answer::no, "stereo.ogg", 2, 44100,
         "ref_2_44100.wav", DiscKeys::legacy, DiscHashes::stock, 11},
        {"wav_float_yes", "wav_f32_stereo_48000.wav", "float.wav", Answer::yes, "float_mono.ogg", 1, 48000,
         "ref_2_48000.wav", DiscKeys::current, DiscHashes::stock, 0},
        {"mp3_yes_far", "mp3_vbr_stereo_44100.mp3", "song.mp3", Answer::yes, "song_mono.ogg", 1, 44100,
         "ref_2_44100.wav", DiscKeys::current, DiscHashes::stock, 5},
        {"mp3_no_newer_ward", "mp3_vbr_stereo_44100.mp3", "歌曲.mp3", Answer::no, "歌曲.ogg", 2, 44100,
         "ref_2_44100.wav", DiscKeys::current, DiscHashes::newer, 11},
        {"flac_yes_legacy_cat", "flac_16_stereo_22050.flac", "track.flac", Answer::yes, "track_mono.ogg", 1, 22050,
         "ref_2_22050.wav", DiscKeys::legacy, DiscHashes::stock, 3},
        {"flac_no_mall", "flac_16_stereo_22050.flac", "track.flac", Answer::no, "track.ogg", 2, 22050,
         "ref_2_22050.wav", DiscKeys::current, DiscHashes::stock, 6},
        {"ogg_yes_newer_ward", "ogg_stereo_48000.ogg", "vorbis.ogg", Answer::yes, "vorbis_mono.ogg", 1, 48000,
         "ref_2_48000.wav", DiscKeys::current, DiscHashes::newer, 11},
        {"ogg_no_legacy_cat", "ogg_stereo_48000.ogg", "vorbis.ogg", Answer::no, nullptr, 2, 48000,
         "ref_2_48000.wav", DiscKeys::legacy, DiscHashes::stock, 3},
        {"ogg_mono_strad", "ogg_mono_22050.ogg", "mono.ogg", Answer::none, nullptr, 1, 22050,
         "ref_1_22050.wav", DiscKeys::current, DiscHashes::stock, 9},
        // The content decides, not the name: an MP3 named .ogg is converted.
        {"mp3_named_ogg", "mp3_cbr_mono_22050.mp3", "disguised.ogg", Answer::none, "disguised.ogg", 1, 22050,
         "ref_1_22050.wav", DiscKeys::current, DiscHashes::stock, 1},
    };
    uint32_t seed = 40;
    for (const AudioCase& c : cases) {
        SCOPED_TRACE(c.name);
        d_ = std::make_unique<DDrive>();
        GameFolder game(c.name);
        const IndexModel model = MakeIndex(200, c.keys, c.hashes, ++seed);
        const std::string indexText = Render(model, IndexShape::minified);
        const std::string indexPath = game.PutIndex("1.12.json", indexText);
        const std::string input = AudioInput(c.input);
        ASSERT_FALSE(input.empty()) << c.input;
        const std::string chosenPath = game.PutOutside(c.chosen, input);

        auto run = StartWithIndex(game, indexPath);
        Choose(*run, chosenPath);
        if (c.answer != Answer::none) AnswerQuestion(*run, c.answer);
        ASSERT_TRUE(WaitFor([&] { return run->Text(kOggInfoBoxPlace) != kOggInfoCaption; }, 60000));
        EXPECT_EQ(testing_support::FindProcessDialog(run->Id()), nullptr) << "no further box";

        std::string installed;
        if (c.converted) {
            const std::optional<std::string> bytes = ReadFileBytes(ConvertedFolder(game) + "\\" + c.converted);
            ASSERT_TRUE(bytes) << "no " << c.converted << " in " << ConvertedFolder(game);
            installed = *bytes;
            EXPECT_EQ(EntryCount(ConvertedFolder(game)), 1);  // nothing else, no temporary file left
        } else {
            installed = input;
            EXPECT_EQ(GetFileAttributesA(ConvertedFolder(game).c_str()), INVALID_FILE_ATTRIBUTES);
        }
        EXPECT_EQ(installed.compare(0, 4, "OggS"), 0);
        EXPECT_EQ(run->Text(kOggPathBoxPlace), chosenPath);  // the file the user chose
        EXPECT_EQ(run->Text(kOggInfoBoxPlace), InfoText(installed));

        const StockTrack& track = kStockTracks[c.track];
        ASSERT_TRUE(run->SelectDisc(c.track));
        ASSERT_TRUE(run->Click(kReplaceButtonPlace));
        ExpectBox(*run, IndexWritten("1.12.json"));
        ExpectBox(*run, kAudioWritten);
        const std::string hash = Sha1Hex(installed);
        EXPECT_EQ(ReadFileBytes(game.Object(hash)), installed);
        const std::optional<std::string> written = ReadFileBytes(d_->Path("1.12.json"));
        ASSERT_TRUE(written);
        EXPECT_TRUE(*written == Render(WithTrack(model, track.fileName, hash, std::to_string(installed.size())),
                                       IndexShape::minified))
            << "the rewritten index differs";
        EXPECT_EQ(ReadFileBytes(chosenPath), input);  // the chosen file is only read
        EXPECT_EQ(ReadFileBytes(indexPath), indexText);
        ListForTheCheck(c, installed);
        EndWithEscape(*run);
    }
}

// A file that cannot be read or converted says why and changes nothing, like a cancelled
// dialog: the labels and what a write installs stay those of the earlier choice.
TEST_F(ToolAudio, AnUnreadableFileKeepsTheEarlierChoice) {
    GameFolder game("audio_unreadable");
    const IndexModel model = MakeIndex(60, DiscKeys::current, DiscHashes::stock);
    const std::string indexPath = game.PutIndex("1.12.json", Render(model, IndexShape::minified));
    const std::string first = PlainOgg(15);
    const std::string firstPath = game.PutOutside("first.ogg", first);
    const std::string stereoMp3 = AudioInput("mp3_vbr_stereo_44100.mp3");
    const std::string stereoWav = AudioInput("wav_s16_stereo_44100.wav");
    ASSERT_GT(stereoMp3.size(), 20000u);
    ASSERT_GT(stereoWav.size(), 300000u);
    const struct {
        const char* name;
        std::string bytes;
        bool question;  // stereo as far as its start tells: the question comes first
        const char* reason;
    } bad[] = {
        {"empty.wav", "", false, "文件是空的"},
        {"notes.mp3", std::string(40, 'x') + "\r\nnot audio at all\r\n", false, "不是可识别的音频格式"},
        {"cut.wav", stereoWav.substr(0, 300000), false, "文件不完整"},
        {"cut.mp3", stereoMp3.substr(0, 20000), true, "文件不完整"},
    };
    auto run = StartWithIndex(game, indexPath);
    ChooseAudio(*run, firstPath, first);
    for (const auto& b : bad) {
        SCOPED_TRACE(b.name);
        const std::string path = game.PutOutside(std::string("bad\\") + b.name, b.bytes);
        Choose(*run, path);
        if (b.question) AnswerQuestion(*run, Answer::yes);
        ExpectBox(*run, Unreadable(b.reason));
        EXPECT_EQ(run->Text(kOggPathBoxPlace), firstPath);
        EXPECT_EQ(run->Text(kOggInfoBoxPlace), InfoText(first));
        // A failed conversion leaves nothing behind.
        const std::string converted = ConvertedFolder(game);
        EXPECT_TRUE(GetFileAttributesA(converted.c_str()) == INVALID_FILE_ATTRIBUTES || EntryCount(converted) == 0);
    }
    ASSERT_TRUE(run->SelectDisc(7));
    ASSERT_TRUE(run->Click(kReplaceButtonPlace));
    ExpectBox(*run, IndexWritten("1.12.json"));
    ExpectBox(*run, kAudioWritten);
    const std::string hash = Sha1Hex(first);
    EXPECT_EQ(ReadFileBytes(game.Object(hash)), first);
    EXPECT_EQ(ReadFileBytes(d_->Path("1.12.json")),
              Render(WithTrack(model, kStockTracks[7].fileName, hash, std::to_string(first.size())), IndexShape::minified));
    EndWithEscape(*run);
}

// Choosing again replaces the choice: a stereo file made mono, then the same file kept stereo;
// each conversion has its own name and the write installs the last one.
TEST_F(ToolAudio, ALaterChoiceReplacesTheEarlierOne) {
    GameFolder game("audio_chosen_twice");
    const IndexModel model = MakeIndex(60, DiscKeys::current, DiscHashes::newer);
    const std::string indexPath = game.PutIndex("1.21.8.json", Render(model, IndexShape::minified));
    const std::string path = game.PutOutside("twice.flac", AudioInput("flac_16_stereo_22050.flac"));
    auto run = StartWithIndex(game, indexPath);
    Choose(*run, path);
    AnswerQuestion(*run, Answer::yes);
    ASSERT_TRUE(WaitFor([&] { return run->Text(kOggInfoBoxPlace) != kOggInfoCaption; }, 60000));
    const std::optional<std::string> mono = ReadFileBytes(ConvertedFolder(game) + "\\twice_mono.ogg");
    ASSERT_TRUE(mono);
    EXPECT_EQ(run->Text(kOggInfoBoxPlace), InfoText(*mono));
    Choose(*run, path);
    AnswerQuestion(*run, Answer::no);
    ASSERT_TRUE(WaitFor([&] { return run->Text(kOggInfoBoxPlace) != InfoText(*mono); }, 60000));
    const std::optional<std::string> stereo = ReadFileBytes(ConvertedFolder(game) + "\\twice.ogg");
    ASSERT_TRUE(stereo);
    EXPECT_NE(*stereo, *mono);
    EXPECT_EQ(run->Text(kOggInfoBoxPlace), InfoText(*stereo));
    EXPECT_EQ(ReadFileBytes(ConvertedFolder(game) + "\\twice_mono.ogg"), mono);  // the earlier one stays
    ASSERT_TRUE(run->SelectDisc(3));
    ASSERT_TRUE(run->Click(kReplaceButtonPlace));
    ExpectBox(*run, IndexWritten("1.21.8.json"));
    ExpectBox(*run, kAudioWritten);
    const std::string hash = Sha1Hex(*stereo);
    EXPECT_EQ(ReadFileBytes(game.Object(hash)), stereo);
    EXPECT_EQ(GetFileAttributesA(game.Object(Sha1Hex(*mono)).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ReadFileBytes(d_->Path("1.21.8.json")),
              Render(WithTrack(model, "cat.ogg", hash, std::to_string(stereo->size())), IndexShape::minified));
    EndWithEscape(*run);
}

}  // namespace
