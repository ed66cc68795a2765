#pragma once
#include <string>

namespace talvoren
{
// Plain text made safe to put into HTML as text: "&", "<" and ">" become
// "&amp;", "&lt;" and "&gt;", so that what a user typed shows as typed and
// cannot open a tag or a comment.
std::string EscapeHtmlText(const std::string& text);

} // namespace talvoren
