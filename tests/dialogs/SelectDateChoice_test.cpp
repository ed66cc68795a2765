#include "dialogs/SelectDateChoice.h"
#include "shell/CalendarCommands.h"
#include "tests/engine/EngineTestData.h"

#include <gtest/gtest.h>

#include <climits>

using namespace talvoren;

TEST(SelectDateChoice, TodayAndOneWeekAhead)
{
    struct Case { CIVILDATE today; int toDay, toMonth; };
    const Case cases[] = {
        {{2002, 12, 28}, 4, 1},    // into January, still of the same year
        {{2003, 3, 15}, 22, 3},
        {{2004, 2, 25}, 3, 3},     // 29 February in a leap year
        {{2003, 2, 25}, 4, 3},
        {{2003, 1, 31}, 7, 2},
        {{2003, 12, 31}, 7, 1},
    };
    for (const Case& c : cases) {
        const SELECTDATEDEFAULTS defaults = SelectDateDefaults(c.today);
        EXPECT_EQ(defaults.nYear, c.today.nYear);
        EXPECT_EQ(defaults.nMonth, c.today.nMonth);
        EXPECT_EQ(defaults.nFromDay, c.today.nDay);
        EXPECT_EQ(defaults.nToDay, c.toDay) << c.today.nMonth << "/" << c.today.nDay;
        EXPECT_EQ(defaults.nToMonth, c.toMonth) << c.today.nMonth << "/" << c.today.nDay;
    }
}

TEST(SelectDateChoice, TheYearBox)
{
    const std::pair<const char*, int> years[] = {
        {"2002", 2002}, {"", 0},      {"19", 19},         {"  1999", 1999}, {"-1", -1},
        {"abc", 0},     {"12ab", 12}, {"2147483647", INT_MAX}, {"2147483648", 0}, {"99999999999", 0},
    };
    for (const auto& [text, year] : years)
        EXPECT_EQ(YearFromText(text), year) << text;

    EXPECT_TRUE(IsDigitsOnly("2002"));
    EXPECT_TRUE(IsDigitsOnly(""));
    EXPECT_FALSE(IsDigitsOnly("20a2"));
    EXPECT_FALSE(IsDigitsOnly("-1"));
    EXPECT_FALSE(IsDigitsOnly(" 2002"));
}

TEST(SelectDateChoice, TheArrowsMoveTheYearByOneWithoutLimit)
{
    std::string text = "2002";
    for (int press = 0; press < 3; ++press)
        text = StepYearText(text, -1);   // up arrow
    EXPECT_EQ(text, "2005");
    EXPECT_EQ(StepYearText("19", +1), "18");   // down arrow
    EXPECT_EQ(StepYearText("", -1), "1");
    EXPECT_EQ(StepYearText("0", +1), "-1");
    EXPECT_EQ(StepYearText("9999", -1), "10000");
    EXPECT_EQ(StepYearText("2147483647", -1), "2147483647");   // no room left: the text stays
}

TEST(SelectDateChoice, TheTwoButtonsHandOverTheirChoice)
{
    const DATESELECTION month = MonthSelection(4, "2002", 1);
    EXPECT_EQ(month.nMode, 0);
    EXPECT_EQ(month.nMonth, 5);
    EXPECT_EQ(month.nYear, 2002);
    EXPECT_EQ(month.nTabular, 1);

    const DATESELECTION days = DaysSelection(11, 27, 0, 3, "2002", 0);
    EXPECT_EQ(days.nMode, 1);
    EXPECT_EQ(days.nMonth, 12);
    EXPECT_EQ(days.nFromDay, 28);
    EXPECT_EQ(days.nToMonth, 1);
    EXPECT_EQ(days.nToDay, 4);
    EXPECT_EQ(days.nYear, 2002);
    EXPECT_EQ(days.nTabular, 0);

    EXPECT_EQ(MonthSelection(0, "", 0).nYear, 0);
}

