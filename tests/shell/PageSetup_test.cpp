#include "platform/SettingsKey.h"
#include "shell/PageSetup.h"
#include "tests/support/ScopedConfigFolder.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

using namespace talvoren;

namespace
{
void Store(SettingsRoot root, const char* name, const std::string& value)
{
    CSettingsKey key;
    ASSERT_EQ(key.Open(root, kPageSetupKey), CSettingsKey::kSuccess);
    ASSERT_EQ(key.WriteString(name, value), CSettingsKey::kSuccess);
}

std::string Stored(SettingsRoot root, const char* name)
{
    CSettingsKey key;
    std::string value = "<none>";
    if (key.OpenForReading(root, kPageSetupKey) == CSettingsKey::kSuccess)
        key.ReadString(name, &value, 100000);
    return value;
}

class PageSetupTest : public ::testing::Test
{
protected:
    CTestFolder m_config;
    CScopedConfigFolder m_scoped{m_config.Path()};
};
}

TEST_F(PageSetupTest, NoValuesAnywhereGiveTheDefaultsAndWriteThemBack)
{
    PAGESETUP restorable;
    const PAGESETUP setup = ReadPageSetup(&restorable);
    EXPECT_EQ(setup.strHeader, "&w&bPage &p of &P");
    EXPECT_EQ(setup.strFooter, "&u&b&d");
    EXPECT_EQ(restorable.strHeader, "&w&bPage &p of &P");
    ASSERT_TRUE(WritePageSetup(restorable.strHeader, restorable.strFooter));
    EXPECT_EQ(Stored(SettingsRoot::CurrentUser, "header"), "&w&bPage &p of &P");
    EXPECT_EQ(Stored(SettingsRoot::CurrentUser, "footer"), "&u&b&d");
}

TEST_F(PageSetupTest, UserValuesWinAndMachineValuesStandIn)
{
    Store(SettingsRoot::LocalMachine, "header", "machine header");
    EXPECT_EQ(ReadPageSetup().strHeader, "machine header");   // no user key: the machine's
    EXPECT_EQ(ReadPageSetup().strFooter, "&u&b&d");
    Store(SettingsRoot::CurrentUser, "footer", "user footer");
    const PAGESETUP setup = ReadPageSetup();                   // the user's key now exists
    EXPECT_EQ(setup.strHeader, "&w&bPage &p of &P");           // its missing header keeps the default
    EXPECT_EQ(setup.strFooter, "user footer");
}

TEST_F(PageSetupTest, TheProgramsValuesWhileRunningAndTheUsersAfter)
{
    Store(SettingsRoot::CurrentUser, "header", "my header");
    Store(SettingsRoot::CurrentUser, "footer", "my footer");
    PAGESETUP restorable;
    ReadPageSetup(&restorable);
    ASSERT_TRUE(WritePageSetup(kProgramPageHeader, kProgramPageFooter));
    EXPECT_EQ(ReadPageSetup().strHeader, "Sorvane Liturgical Calendar");
    EXPECT_EQ(ReadPageSetup().strFooter, "Page &p of &P");
    ASSERT_TRUE(WritePageSetup(restorable.strHeader, restorable.strFooter));
    EXPECT_EQ(Stored(SettingsRoot::CurrentUser, "header"), "my header");
    EXPECT_EQ(Stored(SettingsRoot::CurrentUser, "footer"), "my footer");
}

TEST_F(PageSetupTest, AHeaderTooLongForTheBufferIsNotUsedButIsKept)
{
    const std::string longHeader(300, 'h');   // 602 bytes with its zero: more than 512
    const std::string fitting(255, 'f');      // 512 bytes exactly
    Store(SettingsRoot::CurrentUser, "header", longHeader);
    Store(SettingsRoot::CurrentUser, "footer", fitting);
    PAGESETUP restorable;
    const PAGESETUP setup = ReadPageSetup(&restorable);
    EXPECT_EQ(setup.strHeader, "&w&bPage &p of &P");
    EXPECT_EQ(setup.strFooter, fitting);
    // The user's long header is what goes back at exit, not the default.
    EXPECT_EQ(restorable.strHeader, longHeader);
    WritePageSetup(kProgramPageHeader, kProgramPageFooter);
    WritePageSetup(restorable.strHeader, restorable.strFooter);
    EXPECT_EQ(Stored(SettingsRoot::CurrentUser, "header"), longHeader);
}

TEST(PageSetupText, ExpandsTheCodes)
{
    PAGESETUPFIELDS fields;
    fields.strTitle = "Talvoren";
    fields.strUrl = "file:///x/Calendar.htm";
    fields.strDate = "12/02/2002";
    fields.nPage = 2;
    fields.nPages = 5;
    struct Case { const char* format; const char* left; const char* centre; const char* right; };
    const Case cases[] = {
        {"Sorvane Liturgical Calendar", "Sorvane Liturgical Calendar", "", ""},
        {"Page &p of &P", "Page 2 of 5", "", ""},
        {"&w&bPage &p of &P", "Talvoren", "", "Page 2 of 5"},
        {"&u&b&d", "file:///x/Calendar.htm", "", "12/02/2002"},
        {"a&bb&bc", "a", "b", "c"},
        {"a&bb&bc&bd", "a", "b", "cd"},
        {"R&&D &q", "R&D &q", "", ""},
        {"trailing &", "trailing &", "", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        const PAGESETUPLINE line = ExpandPageSetupText(c.format, fields);
        EXPECT_EQ(line.strLeft, c.left) << c.format;
        EXPECT_EQ(line.strCentre, c.centre) << c.format;
        EXPECT_EQ(line.strRight, c.right) << c.format;
    }
}
