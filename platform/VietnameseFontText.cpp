#include "platform/VietnameseFontText.h"

#include "base/Utf16.h"

namespace talvoren
{
namespace
{
struct FONTLETTER
{
    char16_t unit;
    char16_t letter;
};

// Code unit of the font encoding -> Vietnamese letter.
constexpr FONTLETTER kTable[] = {
    {0x0192, u'â'}, {0x2026, u'à'}, {0x00FF, u'á'}, {0x00E5, u'ả'},
    {0x00E8, u'ă'}, {0x00ED, u'ặ'}, {0x00E3, u'ấ'}, {0x00E7, u'ậ'},
    {0x02C6, u'ê'}, {0x2030, u'ế'}, {0x017D, u'ể'}, {0x008F, u'ễ'},
    {0x00AC, u'ệ'}, {0x00A1, u'í'}, {0x008D, u'ì'}, {0x00AB, u'ị'},
    {0x201C, u'ô'}, {0x2013, u'ố'}, {0x02DC, u'ồ'}, {0x2122, u'ổ'},
    {0x203A, u'ộ'}, {0x201D, u'ọ'}, {0x2018, u'ỏ'}, {0x00F5, u'ờ'},
    {0x00A3, u'ú'}, {0x0178, u'ư'}, {0x00A4, u'ứ'}, {0x00A5, u'ừ'},
    {0x00A7, u'ữ'}, {0x00A8, u'ự'}, {0x00AD, u'đ'},
};
static_assert(sizeof(kTable) / sizeof(kTable[0]) == 31, "the decoding table has 31 letters");
}

char16_t DecodeVietnameseFontUnit(char16_t unit)
{
    for (const FONTLETTER& entry : kTable) {
        if (entry.unit == unit)
            return entry.letter;
    }
    return unit;
}

std::string DecodeVietnameseFontText(const std::u16string& units)
{
    std::u16string letters;
    letters.reserve(units.size());
    for (char16_t unit : units)
        letters += DecodeVietnameseFontUnit(unit);
    return Utf16ToUtf8(letters);
}

} // namespace talvoren
