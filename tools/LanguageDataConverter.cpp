// talvoren-langconv: converts readable UTF-8 language data sources into the
// UTF-16 little-endian files that the program reads.
//
//   talvoren-langconv SOURCE DESTINATION
//
// Every line is kept as it stands (comment lines too; the reader skips them),
// each ended by CR LF; an empty source gives an empty file. A byte-order mark
// at the start of the source is dropped. Exit status 1 when a file cannot be
// read or written, or when the source is not valid UTF-8.

#include "base/Utf16.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

using namespace talvoren;

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: talvoren-langconv SOURCE DESTINATION\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "talvoren-langconv: cannot read %s\n", argv[1]);
        return 1;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);

    std::string bytes;
    std::size_t start = 0;
    int lineNumber = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ++lineNumber;
        const std::u16string units = Utf8ToUtf16(line);
        if (units.find(u'\uFFFD') != std::u16string::npos && line.find("\xEF\xBF\xBD") == std::string::npos) {
            std::fprintf(stderr, "%s:%d: not valid UTF-8\n", argv[1], lineNumber);
            return 1;
        }
        for (char16_t unit : units + u"\r\n") {
            bytes += static_cast<char>(unit & 0xFF);
            bytes += static_cast<char>(unit >> 8);
        }
        start = end + 1;
    }

    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "talvoren-langconv: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
