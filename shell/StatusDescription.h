#pragma once
// What the status bar says while the mouse is over a link of the pages: the
// page script sends "talvorenhover|<word>|<argument>" (the command the link
// would send, or "saint" with the day's DDMM code), and the bar shows what
// the link does, such as "Bài đọc ngày 8/12", instead of a command address.

#include <string>

namespace talvoren
{
struct YEARTABLE;

// The prefix of a hover text.
inline constexpr const char kHoverPrefix[] = "talvorenhover|";

// True for the language folder "Vietnam" (its last part, in any letter
// case): the status texts are then Vietnamese, else English.
bool IsVietnameseFolder(const std::string& folder);

// Given a status text from a page and the year on display: the text to show
// for a hover text; "" (the bar says it is ready) for a hover text it cannot
// tell, such as a day index outside the year. `bHover` is set when the text
// is a hover text at all.
std::string DescribeHover(const std::string& text, const YEARTABLE& year, bool vietnamese, bool* bHover);

} // namespace talvoren
