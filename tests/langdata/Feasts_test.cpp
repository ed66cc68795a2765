// The feast files: every line a valid date, rank and colour; the solemnities,
// feasts and memorials of the General Roman Calendar with the proper
// calendar of Vietnam; proper readings of solemnities and feasts in the short
// citation form that the scripture page reads.

#include "tests/langdata/ShippedLanguage.h"

#include "base/Utf16.h"
#include "engine/FeastLine.h"
#include "scripture/BookAbbreviations.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace talvoren;

namespace
{
struct FEASTFIELDS
{
    int nDay = 0, nMonth = 0;
    char chRank = 0, chColour = 0;
    bool bNoLabel = false;
    std::string strName, strReadings;
};

// Splits a line the way the file is written: day, month, rank letter (with
// "-" after it when the pages print no rank label) and colour letter
// separated by single blanks, the name, then a tab and the readings. Returns
// false for any other shape.
bool SplitFeastLine(const std::string& line, FEASTFIELDS& fields)
{
    std::size_t pos = 0;
    auto number = [&](int& value) {
        const std::size_t start = pos;
        value = 0;
        while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9')
            value = value * 10 + (line[pos++] - '0');
        return pos > start && pos - start <= 2 && pos < line.size() && line[pos++] == ' ';
    };
    if (!number(fields.nDay) || !number(fields.nMonth) || pos + 4 > line.size())
        return false;
    fields.chRank = line[pos];
    fields.bNoLabel = line[pos + 1] == '-';
    if (fields.bNoLabel)
        ++pos;
    if (pos + 4 > line.size() || line[pos + 1] != ' ' || line[pos + 3] != ' ')
        return false;
    fields.chColour = line[pos + 2];
    const std::string rest = line.substr(pos + 4);
    const std::size_t tab = rest.find('\t');
    fields.strName = rest.substr(0, tab);
    fields.strReadings = tab == std::string::npos ? std::string() : rest.substr(tab + 1);
    return fields.strReadings.find('\t') == std::string::npos;
}

int DaysInMonth(int month)
{
    static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kDays[month - 1];
}

std::vector<FEASTFIELDS> FeastsOf(const std::string& folder)
{
    std::vector<FEASTFIELDS> feasts;
    for (const std::string& line : KeptLines(folder, "ufeast.txt")) {
        FEASTFIELDS fields;
        EXPECT_TRUE(SplitFeastLine(line, fields)) << folder << ": " << line;
        feasts.push_back(fields);
    }
    return feasts;
}

// The book names that `folder` cites with (its shipped uBooks.txt).
const CBookAbbreviations& NamesOf(const std::string& folder)
{
    static std::map<std::string, CBookAbbreviations> names;
    if (!names.count(folder)) {
        CBookAbbreviations table;
        EXPECT_TRUE(CBookAbbreviations::Parse(KeptLines(folder, "uBooks.txt"), table)) << folder;
        names[folder] = table;
    }
    return names[folder];
}

// The book of short name `name` in `names`; 0 for none.
int BookOf(const std::string& name, const CBookAbbreviations& names)
{
    for (const auto* entries : {&names.Numbered(), &names.Other()})
        for (const CBookAbbreviations::ENTRY& entry : *entries)
            if (entry.strAbbreviation == name + " ")
                return entry.nBook;
    return 0;
}

// "3:9-15,20": a chapter, a colon, then verses and ranges, each range rising.
bool IsChapterAndVerses(const std::string& text)
{
    std::size_t pos = 0;
    auto number = [&](int& value) {
        const std::size_t start = pos;
        value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
            value = value * 10 + (text[pos++] - '0');
        return pos > start && value > 0;
    };
    int chapter = 0;
    if (!number(chapter) || pos >= text.size() || text[pos++] != ':')
        return false;
    int last = 0;
    for (;;) {
        int first = 0;
        if (!number(first) || first <= last)
            return false;
        last = first;
        if (pos < text.size() && text[pos] == '-') {
            ++pos;
            if (!number(last) || last <= first)
                return false;
        }
        if (pos == text.size())
            return true;
        if (text[pos++] != ',')
            return false;
    }
}

// Checks a readings text: citations separated by "; ", each "Book ch:verses"
// or a continuation "ch:verses" of the book before; a gospel may carry the
// year of the Sunday cycle it belongs to. Returns the books cited, in order,
// or an empty list when the text has another shape.
std::vector<int> CitedBooks(const std::string& readings, const CBookAbbreviations& names)
{
    std::vector<int> books;
    std::size_t start = 0;
    while (start <= readings.size()) {
        std::size_t end = readings.find("; ", start);
        if (end == std::string::npos)
            end = readings.size();
        std::string piece = readings.substr(start, end - start);
        for (const char* year : {" (năm A)", " (năm B)", " (năm C)", " (Year A)", " (Year B)", " (Year C)"})
            if (piece.size() > std::string(year).size() &&
                piece.compare(piece.size() - std::string(year).size(), std::string::npos, year) == 0)
                piece.erase(piece.size() - std::string(year).size());
        const std::size_t blank = piece.rfind(' ');
        if (blank != std::string::npos) {
            const int book = BookOf(piece.substr(0, blank), names);
            if (book == 0)
                return {};
            books.push_back(book);
        } else if (books.empty()) {
            return {};   // a continuation needs a book before it
        }
        if (!IsChapterAndVerses(piece.substr(blank == std::string::npos ? 0 : blank + 1)))
            return {};
        start = end + 2;
    }
    return books;
}

using DATE = std::pair<int, int>;   // day, month

// Solemnities (with the Vietnamese Martyrs, a solemnity in Vietnam), feasts
// of the Lord and feasts of the General Roman Calendar.
const std::map<DATE, char> kHigherRanks{
    {{1, 1}, 'S'},   {{19, 3}, 'S'},  {{25, 3}, 'S'},  {{24, 6}, 'S'},  {{29, 6}, 'S'},  {{15, 8}, 'S'},
    {{1, 11}, 'S'},  {{2, 11}, 'S'},  {{24, 11}, 'S'}, {{8, 12}, 'S'},  {{25, 12}, 'S'}, {{2, 2}, 'L'},
    {{6, 8}, 'L'},   {{14, 9}, 'L'},  {{9, 11}, 'L'},  {{25, 1}, 'F'},  {{22, 2}, 'F'},  {{25, 4}, 'F'},
    {{3, 5}, 'F'},   {{14, 5}, 'F'},  {{31, 5}, 'F'},  {{3, 7}, 'F'},   {{22, 7}, 'F'},  {{25, 7}, 'F'},
    {{10, 8}, 'F'},  {{24, 8}, 'F'},  {{8, 9}, 'F'},   {{21, 9}, 'F'},  {{29, 9}, 'F'},  {{18, 10}, 'F'},
    {{28, 10}, 'F'}, {{30, 11}, 'F'}, {{26, 12}, 'F'}, {{27, 12}, 'F'}, {{28, 12}, 'F'},
    {{1, 10}, 'F'},  {{3, 12}, 'F'},   // patrons of the missions, feasts in Vietnam
};

// Obligatory memorials of the General Roman Calendar (1 October and 3
// December are feasts in Vietnam).
const std::set<DATE> kMemorials{
    {2, 1},   {17, 1},  {21, 1},  {24, 1},  {26, 1},  {28, 1},  {31, 1},  {5, 2},   {6, 2},   {10, 2},
    {14, 2},  {23, 2},  {7, 3},   {7, 4},   {11, 4},  {29, 4},  {2, 5},   {26, 5},  {1, 6},   {3, 6},
    {5, 6},   {11, 6},  {13, 6},  {21, 6},  {28, 6},  {11, 7},  {15, 7},  {26, 7},  {29, 7},  {31, 7},
    {1, 8},   {4, 8},   {8, 8},   {11, 8},  {14, 8},  {20, 8},  {21, 8},  {22, 8},  {27, 8},  {28, 8},
    {29, 8},  {3, 9},   {13, 9},  {15, 9},  {16, 9},  {20, 9},  {23, 9},  {27, 9},  {30, 9},
    {2, 10},  {4, 10},  {7, 10},  {15, 10}, {17, 10}, {4, 11},  {10, 11}, {11, 11}, {12, 11}, {17, 11},
    {21, 11}, {22, 11}, {7, 12},  {13, 12}, {14, 12},
};
} // namespace

