#pragma once
// The text of a message box: a fixed text with the places %1, %2, ... and
// the texts that go there (paths, reasons, names). The fixed text is the one
// to translate: the core marks it with TALVOREN_TRANSLATABLE under the
// context kMessageContext, and the desktop program shows its translation
// with the arguments put in; an argument may be a message of its own,
// translated the same way. A text built at run time (an error text of
// SQLite, say) is a message without arguments, shown as it is.

#include <string>
#include <utility>
#include <vector>

namespace talvoren
{
struct MESSAGETEXT
{
    std::string strFormat;
    std::vector<MESSAGETEXT> args;   // a path, a reason, or a message of its own

    MESSAGETEXT() = default;
    // A text shown as it is.
    MESSAGETEXT(std::string text) : strFormat(std::move(text)) {}   // NOLINT: a plain text is a message
    MESSAGETEXT(const char* text) : strFormat(text) {}              // NOLINT
    MESSAGETEXT(const char* format, std::vector<MESSAGETEXT> arguments)
        : strFormat(format), args(std::move(arguments))
    {
    }

    // No text at all (no problem to tell).
    bool Empty() const { return strFormat.empty(); }

    // The format with its arguments' texts in place.
    std::string Text() const
    {
        std::vector<std::string> texts;
        texts.reserve(args.size());
        for (const MESSAGETEXT& arg : args)
            texts.push_back(arg.Text());
        return FillPlaces(strFormat, texts);
    }

    // Puts args[n-1] in place of each %n of `format` (n from 1 to 9), in one
    // pass, so that a "%1" inside an argument stays as it is. A place without
    // an argument, and a % before anything else, stay as written.
    static std::string FillPlaces(const std::string& format, const std::vector<std::string>& args);
};

} // namespace talvoren
