#pragma once
// The program's string table: status-bar prompts and tooltips (written as
// prompt, line feed, tooltip), document strings and other fixed texts.

#include "base/Translatable.h"

#include <string>

namespace talvoren
{
// The string of `id`, or "" when there is none.
std::string LoadResourceString(int id);

// The status-bar prompt of a command (the part before the line feed).
std::string CommandPrompt(int id);

// The tooltip of a command (the part after the line feed; the prompt when
// there is no line feed).
std::string CommandTooltip(int id);

// Texts shown while pages are built and after notes are saved.
inline constexpr const char kWaitText[] =
    TALVOREN_TRANSLATABLE("talvoren::StringTable", "Xin chờ cho chút xíu, chương trình đang tính toán");
inline constexpr const char kNotesSavedText[] =
    TALVOREN_TRANSLATABLE("talvoren::StringTable", "Các ghi chú đã được lưu trữ thành công");

} // namespace talvoren
