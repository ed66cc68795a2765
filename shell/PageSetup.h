#pragma once
// The page header and footer that printed pages carry, kept as the text
// values "header" and "footer" under the page-setup key of the user's
// settings (falling back to the machine's when the user has none).

#include <string>

namespace talvoren
{
inline constexpr const char kPageSetupKey[] = "Software\\Microsoft\\Internet Explorer\\PageSetup";
inline constexpr const char kDefaultPageHeader[] = "&w&bPage &p of &P";
inline constexpr const char kDefaultPageFooter[] = "&u&b&d";
inline constexpr const char kProgramPageHeader[] = "Sorvane Liturgical Calendar";
inline constexpr const char kProgramPageFooter[] = "Page &p of &P";

struct PAGESETUP
{
    std::string strHeader = kDefaultPageHeader;
    std::string strFooter = kDefaultPageFooter;
};

// Reads the header and footer: the defaults, replaced by each value of the
// user's key (or, when the user has no key, the machine's) that is present
// and fits a 512-byte buffer. `restorable`, when given, receives the values
// as they must be put back at exit: a value too long for the buffer is taken
// whole there, so that the user's own text is never replaced by the default.
PAGESETUP ReadPageSetup(PAGESETUP* restorable = nullptr);

// Writes both values into the user's key, "header" first; stops at the first
// failure without a message. Returns true when both were written.
bool WritePageSetup(const std::string& header, const std::string& footer);

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

// Expands the codes of `format` (&w &u &d &D &t &T &p &P &b &&). A code that
// is none of these is kept as written.
PAGESETUPLINE ExpandPageSetupText(const std::string& format, const PAGESETUPFIELDS& fields);

} // namespace talvoren