TEST(Feasts, EveryLineGivesAValidDateRankAndColour)
{
    for (const SHIPPEDFOLDER& folder : ShippedFolders()) {
        const std::vector<std::string> lines = KeptLines(folder.pszName, "ufeast.txt");
        ASSERT_GT(lines.size(), 150u) << folder.pszName;
        for (const std::string& line : lines) {
            SCOPED_TRACE(std::string(folder.pszName) + ": " + line);
            FEASTFIELDS fields;
            ASSERT_TRUE(SplitFeastLine(line, fields));
            ASSERT_GE(fields.nMonth, 1);
            ASSERT_LE(fields.nMonth, 12);
            EXPECT_GE(fields.nDay, 1);
            EXPECT_LE(fields.nDay, DaysInMonth(fields.nMonth));
            EXPECT_NE(std::string("SLFMO").find(fields.chRank), std::string::npos);
            EXPECT_NE(std::string("WRGPB").find(fields.chColour), std::string::npos);
            EXPECT_FALSE(fields.strName.empty());
            EXPECT_EQ(TrimWide(fields.strName), fields.strName);
            // The engine reads the same fields.
            FEASTLINE feast;
            ASSERT_TRUE(ParseFeastLine(line, feast));
            EXPECT_EQ(feast.nDay, fields.nDay);
            EXPECT_EQ(feast.nMonth, fields.nMonth);
            EXPECT_NE(feast.nColour, 0);
            EXPECT_EQ(feast.strCelebration, fields.strName);
            EXPECT_EQ(feast.strReadings, fields.strReadings);
        }
    }
}

