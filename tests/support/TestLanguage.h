#pragma once
// The one language builder of the tests: the kept lines of each data file,
// given to the engine in memory or written out as a language folder (for
// the tests of file reading).
//
// It starts as the symbolic language, so that every expected value is known
// independently of the shipped data: title n reads "T<n>", Sunday position
// n of cycle C reads "S<C><n>", weekday position n of cycle D reads
// "W<D>-<n>"; the feast and note files are empty.

#include "engine/CalendarSettings.h"
#include "engine/LanguageData.h"
#include "engine/YearTable.h"

#include <memory>
#include <string>
#include <vector>

namespace talvoren
{
class CTestFolder;

class CTestLanguage
{
public:
    CTestLanguage();

    // The kept lines of file `name` (made empty when missing).
    std::vector<std::string>& Lines(const std::string& name) { return m_files[name]; }
    void Set(const std::string& name, std::vector<std::string> lines) { m_files[name] = std::move(lines); }
    // Takes the lines that the program keeps of a UTF-8 text (as if it were
    // stored UTF-16), or of a language file on disk ("" when it cannot be read).
    void SetFromText(const std::string& name, const std::string& utf8);
    void SetFromFile(const std::string& name, const std::string& path);
    // File `name` is missing.
    void Remove(const std::string& name) { m_files.erase(name); }

    // The language as data in memory.
    std::shared_ptr<const CLanguageData> Data(bool vietnameseOrder = true) const;
    // The table of `year` with the given settings (as CALENDAROPTIONS: 1 =
    // Epiphany on 6 January, Ascension on Sunday, Corpus Christi on Sunday).
    YEARTABLE Year(int year, int epiphany = 0, int ascension = 0, int corpus = 0,
                   bool vietnameseOrder = true) const;

    // Writes each file into `folder` as UTF-16LE with CR LF line ends and
    // removes the data files it does not hold.
    void WriteTo(const CTestFolder& folder) const;

private:
    CLanguageData::FILELINES m_files;
};

} // namespace talvoren
