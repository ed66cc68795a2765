#pragma once
// Captions stored in the Vietnamese font encoding, code unit by code unit
// (DecodeVietnameseFontText turns them into Unicode when they are shown).

namespace talvoren
{
// Day dialog: Close, Next, Prev ("Ngưng", "Ngày Mai", "Hôm Qua").
inline constexpr char16_t kDayCloseCaption[] = u" Ng\u0178ng ";
inline constexpr char16_t kDayNextCaption[] = u" Ng\u2026y Mai ";
inline constexpr char16_t kDayPrevCaption[] = u" H\u201Cm Qua ";

// Insert-CD prompt: put the disc into the CD-ROM drive and press the button,
// or press Cancel to stop.
inline constexpr char16_t kInsertCdPrompt[] =
    u"Xin b\u2018 CD Sorvane Bible v\u2026o \u2122 CD r\u02DCi nh\u00E3n v\u2026o \u00AD\u0192y\n"
    u"ho\u00EDc nh\u00E3n n\u00A3t Cancel n\u2030u mu\u2013n ng\u0178ng";

} // namespace talvoren
