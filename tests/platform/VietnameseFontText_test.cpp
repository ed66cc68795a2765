#include "platform/VietnameseFontText.h"
#include "resources/EncodedCaptions.h"

#include <gtest/gtest.h>

using namespace talvoren;

TEST(VietnameseFontText, DecodesTheExamples)
{
    struct Case { std::u16string units; const char* text; };
    const Case cases[] = {
        {u" Ng\u0178ng ", " Ngưng "},
        {u"Th\u00FFng M\u0178\u00F5i M\u203At", "Tháng Mười Một"},
        {u"C\u00A3 ph\u00FFp Vi\u00ACt (Ch\u00A3a Nh\u00E7t Th\u00A4 Nh\u00E3t)", "Cú pháp Việt (Chúa Nhật Thứ Nhất)"},
        {u"", ""},
        {u"plain ASCII 123", "plain ASCII 123"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeVietnameseFontText(c.units), c.text) << c.text;
}

TEST(VietnameseFontText, EveryCodeUnitOfTheTable)
{
    const std::u16string units = u"\u0192\u2026\u00FF\u00E5\u00E8\u00ED\u00E3\u00E7\u02C6\u2030\u017D\u008F"
                                 u"\u00AC\u00A1\u008D\u00AB\u201C\u2013\u02DC\u2122\u203A\u201D\u2018\u00F5"
                                 u"\u00A3\u0178\u00A4\u00A5\u00A7\u00A8\u00AD";
    EXPECT_EQ(DecodeVietnameseFontText(units), "âàáảăặấậêếểễệíìịôốồổộọỏờúưứừữựđ");
    // Code units outside the table stand for themselves, a lone surrogate becomes U+FFFD.
    EXPECT_EQ(DecodeVietnameseFontUnit(u'Z'), u'Z');
    EXPECT_EQ(DecodeVietnameseFontUnit(u'é'), u'é');
    EXPECT_EQ(DecodeVietnameseFontText(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(VietnameseFontText, TheProgramsCaptions)
{
    EXPECT_EQ(DecodeVietnameseFontText(kDayCloseCaption), " Ngưng ");
    EXPECT_EQ(DecodeVietnameseFontText(kDayNextCaption), " Ngày Mai ");
    EXPECT_EQ(DecodeVietnameseFontText(kDayPrevCaption), " Hôm Qua ");
    EXPECT_EQ(DecodeVietnameseFontText(kInsertCdPrompt),
              "Xin bỏ CD Sorvane Bible vào ổ CD rồi nhấn vào đây\nhoặc nhấn nút Cancel nếu muốn ngưng");
}
