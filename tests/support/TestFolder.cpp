#include "tests/support/TestFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace talvoren
{
CTestFolder::CTestFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "talvoren-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern + "/";
}

CTestFolder::~CTestFolder()
{
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

std::string CTestFolder::EncodeUtf16(const std::string& utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        char32_t cp = b;
        int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        if (extra)
            cp = b & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += extra + 1;
        auto put = [&out](char32_t unit) {
            out += static_cast<char>(unit & 0xFF);
            out += static_cast<char>((unit >> 8) & 0xFF);
        };
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

void CTestFolder::WriteUtf16(const std::string& name, const std::vector<std::string>& lines) const
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += EncodeUtf16(line + "\r\n");
    WriteBytes(name, bytes);
}

void CTestFolder::WriteBytes(const std::string& name, const std::string& bytes) const
{
    std::filesystem::create_directories(std::filesystem::path(File(name)).parent_path());
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string CTestFolder::ReadBytes(const std::string& name) const
{
    std::ifstream in(File(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void CTestFolder::Remove(const std::string& name) const
{
    std::error_code error;
    std::filesystem::remove(File(name), error);
}

} // namespace talvoren
