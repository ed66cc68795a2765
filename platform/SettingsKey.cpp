#include "platform/SettingsKey.h"

#include "base/Utf16.h"
#include "platform/FileLock.h"
#include "platform/FileReading.h"
#include "platform/FileReplacement.h"
#include "platform/SettingsFile.h"
#include "platform/SystemPaths.h"

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <system_error>
#include <unistd.h>

namespace talvoren
{
namespace
{
std::string g_defaultKeyPath;

// What the store's file holds, as far as it could be read.
struct STORE
{
    long nResult = CSettingsKey::kSuccess;   // kSuccess (the file may be missing), kAccessDenied or kBadStore
    bool bMissing = false;
    CSettingsFile file;
    std::string strProblem;
};

STORE LoadStore(const std::string& path)
{
    STORE store;
    const FILEREAD read = ReadRegularFile(path);
    if (read.bMissing) {
        store.bMissing = true;
        return store;
    }
    if (!read.bRead) {
        store.nResult = CSettingsKey::kAccessDenied;
        store.strProblem = "The settings file " + path + " cannot be read: " + read.strReason + ".";
        return store;
    }
    std::string problem;
    if (!store.file.Parse(read.strBytes, problem)) {
        store.nResult = CSettingsKey::kBadStore;
        store.strProblem = "The settings file " + path + " cannot be used: " + problem + ". It is left as it is.";
    }
    return store;
}

// Reads, changes with `change` and writes back the store at `path`, under
// its lock. kSuccess, or the failure with `problem`.
long ChangeStore(const std::string& path, const std::function<bool(CSettingsFile&)>& change, std::string& problem)
{
    std::string target;
    std::string error;
    if (!ResolveWriteTarget(path, target, error)) {
        problem = "The settings file " + path + " cannot be written: " + error + ".";
        return CSettingsKey::kAccessDenied;
    }
    const CFileLock lock(target);
    if (!lock.IsLocked()) {
        problem = "The settings file " + path + " cannot be written: " + lock.Error() + ".";
        return CSettingsKey::kAccessDenied;
    }
    STORE store = LoadStore(path);
    if (store.nResult != CSettingsKey::kSuccess) {
        problem = store.strProblem;
        return store.nResult;
    }
    // AT_EACCESS: the rights of the effective user, as the write would have them.
    if (!store.bMissing && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
        problem = "The settings file " + path + " is read-only.";
        return CSettingsKey::kAccessDenied;
    }
    if (!change(store.file))
        return CSettingsKey::kSuccess;   // nothing to write
    if (!ReplaceFileContents(path, store.file.Image(), error)) {
        problem = "The settings file " + path + " cannot be written: " + error + ".";
        return CSettingsKey::kAccessDenied;
    }
    return CSettingsKey::kSuccess;
}

// Bytes that a text value takes as UTF-16 with its terminating zero.
std::size_t StringBytes(const std::string& text)
{
    return (Utf16Length(text) + 1) * 2;
}

// A text that holds a whole decimal number of 32 bits, blanks around it allowed.
bool TextNumber(const std::string& text, std::uint32_t& number)
{
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    if (first == std::string::npos)
        return false;
    unsigned long long value = 0;
    for (std::size_t i = first; i <= last; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
        if (value > 0xFFFFFFFFull)
            return false;
    }
    number = static_cast<std::uint32_t>(value);
    return true;
}
} // namespace

void CSettingsKey::SetDefaultKeyPath(const std::string& path)
{
    g_defaultKeyPath = path;
}

const std::string& CSettingsKey::GetDefaultKeyPath()
{
    return g_defaultKeyPath;
}

std::string CSettingsKey::StoreFilePath(SettingsRoot root)
{
    return JoinPath(ConfigFolder(), root == SettingsRoot::LocalMachine ? "settings.ini" : "user.ini");
}

CSettingsKey::~CSettingsKey()
{
    Close();
}

long CSettingsKey::Fail(long code, const std::string& problem)
{
    m_strProblem = problem;
    return code;
}

long CSettingsKey::Open(SettingsRoot root, const char* subKey)
{
    Close();
    const std::string path = subKey ? subKey : g_defaultKeyPath;
    const std::string file = StoreFilePath(root);
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), error);

    std::string problem;
    const long result = ChangeStore(
        file,
        [&path](CSettingsFile& store) {
            if (store.HasSection(path))
                return false;
            store.AddSection(path);
            return true;
        },
        problem);
    if (result != kSuccess)
        return Fail(result, problem);
    m_root = root;
    m_strPath = path;
    m_bOpen = true;
    m_bWritable = true;
    return kSuccess;
}

long CSettingsKey::OpenForReading(SettingsRoot root, const char* subKey)
{
    Close();
    const std::string path = subKey ? subKey : g_defaultKeyPath;
    const STORE store = LoadStore(StoreFilePath(root));
    if (store.nResult != kSuccess)
        return Fail(store.nResult, store.strProblem);
    if (store.bMissing || !store.file.HasSection(path))
        return kNotFound;
    m_root = root;
    m_strPath = path;
    m_bOpen = true;
    m_bWritable = false;
    return kSuccess;
}

long CSettingsKey::ReadDword(const char* name, std::uint32_t* value) const
{
    if (!m_bOpen || !value || !name)
        return kNotFound;
    const STORE store = LoadStore(StoreFilePath(m_root));
    if (store.nResult != kSuccess)
        return store.nResult;
    const SETTINGSVALUE stored = store.file.Find(m_strPath, name);
    std::uint32_t number = 0;
    if (stored.kind == SETTINGSVALUE::Kind::Dword)
        number = stored.nDword;
    else if (stored.kind != SETTINGSVALUE::Kind::Text || !TextNumber(stored.strText, number))
        return kNotFound;
    *value = number;
    return kSuccess;
}

long CSettingsKey::ReadString(const char* name, std::string* value, std::size_t bufferBytes) const
{
    if (!m_bOpen || !value || !name)
        return kNotFound;
    const STORE store = LoadStore(StoreFilePath(m_root));
    if (store.nResult != kSuccess)
        return store.nResult;
    const SETTINGSVALUE stored = store.file.Find(m_strPath, name);
    if (stored.kind == SETTINGSVALUE::Kind::Dword) {
        if (bufferBytes < 4)
            return kMoreData;
        *value = std::string();
        return kSuccess;
    }
    if (stored.kind != SETTINGSVALUE::Kind::Text)
        return kNotFound;
    if (StringBytes(stored.strText) > bufferBytes)
        return kMoreData;
    *value = stored.strText;
    return kSuccess;
}

long CSettingsKey::WriteValue(const char* name,
                              const std::function<void(CSettingsFile&, const std::string& key)>& set)
{
    if (!m_bOpen || !m_bWritable || !name)
        return kAccessDenied;
    std::string problem;
    const long result = ChangeStore(
        StoreFilePath(m_root),
        [&](CSettingsFile& store) {
            set(store, m_strPath);
            return true;
        },
        problem);
    m_strProblem = problem;
    return result;
}

long CSettingsKey::WriteDword(const char* name, std::uint32_t value)
{
    return WriteValue(name, [&](CSettingsFile& store, const std::string& key) { store.SetDword(key, name, value); });
}

long CSettingsKey::WriteString(const char* name, const std::string& value)
{
    return WriteValue(name, [&](CSettingsFile& store, const std::string& key) { store.SetText(key, name, value); });
}

void CSettingsKey::Close()
{
    m_bOpen = false;
    m_bWritable = false;
    m_strPath.clear();
    m_strProblem.clear();
}

} // namespace talvoren
