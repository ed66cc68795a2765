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

void ShowMessage(const std::string& text, MessageIcon icon, const std::string& caption)
{
    g_sink->ShowMessage(text, icon, caption);
}

void ShowFileNotFound(const std::string& path)
{
    ShowMessage("File " + path + " not found!", MessageIcon::Error);
}

} // namespace talvoren
