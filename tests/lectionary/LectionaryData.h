#pragma once
// The shipped lectionary files as the program reads them: where they are,
// how many positions each holds, and which positions the calendar reads.

#include <string>
#include <vector>

namespace talvoren
{
struct LECTIONARYFILE
{
    char chCycle;      // 'A', 'B', 'C' (Sunday cycle) or '1', '2' (weekday cycle)
    int nPositions;    // 76 Sunday positions (0..75), 339 weekday positions (0..338)
};

inline constexpr LECTIONARYFILE kLectionaryFiles[] = {
    {'A', 76}, {'B', 76}, {'C', 76}, {'1', 339}, {'2', 339}};

// Language folders of the program folder that carry the lectionaries.
inline const char* const kLanguageFolders[] = {"Vietnam", "English"};

// Full path of "uLectionary<cycle>.txt" in `folder` of the built program folder.
std::string LectionaryPath(const std::string& folder, char cycle);

// The entries of a lectionary file, one per kept line, as the engine takes
// them (text between the first and second "@", trimmed). Returns false when
// the file cannot be read.
bool ReadLectionary(const std::string& path, std::vector<std::string>& entries,
                    std::vector<std::string>* lines = nullptr);

// True when some day of some year reads position `position` of a Sunday
// (`sunday`) or weekday lectionary, under any of the calendar settings.
bool IsReadPosition(bool sunday, int position);

} // namespace talvoren
