#pragma once
// Message boxes of the core. The core never shows a window: it hands each
// message to the current sink. The desktop program installs a sink that shows
// a message box, the command-line tool one that writes to standard error, and
// tests one that records.

#include "base/MessageText.h"
#include "base/Translatable.h"

#include <string>

namespace talvoren
{
enum class MessageIcon { None, Error, Stop, Information };

class CMessageSink
{
public:
    virtual ~CMessageSink() = default;
    // `caption` is a fixed text too, translated like the message's format.
    virtual void ShowMessage(const MESSAGETEXT& message, MessageIcon icon, const std::string& caption) = 0;
};

// Installs `sink` as the current sink (nullptr restores the standard-error
// sink) and returns the previous one.
CMessageSink* SetMessageSink(CMessageSink* sink);

// Shows a message through the current sink. The caption defaults to the
// application name.
void ShowMessage(const MESSAGETEXT& message, MessageIcon icon = MessageIcon::None,
                 const std::string& caption = "Talvoren");

// "File %1 not found!", with the path of a missing file.
inline constexpr char kFileNotFoundText[] = TALVOREN_TRANSLATABLE("talvoren::Messages", "File %1 not found!");

// Shows "File <path> not found!" with the error icon.
void ShowFileNotFound(const std::string& path, MessageIcon icon = MessageIcon::Error);

} // namespace talvoren
