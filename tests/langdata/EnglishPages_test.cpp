// Every page of the program rendered with the shipped English folder holds
// no Vietnamese word but proper names: the static pages as the program
// serves them (start page, reading window, print page, help, About, the day
// page and its saint table), the month list, the wall calendar, the day
// page's leaf and the scripture passages.

#include "base/HtmlEscape.h"
#include "engine/LanguageData.h"
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
} // namespace

TEST(EnglishPages, HoldNoVietnameseWordButProperNames)
{
    CRecordingMessageSink messages;
    const auto data = CLanguageData::Load(ShippedFolderPath("English"), false);
    const CTitleList& titles = data->Titles();
    const YEARTABLE year = ComputeYearTable(2026, CalendarSettingsFor(CALENDAROPTIONS{0, 1, 1}), *data);
    ASSERT_EQ(year.nYear, 2026);

    struct PAGE {
        std::string name;
        std::string html;
    };
    std::vector<PAGE> pages;
    const std::string html = std::string(TALVOREN_PROGRAM_DIR) + "/Html/";
    for (const char* name : {"Calendar.htm", "calendar.htm", "about.htm", "day.htm", "layer.htm", "print.htm", "saints.js"})
        pages.push_back({name, ServedHtmlFile(name, ReadWholeFile(html + name), data.get())});
    for (const int month : {2, 11}) {   // Tết; the martyrs of Vietnam
        const MONTHRANGE range = year.MonthRange(month);
        pages.push_back({"month list " + std::to_string(month), CMonthListPage(year, titles).Render(range.nFirst, range.nEnd)});
        pages.push_back({"wall calendar " + std::to_string(month), CMonthTablePage(year, titles).Render(range.nFirst, range.nEnd)});
    }
    for (const auto& [m, d] : {std::pair<int, int>{2, 17}, {11, 24}, {12, 25}})
        pages.push_back({"day " + std::to_string(m) + "-" + std::to_string(d), CDayPage(year, titles).Render(2026, m, d)});
    pages.push_back({"day of another year", CDayPage(year, titles).Render(1500, 1, 1)});

    // The passages of Tết, with one that no Bible text holds (Greek Daniel).
    CScriptureDb db;
    if (db.Open(CScriptureDb::ConnectionText(std::string(TALVOREN_PROGRAM_DIR) + "/Bible.db"), "", "")) {
        const CBookAbbreviations names = CBookAbbreviations::OfFolder(data->BookNameLines());
        PASSAGELANGUAGE language;
        language.pNames = &names;
        language.pTitles = &titles;
        const std::string readings = year.Day(year.DayIndex(2, 17)).strReadings + "; Dn 3:52";
        const PASSAGEPAGE page = ShowReadingsPage(readings, db, true, TALVOREN_PROGRAM_DIR, language);
        EXPECT_NE(page.strHtml.find("<H2><b>Ps  37:3-6,23-26</b></H2>"), std::string::npos) << readings;
        EXPECT_NE(page.strHtml.find("does not have this passage"), std::string::npos);
        pages.push_back({"passages", page.strHtml});
    }

    for (const PAGE& page : pages) {
        EXPECT_FALSE(page.html.empty()) << page.name;
        EXPECT_EQ(page.html.find("{{"), std::string::npos) << page.name;   // every field filled
        std::string words;
        for (const std::string& word : VietnameseWords(page.html))
            words += word + " ";
        EXPECT_EQ(words, "") << page.name;
    }
}
