#include "tool/ProgramWindows.h"

constexpr std::array<uint8_t, kTemplateBlockSize> kTemplateBlock = tpl::TemplateBlock<program_windows::Definitions>();
