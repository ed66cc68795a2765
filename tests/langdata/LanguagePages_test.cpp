// Every page of the program in the language of the shipped folder in use:
// the static pages as the program serves them (start page, reading window,
// print page, help, About, the day page and the saint table), the month
// list, the wall calendar, the day page's leaf and the scripture passages.

#include "base/HtmlEscape.h"
#include "engine/LanguageData.h"
#include "engine/PageTexts.h"
#include "engine/YearComputation.h"
#include "pages/DayPage.h"
#include "pages/MonthListPage.h"
#include "pages/MonthTablePage.h"
#include "pages/ScripturePage.h"
#include "pages/StaticPageTexts.h"
#include "scripture/ScriptureDb.h"
#include "tests/langdata/ShippedLanguage.h"
#include "tests/support/RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace talvoren;

namespace
{
// Letters that only Vietnamese writes among the languages of these pages
// (French names keep their é and è): ă â đ ê ô ơ ư in both cases, the
// letters with tone marks of U+1EA0..U+1EF9, à ã ì ò õ ù ĩ ũ ý, and Ð,
// which the lunar year names write for Đ.
bool IsVietnameseLetter(char32_t ch)
{
    static const std::u32string kLetters = U"ăâđêôơưĂÂĐÊÔƠƯàãìòõùĩũýÀÃÌÒÕÙĨŨÝÐ";
    return (ch >= 0x1EA0 && ch <= 0x1EF9) || kLetters.find(ch) != std::u32string::npos;
}

// The proper names that an English page may write in Vietnamese: the stems
// and branches of the lunar year names, Tết, and the names of the martyrs,
// bishops and places of the English notes and feasts.
const std::set<std::string>& ProperNames()
{
    static const std::set<std::string> kNames = {
        // lunar years
        "Giáp", "Ất", "Bính", "Ðinh", "Mậu", "Kỷ", "Tân", "Nhâm", "Quí", "Tí", "Sửu", "Dần", "Mão", "Thìn",
        "Tỵ", "Ngọ", "Mùi", "Thân", "Dậu", "Tuất", "Hợi",
        // the New Year
        "Tết",
        // people and places
        "Dũng", "Lạc", "Đà", "Nẵng", "Khuông", "Phạm", "Khắc", "Nguyễn", "Văn", "Phượng", "Bá", "Tòng", "Phú", "Yên",
        "Vũ", "Duệ", "Đích", "Tống", "Viết", "Bường", "Đạt", "Lê", "Liêm", "Cỏn", "Võ", "Đăng", "Thế", "Điểm",
        "Đinh", "Dụ", "Trần", "Trương", "Hà", "Nội", "Huế", "Sài", "Gòn"};
    return kNames;
}

// The words of `html` (character references decoded) that hold a
// Vietnamese letter and are no proper name.
std::set<std::string> VietnameseWords(const std::string& html)
{
    const std::string text = DecodeCharacterReferences(html);
    std::set<std::string> found;
    std::string word;
    bool vietnamese = false;
    const auto endWord = [&]() {
        if (vietnamese && ProperNames().count(word) == 0)
            found.insert(word);
        word.clear();
        vietnamese = false;
    };
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        char32_t ch = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            ch = (ch << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        const bool letter = length > 1 || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
        if (letter && ch != U'·' && ch != U'—' && ch != U'…' && ch != U'✕' && ch != U'×' && ch != U'’') {
            word.append(text, i, length);
            vietnamese = vietnamese || IsVietnameseLetter(ch);
        } else {
            endWord();
        }
        i += length;
    }
    endWord();
    return found;
}

struct PAGE {
    std::string name;
    std::string html;
};

// Every page of the program as the shipped folder `folder` gives it: the
// static pages as they are served, month lists and wall calendars of a month
// with Tết and of the month of the martyrs of Vietnam, day pages (one of a
// year the calendar cannot compute) and the passages of Tết with one that no
// Bible text holds (Greek Daniel), when the build made Bible.db.
std::vector<PAGE> RenderedPages(const std::string& folder, int syntax)
{
    const auto data = CLanguageData::Load(ShippedFolderPath(folder), syntax == 1);
    const CTitleList& titles = data->Titles();
    const YEARTABLE year = ComputeYearTable(2026, CalendarSettingsFor(CALENDAROPTIONS{0, 1, 1}), *data);
    std::vector<PAGE> pages;
    const std::string html = std::string(TALVOREN_PROGRAM_DIR) + "/Html/";
    for (const char* name : {"Calendar.htm", "calendar.htm", "about.htm", "day.htm", "layer.htm", "print.htm", "saints.js"})
        pages.push_back({name, ServedHtmlFile(name, ReadWholeFile(html + name), data.get())});
    for (const int month : {2, 11}) {
        const MONTHRANGE range = year.MonthRange(month);
        pages.push_back({"month list " + std::to_string(month), CMonthListPage(year, titles).Render(range.nFirst, range.nEnd)});
        pages.push_back({"wall calendar " + std::to_string(month), CMonthTablePage(year, titles).Render(range.nFirst, range.nEnd)});
    }
    for (const auto& [m, d] : {std::pair<int, int>{2, 17}, {11, 24}, {12, 25}})
        pages.push_back({"day " + std::to_string(m) + "-" + std::to_string(d), CDayPage(year, titles).Render(2026, m, d)});
    pages.push_back({"day of another year", CDayPage(year, titles).Render(1500, 1, 1)});
    CScriptureDb db;
    if (db.Open(CScriptureDb::ConnectionText(std::string(TALVOREN_PROGRAM_DIR) + "/Bible.db"), "", "")) {
        const CBookAbbreviations names = CBookAbbreviations::OfFolder(data->BookNameLines());
        PASSAGELANGUAGE language;
        language.pNames = &names;
        language.pTitles = &titles;
        const std::string readings = year.Day(year.DayIndex(2, 17)).strReadings + "; " + names.Abbreviation(34) + "3:52";
        const PASSAGEPAGE page = ShowReadingsPage(readings, db, true, TALVOREN_PROGRAM_DIR, language);
        EXPECT_NE(page.strHtml.find("37:3-6,23-26</b></H2><sub>3</sub>"), std::string::npos) << readings;
        pages.push_back({"passages", page.strHtml});
    }
    return pages;
}

// The English page texts of two words or more that the Vietnamese ones
// write otherwise: an interface text left untranslated.
std::vector<std::string> EnglishInterfaceTexts()
{
    const std::vector<std::string> english = KeptLines("English", "uPage.txt");
    const CPageTexts vietnamese = CPageTexts::FromLines(KeptLines("Vietnam", "uPage.txt"));
    std::vector<std::string> texts;
    for (const std::string& line : english) {
        const std::size_t equals = line.find(" = ");
        if (equals == std::string::npos)
            continue;
        const std::string text = line.substr(equals + 3);
        if (text.find(' ') != std::string::npos && text.find('<') == std::string::npos && text.find('{') == std::string::npos &&
            text != vietnamese.Text(line.substr(0, equals)))
            texts.push_back(text);
    }
    return texts;
}
} // namespace

// Every page rendered with the English folder holds no Vietnamese word but
// proper names; rendered with the Vietnamese folder, no English text of the
// interface.
TEST(LanguagePages, EachFolderGivesPagesInItsLanguage)
{
    CRecordingMessageSink messages;
    const std::vector<std::string> englishTexts = EnglishInterfaceTexts();
    ASSERT_GT(englishTexts.size(), 50u);
    for (const SHIPPEDFOLDER& folder : ShippedFolders()) {
        const bool english = folder.nSyntax == 0;
        for (const PAGE& page : RenderedPages(folder.pszName, folder.nSyntax)) {
            const std::string where = std::string(folder.pszName) + ": " + page.name;
            EXPECT_FALSE(page.html.empty()) << where;
            EXPECT_EQ(page.html.find("{{"), std::string::npos) << where;   // every field filled
            std::string found;
            if (english) {
                for (const std::string& word : VietnameseWords(page.html))
                    found += word + " ";
            } else {
                for (const std::string& text : englishTexts)
                    if (page.html.find(text) != std::string::npos)
                        found += "\"" + text + "\" ";
            }
            EXPECT_EQ(found, "") << where;
        }
    }
}
