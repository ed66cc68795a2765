// The local and ordo notes: dated lines that reach their days every year,
// with the holy days of obligation of Vietnam among them.

#include "tests/langdata/ShippedLanguage.h"

#include "base/Utf16.h"
#include "engine/DayNotes.h"

#include <gtest/gtest.h>

#include <set>

using namespace talvoren;

namespace
{
int DaysInMonth(int month)
{
    static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kDays[month - 1];
}

const char* const kNoteFiles[] = {"uLocal.txt", "uOrdo.txt"};

// The holy days of obligation by ecclesiastical province: Hà Nội keeps
// Christmas, the Ascension (a moveable note), the Assumption and All Saints;
// Huế and Sài Gòn keep Christmas only.
const char* ObligationNote(int syntax, bool allProvinces)
{
    if (allProvinces)
        return syntax == 1 ? "Lễ buộc tại cả ba giáo tỉnh Hà Nội, Huế và Sài Gòn."
                           : "Holy day of obligation in the three ecclesiastical provinces of Hà Nội, Huế and Sài Gòn.";
    return syntax == 1 ? "Lễ buộc tại giáo tỉnh Hà Nội." : "Holy day of obligation in the ecclesiastical province of Hà Nội.";
}
} // namespace

TEST(DayNotes, EveryLineIsOneDatedNote)
{
    for (const SHIPPEDFOLDER& folder : ShippedFolders())
        for (const char* file : kNoteFiles) {
            const std::vector<std::string> lines = KeptLines(folder.pszName, file);
            EXPECT_GE(lines.size(), 10u) << folder.pszName << "/" << file << " holds real notes";
            for (const std::string& line : lines) {
                SCOPED_TRACE(std::string(folder.pszName) + "/" + file + ": " + line);
                int day = 0;
                int month = 0;
                std::string text;
                ASSERT_TRUE(ParseDatedNoteLine(line, day, month, text)) << "a continuation would join the note before";
                EXPECT_LE(day, DaysInMonth(month)) << "a date past the month's end lands on another day";
                EXPECT_FALSE(TrimWide(text).empty());
                // The scripture page reads a readings text, notes included: a
                // colon after a number there would cite a passage.
                EXPECT_EQ(text.find(':'), std::string::npos);
            }
        }
}

TEST(DayNotes, BothFoldersNoteTheSameDates)
{
    for (const char* file : kNoteFiles) {
        std::vector<std::pair<int, int>> dates[2];
        for (int k = 0; k < 2; ++k)
            for (const std::string& line : KeptLines(ShippedFolders()[k].pszName, file)) {
                int day = 0;
                int month = 0;
                std::string text;
                if (ParseDatedNoteLine(line, day, month, text))
                    dates[k].emplace_back(day, month);
            }
        EXPECT_EQ(dates[0], dates[1]) << file;
    }
}

TEST(DayNotes, HolyDaysOfObligationByProvince)
{
    const std::set<std::pair<int, int>> allProvinces{{25, 12}};
    const std::set<std::pair<int, int>> haNoi{{15, 8}, {1, 11}};
    for (const SHIPPEDFOLDER& folder : ShippedFolders()) {
        std::set<std::pair<int, int>> foundAll;
        std::set<std::pair<int, int>> foundHaNoi;
        for (const std::string& line : KeptLines(folder.pszName, "uOrdo.txt")) {
            int day = 0;
            int month = 0;
            std::string text;
            if (!ParseDatedNoteLine(line, day, month, text))
                continue;
            if (text == ObligationNote(folder.nSyntax, true))
                foundAll.emplace(day, month);
            if (text == ObligationNote(folder.nSyntax, false))
                foundHaNoi.emplace(day, month);
        }
        EXPECT_EQ(foundAll, allProvinces) << folder.pszName;
        EXPECT_EQ(foundHaNoi, haNoi) << folder.pszName;
    }
}

TEST(DayNotes, NotesFollowTheReadingsOfTheirDay)
{
    for (const SHIPPEDFOLDER& folder : ShippedFolders()) {
        const CCelebrationLanguage data(folder.pszName, folder.nSyntax);
        const YEARTABLE year = data.Year(2026);
        const std::string christmas = year.Day(year.DayIndex(12, 25)).strReadings;
        const std::string ending = std::string("<br>") + ObligationNote(folder.nSyntax, true);
        ASSERT_GT(christmas.size(), ending.size());
        EXPECT_EQ(christmas.substr(christmas.size() - ending.size()), ending) << folder.pszName;
        // 24 November: the solemnity's readings, then the local notes, then
        // the ordo note.
        const std::string martyrs = year.Day(year.DayIndex(11, 24)).strReadings;
        const bool vietnamese = folder.nSyntax == 1;
        EXPECT_EQ(martyrs.rfind(vietnamese ? "2 Mcb 7:1,20-23,27-29;" : "2 Mc 7:1,20-23,27-29;", 0), 0u) << martyrs;
        EXPECT_NE(martyrs.find("1960"), std::string::npos) << "the Vietnamese hierarchy";
        EXPECT_GT(martyrs.find("1960"), martyrs.find(vietnamese ? "Lc 9:23-26" : "Lk 9:23-26"));
        EXPECT_EQ(year.Day(year.DayIndex(11, 23)).strReadings.find("1960"), std::string::npos);
    }
}
