// Why an audio file cannot be read or converted: one row per problem, with the short text the
// user is shown after "无法读取所选的音频文件：" (GBK once compiled, as every narrow literal).
#pragma once

#define AUDIO_PROBLEMS(X)                                        \
    X(None, "")                                                  \
    X(CannotOpen, "无法打开文件")                                \
    X(EmptyFile, "文件是空的")                                   \
    X(NotAudio, "不是可识别的音频格式")                          \
    X(NotVorbis, "Ogg文件中不是Vorbis音频")                      \
    X(Truncated, "文件不完整")                                   \
    X(Damaged, "音频数据已损坏")                                 \
    X(BadWavHeader, "WAV文件头有误")                             \
    X(UnsupportedWav, "不支持的WAV编码")                         \
    X(NoAudio, "文件中没有声音")                                 \
    X(StreamChanges, "声道数或采样率中途改变")                   \
    X(UnsupportedLayout, "不支持的声道数或采样率")               \
    X(TooManyChannels, "两个以上的声道只能转为单声道")           \
    X(CannotWrite, "无法写出转换后的文件")                       \
    X(OutOfMemory, "内存不足")

enum class AudioProblem {
#define AUDIO_PROBLEM_NAME(name, text) name,
    AUDIO_PROBLEMS(AUDIO_PROBLEM_NAME)
#undef AUDIO_PROBLEM_NAME
};

// The row's text; "" for None.
const char* AudioProblemText(AudioProblem problem);
