#pragma once
// The text of a message box: a fixed text with the places %1, %2, ... and
// the texts that go there (paths, reasons, names). The fixed text is the one
// to translate: the core marks it with TALVOREN_TRANSLATABLE under the
// context kMessageContext, and the desktop program shows its translation
// with the arguments put in. A text built at run time (an error text of
// SQLite, say) is a message without arguments, shown as it is.

#include <string>
#include <utility>
#include <vector>

namespace talvoren
{
struct MESSAGETEXT
{
    std::string strFormat;
    std::vector<std::string> args;

    // A text shown as it is.
    MESSAGETEXT(std::string text) : strFormat(std::move(text)) {}   // NOLINT: a plain text is a message
    MESSAGETEXT(const char* text) : strFormat(text) {}              // NOLINT
    MESSAGETEXT(const char* format, std::vector<std::string> arguments)
        : strFormat(format), args(std::move(arguments))
    {
    }

    // The format with its arguments in place.
    std::string Text() const { return FillPlaces(strFormat, args); }

    // Puts args[n-1] in place of each %n of `format` (n from 1 to 9), in one
    // pass, so that a "%1" inside an argument stays as it is. A place without
    // an argument, and a % before anything else, stay as written.
    static std::string FillPlaces(const std::string& format, const std::vector<std::string>& args);
};

} // namespace talvoren
