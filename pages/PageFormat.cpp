#include "pages/PageFormat.h"

#include "base/HtmlWhitelist.h"

#include <cstdarg>
#include <cstdio>

namespace talvoren
{
void AppendFormat(std::string& out, const char* format, ...)
{
    // Most pieces of a page fit the stack buffer; longer ones (a celebration
    // with long readings) are formatted a second time into the string itself.
    char buffer[4096];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (length < 0) {
        va_end(again);
        return;
    }
    if (static_cast<std::size_t>(length) < sizeof buffer) {
        out.append(buffer, static_cast<std::size_t>(length));
    } else {
        const std::size_t start = out.size();
        out.resize(start + static_cast<std::size_t>(length) + 1);
        std::vsnprintf(&out[start], static_cast<std::size_t>(length) + 1, format, again);
        out.resize(start + static_cast<std::size_t>(length));
    }
    va_end(again);
}

DAYRECORD WhitelistedDay(const DAYRECORD& day)
{
    DAYRECORD copy = day;
    copy.strCelebration = SanitizeHtml(day.strCelebration);
    copy.strReadings = SanitizeHtml(day.strReadings);
    return copy;
}

} // namespace talvoren
