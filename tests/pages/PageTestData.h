#pragma once
// The language folder of the page tests and their golden files.
//
// Titles and feasts come from tests/data/pages/lang (readable UTF-8, written
// out as the UTF-16 files the engine reads). The lectionaries are made here:
// Sunday position n of cycle C reads "S<C><n>", weekday position n of cycle
// D reads "W<D>-<n>", except weekday position 150 of cycle 2, which is
// empty (Thursday 7 February 2002 has no readings). Note files are empty.
// Settings: Epiphany on a Sunday, Ascension on Thursday, Corpus Christi on
// Sunday (all 0).

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
class CPageTestData
{
public:
    CPageTestData();

    // A fresh engine over the folder (settings all 0, no store).
    std::unique_ptr<CLiturgicalYear> Engine();

    // The golden file `name` of tests/data/pages/golden with its line ends
    // taken out (they are there only to make the files readable); "" and a
    // test failure when it cannot be read.
    static std::string Golden(const std::string& name);

    CRecordingMessageSink& Messages() { return m_messages; }

private:
    CTestFolder m_folder;
    CTestFolder m_config;
    CScopedConfigFolder m_scopedConfig{m_config.Path()};
    CLanguageState m_language;
    CRecordingMessageSink m_messages;
};

// Compares a page with its golden text piece by piece (each piece ends with
// "</tr>"), so that a failure names the first row that differs, then whole.
void ExpectSamePage(const std::string& actual, const std::string& expected);

} // namespace talvoren
