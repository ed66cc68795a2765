#include "scripture/BookAbbreviations.h"

#include "base/ParseNumber.h"

namespace talvoren
{
namespace
{
const BOOKABBREVIATION kNumbered[] = {
    {"1 Sm ", 9},   {"2 Sm ", 10},  {"1 V ", 11},   {"2 V ", 12},   {"1 Sb ", 13},
    {"2 Sb ", 14},  {"1 Mcb ", 20}, {"2 Mcb ", 21}, {"1 Cr ", 53},  {"2 Cr ", 54},
    {"1 Tx ", 59},  {"2 Tx ", 60},  {"1 Tm ", 61},  {"2 Tm ", 62},  {"1 Pr ", 67},
    {"2 Pr ", 68},  {"1 Ga ", 69},  {"2 Ga ", 70},  {"3 Ga ", 71},  {"", 0},
};
static_assert(sizeof kNumbered / sizeof kNumbered[0] == 19 + 1, "19 numbered books and the end entry");

// Judith is "Gđt " and Zechariah "Dcr " as in the Vietnamese Catholic Bible:
// "Gđ " is Jude and "Dc " the Song of Songs, each once, so that every book can
// be cited.
const BOOKABBREVIATION kOther[] = {
    {"St ", 1},   {"Xh ", 2},   {"Lv ", 3},   {"Ds ", 4},   {"Đnl ", 5},  {"Gs ", 6},
    {"Tl ", 7},   {"R ", 8},    {"Er ", 15},  {"Nkm ", 16}, {"Tb ", 17},  {"Gđt ", 18},
    {"Es ", 19},  {"G ", 22},   {"Tv ", 23},  {"Cn ", 24},  {"Gv ", 25},  {"Dc ", 26},
    {"Kn ", 27},  {"Hc ", 28},  {"Is ", 29},  {"Gr ", 30},  {"Ac ", 31},  {"Br ", 32},
    {"Ed ", 33},  {"Đn ", 34},  {"Hs ", 35},  {"Ge ", 36},  {"Am ", 37},  {"Ov ", 38},
    {"Gn ", 39},  {"Mkh ", 40}, {"Nk ", 41},  {"Kb ", 42},  {"Xp ", 43},  {"Kg ", 44},
    {"Dcr ", 45}, {"Mlk ", 46}, {"Mt ", 47},  {"Mc ", 48},  {"Lc ", 49},  {"Ga ", 50},
    {"Cv ", 51},  {"Rm ", 52},  {"Gl ", 55},  {"Ep ", 56},  {"Pl ", 57},  {"Cl ", 58},
    {"Tt ", 63},  {"Plm ", 64}, {"Dt ", 65},  {"Gc ", 66},  {"Gđ ", 72},  {"Kh ", 73},
    {"", 0},
};
static_assert(sizeof kOther / sizeof kOther[0] == 54 + 1, "54 other books and the end entry");
} // namespace

const BOOKABBREVIATION* NumberedBookAbbreviations()
{
    return kNumbered;
}

const BOOKABBREVIATION* OtherBookAbbreviations()
{
    return kOther;
}

std::string BookAbbreviation(int book)
{
    for (const BOOKABBREVIATION* table : {kNumbered, kOther})
        for (const BOOKABBREVIATION* entry = table; entry->nBook != 0; ++entry)
            if (entry->nBook == book)
                return entry->pszAbbreviation;
    return std::string();
}

const CBookAbbreviations& CBookAbbreviations::Vietnamese()
{
    static const CBookAbbreviations table = [] {
        CBookAbbreviations made;
        for (const BOOKABBREVIATION* entry = kNumbered; entry->nBook != 0; ++entry)
            made.m_numbered.push_back(ENTRY{entry->pszAbbreviation, entry->nBook});
        for (const BOOKABBREVIATION* entry = kOther; entry->nBook != 0; ++entry)
            made.m_other.push_back(ENTRY{entry->pszAbbreviation, entry->nBook});
        return made;
    }();
    return table;
}

bool CBookAbbreviations::Parse(const std::vector<std::string>& lines, CBookAbbreviations& table)
{
    CBookAbbreviations made;
    bool named[kBookCount + 1] = {};
    for (const std::string& line : lines) {
        const std::size_t blank = line.find(' ');
        if (blank == std::string::npos || blank == 0 || blank > 2 ||
            line.find_first_not_of("0123456789") != blank || blank + 1 >= line.size() || line[blank + 1] == ' ')
            return false;
        const int book = LeadingNumber(line);
        if (book < 1 || book > kBookCount)
            return false;
        named[book] = true;
        ENTRY entry{line.substr(blank + 1) + ' ', book};
        const char lead = entry.strAbbreviation[0];
        (lead >= '0' && lead <= '9' ? made.m_numbered : made.m_other).push_back(std::move(entry));
    }
    for (int book = 1; book <= kBookCount; ++book)
        if (!named[book])
            return false;
    table = std::move(made);
    return true;
}

CBookAbbreviations CBookAbbreviations::OfFolder(const std::vector<std::string>& lines)
{
    CBookAbbreviations table = Vietnamese();
    Parse(lines, table);
    return table;
}

std::string CBookAbbreviations::Abbreviation(int book) const
{
    for (const std::vector<ENTRY>* entries : {&m_numbered, &m_other})
        for (const ENTRY& entry : *entries)
            if (entry.nBook == book)
                return entry.strAbbreviation;
    return std::string();
}

} // namespace talvoren
