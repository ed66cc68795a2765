#include "platform/StderrMessageSink.h"

#include <cstdio>

namespace talvoren
{
void CStderrMessageSink::ShowMessage(const MESSAGETEXT& message, MessageIcon /*icon*/, const std::string& /*caption*/)
{
    std::fprintf(stderr, "%s\n", message.Text().c_str());
    std::fflush(stderr);
}

} // namespace talvoren
