#include "engine/LanguageData.h"

#include "base/Translatable.h"
#include "engine/LanguageFile.h"
#include "engine/LectionaryEntry.h"
#include "platform/MessageSink.h"

#include <sys/stat.h>

namespace talvoren
{
namespace
{
constexpr int kSundayCycles = 3;   // A, B, C
constexpr int kFirstWeekdayList = kSundayCycles;
constexpr long long kNanosecondsPerSecond = 1000000000LL;

// Index of "uLectionary<cycle>.txt" in the lectionary array, or -1.
int LectionaryIndex(const std::string& name)
{
    static const std::string kPrefix = "uLectionary";
    if (name.size() != kPrefix.size() + 5 || name.compare(0, kPrefix.size(), kPrefix) != 0)
        return -1;
    switch (name[kPrefix.size()]) {
    case 'A': return 0;
    case 'B': return 1;
    case 'C': return 2;
    case '1': return kFirstWeekdayList;
    case '2': return kFirstWeekdayList + 1;
    default: return -1;
    }
}
} // namespace

bool CLanguageData::FILESIGNATURE::operator==(const FILESIGNATURE& other) const
{
    return bExists == other.bExists && nSize == other.nSize && nModified == other.nModified &&
           nIdentity == other.nIdentity;
}

CLanguageData::FILESIGNATURE CLanguageData::SignatureOf(const std::string& path)
{
    FILESIGNATURE signature;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return signature;
    signature.bExists = true;
    signature.nSize = static_cast<long long>(info.st_size);
    signature.nModified = static_cast<long long>(info.st_mtim.tv_sec) * kNanosecondsPerSecond + info.st_mtim.tv_nsec;
    signature.nIdentity = static_cast<unsigned long long>(info.st_ino);
    return signature;
}

const char* CLanguageData::FileName(std::size_t k)
{
    return k < kFiles.size() ? kFiles[k] : kOptionalFiles[k - kFiles.size()];
}

CLanguageData::CLanguageData(const FILELINES& files, bool vietnameseOrder) : m_bVietnameseOrder(vietnameseOrder)
{
    for (std::size_t k = 0; k < kAllFiles; ++k) {
        const auto found = files.find(FileName(k));
        Take(FileName(k), found == files.end() ? nullptr : &found->second);
    }
}

std::shared_ptr<const CLanguageData> CLanguageData::Load(const std::string& folder, bool vietnameseOrder,
                                                         const CLanguageData* previous,
                                                         const std::string& shippedFolder)
{
    auto data = std::make_shared<CLanguageData>();
    data->m_strFolder = folder;
    data->m_strShippedFolder = shippedFolder;
    data->m_bFromFolder = true;
    data->m_bVietnameseOrder = vietnameseOrder;
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < kAllFiles; ++k) {
        const std::string name = FileName(k);
        std::string path = folder + name;
        // The signatures are taken before the read: a change during the read
        // shows at the next check.
        data->m_signatures[k] = SignatureOf(path);
        if (!shippedFolder.empty()) {
            data->m_shippedSignatures[k] = SignatureOf(shippedFolder + name);
            if (!data->m_signatures[k].bExists)
                path = shippedFolder + name;
        }
        const CommentRule comments = name == kUserNotesFile ? CommentRule::LeadingHash : CommentRule::AnyHash;
        const bool read = CLanguageFile::Read(path, lines, k < kFiles.size(), comments);
        if (!read && previous && name == kTitlesFile) {
            data->m_titles = previous->m_titles.WithOrder(vietnameseOrder);   // the old titles stay
            continue;
        }
        data->Take(name, read ? &lines : nullptr);
    }
    return data;
}

bool CLanguageData::IsCurrent() const
{
    if (!m_bFromFolder)
        return true;
    for (std::size_t k = 0; k < kAllFiles; ++k) {
        if (!(SignatureOf(m_strFolder + FileName(k)) == m_signatures[k]))
            return false;
        if (!m_strShippedFolder.empty() && !(SignatureOf(m_strShippedFolder + FileName(k)) == m_shippedSignatures[k]))
            return false;
    }
    return true;
}

void CLanguageData::Take(const std::string& name, const std::vector<std::string>* lines)
{
    static const std::vector<std::string> kNoLines;
    const std::vector<std::string>& kept = lines ? *lines : kNoLines;
    if (name == kTitlesFile) {
        CPageTexts pageTexts = m_titles.PageTexts();
        m_titles = CTitleList(kept, m_bVietnameseOrder);
        m_titles.SetPageTexts(std::move(pageTexts));
    } else if (name == kPageTextsFile) {
        m_titles.SetPageTexts(CPageTexts::FromLines(kept));
    } else if (name == kBookNamesFile) {
        m_bookNameLines = kept;
    } else if (name == kFeastsFile || name == kLunarFeastsFile) {
        std::vector<FEASTLINE>& feasts = name == kFeastsFile ? m_feasts : m_lunarFeasts;
        feasts.clear();
        FEASTLINE feast;
        for (const std::string& line : kept) {
            if (ParseFeastLine(line, feast))
                feasts.push_back(feast);
        }
    } else if (name == kMoveableNotesFile) {
        m_moveableNotes.clear();
        MOVEABLENOTE note;
        for (const std::string& line : kept) {
            if (ParseMoveableLine(line, note))
                m_moveableNotes.push_back(note);
        }
    } else if (const int list = LectionaryIndex(name); list >= 0) {
        m_hasLectionary[list] = lines != nullptr;
        m_lectionaries[list].clear();
        m_lectionaries[list].reserve(kept.size());
        for (const std::string& line : kept)
            m_lectionaries[list].push_back(LectionaryEntry(line));
    } else {
        std::vector<DAYNOTE>& notes =
            name == kUserNotesFile ? m_userNotes : name == kLunarNotesFile ? m_lunarNotes : m_notes;
        NOTEREADING reading;
        reading.bPlainText = name == kUserNotesFile;
        reading.dates = name == kLunarNotesFile ? NoteDates::Lunar : NoteDates::Civil;
        std::string impossible;
        reading.impossible = [&impossible](const std::string& line) { impossible += "\n" + line; };
        CollectDayNotes(
            kept, [&notes](const std::string& note, int month, int day) { notes.push_back(DAYNOTE{month, day, note}); },
            reading);
        if (!impossible.empty())
            ShowMessage(MESSAGETEXT(TALVOREN_TRANSLATABLE("talvoren::Messages",
                                                          "The notes of %1 on dates that do not exist are not shown:%2"),
                                    {m_strFolder + name, impossible}),
                        MessageIcon::Error);
    }
}

const std::vector<std::string>* CLanguageData::SundayLectionary(int year) const
{
    const int list = (year + 2) % kSundayCycles;
    return m_hasLectionary[list] ? &m_lectionaries[list] : nullptr;
}

const std::vector<std::string>* CLanguageData::WeekdayLectionary(int year) const
{
    const int list = kFirstWeekdayList + (year % 2 != 0 ? 0 : 1);
    return m_hasLectionary[list] ? &m_lectionaries[list] : nullptr;
}

} // namespace talvoren
