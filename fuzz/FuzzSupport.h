#pragma once
// Helpers shared by the libFuzzer targets: a message sink that swallows the
// core's message boxes, and a check that turns a broken promise of the code
// under test into a crash that libFuzzer reports and minimises.

#include "platform/MessageSink.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace talvoren
{
class CSilentMessageSink : public CMessageSink
{
public:
    void ShowMessage(const std::string&, MessageIcon, const std::string&) override { ++m_nCount; }
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

// True when `text` is well-formed UTF-8 (no surrogates, no overlong forms).
inline bool IsValidUtf8(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t cp = 0;
        if (b0 < 0x80) {
            ++i;
            continue;
        } else if ((b0 & 0xE0) == 0xC0) {
            extra = 1;
            cp = b0 & 0x1F;
        } else if ((b0 & 0xF0) == 0xE0) {
            extra = 2;
            cp = b0 & 0x0F;
        } else if ((b0 & 0xF8) == 0xF0) {
            extra = 3;
            cp = b0 & 0x07;
        } else {
            return false;
        }
        if (i + extra >= text.size())   // the character is cut off
            return false;
        for (int k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if ((b & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (b & 0x3F);
        }
        static const char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

} // namespace talvoren
