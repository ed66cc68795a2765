#include "platform/SettingsKey.h"
#include "tests/support/ScopedConfigFolder.h"
#include "tests/support/TestFolder.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace talvoren;

namespace
{
const char kPath[] = "SOFTWARE\\Sorvane Network\\Talvoren\\2.0";
}

TEST(SettingsKey, OpenCreatesTheKeyAndValuesRoundTrip)
{
    CTestFolder config;
    CScopedConfigFolder scoped(config.Path() + "nested/folder");
    CSettingsKey::SetDefaultKeyPath(kPath);

    CSettingsKey key;
    ASSERT_EQ(key.Open(SettingsRoot::LocalMachine), 0);
    std::uint32_t value = 77;
    EXPECT_EQ(key.ReadDword("Epiphany", &value), CSettingsKey::kNotFound);
    EXPECT_EQ(value, 77u) << "a failed read leaves the value unchanged";
    EXPECT_EQ(key.WriteDword("Epiphany", 1), 0);
    EXPECT_EQ(key.WriteDword("Ascension", 0xFFFFFFFFu), 0);
    key.Close();

    CSettingsKey again;
    ASSERT_EQ(again.OpenForReading(SettingsRoot::LocalMachine, kPath), 0);
    EXPECT_EQ(again.ReadDword("epiphany", &value), 0) << "names compare without regard to case";
    EXPECT_EQ(value, 1u);
    EXPECT_EQ(again.ReadDword("Ascension", &value), 0);
    EXPECT_EQ(value, 0xFFFFFFFFu);
    EXPECT_EQ(again.WriteDword("Epiphany", 0), CSettingsKey::kAccessDenied) << "opened for reading only";
}

TEST(SettingsKey, RootsAreSeparateFilesAndKeysSeparateSections)
{
    CTestFolder config;
    CScopedConfigFolder scoped(config.Path());
    CSettingsKey machine;
    ASSERT_EQ(machine.Open(SettingsRoot::LocalMachine, "A\\B"), 0);
    ASSERT_EQ(machine.WriteString("header", "Sorvane Liturgical Calendar"), 0);
    CSettingsKey user;
    EXPECT_EQ(user.OpenForReading(SettingsRoot::CurrentUser, "A\\B"), CSettingsKey::kNotFound);
    ASSERT_EQ(user.Open(SettingsRoot::CurrentUser, "A\\B"), 0);
    std::string text = "unchanged";
    EXPECT_EQ(user.ReadString("header", &text, 512), CSettingsKey::kNotFound);
    EXPECT_EQ(text, "unchanged");
    EXPECT_EQ(machine.ReadString("header", &text, 512), 0);
    EXPECT_EQ(text, "Sorvane Liturgical Calendar");
    EXPECT_TRUE(std::ifstream(config.File("settings.ini")).good());
    EXPECT_TRUE(std::ifstream(config.File("user.ini")).good());
}

TEST(SettingsKey, TextThatDoesNotFitTheBufferIsNotRead)
{
    CTestFolder config;
    CScopedConfigFolder scoped(config.Path());
    CSettingsKey key;
    ASSERT_EQ(key.Open(SettingsRoot::CurrentUser, "PageSetup"), 0);
    const std::string long300(300, 'x');
    ASSERT_EQ(key.WriteString("header", long300), 0);
    ASSERT_EQ(key.WriteString("quote", "a \"quoted\" \\ text\nwith a line"), 0);
    std::string text = "default";
    EXPECT_EQ(key.ReadString("header", &text, 512), CSettingsKey::kMoreData);
    EXPECT_EQ(text, "default");
    EXPECT_EQ(key.ReadString("header", &text, 602), 0);
    EXPECT_EQ(text, long300);
    EXPECT_EQ(key.ReadString("quote", &text, 512), 0);
    EXPECT_EQ(text, "a \"quoted\" \\ text\nwith a line");
    std::uint32_t value = 5;
    EXPECT_EQ(key.ReadDword("header", &value), CSettingsKey::kMoreData) << "a longer value of another kind";
    EXPECT_EQ(value, 5u);
}

TEST(SettingsKey, UnreachableStoreFailsToOpen)
{
    CTestFolder config;
    config.WriteBytes("blocker", "a file where the folder should be");
    CScopedConfigFolder scoped(config.File("blocker") + "/sub");
    CSettingsKey key;
    EXPECT_EQ(key.Open(SettingsRoot::LocalMachine, kPath), CSettingsKey::kAccessDenied);
    EXPECT_FALSE(key.IsOpen());
    EXPECT_EQ(key.WriteDword("Epiphany", 1), CSettingsKey::kAccessDenied);
}

TEST(SettingsKey, MalformedLinesAreIgnored)
{
    CTestFolder config;
    CScopedConfigFolder scoped(config.Path());
    config.WriteBytes("settings.ini",
                      "garbage before any key\n[K]\n\"Epiphany\"=dword:zz\n\"Ascension\"=dword:00000001\n"
                      "\"Broken=\n=\n[unclosed\n\"CorpusChristi\"=dword:123456789\n");
    CSettingsKey key;
    ASSERT_EQ(key.Open(SettingsRoot::LocalMachine, "K"), 0);
    std::uint32_t value = 9;
    EXPECT_EQ(key.ReadDword("Epiphany", &value), CSettingsKey::kNotFound);
    EXPECT_EQ(key.ReadDword("CorpusChristi", &value), CSettingsKey::kNotFound);
    EXPECT_EQ(key.ReadDword("Ascension", &value), 0);
    EXPECT_EQ(value, 1u);
}
