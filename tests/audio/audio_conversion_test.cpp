// Reading and converting the audio inputs that make_audio_inputs.py made with sox, lame, flac
// and oggenc (beside this program in audio-test\): what the probe says of each, the outcome of
// converting it with its channels kept and mixed down, and bad inputs. The converted files are
// listed in audio-test\converted.txt; check_audio_outputs.py then decodes them with Debian's
// own tools and compares them with the signal that went in.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/files/scratch_folder.h"
#include "tests/support/WindowDriver.h"
#include "tool/audio/AudioConversion.h"

namespace {

std::string TestRoot() { return testing_support::ProgramFolder() + "audio-test"; }

struct Input {
    std::string name, file, format;
    int channels = 0;
    long rate = 0;
    int64_t frames = 0;
    std::string reference;
    std::string Path() const { return TestRoot() + "\\in\\" + file; }
};

std::vector<Input> Inputs() {
    std::vector<Input> inputs;
    std::ifstream list(TestRoot() + "\\inputs.txt");
    Input in;
    while (list >> in.name >> in.file >> in.format >> in.channels >> in.rate >> in.frames >> in.reference)
        inputs.push_back(in);
    return inputs;
}

const char* FormatName(AudioFormat f) {
    switch (f) {
    case AudioFormat::OggVorbis: return "ogg";
    case AudioFormat::Mp3: return "mp3";
    case AudioFormat::Wav: return "wav";
    case AudioFormat::Flac: return "flac";
    }
    return "?";
}

// The names in a folder ("" for a missing folder).
std::set<std::string> Listing(const std::string& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") names.insert(name);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return names;
}

bool IsFile(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

void Empty(const std::string& folder) {
    for (const std::string& name : Listing(folder)) DeleteFileA((folder + "\\" + name).c_str());
}

// One line per converted file for the check: name mode channels rate reference path.
class ConvertedList {
public:
    ConvertedList() : out_(TestRoot() + "\\converted.txt", std::ios::binary | std::ios::trunc) {}
    void Add(const Input& in, bool mono, const std::string& relativePath) {
        out_ << in.name << ' ' << (mono ? "mono" : "kept") << ' ' << (mono ? 1 : in.channels) << ' ' << in.rate << ' '
             << in.reference << ' ' << relativePath << '\n';
        out_.flush();
    }

private:
    std::ofstream out_;
};

TEST(AudioInputs, ThereAreInputsToTest) {
    // Without the fixture's inputs every table below would pass empty.
    EXPECT_GE(Inputs().size(), 20u) << TestRoot() << "\\inputs.txt";
}

TEST(AudioInputs, ProbeTellsFormatLayoutAndLength) {
    for (const Input& in : Inputs()) {
        SCOPED_TRACE(in.name);
        const AudioFileFacts facts = ProbeAudioFile(in.Path().c_str());
        ASSERT_TRUE(facts.Readable()) << facts.Reason();
        EXPECT_STREQ(FormatName(facts.stream.format), in.format.c_str());
        EXPECT_EQ(facts.stream.channels, in.channels);
        EXPECT_EQ(facts.stream.rate, in.rate);
        // Every input here says its length (MP3s by their encoder's info tag), exact but for the
        // MP3 decoder's own rounding; within 50 ms either way.
        EXPECT_NEAR(double(facts.stream.frames), double(in.frames), 0.05 * in.rate);
        EXPECT_NEAR(facts.Seconds(), double(in.frames) / in.rate, 0.05);
    }
}

TEST(AudioInputs, ConvertKeepingAndMixingDownChannels) {
    const std::string out = TestRoot() + "\\out";
    CreateDirectoryA(out.c_str(), nullptr);
    Empty(out);
    ConvertedList converted;
    std::set<std::string> expected;
    for (const Input& in : Inputs()) {
        for (bool mono : {false, true}) {
            SCOPED_TRACE(in.name + (mono ? " mono" : " kept"));
            const ConversionResult r = ConvertAudioFile(in.Path().c_str(), out.c_str(), mono);
            // An Ogg Vorbis file is installed as chosen unless a wider one is to become mono.
            if (in.format == "ogg" && (in.channels == 1 || !mono)) {
                EXPECT_EQ(r.outcome, ConversionOutcome::AsChosen) << r.Reason();
                EXPECT_EQ(r.installPath, in.Path());
                continue;
            }
            ASSERT_EQ(r.outcome, ConversionOutcome::Converted) << r.Reason();
            const std::string name = in.name + (mono && in.channels > 1 ? "_mono" : "") + ".ogg";
            EXPECT_EQ(r.installPath, out + "\\" + name);
            EXPECT_TRUE(IsFile(r.installPath));
            expected.insert(name);
            converted.Add(in, mono, "out\\" + name);
        }
    }
    // Nothing else: no temporary file left behind.
    EXPECT_EQ(Listing(out), expected);
}

class AudioFiles : public ScratchFolder {
protected:
    std::string Input(const std::string& name) const { return TestRoot() + "\\in\\" + name; }
    std::string Bad(const std::string& name) const { return TestRoot() + "\\bad\\" + name; }
    static std::string Read(const std::string& path) { return ReadRaw(path).value_or("<missing>"); }
    static void Copy(const std::string& from, const std::string& to) { ASSERT_TRUE(CopyFileA(from.c_str(), to.c_str(), FALSE)) << to; }
};

TEST_F(AudioFiles, BadInputsGiveTheirReasonAndLeaveEverythingAsItWas) {
    // file, reason, whether the probe already finds it (the rest shows only when decoding)
    const struct {
        const char* file;
        const char* reason;
        bool probeFinds;
    } cases[] = {
        {"text.mp3", "不是可识别的音频格式", true},
        {"empty.wav", "文件是空的", true},
        {"noise.ogg", "不是可识别的音频格式", true},
        {"fake.flac", "音频数据已损坏", true},
        {"fake.mp3", "不是可识别的音频格式", true},
        {"id3only.mp3", "不是可识别的音频格式", true},
        {"cut.mp3", "文件不完整", false},
        {"cut.flac", "文件不完整", false},
        {"cut.ogg", "文件不完整", true},
        {"cut.wav", "文件不完整", true},
        {"lying.wav", "文件不完整", true},
        {"badblock.wav", "WAV文件头有误", true},
        {"mp3inwav.wav", "不支持的WAV编码", true},
        {"flac.ogg", "Ogg文件中不是Vorbis音频", true},
        {"missing.mp3", "无法打开文件", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = Bad(c.file);
        const AudioFileFacts facts = ProbeAudioFile(path.c_str());
        if (c.probeFinds) {
            EXPECT_FALSE(facts.Readable());
            EXPECT_STREQ(facts.Reason(), c.reason);
        } else {
            EXPECT_TRUE(facts.Readable()) << facts.Reason();
        }
        for (bool mono : {false, true}) {
            // An earlier conversion of the same name is there and must stay as it was.
            const std::string earlier = ConvertedFileName(path.c_str(), mono && facts.stream.channels > 1);
            Put(earlier, "earlier");
            const ConversionResult r = ConvertAudioFile(path.c_str(), Path().c_str(), mono);
            EXPECT_EQ(r.outcome, ConversionOutcome::Failed);
            EXPECT_STREQ(r.Reason(), c.reason);
            EXPECT_EQ(Read(Path(earlier)), "earlier");
            EXPECT_EQ(Listing(Path()), std::set<std::string>{earlier});
            DeleteFileA(Path(earlier).c_str());
        }
    }
}

TEST_F(AudioFiles, ChinesePathsAndAFolderMadeOnTheWay) {
    CreateDirectoryA(Path("音乐 文件").c_str(), nullptr);
    const std::string chosen = Path("音乐 文件\\猫的歌.flac");
    Copy(Input("flac_16_stereo_44100.flac"), chosen);
    const std::string folder = Path("转换后");
    const ConversionResult r = ConvertAudioFile(chosen.c_str(), folder.c_str(), true);
    ASSERT_EQ(r.outcome, ConversionOutcome::Converted) << r.Reason();
    EXPECT_EQ(r.installPath, folder + "\\猫的歌_mono.ogg");
    const AudioFileFacts facts = ProbeAudioFile(r.installPath.c_str());
    ASSERT_TRUE(facts.Readable()) << facts.Reason();
    EXPECT_EQ(facts.stream.format, AudioFormat::OggVorbis);
    EXPECT_EQ(facts.stream.channels, 1);
    EXPECT_EQ(facts.stream.rate, 44100);
    EXPECT_EQ(Listing(folder), std::set<std::string>{"猫的歌_mono.ogg"});
}

TEST_F(AudioFiles, AConversionReplacesAnEarlierOneAndMayReplaceTheChosenFileItself) {
    // An MP3 named .ogg inside the output folder: its conversion has its own name.
    const std::string chosen = Path("song.ogg");
    Copy(Input("mp3_cbr_stereo_44100.mp3"), chosen);
    const std::string mp3Bytes = Read(chosen);
    ConversionResult r = ConvertAudioFile(chosen.c_str(), Path().c_str(), false);
    ASSERT_EQ(r.outcome, ConversionOutcome::Converted) << r.Reason();
    EXPECT_EQ(r.installPath, chosen);
    EXPECT_NE(Read(chosen), mp3Bytes);
    AudioFileFacts facts = ProbeAudioFile(chosen.c_str());
    EXPECT_EQ(facts.stream.format, AudioFormat::OggVorbis);
    EXPECT_EQ(facts.stream.channels, 2);
    // Now a stereo Ogg Vorbis file: kept, it is the chosen file; mixed down, a new one that a
    // second conversion replaces.
    r = ConvertAudioFile(chosen.c_str(), Path().c_str(), false);
    EXPECT_EQ(r.outcome, ConversionOutcome::AsChosen);
    Put("song_mono.ogg", "earlier");
    r = ConvertAudioFile(chosen.c_str(), Path().c_str(), true);
    ASSERT_EQ(r.outcome, ConversionOutcome::Converted) << r.Reason();
    EXPECT_EQ(r.installPath, Path("song_mono.ogg"));
    facts = ProbeAudioFile(r.installPath.c_str());
    EXPECT_EQ(facts.stream.format, AudioFormat::OggVorbis);
    EXPECT_EQ(facts.stream.channels, 1);
    EXPECT_NEAR(facts.Seconds(), 6.0, 0.05);
    EXPECT_EQ(Listing(Path()), (std::set<std::string>{"song.ogg", "song_mono.ogg"}));
}

TEST_F(AudioFiles, AnOutputFolderThatCannotBeMadeIsAReason) {
    const ConversionResult r =
        ConvertAudioFile(Input("wav_s16_mono_48000.wav").c_str(), Path("no such\\folder").c_str(), false);
    EXPECT_EQ(r.outcome, ConversionOutcome::Failed);
    EXPECT_STREQ(r.Reason(), "无法写出转换后的文件");
    EXPECT_TRUE(Listing(Path()).empty());
}

TEST(ConvertedNames, FolderAndFileNames) {
    EXPECT_EQ(ConvertedAudioFolder("C:\\游戏\\.minecraft"), "C:\\游戏\\.minecraft\\ConvertedMusic");
    EXPECT_EQ(ConvertedAudioFolder("C:\\"), "C:\\ConvertedMusic");
    const struct {
        const char* path;
        bool downmixed;
        const char* name;
    } cases[] = {
        {"D:\\音乐\\歌曲.mp3", false, "歌曲.ogg"},
        {"D:\\音乐\\歌曲.mp3", true, "歌曲_mono.ogg"},
        {"D:\\a.b\\c.d.wav", false, "c.d.ogg"},
        {"D:\\music\\noext", true, "noext_mono.ogg"},
        {"D:/x/y.flac", false, "y.ogg"},
        {"D:\\x\\.wav", false, ".wav.ogg"},
        // 0x5C is the trail byte of this double-byte character, not a separator
        {"D:\\x\\\x81\x5C.wav", false, "\x81\x5C.ogg"},
        {"\x81\x5C\\z.wav", false, "z.ogg"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(ConvertedFileName(c.path, c.downmixed), c.name);
    }
}

}  // namespace
