#include "dialogs/ConfigOptions.h"
#include "engine/LiturgicalYear.h"
#include "platform/SettingsKey.h"
#include "platform/VietnameseFontText.h"
#include "resources/DialogCaptions.h"
#include "tests/engine/EngineTestData.h"
#include "tests/support/ScopedConfigFolder.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

using namespace talvoren;

namespace
{
class ConfigOptionsTest : public ::testing::Test
{
protected:
    void SetUp() override { CSettingsKey::SetDefaultKeyPath("SOFTWARE\\Sorvane Network\\Talvoren\\2.0"); }

    std::uint32_t Stored(const char* name)
    {
        CSettingsKey key;
        std::uint32_t value = 12345;
        if (key.OpenForReading(SettingsRoot::LocalMachine) == CSettingsKey::kSuccess)
            key.ReadDword(name, &value);
        return value;
    }

    CTestFolder m_config;
    CScopedConfigFolder m_scoped{m_config.Path()};
};
} // namespace

TEST_F(ConfigOptionsTest, TheTableInItsOrderWithItsCaptions)
{
    const auto& table = ConfigOptionTable();
    const struct { const char* name; int id; const char* caption; } expected[] = {
        {"Epiphany", 1012, "Mừng Lễ Hiển Linh đúng ngày 6 tháng Giêng"},
        {"Ascension", 1013, "Mừng Lễ Thăng Thiên vào ngày Chúa Nhật"},
        {"CorpusChristi", 1014, "Mừng Lễ Mình Máu Thánh Chúa vào ngày  Chúa Nhật"},
    };
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_STREQ(table[i].pszValueName, expected[i].name);
        EXPECT_EQ(table[i].nCheckBoxId, expected[i].id);
        EXPECT_EQ(DecodeVietnameseFontText(table[i].pszCaption), expected[i].caption);
    }
}

// The captions of the other dialogs decode to proper Vietnamese as well.
TEST(DialogCaptions, DecodeToVietnamese)
{
    const std::pair<const char16_t*, const char*> captions[] = {
        {kLanguageFrameCaption, " Chọn Ngôn Ngữ "},
        {kVietnameseOrderCaption, "Cú pháp Việt (Chúa Nhật Thứ Nhất)"},
        {kEnglishOrderCaption, "Cú pháp Anh (First Sunday)"},
        {kKindFrameCaption, " Lựa Chọn "},
        {kMonthCalendarCaption, "Lịch Sổ"},
        {kTabularCaption, "Lịch Treo Tường"},
        {kYearLabelCaption, " Năm "},
        {kChooseMonthCaption, " Chọn Tháng "},
        {kChooseDaysCaption, " Chọn Ngày "},
        {kSelectCancelCaption, " Ngưng "},
    };
    for (const auto& [units, text] : captions)
        EXPECT_EQ(DecodeVietnameseFontText(units), text);

    const char* months[] = {"Tháng Giêng", "Tháng Hai", "Tháng Ba",   "Tháng Tư",        "Tháng Năm",
                            "Tháng Sáu",   "Tháng Bảy", "Tháng Tám",  "Tháng Chín",      "Tháng Mười",
                            "Tháng Mười Một", "Tháng Mười Hai"};
    int count = 0;
    for (; kMonthCaptions[count]; ++count)
        EXPECT_EQ(DecodeVietnameseFontText(kMonthCaptions[count]), months[count]);
    EXPECT_EQ(count, 12);
}

// Nothing stored: the days the engine keeps then (Epiphany on a Sunday, the
// Ascension and Corpus Christi on Sunday).
TEST_F(ConfigOptionsTest, AFreshStoreShowsTheDaysInForceAndOkStoresThem)
{
    CONFIGSTATES states;
    states.fill(false);
    ASSERT_TRUE(ReadConfigOptions(&states));
    EXPECT_EQ(states, (CONFIGSTATES{false, true, true}));
    MESSAGETEXT error;
    ASSERT_TRUE(WriteConfigOptions(states, &error)) << error.Text();
    EXPECT_EQ(Stored("Epiphany"), 0u);
    EXPECT_EQ(Stored("Ascension"), 1u);
    EXPECT_EQ(Stored("CorpusChristi"), 1u);
}

