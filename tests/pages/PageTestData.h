#pragma once
// The language of the page tests and their golden files.
//
// Titles and feasts come from tests/data/pages/lang (readable UTF-8, kept as
// the engine keeps the lines of its UTF-16 files). The lectionaries are the
// symbolic ones of CTestLanguage:
// Sunday position n of cycle C reads "S<C><n>", weekday position n of cycle
// D reads "W<D>-<n>", except weekday position 150 of cycle 2, which is
// empty (Thursday 7 February 2002 has no readings). Note files are empty.
// Settings: Epiphany on a Sunday, Ascension on Thursday, Corpus Christi on
// Sunday (all 0).

#include "engine/TitleList.h"
#include "engine/YearTable.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TestLanguage.h"

#include <memory>
#include <string>
#include <vector>

namespace talvoren
{
class CPageTestData
{
public:
    CPageTestData();

    // The table of `year` (settings all 0, no store) and the titles.
    YEARTABLE Year(int year) const { return m_language.Year(year); }
    const CTitleList& Titles() const { return m_titles; }
    std::shared_ptr<const CLanguageData> Language() const { return m_language.Data(); }

    // The golden file `name` of tests/data/pages/golden with its line ends
    // taken out (they are there only to make the files readable); "" and a
    // test failure when it cannot be read.
    static std::string Golden(const std::string& name);

    CRecordingMessageSink& Messages() { return m_messages; }

private:
    CTestLanguage m_language;
    CTitleList m_titles;
    CRecordingMessageSink m_messages;
};

// Compares a page with its golden text piece by piece (each piece ends with
// "</tr>"), so that a failure names the first row that differs, then whole.
void ExpectSamePage(const std::string& actual, const std::string& expected);

} // namespace talvoren
