// The audio files the tool takes (Ogg Vorbis, MP3, WAV, FLAC, told apart by their content) and
// their conversion into the Ogg Vorbis file the game plays: libvorbis VBR at quality 0.4, the
// sample rate kept, the channels kept or mixed down to mono (a disc plays positionally, fading
// with distance, only from a mono file). Converted files go into a folder of the tool's own.
//
// The way of a chosen file:
//   1. ProbeAudioFile: unreadable -> "无法读取所选的音频文件：" + Reason(); stream.channels > 1
//      -> ask whether to make it mono.
//   2. ConvertAudioFile(path, ConvertedAudioFolder(runDirectory), mono): AsChosen -> the chosen
//      file itself is the one to install (an Ogg Vorbis file that is mono, or whose channels are
//      kept); Converted -> installPath names the new file; Failed -> Reason() as in 1.
// Nothing here throws.
#pragma once
#include <string>

#include "tool/audio/AudioDecoder.h"
#include "tool/audio/AudioProblem.h"

inline constexpr float kOggVorbisQuality = 0.4f;
// Frames decoded and encoded at a time: the memory a conversion takes is a small multiple of it.
inline constexpr size_t kConversionBlockFrames = 4096;
// The folder of converted files, in the run directory.
inline constexpr char kConvertedAudioFolderName[] = "ConvertedMusic";

struct AudioFileFacts {
    AudioProblem problem = AudioProblem::None;  // None: the file can be read
    AudioStreamInfo stream;                      // format, channels, rate, frames (-1 unknown)
    bool Readable() const { return problem == AudioProblem::None; }
    const char* Reason() const { return AudioProblemText(problem); }
    double Seconds() const { return stream.frames >= 0 && stream.rate > 0 ? double(stream.frames) / stream.rate : -1; }
};

// Opens the file and reads what it says of its stream, with the checks that need no decoding
// (format, sizes, the end of an Ogg file, an MP3's info tag); damage inside the stream shows
// only when converting.
AudioFileFacts ProbeAudioFile(const char* path);

// Whether a file of this stream is installed as the user chose it, unconverted.
bool IsInstalledAsChosen(const AudioStreamInfo& stream, bool mono);

enum class ConversionOutcome { AsChosen, Converted, Failed };

struct ConversionResult {
    ConversionOutcome outcome = ConversionOutcome::Failed;
    std::string installPath;  // the file to fingerprint and install: the chosen one or the new one
    AudioProblem problem = AudioProblem::None;
    const char* Reason() const { return AudioProblemText(problem); }
};

// Decodes the file and writes its Ogg Vorbis form (mono: mixed down to one channel) into
// outputFolder, which is made when missing (its last level only), as
// ConvertedFileName(path, ...); the file appears complete or not at all, and a failure leaves
// an earlier file of that name as it was. A file installed as chosen is only checked.
ConversionResult ConvertAudioFile(const char* path, const char* outputFolder, bool mono);

// runDirectory\ConvertedMusic
std::string ConvertedAudioFolder(const char* runDirectory);
// The chosen file's name with ".ogg" for its extension, "_mono" before it when mixed down:
// "歌曲.mp3" -> "歌曲.ogg" or "歌曲_mono.ogg".
std::string ConvertedFileName(const char* inputPath, bool downmixed);
