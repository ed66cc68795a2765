// The titles lists: 145 entries in each folder, and the composed titles of
// temporal days reading as the calendars print them, in Vietnamese (word
// order 1) and English (word order 0).

#include "tests/langdata/ShippedLanguage.h"

#include <gtest/gtest.h>

#include <set>

using namespace talvoren;

namespace
{
std::string RomanNumeral(int n)
{
    static const struct { int nValue; const char* pszText; } kDigits[] = {
        {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    std::string text;
    for (const auto& digit : kDigits)
        for (; n >= digit.nValue; n -= digit.nValue)
            text += digit.pszText;
    return text;
}

struct TITLECASE
{
    int nYear, nMonth, nDay;
    int nEpiphany;   // 1 = Epiphany on 6 January
    const char* pszVietnamese;
    const char* pszEnglish;
};

// At least one day of every season and of every kind of composed title.
const TITLECASE kTitleCases[] = {
    {2026, 11, 29, 0, "Chúa Nhật I Mùa Vọng", "First Sunday of Advent"},
    {2025, 12, 1, 0, "Thứ Hai Tuần I Mùa Vọng", "Monday of the First Week of Advent"},
    {2026, 12, 13, 0, "Chúa Nhật III Mùa Vọng", "Third Sunday of Advent"},
    {2026, 11, 15, 0, "Chúa Nhật XXXIII Thường Niên", "Thirty-third Sunday in Ordinary Time"},
    {2023, 8, 3, 0, "Thứ Năm Tuần XVII Thường Niên", "Thursday of the Seventeenth Week in Ordinary Time"},
    {2026, 1, 18, 0, "Chúa Nhật II Thường Niên", "Second Sunday in Ordinary Time"},
    {2023, 12, 1, 0, "Thứ Sáu Tuần XXXIV Thường Niên", "Friday of the Thirty-fourth Week in Ordinary Time"},
    {2026, 3, 21, 0, "Thứ Bảy Tuần IV Mùa Chay", "Saturday of the Fourth Week of Lent"},
    {2026, 2, 22, 0, "Chúa Nhật I Mùa Chay", "First Sunday of Lent"},
    {2026, 4, 19, 0, "Chúa Nhật III Phục Sinh", "Third Sunday of Easter"},
    {2026, 4, 22, 0, "Thứ Tư Tuần III Phục Sinh", "Wednesday of the Third Week of Easter"},
    {2026, 1, 4, 1, "Chúa Nhật II Mùa Giáng Sinh", "Second Sunday after the Nativity"},
    {2025, 1, 4, 0, "Thứ Bảy trước Lễ Hiển Linh", "Saturday before the Epiphany"},
    {2026, 1, 5, 0, "Thứ Hai sau Lễ Hiển Linh", "Monday after the Epiphany"},
    {2021, 2, 18, 0, "Thứ Năm sau Lễ Tro", "Thursday after Ash Wednesday"},
    {2026, 4, 2, 0, "Thứ Năm Tuần Thánh", "Holy Thursday"},
    {2026, 4, 6, 0, "Thứ Hai trong Tuần Bát Nhật Phục Sinh", "Monday within the Octave of Easter"},
    {2026, 12, 30, 0, "Ngày thứ sáu trong Tuần Bát Nhật Giáng Sinh", "Sixth Day within the Octave of Christmas"},
    {2026, 11, 22, 0, "Chúa Giêsu Kitô, Vua Vũ Trụ", "Our Lord Jesus Christ, King of the Universe"},
    {2026, 5, 25, 0, "Đức Maria, Mẹ Hội Thánh", "The Blessed Virgin Mary, Mother of the Church"},
};
} // namespace

TEST(Titles, EachFolderHas145Entries)
{
    for (const SHIPPEDFOLDER& folder : ShippedFolders()) {
        const std::vector<std::string> titles = KeptLines(folder.pszName, "utitles.txt");
        ASSERT_EQ(titles.size(), 145u) << folder.pszName;
        for (std::size_t n = 0; n < titles.size(); ++n)
            EXPECT_EQ(titles[n].find('#'), std::string::npos) << folder.pszName << " " << n;
        // Weekday names, month names and ordinals each name different things.
        for (const auto& [first, count] :
             {std::pair{86, 7}, std::pair{94, 12}, std::pair{52, 34}, std::pair{116, 6}, std::pair{122, 12},
              std::pair{134, 6}, std::pair{140, 5}}) {
            const std::set<std::string> distinct(titles.begin() + first, titles.begin() + first + count);
            EXPECT_EQ(distinct.size(), static_cast<std::size_t>(count)) << folder.pszName << " from " << first;
        }
    }
}

TEST(Titles, VietnameseWordsInPlace)
{
    const std::vector<std::string> titles = KeptLines("Vietnam", "utitles.txt");
    ASSERT_EQ(titles.size(), 145u);
    for (int week = 1; week <= 34; ++week)
        EXPECT_EQ(titles[51 + week], RomanNumeral(week)) << "week " << week;
    const std::pair<int, const char*> entries[] = {
        {47, "Thường Niên"}, {48, "Mùa Vọng"}, {49, "Mùa Giáng Sinh"}, {50, "Mùa Chay"}, {51, "Phục Sinh"},
        {86, "Chúa Nhật"},   {87, "Thứ Hai"},  {92, "Thứ Bảy"},        {93, "Tuần"},     {94, "Tháng Giêng"},
        {105, "Tháng Mười Hai"}, {107, "Năm"}, {0, "Chúa Hiển Linh"},  {25, "Chúa Nhật Phục Sinh"},
        {106, "Lễ trọng"},   {108, "Thánh vịnh tuần"}, {113, "Lễ kính"}, {114, "Đức Maria, Mẹ Hội Thánh"},
        {115, "Phụng vụ Giờ Kinh theo ngày thứ Tư Lễ Tro."}, {116, "X"}, {117, "Tr"}, {118, "Đ"}, {119, "Tm"},
        {122, "Tháng Giêng"}, {123, "Tháng Hai"}, {132, "Tháng Mười Một"}, {133, "Tháng Chạp"},
    };
    for (const auto& [n, text] : entries)
        EXPECT_EQ(titles[n], text) << n;
    EXPECT_NE(titles[109].find("Sự Vui"), std::string::npos) << "Monday and Saturday: the Joyful mysteries";
    EXPECT_NE(titles[110].find("Sự Thương"), std::string::npos) << "Tuesday and Friday: the Sorrowful mysteries";
    EXPECT_NE(titles[111].find("Sự Mừng"), std::string::npos) << "Sunday and Wednesday: the Glorious mysteries";
    EXPECT_NE(titles[112].find("Sự Sáng"), std::string::npos) << "Thursday: the Luminous mysteries";
}

TEST(Titles, EnglishWordsInPlace)
{
    const std::vector<std::string> titles = KeptLines("English", "utitles.txt");
    ASSERT_EQ(titles.size(), 145u);
    const std::pair<int, const char*> entries[] = {
        {52, "First"},  {53, "Second"},       {60, "Ninth"},       {72, "Twenty-first"}, {84, "Thirty-third"},
        {85, "Thirty-fourth"}, {47, "in Ordinary Time"}, {48, "of Advent"}, {51, "of Easter"}, {86, "Sunday"},
        {92, "Saturday"}, {94, "January"}, {105, "December"}, {107, "Year"},
        {106, "Solemnity"}, {113, "Feast"}, {114, "The Blessed Virgin Mary, Mother of the Church"},
        {116, "G"}, {117, "W"}, {118, "R"}, {119, "V"}, {122, "First Month"}, {133, "Twelfth Month"},
    };
    for (const auto& [n, text] : entries)
        EXPECT_EQ(titles[n], text) << n;
    EXPECT_NE(titles[93].find('*'), std::string::npos) << "the week word is a template";
    EXPECT_NE(titles[109].find("Joyful"), std::string::npos);
    EXPECT_NE(titles[110].find("Sorrowful"), std::string::npos);
    EXPECT_NE(titles[111].find("Glorious"), std::string::npos);
    EXPECT_NE(titles[112].find("Luminous"), std::string::npos);
}

TEST(Titles, ComposedTitlesReadAsTheCalendarsPrintThem)
{
    for (const SHIPPEDFOLDER& folder : ShippedFolders()) {
        const CCelebrationLanguage data(folder.pszName, folder.nSyntax);
        for (const TITLECASE& c : kTitleCases) {
            const YEARTABLE year = data.Year(c.nYear, c.nEpiphany);
            const DAYRECORD& day = year.Day(year.DayIndex(c.nMonth, c.nDay));
            EXPECT_EQ(day.strCelebration, folder.nSyntax == 1 ? c.pszVietnamese : c.pszEnglish)
                << folder.pszName << " " << c.nYear << "-" << c.nMonth << "-" << c.nDay;
        }
    }
}

TEST(Titles, WeekdaysComposeTheSameWayInEitherWordOrder)
{
    // Only Sundays depend on the word order; a weekday reads the same with
    // the other order set.
    for (const SHIPPEDFOLDER& folder : ShippedFolders()) {
        const CCelebrationLanguage data(folder.pszName, 1 - folder.nSyntax);
        const CTitleList& titles = data.Data().Titles();
        EXPECT_EQ(titles.Compose(kSeasonAdvent, 1, 1), folder.nSyntax == 1 ? "Thứ Hai Tuần I Mùa Vọng"
                                                                  : "Monday of the First Week of Advent");
        EXPECT_EQ(titles.Compose(kSeasonOrdinary, 17, 4), folder.nSyntax == 1 ? "Thứ Năm Tuần XVII Thường Niên"
                                                                   : "Thursday of the Seventeenth Week in Ordinary Time");
    }
}
