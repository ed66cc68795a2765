// talvoren-cal: the liturgical calendar of a year (or a month) on standard
// output, as TSV, JSON, iCalendar or a page of HTML.
//
//   talvoren-cal [--data DIR] [--epiphany 0|1] [--ascension 0|1] [--corpus 0|1]
//                [--order vi|en] [--format tsv|json|ics|html] [--page month|wall|day]
//                YEAR [MONTH [DAY]]
//   talvoren-cal --passages TEXT [--data DIR] [--db FILE]
//
// iCalendar has an event a day (DTSTAMP from $SOURCE_DATE_EPOCH when it is
// set, else now); HTML is the month list, the wall calendar or (with DAY)
// the day page as a document of its own without script. Without --data the
// language folder is Vietnam of the program's data (beside the executable,
// or ../share/talvoren with the user's own files of
// $XDG_DATA_HOME/talvoren/Vietnam over it).
//
// The second form prints the HTML of the scripture passages that a readings
// text cites ("Is 7:10-14; Rm 1:1-7"), read from Bible.db of the program's
// data or FILE, with the book names and page texts of the language folder
// (--data, else Vietnam of the program's data).
//
// --help prints this usage. Exit status: 0 on success, 2 for bad arguments
// (an empty --data or --db among them), 1 when the year could not be
// computed (a missing lectionary file), the language folder is no folder,
// the scripture database could not be opened, or the readings text cites no
// passage or one that the database does not hold (a message on standard
// error says which).

#include "base/HtmlEscape.h"
#include "dialogs/LanguageInstaller.h"
#include "engine/LanguageData.h"
#include "engine/LanguageFile.h"
#include "engine/LanguageState.h"
#include "engine/LiturgicalYear.h"
#include "lunar/LunarCalendar.h"
#include "pages/ScripturePage.h"
#include "platform/MessageSink.h"
#include "platform/SettingsKey.h"
#include "platform/FileReading.h"
#include "platform/SystemPaths.h"
#include "scripture/BookAbbreviations.h"
#include "scripture/Citations.h"
#include "scripture/ScriptureDb.h"
#include "shell/CalendarExport.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/stat.h>
#include <vector>

using namespace talvoren;

namespace
{
const char kUsage[] =
    "usage: talvoren-cal [--data DIR] [--epiphany 0|1] [--ascension 0|1] [--corpus 0|1]\n"
    "                    [--order vi|en] [--format tsv|json|ics|html] [--page month|wall|day]\n"
    "                    YEAR [MONTH [DAY]]\n"
    "       talvoren-cal --passages TEXT [--data DIR] [--db FILE]\n"
    "       talvoren-cal --help\n";

struct Arguments {
    std::string data;
    CALENDAROPTIONS options;
    int syntax = -1;   // -1: the word order of the folder's language
    std::string format = "tsv";
    std::string page;   // --page, for --format html
    int year = 0;
    int month = 0;   // 0 = the whole year
    int day = 0;     // the day page's day
    bool showHelp = false;       // --help: print the usage
    bool showPassages = false;   // --passages: print the passages of a readings text
    std::string passages;
    std::string db;
};

int Usage(const char* problem)
{
    std::fprintf(stderr, "talvoren-cal: %s\n%s", problem, kUsage);
    return 2;
}

// A whole decimal number within [low, high], else -1.
int WholeNumber(const char* text, int low, int high)
{
    if (!text || !*text || std::strlen(text) > 9)
        return -1;
    int value = 0;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9')
            return -1;
        value = value * 10 + (*p - '0');
    }
    return value >= low && value <= high ? value : -1;
}

