#pragma once
// The titles of a language ("utitles.txt", see TitlePositions.h) and the
// word order its composed titles are written in.

#include "engine/PageTexts.h"

#include <string>
#include <vector>

namespace talvoren
{
class CTitleList
{
public:
    CTitleList() = default;
    // `vietnameseOrder`: a Sunday reads "Sunday <ordinal> <season>"; else
    // "<ordinal> Sunday <season>". Weekdays read the same in both orders.
    CTitleList(std::vector<std::string> titles, bool vietnameseOrder);

    // "" for a position outside the list.
    const std::string& Title(int n) const;
    // "" for a weekday outside 0..6 (0 = Sunday) or a month outside 1..12.
    const std::string& WeekdayName(int weekday) const;
    const std::string& MonthName(int month) const;
    // The name of lunar month `month` ("Tháng Giêng" .. "Tháng Chạp");
    // "" for a month outside 1..12 or a list without the lunar names.
    const std::string& LunarMonthName(int month) const;
    bool IsVietnameseOrder() const { return m_bVietnameseOrder; }
    // The same titles (and page texts) in another word order.
    CTitleList WithOrder(bool vietnameseOrder) const;

    // The words of the pages of the same folder (uPage.txt): they travel
    // with the titles, so that every page builder that has the titles has
    // the words of its page. The built-in texts until set.
    const CPageTexts& PageTexts() const { return m_pageTexts; }
    void SetPageTexts(CPageTexts texts) { m_pageTexts = std::move(texts); }

    // The title of a day of the temporal cycle: `season` a season code
    // (kSeasonOrdinary .. kSeasonEaster), `week` 1..34, `weekday` 0..6. A
    // weekday reads "<weekday> <week word> <ordinal> <season>", or, when the
    // week word holds "*", "<weekday> <week word with each * replaced by the
    // ordinal> <season>". The ordinal counts only its first 1023 UTF-16 code
    // units.
    std::string Compose(int season, int week, int weekday) const;

    // "<br>" + psalter label + " " + the week (1..4) in Roman numerals: the
    // psalter-week mark at the end of a day's readings.
    std::string PsalterMark(int week) const;

private:
    std::vector<std::string> m_titles;
    bool m_bVietnameseOrder = true;
    CPageTexts m_pageTexts;
};

} // namespace talvoren