TEST_F(ConfigOptionsTest, ValuesRoundTripAndAnyNonZeroNumberIsChecked)
{
    MESSAGETEXT error;
    ASSERT_TRUE(WriteConfigOptions({true, false, true}, &error)) << error.Text();
    EXPECT_EQ(Stored("Epiphany"), 1u);
    EXPECT_EQ(Stored("Ascension"), 0u);
    EXPECT_EQ(Stored("CorpusChristi"), 1u);
    {
        CSettingsKey key;
        ASSERT_EQ(key.Open(SettingsRoot::LocalMachine), CSettingsKey::kSuccess);
        key.WriteDword("Ascension", 7);
    }
    CONFIGSTATES states;
    ASSERT_TRUE(ReadConfigOptions(&states));
    EXPECT_EQ(states, (CONFIGSTATES{true, true, true}));
}

// A store that cannot be reached, or a file that is no settings file, shows
// the days in force and refuses the write with the file and the reason; the file
// stays as it was.
TEST(ConfigOptions, AStoreThatCannotBeUsedShowsTheDaysInForceAndRefusesToWrite)
{
    CSettingsKey::SetDefaultKeyPath("SOFTWARE\\Sorvane Network\\Talvoren\\2.0");
    struct CASE {
        const char* folder;      // the settings folder, in the test's folder
        const char* contents;    // of its settings.ini; nullptr: none
        const char* reason;
    };
    const CASE cases[] = {
        {"file/config", nullptr, "Not a directory"},   // a folder below a regular file
        {"config", "\"Epiphany\"=dword:00000001\n", "it has no [section] line"},
    };
    for (const CASE& test : cases) {
        CTestFolder folder;
        folder.WriteBytes("file", "not a folder");
        if (test.contents)
            folder.WriteBytes(std::string(test.folder) + "/settings.ini", test.contents);
        CScopedConfigFolder scoped(folder.File(test.folder));
        CONFIGSTATES states;
        states.fill(true);
        EXPECT_FALSE(ReadConfigOptions(&states)) << test.folder;
        EXPECT_EQ(states, (CONFIGSTATES{false, true, true})) << test.folder;
        MESSAGETEXT error;
        EXPECT_FALSE(WriteConfigOptions({true, true, true}, &error)) << test.folder;
        EXPECT_NE(error.Text().find(folder.File(std::string(test.folder) + "/settings.ini")), std::string::npos) << error.Text();
        EXPECT_NE(error.Text().find("cannot be opened"), std::string::npos) << error.Text();
        EXPECT_NE(error.Text().find(test.reason), std::string::npos) << error.Text();
        if (test.contents) {
            EXPECT_EQ(folder.ReadBytes(std::string(test.folder) + "/settings.ini"), test.contents);
        }
    }
}

// What the dialog writes, the engine reads at its next fresh computation:
// with all three ticked, 2002 has Ascension (title 33) on Sunday 12 May and
// Corpus Christi (title 36) on Sunday 2 June instead of Thursday 9 May and
// Thursday 30 May.
TEST(ConfigOptions, TheEngineReadsTheOptionsAtItsNextFreshComputation)
{
    CSettingsKey::SetDefaultKeyPath("SOFTWARE\\Sorvane Network\\Talvoren\\2.0");
    CEngineTestData data;   // its own settings folder and language data
    CLiturgicalYear year(data.State());
    auto celebration = [&year](int month, int day) {
        return year.GetDay(CEngineTestData::Index(2002, month, day)).strCelebration;
    };
    MESSAGETEXT error;
    ASSERT_TRUE(WriteConfigOptions({false, false, false}, &error)) << error.Text();
    ASSERT_TRUE(year.ComputeYear(2002));
    EXPECT_EQ(celebration(5, 9), "T33");
    EXPECT_EQ(celebration(5, 30), "T36");

    ASSERT_TRUE(WriteConfigOptions({true, true, true}, &error)) << error.Text();
    ASSERT_TRUE(year.ComputeYear(2002));   // the year is held: nothing moves yet
    EXPECT_EQ(celebration(5, 9), "T33");
    year.Invalidate();
    ASSERT_TRUE(year.ComputeYear(2002));
    EXPECT_EQ(celebration(5, 12), "T33");
    EXPECT_EQ(celebration(6, 2), "T36");
    EXPECT_NE(celebration(5, 9), "T33");
}
