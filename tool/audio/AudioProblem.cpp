#include "tool/audio/AudioProblem.h"

#include <iterator>

const char* AudioProblemText(AudioProblem problem) {
    static const char* const kTexts[] = {
#define AUDIO_PROBLEM_TEXT(name, text) text,
        AUDIO_PROBLEMS(AUDIO_PROBLEM_TEXT)
#undef AUDIO_PROBLEM_TEXT
    };
    const auto i = static_cast<size_t>(problem);
    return i < std::size(kTexts) ? kTexts[i] : "";
}
