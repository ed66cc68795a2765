#pragma once
// Message boxes of the core. The core never shows a window: it hands each
// message to the current sink. The desktop program installs a sink that shows
// a message box, the command-line tool one that writes to standard error, and
// tests one that records.

#include <string>

namespace talvoren
{
enum class MessageIcon { None, Error, Stop, Information };

class CMessageSink
{
public:
    virtual ~CMessageSink() = default;
    virtual void ShowMessage(const std::string& text, MessageIcon icon, const std::string& caption) = 0;
};

// Installs `sink` as the current sink (nullptr restores the standard-error
// sink) and returns the previous one.
CMessageSink* SetMessageSink(CMessageSink* sink);

// Shows a message through the current sink. The caption defaults to the
// application name.
void ShowMessage(const std::string& text, MessageIcon icon = MessageIcon::None,
                 const std::string& caption = "Talvoren");

// Formats "File %s not found!" with `path` and shows it with the error icon.
void ShowFileNotFound(const std::string& path);

} // namespace talvoren
