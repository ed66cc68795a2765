#pragma once
// The text of one settings file, kept line by line as it was read, so that
// writing a value changes only that value's line: comments, blank lines,
// values of kinds the program does not use ("hex:", "hex(2):"), unknown
// lines and other sections stay byte for byte, in the file's own encoding
// (UTF-8 with or without a byte-order mark, UTF-16 either way round) and
// with each line's own line end.
//
//   ; a comment
//   [SOFTWARE\Sorvane Network\Talvoren\2.0]
//   "Epiphany"=dword:00000001
//   "header"="&w&bPage &p of &P"
//
// Section paths and value names compare without regard to ASCII case; the
// first section and the first value of a name count.

#include "base/TextEncoding.h"

#include <cstdint>
#include <string>
#include <vector>

namespace talvoren
{
// A value as it is stored.
struct SETTINGSVALUE
{
    enum class Kind { None, Dword, Text, Other };
    Kind kind = Kind::None;   // None: no such value (or section)
    std::uint32_t nDword = 0;
    std::string strText;
};

class CSettingsFile
{
public:
    // An empty file (no lines, UTF-8).
    CSettingsFile() = default;

    // Reads a file image. False, with `problem` saying why, when it is not
    // a settings file: bytes that are no text in a recognised encoding (a
    // control character other than tab and line ends counts as no text),
    // or lines other than blanks and comments without any "[section]".
    bool Parse(const std::string& bytes, std::string& problem);

    bool HasSection(const std::string& path) const;
    SETTINGSVALUE Find(const std::string& path, const std::string& name) const;

    // Adds the section at the end when it is missing.
    void AddSection(const std::string& path);
    // Sets a value: its line is rewritten in place, or a new line goes after
    // the section's last value (the section is added when missing).
    void SetDword(const std::string& path, const std::string& name, std::uint32_t value);
    void SetText(const std::string& path, const std::string& name, const std::string& text);

    // The file image: the lines as read, with the changes, in the encoding read.
    std::string Image() const;

private:
    struct LINE
    {
        std::string strText;   // UTF-8, without its end
        std::string strEnd;    // "\n", "\r\n", "\r" or "" (the last line)
    };
    // Index of the section's header line, or -1.
    int FindSection(const std::string& path) const;
    // Index of the value's line within the section that starts at `header`, or -1.
    int FindValueLine(int header, const std::string& name) const;
    // One past the section's last value line (or its header).
    int InsertionPoint(int header) const;
    void SetLine(const std::string& path, const std::string& name, const std::string& valueText);
    void InsertLine(int at, const std::string& text);

    TEXTENCODING m_encoding{TextKind::Utf8, false};
    std::vector<LINE> m_lines;
};

} // namespace talvoren
