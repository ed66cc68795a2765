#include "base/ParseNumber.h"

#include <climits>
#include <cstdint>

namespace talvoren
{
int LeadingNumber(const std::string& text)
{
    int value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            break;
        value = value * 10 + (ch - '0');
        if (value > 999999)
            return 999999;
    }
    return value;
}

int ReadSignedNumber(const std::string& text)
{
    const std::string buffer = text.substr(0, 19);
    std::size_t pos = 0;
    while (pos < buffer.size() && (buffer[pos] == ' ' || buffer[pos] == '\t'))
        ++pos;
    bool negative = false;
    if (pos < buffer.size() && (buffer[pos] == '-' || buffer[pos] == '+')) {
        negative = buffer[pos] == '-';
        ++pos;
    }
    std::int64_t value = 0;
    for (; pos < buffer.size() && buffer[pos] >= '0' && buffer[pos] <= '9'; ++pos) {
        value = value * 10 + (buffer[pos] - '0');
        if (value > static_cast<std::int64_t>(INT_MAX) + 1)
            value = static_cast<std::int64_t>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace talvoren