TEST(Feasts, SolemnitiesFeastsAndMemorialsOfTheCalendar)
{
    for (const SHIPPEDFOLDER& folder : ShippedFolders()) {
        std::map<DATE, char> higher;
        std::set<DATE> memorials;
        std::set<std::pair<DATE, char>> ranksOfDates;
        for (const FEASTFIELDS& feast : FeastsOf(folder.pszName)) {
            const DATE date{feast.nDay, feast.nMonth};
            if (std::string("SLF").find(feast.chRank) != std::string::npos)
                higher[date] = feast.chRank;
            if (feast.chRank == 'M')
                memorials.insert(date);
            // A second line of the same rank on a date would never be shown;
            // optional memorials of one date are all named.
            EXPECT_TRUE(ranksOfDates.insert({date, feast.chRank}).second || feast.chRank == 'O')
                << folder.pszName << " " << feast.nDay << "/" << feast.nMonth;
        }
        EXPECT_EQ(higher, kHigherRanks) << folder.pszName;
        EXPECT_EQ(memorials, kMemorials) << folder.pszName;
    }
}

TEST(Feasts, CelebrationsRequiredWithTheirRanksAndColours)
{
    struct CASE
    {
        int nDay, nMonth;
        char chRank, chColour;
        const char* pszVietnamese;
    };
    const CASE cases[] = {
        {25, 12, 'S', 'W', "Chúa Giáng Sinh"},
        {1, 1, 'S', 'W', "Thánh Maria, Mẹ Thiên Chúa"},
        {2, 2, 'L', 'W', "Dâng Chúa Giêsu trong Đền Thánh"},
        {19, 3, 'S', 'W', "Thánh Giuse, Bạn Trăm Năm Đức Trinh Nữ Maria"},
        {25, 3, 'S', 'W', nullptr},
        {24, 6, 'S', 'W', "Sinh Nhật Thánh Gioan Tẩy Giả"},
        {29, 6, 'S', 'R', nullptr},
        {6, 8, 'L', 'W', "Chúa Hiển Dung"},
        {15, 8, 'S', 'W', "Đức Mẹ Hồn Xác Lên Trời"},
        {14, 9, 'L', 'R', "Suy Tôn Thánh Giá"},
        {1, 11, 'S', 'W', "Các Thánh Nam Nữ"},
        {2, 11, 'S', 'P', nullptr},
        {9, 11, 'L', 'W', nullptr},
        {8, 12, 'S', 'W', "Đức Mẹ Vô Nhiễm Nguyên Tội"},
        {24, 11, 'S', 'R', "Thánh Anrê Dũng-Lạc và các bạn tử đạo Việt Nam"},
    };
    for (const SHIPPEDFOLDER& folder : ShippedFolders()) {
        const std::vector<FEASTFIELDS> feasts = FeastsOf(folder.pszName);
        for (const CASE& c : cases) {
            int found = 0;
            for (const FEASTFIELDS& feast : feasts) {
                if (feast.nDay != c.nDay || feast.nMonth != c.nMonth)
                    continue;
                ++found;
                EXPECT_EQ(feast.chRank, c.chRank) << folder.pszName << " " << c.nDay << "/" << c.nMonth;
                EXPECT_EQ(feast.chColour, c.chColour) << folder.pszName << " " << c.nDay << "/" << c.nMonth;
                if (c.pszVietnamese && folder.nSyntax == 1) {
                    EXPECT_EQ(feast.strName, c.pszVietnamese);
                }
            }
            EXPECT_EQ(found, 1) << folder.pszName << " " << c.nDay << "/" << c.nMonth;
        }
        for (const FEASTFIELDS& feast : feasts)
            EXPECT_FALSE(feast.nDay == 13 && feast.nMonth == 11) << "the Vietnamese Martyrs are kept on 24 November";
    }
}

