#pragma once
// The engine tests' language: the symbolic test language (see
// CTestLanguage), computed in memory, and written to a folder of the test's
// own for the tests that read files (which change the folder through
// Folder()). Settings are given, never read from the store; messages are
// recorded.

#include "engine/LanguageState.h"
#include "engine/LiturgicalYear.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScopedConfigFolder.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestLanguage.h"

#include <memory>
#include <string>
#include <vector>

namespace talvoren
{
class CEngineTestData
{
public:
    CEngineTestData();

    // Replaces the feast file or a note file, in memory and in the folder.
    void WriteFeasts(const std::vector<std::string>& lines) { WriteNotes("ufeast.txt", lines); }
    void WriteNotes(const std::string& name, const std::vector<std::string>& lines);

    // The table of `year` from the language in memory.
    YEARTABLE Year(int year, int epiphany = 0, int ascension = 0, int corpus = 0) const
    {
        return m_language.Year(year, epiphany, ascension, corpus);
    }

    // A fresh engine over the folder, or over the language in memory as it
    // is now (the data outlives the engine with this object).
    std::unique_ptr<CLiturgicalYear> Engine(int epiphany = 0, int ascension = 0, int corpus = 0);
    std::unique_ptr<CLiturgicalYear> EngineInMemory(int epiphany = 0, int ascension = 0, int corpus = 0);

    // Index of a date in `year`.
    static int Index(int year, int month, int day) { return CLiturgicalYear::DayOfYear(year, month, day); }

    CTestLanguage& Language() { return m_language; }
    const CTestFolder& Folder() const { return m_folder; }
    CLanguageState& State() { return m_state; }
    CRecordingMessageSink& Messages() { return m_messages; }

private:
    CTestLanguage m_language;
    CTestFolder m_folder;
    CTestFolder m_config;
    CScopedConfigFolder m_scopedConfig{m_config.Path()};
    CLanguageState m_state;
    CRecordingMessageSink m_messages;
    std::vector<std::unique_ptr<CLanguageDataLoader>> m_loaders;
};

} // namespace talvoren
