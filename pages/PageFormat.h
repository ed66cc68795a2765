#pragma once
// printf-style formatting for the page templates: "%%" yields "%", "%d" a
// decimal number, "%s" a string inserted as it stands. Record texts and
// titles come from the language files: the pages pass them through the HTML
// whitelist (base/HtmlWhitelist.h) before they are inserted.

#include "engine/DayRecord.h"

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

// `day` with its celebration and readings passed through the HTML whitelist.
DAYRECORD WhitelistedDay(const DAYRECORD& day);

} // namespace talvoren
