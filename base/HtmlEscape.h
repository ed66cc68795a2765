#pragma once
#include <string>

namespace talvoren
{
// Plain text made safe to put into HTML as text: "&", "<" and ">" become
// "&amp;", "&lt;" and "&gt;", so that what a user typed shows as typed and
// cannot open a tag or a comment.
std::string EscapeHtmlText(const std::string& text);

// HTML made plain text where it holds only numeric character references:
// each "&#NNN;" and "&#xHH;" of a code point U+0001..U+10FFFF (surrogates
// excepted) becomes that character in UTF-8; everything else, a reference
// out of range or without its ";" included, stays as it is.
std::string DecodeCharacterReferences(const std::string& html);

} // namespace talvoren