// Parses the command line into `args`; returns 0, or the exit status of a
// usage error.
int ParseArguments(int argc, char** argv, Arguments& args)
{
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--help" || arg == "-h") {
            args.showHelp = true;
        } else if (arg == "--passages" || arg == "--db") {
            if (!value)
                return Usage(("missing value after " + arg).c_str());
            ++i;
            if (arg == "--passages") {
                args.showPassages = true;
                args.passages = value;
            } else if (*value == '\0') {
                return Usage("--db takes a file, not an empty text");
            } else {
                args.db = value;
            }
        } else if (arg == "--data" || arg == "--epiphany" || arg == "--ascension" || arg == "--corpus" ||
            arg == "--order" || arg == "--format" || arg == "--page") {
            if (!value)
                return Usage(("missing value after " + arg).c_str());
            ++i;
            const std::string text = value;
            if (arg == "--data") {
                if (text.empty())
                    return Usage("--data takes a folder, not an empty text");
                args.data = text;
            } else if (arg == "--order") {
                if (text != "vi" && text != "en")
                    return Usage("--order takes vi or en");
                args.syntax = text == "vi" ? 1 : 0;
            } else if (arg == "--format") {
                if (text != "tsv" && text != "json" && text != "ics" && text != "html")
                    return Usage("--format takes tsv, json, ics or html");
                args.format = text;
            } else if (arg == "--page") {
                if (text != "month" && text != "wall" && text != "day")
                    return Usage("--page takes month, wall or day");
                args.page = text;
            } else {
                const int flag = WholeNumber(value, 0, 1);
                if (flag < 0)
                    return Usage((arg + " takes 0 or 1").c_str());
                (arg == "--epiphany" ? args.options.nEpiphany
                 : arg == "--ascension" ? args.options.nAscension
                                        : args.options.nCorpusChristi) = flag;
            }
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage(("unknown option " + arg).c_str());
        } else if (positional == 0) {
            args.year = WholeNumber(argv[i], CLiturgicalYear::kFirstYear, CLiturgicalYear::kLastYear);
            if (args.year < 0)
                return Usage("YEAR must be a number from 1583 to 9999");
            ++positional;
        } else if (positional == 1) {
            args.month = WholeNumber(argv[i], 1, 12);
            if (args.month < 0)
                return Usage("MONTH must be a number from 1 to 12");
            ++positional;
        } else if (positional == 2 && args.page == "day") {
            args.day = WholeNumber(argv[i], 1, 31);
            if (args.day < 0)
                return Usage("DAY must be a number from 1 to 31");
            ++positional;
        } else {
            return Usage("too many arguments");
        }
    }
    if (args.showHelp)
        return 0;
    if (args.showPassages && positional > 0)
        return Usage("--passages takes no YEAR");
    if (!args.showPassages && !args.db.empty())
        return Usage("--db goes with --passages");
    if (positional == 0 && !args.showPassages)
        return Usage("YEAR is missing");
    if (!args.page.empty() && args.format != "html")
        return Usage("--page goes with --format html");
    if (args.page == "day" && args.day == 0)
        return Usage("--page day takes YEAR MONTH DAY");
    return 0;
}

// A text for one TSV field: tabs and line ends become blanks.
std::string TsvField(const std::string& text)
{
    std::string out = text;
    for (char& ch : out)
        if (ch == '\t' || ch == '\n' || ch == '\r')
            ch = ' ';
    return out;
}

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char ch : text) {
        switch (ch) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (ch < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", ch);
                out += escaped;
            } else {
                out += static_cast<char>(ch);
            }
        }
    }
    return out + "\"";
}

std::string IsoDate(int year, const DAYRECORD& day)
{
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, day.nMonth, day.nDay);
    return date;
}

// The lunar date of a day: "day/month/year" with an L after a leap month's
// number ("1/4L/2001"), and the year's name. Empty for a date the converter
// refuses (none of the engine's years).
struct LUNARFIELDS {
    bool bValid = false;
    CLunarCalendar lunar;
};

LUNARFIELDS LunarOf(int year, const DAYRECORD& day)
{
    LUNARFIELDS fields;
    fields.bValid = fields.lunar.SetSolarDate(year, day.nMonth, day.nDay);
    return fields;
}

// The name of the lunar year as text ("Bính Ngọ"). The stored names write
// "Đ" as "&#208;", the code of Đ in the Vietnamese Windows code page, which
// as a Unicode reference is "Ð" (U+00D0): the text has U+0110 instead.
std::string YearNameText(const CLunarCalendar& lunar)
{
    std::string text = DecodeCharacterReferences(lunar.GetYearName());
    for (std::size_t at = text.find("\xC3\x90"); at != std::string::npos; at = text.find("\xC3\x90", at + 2))
        text.replace(at, 2, "\xC4\x90");
    return text;
}

std::string LunarTsv(const LUNARFIELDS& fields)
{
    if (!fields.bValid)
        return "\t\t";
    const CLunarCalendar& lunar = fields.lunar;
    return '\t' + std::to_string(lunar.GetLunarDay()) + '/' + std::to_string(lunar.GetLunarMonth()) +
           (lunar.IsLeapMonth() ? "L/" : "/") + std::to_string(lunar.GetLunarYear()) + '\t' +
           TsvField(YearNameText(lunar));
}

