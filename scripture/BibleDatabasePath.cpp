#include "scripture/BibleDatabasePath.h"

#include "platform/SettingsKey.h"
#include "platform/SystemPaths.h"

namespace talvoren
{
std::string BibleDatabasePath(const std::string& programFolder)
{
    std::string path;
    CSettingsKey key;
    if (key.OpenForReading(SettingsRoot::LocalMachine, nullptr) == CSettingsKey::kSuccess) {
        constexpr std::size_t kMaxPathBytes = 8192;
        if (key.ReadString(kBibleDatabaseValue, &path, kMaxPathBytes) != CSettingsKey::kSuccess)
            path.clear();
        key.Close();
    }
    if (path.empty())
        return JoinPath(programFolder, "Bible.db");
    return path[0] == '/' ? path : JoinPath(programFolder, path);
}

} // namespace talvoren