namespace
{
class CRecordingTarget : public CPageTarget
{
public:
    void ShowMonthList(int first, int end) override { m_pages.push_back({"list", first, end}); }
    void ShowMonthTable(int first, int end) override { m_pages.push_back({"table", first, end}); }
    void ShowReadings(const std::string&, const std::string&) override { m_pages.push_back({"readings", 0, 0}); }
    struct PAGE { std::string kind; int first, end; };
    std::vector<PAGE> m_pages;
};
} // namespace

// The view's use of the choice: the 28 December example, a reversed span,
// and an empty year box that the engine refuses without harm.
TEST(SelectDateChoice, TheViewShowsTheChosenSpan)
{
    CEngineTestData data;
    auto year = data.Engine();
    CRecordingTarget target;
    CCalendarCommands commands(*year, target);

    // Opened on 28 December 2002, show days at once: 28 December and
    // 4 January 2002 are exchanged, so the page runs from 4 January (day 3)
    // up to 28 December (day 361), which it includes.
    const SELECTDATEDEFAULTS defaults = SelectDateDefaults({2002, 12, 28});
    commands.ShowSelection(DaysSelection(defaults.nMonth - 1, defaults.nFromDay - 1, defaults.nToMonth - 1,
                                         defaults.nToDay - 1, std::to_string(defaults.nYear), 0));
    ASSERT_EQ(target.m_pages.size(), 1u);
    EXPECT_EQ(target.m_pages[0].kind, "list");
    EXPECT_EQ(target.m_pages[0].first, 3);
    EXPECT_EQ(target.m_pages[0].end, 362);

    // The same two dates in either order show the same span.
    commands.ShowSelection(DaysSelection(0, 3, 11, 27, "2002", 1));
    ASSERT_EQ(target.m_pages.size(), 2u);
    EXPECT_EQ(target.m_pages[1].kind, "table");
    EXPECT_EQ(target.m_pages[1].first, 3);
    EXPECT_EQ(target.m_pages[1].end, 362);

    // A whole month: May 2004, a leap year (1 May = day 121, 1 June = 152).
    commands.ShowSelection(MonthSelection(4, "2004", 0));
    ASSERT_EQ(target.m_pages.size(), 3u);
    EXPECT_EQ(target.m_pages[2].first, 121);
    EXPECT_EQ(target.m_pages[2].end, 152);

    // An empty year box: year 0, which the engine refuses; nothing is shown
    // and the year held stays.
    commands.ShowSelection(MonthSelection(4, "", 0));
    EXPECT_EQ(target.m_pages.size(), 3u);
    EXPECT_EQ(year->GetComputedYear(), 2004);
}

// What the dialog refuses before it hands a selection on.
TEST(SelectDateChoice, RefusesImpossibleDatesAndYearsOutsideTheCalendar)
{
    struct Case { DATESELECTION selection; DateSelectionProblem problem; };
    const Case cases[] = {
        {MonthSelection(1, "2026", 0), DateSelectionProblem::None},
        {MonthSelection(1, "1582", 0), DateSelectionProblem::YearOutOfRange},
        {MonthSelection(1, "12000", 0), DateSelectionProblem::YearOutOfRange},
        {MonthSelection(1, "", 0), DateSelectionProblem::YearOutOfRange},
        {DaysSelection(1, 30, 2, 1, "2026", 0), DateSelectionProblem::ImpossibleFromDay},   // 31 February
        {DaysSelection(1, 28, 2, 1, "2024", 0), DateSelectionProblem::None},                // 29 February 2024
        {DaysSelection(1, 28, 2, 1, "2100", 0), DateSelectionProblem::ImpossibleFromDay},   // not in 2100
        {DaysSelection(0, 0, 3, 30, "2026", 1), DateSelectionProblem::ImpossibleToDay},     // 31 April
        {DaysSelection(0, 30, 11, 30, "9999", 1), DateSelectionProblem::None},
        {DaysSelection(0, 30, 1, 30, "1582", 0), DateSelectionProblem::YearOutOfRange},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckDateSelection(c.selection), c.problem)
            << c.selection.nYear << "-" << c.selection.nMonth << "-" << c.selection.nFromDay;
}
