#pragma once
// Whether the program can run on this system.

#include <string>

namespace talvoren
{
// The message shown on a system that the program does not support.
inline constexpr const char kUnsupportedSystemText[] = "This version runs only in Windows NT.40/2000/XP";

// True for a Linux kernel of version 4 or later. Given the system name and
// release as uname reports them ("Linux", "6.1.0-18-amd64"); a release that
// does not start with a number counts as unsupported.
bool IsSupportedSystem(const std::string& systemName, const std::string& release);

// The check above for the running system.
bool IsRunningOnSupportedSystem();

} // namespace talvoren
