#include "platform/StderrMessageSink.h"

#include <cstdio>

namespace talvoren
{
void CStderrMessageSink::ShowMessage(const std::string& text, MessageIcon /*icon*/, const std::string& /*caption*/)
{
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
}

} // namespace talvoren