TEST(Feasts, SolemnitiesAndFeastsCiteTheirReadingsInShortForm)
{
    for (const SHIPPEDFOLDER& folder : ShippedFolders())
        for (const FEASTFIELDS& feast : FeastsOf(folder.pszName)) {
            SCOPED_TRACE(std::string(folder.pszName) + " " + feast.strName);
            if (std::string("SLF").find(feast.chRank) == std::string::npos) {
                EXPECT_TRUE(feast.strReadings.empty()) << "memorials keep the readings of the weekday";
                continue;
            }
            const std::vector<int> books = CitedBooks(feast.strReadings, NamesOf(folder.pszName));
            ASSERT_GE(books.size(), 3u) << feast.strReadings;
            EXPECT_TRUE(books.back() >= 47 && books.back() <= 50) << "ends with a gospel";
        }
}

TEST(Feasts, GospelsOfTheGreatCelebrations)
{
    const std::pair<DATE, const char*> gospels[] = {
        {{25, 12}, "Ga 1:1-18"},  {{1, 1}, "Lc 2:16-21"},         {{2, 2}, "Lc 2:22-40"},
        {{19, 3}, "Mt 1:16,18-21,24"}, {{25, 3}, "Lc 1:26-38"},   {{24, 6}, "Lc 1:57-66,80"},
        {{29, 6}, "Mt 16:13-19"}, {{15, 8}, "Lc 1:39-56"},        {{14, 9}, "Ga 3:13-17"},
        {{1, 11}, "Mt 5:1-12"},   {{9, 11}, "Ga 2:13-22"},        {{8, 12}, "Lc 1:26-38"},
        {{30, 11}, "Mt 4:18-22"}, {{26, 12}, "Mt 10:17-22"},      {{22, 2}, "Mt 16:13-19"},
    };
    for (const SHIPPEDFOLDER& folder : ShippedFolders()) {
        const std::vector<FEASTFIELDS> feasts = FeastsOf(folder.pszName);
        for (const auto& [date, gospel] : gospels)
            for (const FEASTFIELDS& feast : feasts)
                if (feast.nDay == date.first && feast.nMonth == date.second) {
                    const std::string& readings = feast.strReadings;
                    // The gospel as the folder cites it.
                    const std::string vietnamese = gospel;
                    const std::size_t blank = vietnamese.rfind(' ');
                    const int book = BookOf(vietnamese.substr(0, blank), CBookAbbreviations::Vietnamese());
                    const std::string tail =
                        "; " + NamesOf(folder.pszName).Abbreviation(book) + vietnamese.substr(blank + 1);
                    EXPECT_TRUE(readings.size() > tail.size() &&
                                readings.compare(readings.size() - tail.size(), std::string::npos, tail) == 0)
                        << folder.pszName << ": " << readings;
                }
    }
}

TEST(Feasts, BothFoldersKeepTheSameCalendar)
{
    const std::vector<FEASTFIELDS> vietnamese = FeastsOf("Vietnam");
    const std::vector<FEASTFIELDS> english = FeastsOf("English");
    ASSERT_EQ(vietnamese.size(), english.size());
    for (std::size_t i = 0; i < vietnamese.size(); ++i) {
        const FEASTFIELDS& vi = vietnamese[i];
        const FEASTFIELDS& en = english[i];
        EXPECT_EQ(std::tie(vi.nDay, vi.nMonth, vi.chRank, vi.chColour), std::tie(en.nDay, en.nMonth, en.chRank, en.chColour))
            << vi.strName << " / " << en.strName;
        EXPECT_EQ(CitedBooks(vi.strReadings, NamesOf("Vietnam")), CitedBooks(en.strReadings, NamesOf("English")))
            << vi.strName;
        EXPECT_NE(vi.strName, en.strName);
    }
}

