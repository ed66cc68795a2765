#pragma once
#include "platform/MessageSink.h"

namespace talvoren
{
// Writes each message as one line to standard error: the sink of the
// command-line tool and the default before any other is installed.
class CStderrMessageSink : public CMessageSink
{
public:
    void ShowMessage(const MESSAGETEXT& message, MessageIcon icon, const std::string& caption) override;
};

} // namespace talvoren
