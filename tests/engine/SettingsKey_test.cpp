#include "platform/SettingsKey.h"
#include "tests/support/ScopedConfigFolder.h"
#include "tests/support/TestFolder.h"
#include "tests/support/WithoutFileOverride.h"

#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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
    EXPECT_EQ(key.ReadDword("header", &value), CSettingsKey::kNotFound) << "a text that is no number";
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

namespace
{
std::string Utf16Be(const std::string& utf8)
{
    std::string bytes = CTestFolder::EncodeUtf16(utf8);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        std::swap(bytes[i], bytes[i + 1]);
    return bytes;
}

const char kStored[] = "[K]\r\n\"Epiphany\"=dword:00000001\r\n";
const char kWritten[] = "[K]\r\n\"Epiphany\"=dword:00000001\r\n\"Ascension\"=dword:00000001\r\n";
} // namespace

// Files in other encodings are read and written back in their encoding; a
// file the store cannot read or use is never replaced, and says why.
TEST(SettingsKey, FilesTheStoreCannotUseAreLeftAsTheyWere)
{
    struct CASE {
        const char* what;
        std::string bytes;         // settings.ini
        long readResult;           // OpenForReading
        std::string afterWrite;    // the file after WriteDword("Ascension", 1); "" = unchanged, write refused
        const char* reason;        // part of Problem()
    };
    const CASE cases[] = {
        {"UTF-8", kStored, 0, kWritten, ""},
        {"UTF-8 with a byte-order mark", std::string("\xEF\xBB\xBF") + kStored, 0,
         std::string("\xEF\xBB\xBF") + kWritten, ""},
        {"UTF-16LE with a mark", "\xFF\xFE" + CTestFolder::EncodeUtf16(kStored), 0,
         "\xFF\xFE" + CTestFolder::EncodeUtf16(kWritten), ""},
        {"UTF-16LE without a mark", CTestFolder::EncodeUtf16(kStored), 0, CTestFolder::EncodeUtf16(kWritten), ""},
        {"UTF-16BE with a mark", "\xFE\xFF" + Utf16Be(kStored), 0, "\xFE\xFF" + Utf16Be(kWritten), ""},
        {"no section", "\"Epiphany\"=dword:00000001\n", CSettingsKey::kBadStore, "", "it has no [section] line"},
        {"random bytes", std::string("\x8F\x01\xFE\x9A\x00\x13[K]\xC3", 9), CSettingsKey::kBadStore, "",
         "it is not text in UTF-8 or UTF-16"},
        {"a lone surrogate in UTF-16", "\xFF\xFE" + CTestFolder::EncodeUtf16("[K]\n") + std::string("\x00\xD8", 2),
         CSettingsKey::kBadStore, "", "it is not text"},
        {"a folder", "", CSettingsKey::kAccessDenied, "", "it is a folder, not a file"},
        {"a named pipe", "", CSettingsKey::kAccessDenied, "", "it is a named pipe, not a file"},
    };
    for (const CASE& test : cases) {
        CTestFolder config;
        CScopedConfigFolder scoped(config.Path());
        const std::string file = config.File("settings.ini");
        const std::string what = test.what;
        if (what == "a folder")
            ASSERT_EQ(::mkdir(file.c_str(), 0755), 0);
        else if (what == "a named pipe")
            ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
        else
            config.WriteBytes("settings.ini", test.bytes);

        CSettingsKey reader;
        EXPECT_EQ(reader.OpenForReading(SettingsRoot::LocalMachine, "k"), test.readResult) << what;
        std::uint32_t value = 7;
        EXPECT_EQ(reader.ReadDword("epiphany", &value), test.readResult == 0 ? 0L : long{CSettingsKey::kNotFound}) << what;
        EXPECT_EQ(value, test.readResult == 0 ? 1u : 7u) << what;

        CSettingsKey writer;
        const long opened = writer.Open(SettingsRoot::LocalMachine, "K");
        const long written = writer.WriteDword("Ascension", 1);
        if (test.afterWrite.empty()) {
            EXPECT_EQ(opened, test.readResult) << what;
            EXPECT_NE(written, 0) << what;
            EXPECT_NE(writer.Problem().find(file), std::string::npos) << what << ": " << writer.Problem();
            EXPECT_NE(writer.Problem().find(test.reason), std::string::npos) << what << ": " << writer.Problem();
            EXPECT_NE(reader.Problem().find(test.reason), std::string::npos) << what << ": " << reader.Problem();
            if (what != "a folder" && what != "a named pipe") {
                EXPECT_EQ(config.ReadBytes("settings.ini"), test.bytes) << what;
            }
        } else {
            EXPECT_EQ(opened, 0) << what;
            EXPECT_EQ(written, 0) << what;
            EXPECT_EQ(config.ReadBytes("settings.ini"), test.afterWrite) << what;
        }
    }
}

