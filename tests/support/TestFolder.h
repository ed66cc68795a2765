#pragma once
// A temporary folder for one test, removed with its contents at the end.
// Also writes data files the way the program's language files are stored
// (UTF-16 little-endian), with an encoder of its own so that the reader is
// not checked against itself.

#include <string>
#include <vector>

namespace talvoren
{
class CTestFolder
{
public:
    CTestFolder();
    ~CTestFolder();
    CTestFolder(const CTestFolder&) = delete;
    CTestFolder& operator=(const CTestFolder&) = delete;

    // The folder path, ending in "/".
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + name; }

    // Writes `lines` as UTF-16LE with CR LF line ends (no byte-order mark).
    void WriteUtf16(const std::string& name, const std::vector<std::string>& lines) const;
    // Writes raw bytes.
    void WriteBytes(const std::string& name, const std::string& bytes) const;
    std::string ReadBytes(const std::string& name) const;
    void Remove(const std::string& name) const;

    // UTF-16LE bytes of a UTF-8 text (test-side encoder).
    static std::string EncodeUtf16(const std::string& utf8);

private:
    std::string m_path;
};

} // namespace talvoren
