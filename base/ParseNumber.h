#pragma once
#include <string>

namespace talvoren
{
// The integer value of the decimal digits at the start of `text` (0 when it
// does not start with a digit). Values beyond 999999 read as 999999, which no
// caller accepts as a day, month or year.
int LeadingNumber(const std::string& text);

// Reads a number the way the program reads command arguments and database
// fields: leading blanks are skipped, an optional sign is taken, digits are
// read up to the first other character; no number gives 0. The text is
// first cut to its first 19 bytes (a 20-byte buffer), and a value beyond the
// 32-bit range is clamped to it.
int ReadSignedNumber(const std::string& text);

} // namespace talvoren
