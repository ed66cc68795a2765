#pragma once
// Captions stored in the Vietnamese font encoding: UTF-16 code units that are
// the characters of an 8-bit Vietnamese font read through the Windows-1252
// code page. The decoding table turns them into Unicode Vietnamese, so that
// any font shows them.

#include <string>

namespace talvoren
{
// Decodes a caption. Given any UTF-16 code units; returns UTF-8 text in which
// each code unit of the table is replaced by its Vietnamese letter and every
// other code unit stands for itself (a lone surrogate becomes U+FFFD).
std::string DecodeVietnameseFontText(const std::u16string& units);

// The letter of one code unit (the code unit itself when it is not in the
// table).
char16_t DecodeVietnameseFontUnit(char16_t unit);

} // namespace talvoren
