// Language files that are missing, empty, cut off in the middle of a
// character, nearly 16 MB, too big, pipes or in another encoding:
// the engine shows the documented message or none, goes on where it is
// meant to, and reads even a big file in bounded time.

#include "base/Utf16.h"
#include "platform/FileReading.h"
#include "tests/engine/EngineTestData.h"
#include "tests/support/WithoutFileOverride.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace talvoren;

namespace
{
const char* const kFiles[] = {"utitles.txt",      "ufeast.txt",       "uLectionaryA.txt", "uLectionaryB.txt",
                              "uLectionaryC.txt", "uLectionary1.txt", "uLectionary2.txt", "uLocal.txt",
                              "uOrdo.txt",        "uNote.txt"};

std::string U16(const std::string& utf8)
{
    return CTestFolder::EncodeUtf16(utf8);
}

// Every text of the computed year, to compare two engines' tables.
std::vector<std::string> Texts(const CLiturgicalYear& engine)
{
    std::vector<std::string> texts;
    for (int i = 0; i < engine.GetDaysInYear(); ++i) {
        texts.push_back(engine.GetDay(i).strCelebration);
        texts.push_back(engine.GetDay(i).strReadings);
    }
    texts.push_back(engine.GetWeekdayNameOf(0));
    return texts;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

const char kReplacement[] = "\xEF\xBF\xBD";   // U+FFFD
const char kHighSurrogate[] = "\x3D\xD8";     // U+D83D, the first half of 😀, little-endian
} // namespace

// The whole folder is read when the engine is made, so each missing file is
// reported then, once; 2002 reads the Sunday lectionary of letter A and the
// weekday lectionary of digit 2 (even year), so only those two stop it.
TEST(LanguageFileFaults, AMissingFileShowsItsMessageOnceAndOnlyALectionaryStopsTheYear)
{
    struct CASE {
        const char* pszFile;
        bool bComputed;
    };
    const CASE cases[] = {
        {"utitles.txt", true},      {"ufeast.txt", true},       {"uLectionaryA.txt", false}, {"uLectionaryB.txt", true},
        {"uLectionaryC.txt", true}, {"uLectionary1.txt", true}, {"uLectionary2.txt", false}, {"uLocal.txt", true},
        {"uOrdo.txt", true},        {"uNote.txt", true},
    };
    for (const CASE& test : cases) {
        CEngineTestData data;
        const std::string name = test.pszFile;
        data.Folder().Remove(name);
        auto engine = data.Engine();
        EXPECT_EQ(engine->ComputeYear(2002), test.bComputed) << name;
        EXPECT_EQ(data.Messages().Messages(), std::vector<std::string>{"File " + data.Folder().File(name) + " not found!"});
        EXPECT_EQ(data.Messages().Icons(), std::vector<MessageIcon>{MessageIcon::Error}) << name;
        // Dates and weekdays are there in any case: 1 January 2002 was a Tuesday.
        EXPECT_EQ(engine->GetDay(0).nWeekday, 2) << name;
        EXPECT_EQ(engine->GetDay(364).nMonth * 100 + engine->GetDay(364).nDay, 1231) << name;
    }
}

TEST(LanguageFileFaults, AnEmptyFileShowsNothingAndReadsAsEmptyEntries)
{
    for (const std::string name : kFiles) {
        CEngineTestData data;
        data.Folder().WriteBytes(name, "");
        auto engine = data.Engine();
        EXPECT_TRUE(engine->ComputeYear(2002)) << name;
        EXPECT_TRUE(data.Messages().Messages().empty()) << name;
        EXPECT_EQ(engine->GetWeekdayNameOf(0), name == "utitles.txt" ? "" : "T86") << name;
        // Sundays keep their rank and colour even without their texts.
        EXPECT_EQ(engine->GetDay(CEngineTestData::Index(2002, 1, 13)).nWeekday, 0) << name;
        EXPECT_GE(engine->GetDay(CEngineTestData::Index(2002, 1, 13)).nRank, 5) << name;
    }
}

TEST(LanguageFileFaults, AStrayLastByteChangesNothing)
{
    CEngineTestData data;
    data.WriteNotes("uNote.txt", {"1 3 ghi chú"});
    data.WriteFeasts({"19 3 S W Thánh Giuse\tSm 7:4-5"});
    auto reference = data.Engine();
    ASSERT_TRUE(reference->ComputeYear(2002));
    const std::vector<std::string> expected = Texts(*reference);
    for (const std::string name : kFiles) {
        const std::string whole = data.Folder().ReadBytes(name);
        data.Folder().WriteBytes(name, whole + "\x41");   // an odd byte count: the last unit is cut in two
        auto engine = data.Engine();
        EXPECT_TRUE(engine->ComputeYear(2002)) << name;
        EXPECT_EQ(Texts(*engine), expected) << name;
        data.Folder().WriteBytes(name, whole);
    }
    EXPECT_TRUE(data.Messages().Messages().empty());
}

TEST(LanguageFileFaults, AHalfSurrogatePairReadsAsOneReplacementCharacter)
{
    struct CASE {
        const char* pszWhere;
        std::string bytes;   // the note file
        std::string expectedEnd;
    };
    const CASE cases[] = {
        {"at the end of the file", U16("1 3 a") + kHighSurrogate, std::string("a") + kReplacement},
        {"at the end of the file, with an odd byte", U16("1 3 a") + kHighSurrogate + "\x01",
         std::string("a") + kReplacement},
        {"before a line end", U16("1 3 b") + kHighSurrogate + U16("\r\n2 3 c"), std::string("b") + kReplacement},
        {"a low half alone", U16("1 3 d") + std::string("\x00\xDC", 2) + U16("e"), std::string("d") + kReplacement + "e"},
        {"two high halves", U16("1 3 f") + kHighSurrogate + kHighSurrogate,
         std::string("f") + kReplacement + kReplacement},
    };
    for (const CASE& test : cases) {
        CEngineTestData data;
        data.Folder().WriteBytes("uNote.txt", test.bytes);
        auto engine = data.Engine();
        ASSERT_TRUE(engine->ComputeYear(2002)) << test.pszWhere;
        const std::string& readings = engine->GetDay(engine->GetDayIndex(3, 1)).strReadings;
        EXPECT_TRUE(EndsWith(readings, test.expectedEnd)) << test.pszWhere << ": " << readings;
        EXPECT_TRUE(data.Messages().Messages().empty()) << test.pszWhere;
    }
}

// A file just under the size limit of each kind (many lines, or one line
// without an end) is read and the year computed within a bound far above
// the time the work takes (about a third of a second in an optimised
// build); a read that went quadratic in the file's size would take hours.
TEST(LanguageFileFaults, FilesUnderTheLimitAreReadInBoundedTime)
{
    constexpr std::size_t kSize = kDataFileLimit - 4096;
    constexpr double kBoundSeconds = 60.0;
    struct CASE {
        const char* pszFile;
        std::string line;   // repeated until the file is nearly 16 MB
        bool bLineEnds;
    };
    const CASE cases[] = {
        {"uNote.txt", "1 3 Một ghi chú dài cho ngày đầu tháng Ba", true},
        {"uNote.txt", "1 3 không xuống dòng ", false},
        {"ufeast.txt", "2 3 M W Thánh Mới\tIs 7:10-14", true},
        {"utitles.txt", "Chúa Nhật", true},
        {"uLectionaryA.txt", "A00 Chúa Nhật @ Is 63:16-17; Mc 13:33-37", true},
    };
    for (const CASE& test : cases) {
        CEngineTestData data;
        std::string bytes;
        bytes.reserve(kSize + 256);
        const std::string unit = U16(test.line + (test.bLineEnds ? "\r\n" : ""));
        while (bytes.size() + unit.size() <= kSize)
            bytes += unit;
        data.Folder().WriteBytes(test.pszFile, bytes);
        bytes = std::string();

        const auto start = std::chrono::steady_clock::now();
        auto engine = data.Engine();
        const bool computed = engine->ComputeYear(2002);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_TRUE(computed) << test.pszFile;
        EXPECT_TRUE(data.Messages().Messages().empty()) << test.pszFile;
        EXPECT_LT(seconds, kBoundSeconds) << test.pszFile << (test.bLineEnds ? "" : " (one line)");
        std::printf("16 MB %s%s: %.2f s\n", test.pszFile, test.bLineEnds ? "" : " (one line)", seconds);
        if (std::string(test.pszFile) == "uNote.txt" && test.bLineEnds) {
            // Every line is a note of 1 March, each after a "<br>".
            const std::string& readings = engine->GetDay(engine->GetDayIndex(3, 1)).strReadings;
            EXPECT_GT(readings.size(), kSize / 2);
            EXPECT_TRUE(EndsWith(readings, "<br>Một ghi chú dài cho ngày đầu tháng Ba"));
        }
        if (std::string(test.pszFile) == "ufeast.txt") {
            // A Saturday of Lent: the memorial is commemorated, once.
            EXPECT_EQ(engine->GetDay(engine->GetDayIndex(3, 2)).strCelebration, "T92 T93 T53 T50; Thánh Mới (T117)");
        }
        if (std::string(test.pszFile) == "utitles.txt") {
            EXPECT_EQ(engine->GetWeekdayNameOf(0), "Chúa Nhật");
        }
    }
}

// Files that are no language file are refused before they are read, with
// one message naming the file and the real cause (the reasons for pipes and
// devices are FileReading's); a pipe without a writer does not hang, and the
// engine goes on as for a missing file: only a lectionary of the year stops
// the year.
TEST(LanguageFileFaults, PipesBigFilesAndOtherEncodingsAreRefusedWithTheirReason)
{
    struct CASE {
        const char* pszFile;
        const char* pszKind;
        const char* pszReason;
        bool bComputed;
    };
    const CASE cases[] = {
        {"ufeast.txt", "pipe", "it is a named pipe, not a file", true},
        {"uLectionaryA.txt", "17 MB", "it is larger than 16 MB", false},
        {"utitles.txt", "UTF-8", "it is in UTF-8, not in UTF-16 little-endian", true},
        {"ufeast.txt", "UTF-8 with a mark", "it is in UTF-8, not in UTF-16 little-endian", true},
        {"uLectionary2.txt", "UTF-16BE", "it is in UTF-16 big-endian, not in UTF-16 little-endian", false},
        {"uNote.txt", "no permission", "permission denied", true},
    };
    for (const CASE& test : cases) {
        CEngineTestData data;
        const std::string path = data.Folder().File(test.pszFile);
        const std::string kind = test.pszKind;
        const std::string text = data.Folder().ReadBytes(test.pszFile);
        data.Folder().Remove(test.pszFile);
        if (kind == "pipe") {
            ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
        } else if (kind == "17 MB") {
            data.Folder().WriteBytes(test.pszFile, "");
            ASSERT_EQ(::truncate(path.c_str(), 17 << 20), 0);
        } else if (kind == "UTF-8") {
            data.Folder().WriteBytes(test.pszFile, "Chúa Nhật\r\nThứ Hai\r\n");
        } else if (kind == "UTF-8 with a mark") {
            data.Folder().WriteBytes(test.pszFile, "\xEF\xBB\xBF" "2 3 M W Thánh\n");
        } else if (kind == "UTF-16BE") {
            std::string swapped = text;
            for (std::size_t i = 0; i + 1 < swapped.size(); i += 2)
                std::swap(swapped[i], swapped[i + 1]);
            data.Folder().WriteBytes(test.pszFile, swapped);
        } else {
            data.Folder().WriteBytes(test.pszFile, U16("1 3 ghi chú\r\n"));
            ASSERT_EQ(::chmod(path.c_str(), 0), 0);
        }
        std::unique_ptr<CLiturgicalYear> engine;
        {
            const CWithoutFileOverride asUser;
            if (!asUser.Active() && kind == "no permission")
                continue;
            engine = data.Engine();
        }
        EXPECT_EQ(engine->ComputeYear(2002), test.bComputed) << kind;
        EXPECT_EQ(data.Messages().Messages(),
                  std::vector<std::string>{"Cannot read " + path + ": " + test.pszReason + "."})
            << kind;
        EXPECT_EQ(data.Messages().Icons(), std::vector<MessageIcon>{MessageIcon::Error}) << kind;
    }
}
