#include "platform/SystemCheck.h"

#include "base/ParseNumber.h"

#include <sys/utsname.h>

namespace talvoren
{
bool IsSupportedSystem(const std::string& systemName, const std::string& release)
{
    if (systemName != "Linux")
        return false;
    if (release.empty() || release[0] < '0' || release[0] > '9')
        return false;
    return LeadingNumber(release) >= 4;
}

bool IsRunningOnSupportedSystem()
{
    struct utsname name {};
    if (::uname(&name) != 0)
        return false;
    return IsSupportedSystem(name.sysname, name.release);
}

} // namespace talvoren
