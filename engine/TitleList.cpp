#include "engine/TitleList.h"

#include "base/Utf16.h"
#include "engine/TitlePositions.h"

namespace talvoren
{
namespace
{
const std::string kEmpty;
constexpr std::size_t kTitleUnits = 1023;   // the code units of a title that count
constexpr int kDaysInWeek = 7;
constexpr int kMonthsInYear = 12;
} // namespace

CTitleList::CTitleList(std::vector<std::string> titles, bool vietnameseOrder)
    : m_titles(std::move(titles)), m_bVietnameseOrder(vietnameseOrder)
{
}

const std::string& CTitleList::Title(int n) const
{
    if (n < 0 || n >= static_cast<int>(m_titles.size()))
        return kEmpty;
    return m_titles[n];
}

const std::string& CTitleList::WeekdayName(int weekday) const
{
    return weekday < 0 || weekday >= kDaysInWeek ? kEmpty : Title(kTitleWeekdayName + weekday);
}

const std::string& CTitleList::MonthName(int month) const
{
    return month < 1 || month > kMonthsInYear ? kEmpty : Title(kTitleFirstMonthName + month - 1);
}

const std::string& CTitleList::LunarMonthName(int month) const
{
    return month < 1 || month > kMonthsInYear ? kEmpty : Title(kTitleFirstLunarMonthName + month - 1);
}

std::string CTitleList::Compose(int season, int week, int weekday) const
{
    const std::string ordinal = TruncateUtf16(Title(kTitleFirstOrdinal + week - 1), kTitleUnits);
    const std::string& seasonName = Title(kTitleSeasonName + season);
    const std::string& dayName = Title(kTitleWeekdayName + weekday);
    if (weekday == 0) {
        if (m_bVietnameseOrder)
            return dayName + " " + ordinal + " " + seasonName;
        return ordinal + " " + dayName + " " + seasonName;
    }
    const std::string& weekWord = Title(kTitleWeekWord);
    if (weekWord.find('*') != std::string::npos) {
        std::string filled;
        for (char ch : weekWord) {
            if (ch == '*')
                filled += ordinal;
            else
                filled += ch;
        }
        return dayName + " " + filled + " " + seasonName;
    }
    return dayName + " " + weekWord + " " + ordinal + " " + seasonName;
}

std::string CTitleList::PsalterMark(int week) const
{
    // The ordos write the week in Roman numerals ("Thánh vịnh tuần IV").
    static const char* const kNumerals[] = {"I", "II", "III", "IV"};
    const std::string numeral = week >= 1 && week <= 4 ? kNumerals[week - 1] : std::to_string(week);
    return "<br>" + Title(kTitlePsalterLabel) + " " + numeral;
}

CTitleList CTitleList::WithOrder(bool vietnameseOrder) const
{
    CTitleList list(m_titles, vietnameseOrder);
    list.m_pageTexts = m_pageTexts;
    return list;
}

} // namespace talvoren