std::string LunarJson(const LUNARFIELDS& fields)
{
    if (!fields.bValid)
        return ", \"lunar_day\": null, \"lunar_month\": null, \"lunar_leap\": null, \"lunar_year\": null, "
               "\"lunar_year_name\": null";
    const CLunarCalendar& lunar = fields.lunar;
    return ", \"lunar_day\": " + std::to_string(lunar.GetLunarDay()) + ", \"lunar_month\": " +
           std::to_string(lunar.GetLunarMonth()) + ", \"lunar_leap\": " + (lunar.IsLeapMonth() ? "true" : "false") +
           ", \"lunar_year\": " + std::to_string(lunar.GetLunarYear()) +
           ", \"lunar_year_name\": " + JsonString(YearNameText(lunar));
}

void PrintTsv(const YEARTABLE& table, int first, int end)
{
    std::string out = "index\tdate\tweekday\tcolour\trank\tseason\tcelebration\treadings\tlunar\tlunar_year_name\n";
    for (int i = first; i < end; ++i) {
        const DAYRECORD& day = table.Day(i);
        out += std::to_string(i) + '\t' + IsoDate(table.nYear, day) + '\t' +
               std::to_string(day.nWeekday) + '\t' + std::to_string(day.nColour) + '\t' +
               std::to_string(day.nRank) + '\t' + std::to_string(day.nSeason) + '\t' +
               TsvField(day.strCelebration) + '\t' + TsvField(day.strReadings) +
               LunarTsv(LunarOf(table.nYear, day)) + '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
}

void PrintJson(const YEARTABLE& table, int first, int end)
{
    std::string out = "[";
    for (int i = first; i < end; ++i) {
        const DAYRECORD& day = table.Day(i);
        out += i == first ? "\n" : ",\n";
        out += "  {\"index\": " + std::to_string(i) + ", \"date\": \"" + IsoDate(table.nYear, day) +
               "\", \"weekday\": " + std::to_string(day.nWeekday) + ", \"colour\": " +
               std::to_string(day.nColour) + ", \"rank\": " + std::to_string(day.nRank) +
               ", \"season\": " + std::to_string(day.nSeason) + ", \"celebration\": " +
               JsonString(day.strCelebration) + ", \"readings\": " + JsonString(day.strReadings) +
               LunarJson(LunarOf(table.nYear, day)) + "}";
    }
    out += "\n]\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
}

// The citation of a passage as a reader writes it ("Is 7:10-14").
std::string CitationText(const PASSAGE& passage, const CBookAbbreviations& names)
{
    return names.Abbreviation(passage.nBook) + std::to_string(passage.nChapter) + ":" + passage.strVerses;
}

// The language folder of the arguments and the shipped folder under it
// (both ending in a separator; the shipped one "" when there is none).
std::pair<std::string, std::string> LanguageFolders(const Arguments& args)
{
    if (!args.data.empty())
        return {JoinPath(args.data, ""), std::string()};
    const DATAFOLDERS folders = FindDataFolders(ProgramFolder());
    return {folders.LanguageFolder("Vietnam"), folders.ShippedLanguageFolder("Vietnam")};
}

// The kept lines of file `name` of the language folder, or of the shipped
// folder when the language folder lacks it; false when neither has it.
bool ReadLanguageFile(const std::pair<std::string, std::string>& folders, const char* name,
                      std::vector<std::string>& lines)
{
    return CLanguageFile::Read(folders.first + name, lines, false) ||
           (!folders.second.empty() && CLanguageFile::Read(folders.second + name, lines, false));
}

// Prints the passage page's HTML for args.passages; 1 when the database
// cannot be opened (its message is on standard error), when the text cites
// no passage, or when a passage it cites has no verses in the database
// (the page of the others is still printed).
int PrintPassages(const Arguments& args)
{
    const std::string dataFolder = FindDataFolders(ProgramFolder()).strShipped;
    const std::string path = args.db.empty() ? JoinPath(dataFolder, "Bible.db") : args.db;
    std::vector<unsigned> books;
    std::vector<std::string> texts;
    std::vector<PASSAGE> passages;
    // The book names and page texts of the folder; the Vietnamese and the
    // built-in ones where the folder has none.
    const auto folders = LanguageFolders(args);
    std::vector<std::string> lines;
    const CBookAbbreviations names = CBookAbbreviations::OfFolder(
        ReadLanguageFile(folders, CLanguageData::kBookNamesFile, lines) ? lines : std::vector<std::string>());
    CTitleList titles;
    if (ReadLanguageFile(folders, CLanguageData::kPageTextsFile, lines))
        titles.SetPageTexts(CPageTexts::FromLines(lines));
    PASSAGELANGUAGE language;
    language.pNames = &names;
    language.pTitles = &titles;
    ScanCitations(args.passages, names, books, texts);
    ParseCitations(books, texts, passages);
    if (passages.empty()) {
        std::fprintf(stderr, "talvoren-cal: \"%s\" cites no passage (a book, a chapter, \":\" and verses)\n",
                     args.passages.c_str());
        return 1;
    }
    CScriptureDb db;
    const bool open = db.Open(CScriptureDb::ConnectionText(path), "", "");
    if (!open) {
        std::fprintf(stderr, "talvoren-cal: cannot open the scripture database %s\n", path.c_str());
        return 1;
    }
    std::string unmatched;
    for (const PASSAGE& passage : passages)
        if (!db.Execute(PassageQuery(passage)))
            unmatched += (unmatched.empty() ? "" : ", ") + CitationText(passage, names);
    const PASSAGEPAGE page = ShowReadingsPage(args.passages, db, open, dataFolder, language);
    if (page.bShow && !page.strHtml.empty())
        std::printf("%s\n", page.strHtml.c_str());
    if (!unmatched.empty()) {
        std::fprintf(stderr, "talvoren-cal: %s has no verses for %s\n", path.c_str(), unmatched.c_str());
        return 1;
    }
    return 0;
}

// The time of an iCalendar export: $SOURCE_DATE_EPOCH (seconds since 1970)
// when it holds a number, so that a build can make the same file twice;
// else now.
std::time_t ExportStamp()
{
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
        char* end = nullptr;
        const long long seconds = std::strtoll(epoch, &end, 10);
        if (*end == '\0' && seconds >= 0)
            return static_cast<std::time_t>(seconds);
    }
    return std::time(nullptr);
}

