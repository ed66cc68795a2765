#pragma once
// Points the settings store at a folder of the test's own (TALVOREN_CONFIG_DIR)
// for as long as it lives.

#include <cstdlib>
#include <string>

namespace talvoren
{
class CScopedConfigFolder
{
public:
    explicit CScopedConfigFolder(const std::string& folder)
    {
        if (const char* old = std::getenv("TALVOREN_CONFIG_DIR")) {
            m_hadOld = true;
            m_old = old;
        }
        ::setenv("TALVOREN_CONFIG_DIR", folder.c_str(), 1);
    }
    ~CScopedConfigFolder()
    {
        if (m_hadOld)
            ::setenv("TALVOREN_CONFIG_DIR", m_old.c_str(), 1);
        else
            ::unsetenv("TALVOREN_CONFIG_DIR");
    }
    CScopedConfigFolder(const CScopedConfigFolder&) = delete;
    CScopedConfigFolder& operator=(const CScopedConfigFolder&) = delete;

private:
    bool m_hadOld = false;
    std::string m_old;
};

} // namespace talvoren
