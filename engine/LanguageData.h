#pragma once
// The data files of one language folder, read and parsed once: the titles,
// the fixed feasts, the five lectionaries, the dated notes, and the
// lunar-dated celebrations and notes and the moveable notes. This is the
// only place where the engine reads files; a year's computation reads only
// this value, which can be shared by every engine of the program.
//
// Given: a folder, or the kept lines of each file (for tests).
// Returned: the parsed data, and a cheap check (size, modification time and
// identity of each file) that tells whether the folder still holds what was
// read.
// Notes: a missing file of kFiles is reported "File %s not found!" when the
// folder is read and then holds nothing, and so is a file that cannot be
// read, with its reason; a missing lectionary makes the years of its cycle
// fail (see ComputeYearTable). Notes on dates that do not exist are reported
// once per file and left out. The files of kOptionalFiles came later: a
// folder without them (an older one, or a language not yet translated) works
// on silently without what they add.

#include "engine/DayNotes.h"
#include "engine/FeastLine.h"
#include "engine/MoveableNotes.h"
#include "engine/TitleList.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace talvoren
{
class CLanguageData
{
public:
    static constexpr const char* kTitlesFile = "utitles.txt";
    static constexpr const char* kFeastsFile = "ufeast.txt";
    // The user's own notes: plain text, where a "#" in a note is text.
    static constexpr const char* kUserNotesFile = "uNote.txt";
    // The files in the order they are read (and a missing one reported).
    static constexpr std::array<const char*, 10> kFiles = {
        "utitles.txt",      "uLectionaryA.txt", "uLectionaryB.txt", "uLectionaryC.txt", "uLectionary1.txt",
        "uLectionary2.txt", "ufeast.txt",       "uLocal.txt",       "uOrdo.txt",        "uNote.txt"};
    static constexpr const char* kLunarFeastsFile = "uLunar.txt";
    static constexpr const char* kLunarNotesFile = "uLunarNote.txt";
    static constexpr const char* kMoveableNotesFile = "uMoveable.txt";
    // The words of the pages (engine/PageTexts.h) and the short names of the
    // books that the readings cite (scripture/BookAbbreviations.h).
    static constexpr const char* kPageTextsFile = "uPage.txt";
    static constexpr const char* kBookNamesFile = "uBooks.txt";
    // Read after kFiles, never reported when missing.
    static constexpr std::array<const char*, 5> kOptionalFiles = {kLunarFeastsFile, kLunarNotesFile,
                                                                  kMoveableNotesFile, kPageTextsFile, kBookNamesFile};

    // Kept lines by file name, as CLanguageFile::Read gives them.
    using FILELINES = std::map<std::string, std::vector<std::string>>;

    // No file at all.
    CLanguageData() = default;
    // Data made in memory: a file that `files` does not name counts as
    // missing (and is not reported). Never reloaded: always current.
    explicit CLanguageData(const FILELINES& files, bool vietnameseOrder = true);

    // Reads every file of `folder` (ending in a separator), or of
    // `shippedFolder` for a file that `folder` lacks ("" for none), and
    // reports each missing one. A missing titles file keeps the titles of
    // `previous` when one is given.
    static std::shared_ptr<const CLanguageData> Load(const std::string& folder, bool vietnameseOrder,
                                                     const CLanguageData* previous = nullptr,
                                                     const std::string& shippedFolder = std::string());

    // True when each file still has the size, modification time and identity
    // it had when it was read (a missing one still missing).
    bool IsCurrent() const;
    // The folder it was read from; "" for data made in memory.
    const std::string& Folder() const { return m_strFolder; }
    const std::string& ShippedFolder() const { return m_strShippedFolder; }

    const CTitleList& Titles() const { return m_titles; }
    const std::vector<FEASTLINE>& Feasts() const { return m_feasts; }
    // The entries of the Sunday list of `year`'s cycle (A, B, C by
    // (year + 2) mod 3) and of its weekday list (1 in odd years, 2 in even
    // ones); null when that file is missing.
    const std::vector<std::string>* SundayLectionary(int year) const;
    const std::vector<std::string>* WeekdayLectionary(int year) const;
    // The notes of "uLocal.txt" and "uOrdo.txt", in that order.
    const std::vector<DAYNOTE>& Notes() const { return m_notes; }
    // The user's notes ("uNote.txt"), shown after all others.
    const std::vector<DAYNOTE>& UserNotes() const { return m_userNotes; }
    // The lunar-dated celebrations and notes (day and month lunar) and the
    // moveable notes.
    const std::vector<FEASTLINE>& LunarFeasts() const { return m_lunarFeasts; }
    const std::vector<DAYNOTE>& LunarNotes() const { return m_lunarNotes; }
    const std::vector<MOVEABLENOTE>& MoveableNotes() const { return m_moveableNotes; }
    // The kept lines of the book-names file, the short names of the books
    // that the folder's readings cite (see CBookAbbreviations::OfFolder);
    // none when the file is missing.
    const std::vector<std::string>& BookNameLines() const { return m_bookNameLines; }
    // The words of the pages: Titles().PageTexts().

private:
    struct FILESIGNATURE
    {
        bool bExists = false;
        long long nSize = 0;
        long long nModified = 0;            // nanoseconds
        unsigned long long nIdentity = 0;   // inode: a file replaced by rename is another file
        bool operator==(const FILESIGNATURE& other) const;
    };
    static FILESIGNATURE SignatureOf(const std::string& path);

    // Takes the kept lines of file `name`, or nullptr for a missing file.
    void Take(const std::string& name, const std::vector<std::string>* lines);
    // The name of file `k` of kFiles, then of kOptionalFiles.
    static constexpr std::size_t kAllFiles = kFiles.size() + kOptionalFiles.size();
    static const char* FileName(std::size_t k);

    std::string m_strFolder;
    std::string m_strShippedFolder;
    bool m_bFromFolder = false;
    // Of each file in the folder and in the shipped folder: a file the user
    // adds later wins at the next check.
    std::array<FILESIGNATURE, kAllFiles> m_signatures{};
    std::array<FILESIGNATURE, kAllFiles> m_shippedSignatures{};
    CTitleList m_titles;
    std::vector<FEASTLINE> m_feasts;
    std::array<std::vector<std::string>, 5> m_lectionaries;   // A, B, C, 1, 2
    std::array<bool, 5> m_hasLectionary{};
    std::vector<DAYNOTE> m_notes;
    std::vector<DAYNOTE> m_userNotes;
    std::vector<FEASTLINE> m_lunarFeasts;
    std::vector<DAYNOTE> m_lunarNotes;
    std::vector<MOVEABLENOTE> m_moveableNotes;
    std::vector<std::string> m_bookNameLines;
    bool m_bVietnameseOrder = true;
};

} // namespace talvoren
