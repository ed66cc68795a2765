#pragma once
// The page header and footer that the program's printed pages carry, and the
// codes they are written in. The program keeps them to itself: the user's own
// header and footer under the page-setup key of the settings store are never
// read or written, so that nothing (not a crash, not a kill) can leave them
// changed.

#include <string>

namespace talvoren
{
// Where the user's own page header and footer lie in the settings store.
inline constexpr const char kPageSetupKey[] = "Software\\Microsoft\\Internet Explorer\\PageSetup";
inline constexpr const char kProgramPageHeader[] = "Sorvane Liturgical Calendar";
inline constexpr const char kProgramPageFooter[] = "Page &p of &P";

// The program's header and footer in Vietnamese (for the folder Vietnam).
inline constexpr const char kProgramPageHeaderVietnamese[] = "Lịch Phụng Vụ Sorvane";
inline constexpr const char kProgramPageFooterVietnamese[] = "Trang &p / &P";

// A header and a footer; by default the program's.
struct PAGESETUP
{
    std::string strHeader = kProgramPageHeader;
    std::string strFooter = kProgramPageFooter;
};

// One header or footer line, laid out: "&b" splits the text into a left and a
// right part (a second "&b" makes the middle part centred).
struct PAGESETUPLINE
{
    std::string strLeft;
    std::string strCentre;
    std::string strRight;
};

// What the codes of a header or footer stand for on one page.
struct PAGESETUPFIELDS
{
    std::string strTitle;   // &w
    std::string strUrl;     // &u
    std::string strDate;    // &d (short) and &D (long)
    std::string strLongDate;
    std::string strTime;    // &t and &T
    int nPage = 1;          // &p
    int nPages = 1;         // &P
};

// The program's header and footer in Vietnamese or in English.
PAGESETUP ProgramPageSetup(bool vietnamese);

// Expands the codes of `format` (&w &u &d &D &t &T &p &P &b &&). A code that
// is none of these is kept as written.
PAGESETUPLINE ExpandPageSetupText(const std::string& format, const PAGESETUPFIELDS& fields);

} // namespace talvoren
