// The lunar columns of talvoren-cal: TSV columns "lunar" and
// "lunar_year_name" after the readings, JSON fields lunar_*.

#include "tests/engine/EngineTestData.h"
#include "tests/support/CommandRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace talvoren;

namespace
{
std::string RunCal(const std::string& arguments, int* status)
{
    const COMMANDRESULT result = RunCommand(std::string(TALVOREN_CAL) + " " + arguments);
    *status = result.status;
    return result.out;
}
} // namespace

TEST(TalvorenCalLunar, TsvColumnsFollowTheReadings)
{
    CEngineTestData data;
    int status = -1;
    const auto rows = TsvRows(RunCal("--data " + data.Folder().Path() + " 2001 5", &status));
    ASSERT_EQ(status, 0);
    ASSERT_EQ(rows.size(), 32u);
    ASSERT_EQ(rows[0].size(), 10u);
    EXPECT_EQ(rows[0][8], "lunar");
    EXPECT_EQ(rows[0][9], "lunar_year_name");
    // 23 May 2001: first day of the leap fourth month.
    ASSERT_EQ(rows[23].size(), 10u);
    EXPECT_EQ(rows[23][1], "2001-05-23");
    EXPECT_EQ(rows[23][8], "1/4L/2001");
    EXPECT_EQ(rows[23][9], "Tân Tỵ");
    // The day before: month 4 has 30 days (word 0D954 of the old table).
    EXPECT_EQ(rows[22][8], "30/4/2001");

    // Tết 1968, the UTC+7 new year, and the last day of lunar 1967.
    const auto tet = TsvRows(RunCal("--data " + data.Folder().Path() + " 1968 1", &status));
    ASSERT_EQ(status, 0);
    ASSERT_EQ(tet.size(), 32u);
    EXPECT_EQ(tet[29][8], "1/1/1968");
    EXPECT_EQ(tet[29][9], "Mậu Thân");
    EXPECT_EQ(tet[28][8], "29/12/1967");
    EXPECT_EQ(tet[28][9], "Đinh Mùi");
}

TEST(TalvorenCalLunar, JsonFields)
{
    CEngineTestData data;
    int status = -1;
    const std::string out = RunCal("--data " + data.Folder().Path() + " --format json 2002 2", &status);
    ASSERT_EQ(status, 0);
    EXPECT_NE(out.find("\"date\": \"2002-02-12\""), std::string::npos);
    EXPECT_NE(out.find("\"lunar_day\": 1, \"lunar_month\": 1, \"lunar_leap\": false, \"lunar_year\": 2002, "
                       "\"lunar_year_name\": \"Nhâm Ngọ\"}"),
              std::string::npos);
    EXPECT_NE(out.find("\"lunar_day\": 30, \"lunar_month\": 12, \"lunar_leap\": false, \"lunar_year\": 2001, "
                       "\"lunar_year_name\": \"Tân Tỵ\"}"),
              std::string::npos);
}
