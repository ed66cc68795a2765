#include "base/MessageText.h"

namespace talvoren
{
std::string MESSAGETEXT::FillPlaces(const std::string& format, const std::vector<std::string>& args)
{
    std::string text;
    text.reserve(format.size());
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] >= '1' && format[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(format[i + 1] - '1');   // [0, 8]
            if (n < args.size()) {
                text += args[n];
                ++i;
                continue;
            }
        }
        text += format[i];
    }
    return text;
}

} // namespace talvoren