// Comments, values of other kinds, unknown lines and other sections stay
// byte for byte; only the line of the value written changes.
TEST(SettingsKey, AWriteChangesOnlyTheLineOfItsValue)
{
    const std::string original = "; kept comment\r\n"
                                 "[Other]\r\n"
                                 "\"Epiphany\"=dword:00000005\r\n"
                                 "\r\n"
                                 "[SOFTWARE\\Sorvane Network\\Talvoren\\2.0]\r\n"
                                 "\"Binary\"=hex:01,02,03\r\n"
                                 "\"epiphany\"=dword:00000000\r\n"
                                 "\"Path\"=hex(2):25,00,00,00\r\n"
                                 "# a note of the user\r\n"
                                 "an unknown line\r\n"
                                 "\r\n"
                                 "[Last]\r\n"
                                 "\"x\"=\"y\"";
    struct CASE {
        const char* name;
        bool text;
        const char* line;   // the line expected for the value
        std::string expected;
    };
    const auto replace = [&original](const std::string& from, const std::string& to) {
        std::string changed = original;
        changed.replace(changed.find(from), from.size(), to);
        return changed;
    };
    const CASE cases[] = {
        {"Epiphany", false, "", replace("\"epiphany\"=dword:00000000", "\"epiphany\"=dword:00000001")},
        {"Binary", false, "", replace("\"Binary\"=hex:01,02,03", "\"Binary\"=dword:00000001")},
        {"Ascension", false, "", replace("\"Path\"=hex(2):25,00,00,00\r\n",
                                         "\"Path\"=hex(2):25,00,00,00\r\n\"Ascension\"=dword:00000001\r\n")},
        {"header", true, "", replace("\"Path\"=hex(2):25,00,00,00\r\n",
                                     "\"Path\"=hex(2):25,00,00,00\r\n\"header\"=\"a \\\"b\\\"\"\r\n")},
    };
    for (const CASE& test : cases) {
        CTestFolder config;
        CScopedConfigFolder scoped(config.Path());
        CSettingsKey::SetDefaultKeyPath(kPath);
        config.WriteBytes("settings.ini", original);
        CSettingsKey key;
        ASSERT_EQ(key.Open(SettingsRoot::LocalMachine), 0) << test.name;
        ASSERT_EQ(test.text ? key.WriteString(test.name, "a \"b\"") : key.WriteDword(test.name, 1), 0) << test.name;
        EXPECT_EQ(config.ReadBytes("settings.ini"), test.expected) << test.name;
    }
    // A key that is not there yet goes at the end, after the last line gets its end.
    CTestFolder config;
    CScopedConfigFolder scoped(config.Path());
    config.WriteBytes("settings.ini", original);
    CSettingsKey key;
    ASSERT_EQ(key.Open(SettingsRoot::LocalMachine, "New"), 0);
    EXPECT_EQ(config.ReadBytes("settings.ini"), original + "\r\n[New]\r\n");
}

// Three writers at once, each writing values of its own, lose none of them:
// the read-modify-write of each is under the lock beside the file, and each
// writes its own uniquely named temporary file.
TEST(SettingsKey, ThreeConcurrentWritersLoseNoValue)
{
    constexpr int kWriters = 3;
    constexpr int kRounds = 100;
    for (const bool processes : {false, true}) {
        CTestFolder config;
        CScopedConfigFolder scoped(config.Path());
        const auto write = [](int writer) {
            int failures = 0;
            for (int round = 0; round < kRounds; ++round) {
                CSettingsKey key;
                const std::string name = "W" + std::to_string(writer) + "R" + std::to_string(round);
                if (key.Open(SettingsRoot::CurrentUser, "K") != 0 ||
                    key.WriteDword(name.c_str(), static_cast<std::uint32_t>(round)) != 0)
                    ++failures;
            }
            return failures;
        };
        int failures = 0;
        if (processes) {
            std::vector<pid_t> children;
            for (int writer = 0; writer < kWriters; ++writer) {
                const pid_t child = ::fork();
                ASSERT_GE(child, 0);
                if (child == 0)
                    ::_exit(write(writer) == 0 ? 0 : 1);
                children.push_back(child);
            }
            for (const pid_t child : children) {
                int status = 0;
                ::waitpid(child, &status, 0);
                failures += WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
            }
        } else {
            std::vector<std::future<int>> writers;
            for (int writer = 0; writer < kWriters; ++writer)
                writers.push_back(std::async(std::launch::async, write, writer));
            for (auto& writer : writers)
                failures += writer.get();
        }
        EXPECT_EQ(failures, 0) << (processes ? "processes" : "threads");
        CSettingsKey key;
        ASSERT_EQ(key.OpenForReading(SettingsRoot::CurrentUser, "K"), 0);
        int found = 0;
        for (int writer = 0; writer < kWriters; ++writer)
            for (int round = 0; round < kRounds; ++round) {
                std::uint32_t value = 0xFFFF;
                const std::string name = "W" + std::to_string(writer) + "R" + std::to_string(round);
                found += key.ReadDword(name.c_str(), &value) == 0 && value == static_cast<std::uint32_t>(round);
            }
        EXPECT_EQ(found, kWriters * kRounds) << (processes ? "processes" : "threads");
        // Nothing but the file and its lock is left.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(config.Path()), {}), 2)
            << (processes ? "processes" : "threads");
    }
}

