#pragma once
// printf-style formatting for the page templates: "%%" yields "%", "%d" a
// decimal number, "%s" a string inserted as it stands (record texts and
// titles are HTML already).

#include <string>

namespace talvoren
{
// Appends `format` filled with the arguments to `out`. Given a template
// literal and arguments that match it (checked by the compiler); any length
// of result is appended whole.
void AppendFormat(std::string& out, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

} // namespace talvoren
