#include "platform/MessageSink.h"
#include "platform/StderrMessageSink.h"

namespace talvoren
{
namespace
{
CStderrMessageSink g_stderrSink;
CMessageSink* g_sink = &g_stderrSink;
}

CMessageSink* SetMessageSink(CMessageSink* sink)
{
    CMessageSink* previous = g_sink;
    g_sink = sink ? sink : &g_stderrSink;
    return previous;
}

void ShowMessage(const MESSAGETEXT& message, MessageIcon icon, const std::string& caption)
{
    g_sink->ShowMessage(message, icon, caption);
}

void ShowFileNotFound(const std::string& path, MessageIcon icon)
{
    ShowMessage(MESSAGETEXT(kFileNotFoundText, {path}), icon);
}

} // namespace talvoren
