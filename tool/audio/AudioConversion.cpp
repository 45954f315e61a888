#include "tool/audio/AudioConversion.h"

#include <windows.h>

#include <new>
#include <vector>

#include "commands/GbkText.h"
#include "tool/audio/AtomicOutputFile.h"
#include "tool/audio/AudioSource.h"
#include "tool/audio/OggVorbisEncoder.h"

namespace {

// Where the file name starts in a GBK path (after its last separator) and where its extension
// starts (its last dot, or the end). Backslash bytes inside double-byte characters are stepped over.
void SplitName(const std::string& path, size_t* nameStart, size_t* extensionStart) {
    *nameStart = 0;
    size_t dot = std::string::npos;
    for (size_t i = 0; i < path.size(); ++i) {
        const auto b = static_cast<uint8_t>(path[i]);
        if (gbk::IsLeadByte(b)) {
            ++i;
        } else if (b == '\\' || b == '/' || b == ':') {
            *nameStart = i + 1;
            dot = std::string::npos;
        } else if (b == '.') {
            dot = i;
        }
    }
    *extensionStart = dot == std::string::npos || dot == *nameStart ? path.size() : dot;
}

bool EndsWithSeparator(const std::string& folder) {
    size_t nameStart = 0, extensionStart = 0;
    SplitName(folder, &nameStart, &extensionStart);
    return !folder.empty() && nameStart == folder.size();
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return EndsWithSeparator(folder) ? folder + name : folder + "\\" + name;
}

ConversionResult Failed(AudioProblem problem) {
    ConversionResult r;
    r.problem = problem;
    return r;
}

ConversionResult Convert(const char* path, const char* outputFolder, bool mono) {
    AudioSource source;
    if (AudioProblem p = source.Open(path); p != AudioProblem::None) return Failed(p);
    const AudioStreamInfo stream = source.Info();
    if (IsInstalledAsChosen(stream, mono)) return {ConversionOutcome::AsChosen, path, AudioProblem::None};
    if (!mono && stream.channels > 2) return Failed(AudioProblem::TooManyChannels);
    const int channels = mono ? 1 : stream.channels;

    const std::string folder = outputFolder;
    if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return Failed(AudioProblem::CannotWrite);
    const std::string target = JoinPath(folder, ConvertedFileName(path, channels < stream.channels));
    AtomicOutputFile out;
    if (!out.Create(folder, target)) return Failed(AudioProblem::CannotWrite);
    {
        OggVorbisEncoder encoder(out);
        if (AudioProblem p = encoder.Start(channels, stream.rate, kOggVorbisQuality); p != AudioProblem::None)
            return Failed(p);
        std::vector<float> block(kConversionBlockFrames * size_t(stream.channels));
        int64_t total = 0;
        for (;;) {
            size_t frames = 0;
            if (AudioProblem p = source.Read(block.data(), kConversionBlockFrames, &frames); p != AudioProblem::None)
                return Failed(p);
            if (frames == 0) break;
            if (AudioProblem p = encoder.Write(block.data(), frames, stream.channels); p != AudioProblem::None)
                return Failed(p);
            total += int64_t(frames);
        }
        if (total == 0) return Failed(AudioProblem::NoAudio);
        if (AudioProblem p = encoder.Finish(); p != AudioProblem::None) return Failed(p);
    }
    source.Close();  // the target may be the chosen file itself: it must be closed to be replaced
    if (!out.Commit()) return Failed(AudioProblem::CannotWrite);
    return {ConversionOutcome::Converted, target, AudioProblem::None};
}

}  // namespace

AudioFileFacts ProbeAudioFile(const char* path) {
    AudioFileFacts facts;
    try {
        AudioSource source;
        facts.problem = source.Open(path);
        facts.stream = source.Info();
    } catch (const std::bad_alloc&) {
        facts.problem = AudioProblem::OutOfMemory;
    }
    return facts;
}

bool IsInstalledAsChosen(const AudioStreamInfo& stream, bool mono) {
    return stream.format == AudioFormat::OggVorbis && (stream.channels == 1 || !mono);
}

ConversionResult ConvertAudioFile(const char* path, const char* outputFolder, bool mono) {
    try {
        return Convert(path, outputFolder, mono);
    } catch (const std::bad_alloc&) {
        return Failed(AudioProblem::OutOfMemory);
    }
}

std::string ConvertedAudioFolder(const char* runDirectory) { return JoinPath(runDirectory, kConvertedAudioFolderName); }

std::string ConvertedFileName(const char* inputPath, bool downmixed) {
    const std::string path = inputPath;
    size_t nameStart = 0, extensionStart = 0;
    SplitName(path, &nameStart, &extensionStart);
    return path.substr(nameStart, extensionStart - nameStart) + (downmixed ? "_mono" : "") + ".ogg";
}