TEST(Feasts, PlacedInTheYearByPrecedence)
{
    struct CASE
    {
        int nYear, nMonth, nDay;
        int nRank, nColour;
        const char* pszVietnamese;   // nullptr: the temporal day keeps its title
    };
    const CASE cases[] = {
        {2026, 1, 1, 10, 2, "Thánh Maria, Mẹ Thiên Chúa"},
        {2026, 12, 25, 10, 2, "Chúa Giáng Sinh"},
        {2026, 3, 19, 10, 2, "Thánh Giuse, Bạn Trăm Năm Đức Trinh Nữ Maria"},   // a weekday of Lent
        {2026, 11, 2, 10, 4, "Cầu Cho Các Tín Hữu Đã Qua Đời"},
        {2026, 11, 24, 10, 3, "Thánh Anrê Dũng-Lạc và các bạn tử đạo Việt Nam"},
        {2024, 12, 9, 10, 2, "Đức Mẹ Vô Nhiễm Nguyên Tội"},   // 8 December a Sunday of Advent
        {2024, 12, 8, 5, 4, nullptr},
        {2026, 2, 22, 5, 4, nullptr},                         // the Chair of Peter yields to a Sunday of Lent
        {2026, 2, 23, 1, 4, "Thứ Hai Tuần I Mùa Chay; Thánh Pôlycarpô, giám mục, tử đạo (Đ)"},   // commemorated
        {2026, 7, 22, 4, 2, "Thánh Maria Mađalêna"},
        {2026, 10, 1, 4, 2, "Thánh Têrêsa Hài Đồng Giêsu, trinh nữ, tiến sĩ Hội Thánh, bổn mạng các xứ truyền giáo"},
        {2026, 12, 3, 4, 2, "Thánh Phanxicô Xaviê, linh mục, bổn mạng các xứ truyền giáo"},
        {2023, 10, 1, 5, 1, nullptr},                         // a feast yields to a Sunday
        {2024, 12, 23, 1, 4, "Thứ Hai Tuần IV Mùa Vọng; Thánh Gioan Kêty, linh mục (Tr)"},
        {2026, 2, 3, 2, 1, "Thứ Ba Tuần IV Thường Niên; Thánh Blasiô, giám mục, tử đạo (Đ); Thánh Ansgariô, giám mục (Tr)"},
    };
    const CCelebrationLanguage data("Vietnam", 1);
    for (const CASE& c : cases) {
        const YEARTABLE year = data.Year(c.nYear);
        const DAYRECORD& day = year.Day(year.DayIndex(c.nMonth, c.nDay));
        SCOPED_TRACE(std::to_string(c.nYear) + "-" + std::to_string(c.nMonth) + "-" + std::to_string(c.nDay));
        EXPECT_EQ(day.nRank, c.nRank);
        EXPECT_EQ(day.nColour, c.nColour);
        if (c.pszVietnamese) {
            EXPECT_EQ(day.strCelebration, c.pszVietnamese);
        } else {
            EXPECT_EQ(day.strCelebration.rfind("Chúa Nhật", 0), 0u) << day.strCelebration;
        }
    }
}

// Each celebration keeps its own colour: the dates whose optional memorials
// the ordos print with two colours have a line of each colour.
TEST(Feasts, OptionalMemorialsOfOneDateKeepTheirOwnColours)
{
    const DATE twoColours[] = {{3, 2}, {28, 4}, {22, 6}, {7, 8}, {9, 10}, {19, 10}, {23, 11}};
    for (const SHIPPEDFOLDER& folder : ShippedFolders()) {
        const std::vector<FEASTFIELDS> feasts = FeastsOf(folder.pszName);
        for (const DATE& date : twoColours) {
            std::set<char> colours;
            for (const FEASTFIELDS& feast : feasts)
                if (feast.nDay == date.first && feast.nMonth == date.second && feast.chRank == 'O')
                    colours.insert(feast.chColour);
            EXPECT_EQ(colours, (std::set<char>{'R', 'W'})) << folder.pszName << " " << date.first << "/" << date.second;
        }
    }
}
