#pragma once
// A key of the settings store. The store keeps named 32-bit numbers and texts
// under key paths such as "SOFTWARE\Sorvane Network\Talvoren\2.0", in one
// text file per root inside the settings folder (ConfigFolder()):
// "settings.ini" for the machine root, "user.ini" for the user root. A key is
// a section of its root's file:
//
//   [SOFTWARE\Sorvane Network\Talvoren\2.0]
//   "Epiphany"=dword:00000001
//   "header"="&w&bPage &p of &P"
//
// Key paths and value names compare without regard to case. Every write
// replaces the file in one step (write a temporary file, then rename it over).

#include <cstddef>
#include <cstdint>
#include <string>

namespace talvoren
{
enum class SettingsRoot { LocalMachine, CurrentUser };

class CSettingsKey
{
public:
    // Result codes, as the platform's registry calls return them.
    enum : long {
        kSuccess = 0,
        kNotFound = 2,       // no such key or value
        kAccessDenied = 5,   // the store cannot be reached or written
        kMoreData = 234      // the value does not fit the buffer
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

    // Opens the key for full access, creating it (and the store) when it does
    // not exist. A null `subKey` means the default key path. 0 on success.
    long Open(SettingsRoot root, const char* subKey = nullptr);

    // Opens an existing key for reading only. 0 on success.
    long OpenForReading(SettingsRoot root, const char* subKey = nullptr);

    // Reads a 32-bit value. On success stores it in *value; on any failure
    // leaves *value unchanged. A value of another kind is read from its first
    // four bytes when it is no longer than four bytes, else kMoreData.
    long ReadDword(const char* name, std::uint32_t* value) const;
    long WriteDword(const char* name, std::uint32_t value);

    // Reads a text value into *value when it fits `bufferBytes` bytes of
    // UTF-16 with its terminating zero; else kMoreData and *value unchanged.
    long ReadString(const char* name, std::string* value, std::size_t bufferBytes) const;
    long WriteString(const char* name, const std::string& value);

    void Close();
    bool IsOpen() const { return m_bOpen; }

private:
    SettingsRoot m_root = SettingsRoot::LocalMachine;
    std::string m_strPath;
    bool m_bOpen = false;
    bool m_bWritable = false;
};

} // namespace talvoren
