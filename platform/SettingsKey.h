#pragma once
// A key of the settings store. The store keeps named 32-bit numbers and texts
// under key paths such as "SOFTWARE\Sorvane Network\Talvoren\2.0", in one
// text file per root inside the settings folder (ConfigFolder()):
// "settings.ini" for the machine root, "user.ini" for the user root. A key is
// a section of its root's file (see CSettingsFile for the format).
//
// Reading never writes: OpenForReading and the reads only read the file, so
// a read-only file is read. A file that cannot be read, or is no settings
// file, is never replaced: every call that would write it fails and says
// why (Problem). A write changes only the line of the value written, under
// a lock beside the file (CFileLock) so that writers in several threads or
// processes never lose each other's values, and replaces the file in one
// step through any symbolic link to it (ReplaceFileContents).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace talvoren
{
class CSettingsFile;

enum class SettingsRoot { LocalMachine, CurrentUser };

class CSettingsKey
{
public:
    // Result codes, as the platform's registry calls return them.
    enum : long {
        kSuccess = 0,
        kNotFound = 2,       // no such key or value
        kAccessDenied = 5,   // the store cannot be reached, read or written
        kMoreData = 234,     // the value does not fit the buffer
        kBadStore = 1009     // the file is no settings file; it is left alone
    };

    // The application-wide default key path, used when Open gets no path.
    static void SetDefaultKeyPath(const std::string& path);
    static const std::string& GetDefaultKeyPath();

    // The file that holds the keys of `root`.
    static std::string StoreFilePath(SettingsRoot root);

    CSettingsKey() = default;
    CSettingsKey(const CSettingsKey&) = delete;
    CSettingsKey& operator=(const CSettingsKey&) = delete;
    virtual ~CSettingsKey();

    // Opens the key for writing, creating it (and the store) when it does
    // not exist. A null `subKey` means the default key path. 0 on success.
    long Open(SettingsRoot root, const char* subKey = nullptr);

    // Opens an existing key for reading only: kNotFound when the store or
    // the key does not exist. 0 on success.
    long OpenForReading(SettingsRoot root, const char* subKey = nullptr);

    // Why the last Open, OpenForReading or write failed, naming the file and
    // the reason; "" after a success or a plain kNotFound.
    const std::string& Problem() const { return m_strProblem; }

    // Reads a 32-bit value. On success stores it in *value; on any failure
    // leaves *value unchanged. A text value holding a decimal number (blanks
    // around it allowed) reads as that number; any other text, or a value
    // of another kind, is no 32-bit value (kNotFound).
    long ReadDword(const char* name, std::uint32_t* value) const;
    long WriteDword(const char* name, std::uint32_t value);

    // Reads a text value into *value when it fits `bufferBytes` bytes of
    // UTF-16 with its terminating zero; else kMoreData and *value unchanged.
    long ReadString(const char* name, std::string* value, std::size_t bufferBytes) const;
    long WriteString(const char* name, const std::string& value);

    void Close();
    bool IsOpen() const { return m_bOpen; }

private:
    long Fail(long code, const std::string& problem);
    // Sets one value of this key in the store, under its lock.
    long WriteValue(const char* name, const std::function<void(CSettingsFile&, const std::string& key)>& set);

    SettingsRoot m_root = SettingsRoot::LocalMachine;
    std::string m_strPath;
    std::string m_strProblem;
    bool m_bOpen = false;
    bool m_bWritable = false;
};

} // namespace talvoren
