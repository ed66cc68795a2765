#pragma once
// A small language folder written by the tests, so that every expected value
// is known independently of the shipped data: title n reads "T<n>", Sunday
// position n of cycle C reads "S<C><n>", weekday position n of year cycle D
// reads "W<D>-<n>". The feast and note files start empty.

#include "engine/LanguageState.h"
#include "engine/LiturgicalYear.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScopedConfigFolder.h"
#include "tests/support/TestFolder.h"

#include <memory>
#include <string>
#include <vector>

namespace talvoren
{
class CEngineTestData
{
public:
    CEngineTestData();

    // Writes the feast file or a note file of the folder.
    void WriteFeasts(const std::vector<std::string>& lines) const { m_folder.WriteUtf16("ufeast.txt", lines); }
    void WriteNotes(const std::string& name, const std::vector<std::string>& lines) const
    {
        m_folder.WriteUtf16(name, lines);
    }

    // A fresh engine over the folder with the given settings (no store).
    std::unique_ptr<CLiturgicalYear> Engine(int epiphany = 0, int ascension = 0, int corpus = 0);

    // Index of a date in `year`.
    static int Index(int year, int month, int day) { return CLiturgicalYear::DayOfYear(year, month, day); }

    const CTestFolder& Folder() const { return m_folder; }
    CLanguageState& Language() { return m_language; }
    CRecordingMessageSink& Messages() { return m_messages; }

private:
    CTestFolder m_folder;
    CTestFolder m_config;
    CScopedConfigFolder m_scopedConfig{m_config.Path()};
    CLanguageState m_language;
    CRecordingMessageSink m_messages;
};

} // namespace talvoren