// A settings file that is a link is written through to its target; a link
// planted at the temporary name the store once used leads nowhere.
TEST(SettingsKey, WritesGoThroughALinkAndPlantedLinksAreNotFollowed)
{
    CTestFolder config;
    CTestFolder elsewhere;
    CScopedConfigFolder scoped(config.Path());
    elsewhere.WriteBytes("real.ini", "[K]\n");
    elsewhere.WriteBytes("victim", "victim");
    ASSERT_EQ(::symlink(elsewhere.File("real.ini").c_str(), config.File("settings.ini").c_str()), 0);
    ASSERT_EQ(::symlink(elsewhere.File("victim").c_str(), config.File("settings.ini.tmp").c_str()), 0);
    CSettingsKey key;
    ASSERT_EQ(key.Open(SettingsRoot::LocalMachine, "K"), 0);
    ASSERT_EQ(key.WriteDword("Epiphany", 1), 0);
    EXPECT_EQ(elsewhere.ReadBytes("real.ini"), "[K]\n\"Epiphany\"=dword:00000001\n");
    EXPECT_TRUE(std::filesystem::is_symlink(config.File("settings.ini")));
    EXPECT_EQ(elsewhere.ReadBytes("victim"), "victim");
}

TEST(SettingsKey, ATextHoldingANumberReadsAsThatNumber)
{
    const std::pair<const char*, long> cases[] = {
        {"0", 0}, {"1", 1}, {" 7 ", 7}, {"4294967295", 4294967295}, {"4294967296", -1},
        {"x", -1}, {"", -1}, {"12a", -1}, {"-1", -1},
    };
    for (const auto& [text, expected] : cases) {
        CTestFolder config;
        CScopedConfigFolder scoped(config.Path());
        config.WriteBytes("settings.ini", std::string("[K]\n\"Epiphany\"=\"") + text + "\"\n");
        CSettingsKey key;
        ASSERT_EQ(key.OpenForReading(SettingsRoot::LocalMachine, "K"), 0);
        std::uint32_t value = 99;
        EXPECT_EQ(key.ReadDword("Epiphany", &value), expected >= 0 ? 0L : long{CSettingsKey::kNotFound}) << text;
        EXPECT_EQ(value, expected >= 0 ? static_cast<std::uint32_t>(expected) : 99u) << text;
    }
}

// A read-only file is read; writing it is refused and it stays as it is.
TEST(SettingsKey, AReadOnlyFileIsReadAndNotWritten)
{
    CTestFolder config;
    CScopedConfigFolder scoped(config.Path());
    config.WriteBytes("settings.ini", kStored);
    ASSERT_EQ(::chmod(config.File("settings.ini").c_str(), 0444), 0);
    const CWithoutFileOverride asUser;
    if (!asUser.Active())
        GTEST_SKIP() << "file permissions cannot be made to count here";
    CSettingsKey key;
    ASSERT_EQ(key.OpenForReading(SettingsRoot::LocalMachine, "K"), 0);
    std::uint32_t value = 0;
    EXPECT_EQ(key.ReadDword("Epiphany", &value), 0);
    EXPECT_EQ(value, 1u);
    CSettingsKey writer;
    EXPECT_EQ(writer.Open(SettingsRoot::LocalMachine, "New"), CSettingsKey::kAccessDenied);
    EXPECT_NE(writer.Problem().find("is read-only"), std::string::npos) << writer.Problem();
    EXPECT_EQ(config.ReadBytes("settings.ini"), kStored);
}
