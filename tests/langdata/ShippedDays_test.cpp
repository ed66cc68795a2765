// Days of 2018-2030 as the Vietnamese ordos print them, computed from the
// shipped folders with the Vietnamese defaults (Epiphany, the Ascension and
// Corpus Christi on Sunday): the transfers, Mary, Mother of the Church, Tết,
// the proper feasts and the notes placed by rule, in both languages.

#include "tests/langdata/ShippedLanguage.h"

#include <gtest/gtest.h>

using namespace talvoren;

namespace
{
const DAYRECORD& DayOf(const YEARTABLE& year, int month, int day)
{
    return year.Day(year.DayIndex(month, day));
}

bool Holds(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}
} // namespace

TEST(ShippedDays, CelebrationsOfTheOrdos)
{
    struct Case {
        int year, month, day, rank;
        const char* vietnamese;
        const char* english;   // the start of the celebration in each folder
    };
    const Case cases[] = {
        {2018, 4, 9, 10, "Truyền Tin", "The Annunciation"},
        {2019, 11, 25, 10, "Thánh Anrê Dũng-Lạc", "Saint Andrew Dũng-Lạc"},
        {2024, 11, 25, 10, "Thánh Anrê Dũng-Lạc", "Saint Andrew Dũng-Lạc"},
        {2024, 12, 9, 10, "Đức Mẹ Vô Nhiễm Nguyên Tội", "The Immaculate Conception"},
        {2022, 6, 23, 10, "Sinh Nhật Thánh Gioan Tẩy Giả", "The Nativity of Saint John the Baptist"},
        {2022, 6, 24, 10, "Thánh Tâm Chúa Giêsu", "The Most Sacred Heart"},
        {2020, 6, 1, 3, "Đức Maria, Mẹ Hội Thánh", "The Blessed Virgin Mary, Mother of the Church"},
        {2024, 2, 11, 6, "Mồng Hai Tết", "Second Day of Tết"},
        {2026, 2, 18, 6, "Mồng Hai Tết", "Second Day of Tết"},
        {2026, 2, 19, 6, "Mồng Ba Tết", "Third Day of Tết"},
        {2026, 2, 20, 7, "Thứ Tư Lễ Tro", "Ash Wednesday"},
        {2026, 5, 17, 10, "Chúa Thăng Thiên", "The Ascension of the Lord"},
        {2026, 6, 7, 10, "Mình và Máu Thánh Chúa Kitô", "The Most Holy Body and Blood of Christ"},
        {2026, 10, 1, 4, "Thánh Têrêsa Hài Đồng Giêsu", "Saint Thérèse of the Child Jesus"},
        {2026, 12, 3, 4, "Thánh Phanxicô Xaviê", "Saint Francis Xavier"},
    };
    // Each folder in both word orders: the new titles are no composed ones.
    for (const SHIPPEDFOLDER& folder : ShippedFolders())
        for (int order : {0, 1}) {
            const CCelebrationLanguage data(folder.pszName, order);
            for (const Case& c : cases) {
                const YEARTABLE year = data.Year(c.year, 0, 1, 1);
                const DAYRECORD& day = DayOf(year, c.month, c.day);
                const std::string start = folder.nSyntax == 1 ? c.vietnamese : c.english;
                const std::string where = std::string(folder.pszName) + " order " + std::to_string(order) + " " +
                                          std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                                          std::to_string(c.day);
                EXPECT_EQ(day.strCelebration.rfind(start, 0), 0u) << where << ": " << day.strCelebration;
                EXPECT_EQ(day.nRank, c.rank) << where;
            }
        }
}

// The notes placed by rule and by lunar date, in 2026 and in every year of
// 2021-2030 for the solemn celebrations the bishops set in 1991.
TEST(ShippedDays, NotesOfTheOrdos)
{
    struct Case {
        int month, day;
        const char* vietnamese;
        const char* english;   // a part of a note line of the day
    };
    const Case cases2026[] = {
        {1, 25, "Chúa Nhật Lời Chúa", "Sunday of the Word of God"},
        {2, 20, "Giữ chay và kiêng thịt", "fast and abstinence"},
        {4, 3, "Giữ chay và kiêng thịt", "fast and abstinence"},
        {4, 12, "Lòng Thương Xót", "Divine Mercy"},
        {4, 26, "Ơn Thiên Triệu", "Vocations"},
        {5, 17, "Truyền Thông Xã Hội", "World Communications Day"},
        {5, 17, "Lễ buộc tại giáo tỉnh Hà Nội", "Holy day of obligation in the ecclesiastical province of Hà Nội"},
        {5, 31, "Kết thúc mùa giữ luật rước lễ Phục Sinh", "Easter duty ends"},
        {7, 26, "Ông Bà và Người Cao Tuổi", "Grandparents and the Elderly"},
        {9, 2, "Ngày Quốc Khánh. Cầu cho Tổ Quốc.", "National Day. Prayer for the country."},
        {9, 25, "Ngày Trung Thu. Cầu cho thiếu nhi", "Mid-Autumn Festival. Prayer for children"},
        {10, 18, "Ngày Thế Giới Truyền Giáo", "World Mission Sunday"},
        {11, 8, "ơn toàn xá", "plenary indulgence"},
        {11, 15, "Ngày Thế Giới Người Nghèo", "World Day of the Poor"},
    };
    for (const SHIPPEDFOLDER& folder : ShippedFolders()) {
        const bool vietnamese = folder.nSyntax == 1;
        const CCelebrationLanguage data(folder.pszName, folder.nSyntax);
        const YEARTABLE year = data.Year(2026, 0, 1, 1);
        for (const Case& c : cases2026)
            EXPECT_TRUE(Holds(DayOf(year, c.month, c.day).strReadings, vietnamese ? c.vietnamese : c.english))
                << folder.pszName << " 2026-" << c.month << "-" << c.day;
        const YEARTABLE y2019 = data.Year(2019);
        EXPECT_TRUE(Holds(DayOf(y2019, 9, 13).strReadings, vietnamese ? "Ngày Trung Thu" : "Mid-Autumn"))
            << folder.pszName << " 2019";
        for (int y = 2021; y <= 2030; ++y) {
            const YEARTABLE table = data.Year(y);
            int rosary = 0;
            int martyrs = 0;
            for (int i = 0; i < table.nDaysInYear; ++i) {
                const DAYRECORD& day = table.Day(i);
                if (Holds(day.strReadings, vietnamese ? "trọng thể lễ Đức Mẹ Mân Côi" : "Our Lady of the Rosary")) {
                    ++rosary;
                    EXPECT_TRUE(day.nWeekday == 0 && day.nMonth == 10 && day.nDay <= 7) << folder.pszName << " " << y;
                }
                if (Holds(day.strReadings, vietnamese ? "trọng thể Các Thánh Tử Đạo" : "the Martyrs of Vietnam")) {
                    ++martyrs;
                    EXPECT_EQ(i + 14, table.anchors.nAdventStart) << folder.pszName << " " << y << ": Sunday XXXIII";
                }
            }
            EXPECT_EQ(rosary, 1) << folder.pszName << " " << y;
            EXPECT_EQ(martyrs, 1) << folder.pszName << " " << y;
        }
    }
}
