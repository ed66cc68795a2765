#pragma once
// Helpers shared by the libFuzzer targets: a message sink that swallows the
// core's message boxes, and a check that turns a broken promise of the code
// under test into a crash that libFuzzer reports and minimises.

#include "base/Utf16.h"   // IsValidUtf8, for the checks of the targets
#include "platform/MessageSink.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace talvoren
{
class CSilentMessageSink : public CMessageSink
{
public:
    void ShowMessage(const MESSAGETEXT&, MessageIcon, const std::string&) override { ++m_nCount; }
    int m_nCount = 0;
};

// Installs a silent sink once for the whole run.
inline CSilentMessageSink& SilenceMessages()
{
    static CSilentMessageSink sink;
    static const bool installed = (SetMessageSink(&sink), true);
    (void)installed;
    return sink;
}

#define FUZZ_CHECK(condition)                                                              \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (false)

} // namespace talvoren