// Prints the iCalendar or HTML export of the arguments; 1 after a message
// when it cannot be made.
int PrintExport(const Arguments& args, CLiturgicalYear& engine, const std::string& languageFolder)
{
    EXPORTREQUEST request;
    request.format = args.format == "ics" ? ExportFormat::ICalendar : ExportFormat::Html;
    request.page = args.page == "wall" ? ExportPage::WallCalendar
                   : args.page == "day" ? ExportPage::Day
                                        : ExportPage::MonthList;
    request.nYear = args.year;
    request.nMonth = args.month;
    request.nDay = args.day;
    std::string text;
    std::string error;
    if (!CCalendarExport::Export(engine, request, languageFolder, ExportStamp(), text, error)) {
        std::fprintf(stderr, "talvoren-cal: %s\n", error.c_str());
        return 1;
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

// 0 when `folder` is a folder; else 1 after a message with the reason.
int CheckLanguageFolder(const std::string& folder)
{
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        const int error = errno;
        std::fprintf(stderr, "talvoren-cal: cannot use the language folder %s: %s\n", folder.c_str(),
                     error == ENOENT ? "there is no such folder" : FileErrorReason(error).c_str());
        return 1;
    }
    if (!S_ISDIR(info.st_mode)) {
        std::fprintf(stderr, "talvoren-cal: cannot use the language folder %s: it is not a folder\n", folder.c_str());
        return 1;
    }
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    Arguments args;
    if (const int status = ParseArguments(argc, argv, args); status != 0)
        return status;
    if (args.showHelp) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (!args.data.empty()) {
        if (const int status = CheckLanguageFolder(args.data); status != 0)
            return status;
    }
    if (args.showPassages)
        return PrintPassages(args);

    CSettingsKey::SetDefaultKeyPath("SOFTWARE\\Sorvane Network\\Talvoren\\2.0");
    CLanguageState language;
    if (args.data.empty()) {
        const DATAFOLDERS folders = FindDataFolders(ProgramFolder());
        language.strFolder = folders.LanguageFolder("Vietnam");
        language.strShippedFolder = folders.ShippedLanguageFolder("Vietnam");
    } else {
        language.strFolder = JoinPath(args.data, "");
    }
    // Without --order, titles are composed in the order of the folder's
    // language: Vietnamese for Vietnam, English for any other.
    language.nSyntax = args.syntax >= 0 ? args.syntax : CLanguageInstaller::InterfaceLanguage(language.strFolder) == "vi";

    CLiturgicalYear engine(language);
    engine.SetOptions(args.options);
    if (args.format == "ics" || args.format == "html")
        return PrintExport(args, engine, language.strFolder);
    if (!engine.ComputeYear(args.year))
        return 1;

    const YEARTABLE& table = engine.Table();
    const MONTHRANGE range = args.month != 0 ? table.MonthRange(args.month) : MONTHRANGE{0, table.nDaysInYear};
    if (args.format == "json")
        PrintJson(table, range.nFirst, range.nEnd);
    else
        PrintTsv(table, range.nFirst, range.nEnd);
    return 0;
}
