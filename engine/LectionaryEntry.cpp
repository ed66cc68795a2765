#include "engine/LectionaryEntry.h"

#include "base/Utf16.h"

namespace talvoren
{
std::string LectionaryEntry(const std::string& line)
{
    const std::size_t first = line.find('@');
    if (first == std::string::npos)
        return std::string();
    const std::size_t second = line.find('@', first + 1);
    const std::size_t end = second == std::string::npos ? line.size() : second;
    return TrimWide(line.substr(first + 1, end - first - 1));
}

} // namespace talvoren
