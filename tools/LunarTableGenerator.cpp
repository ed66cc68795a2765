// talvoren-lunar-table: writes the lunar year table source (the words of the
// lunar years 1800 to 2199 and their epoch) computed from the sky.
//
//   talvoren-lunar-table [FILE]
//
// Without FILE the text goes to standard output. Exit status: 0 on success,
// 1 when a year cannot be computed or FILE cannot be written, 2 for bad
// arguments.

#include "lunar/LunarTableWriter.h"

#include <cstdio>
#include <string>

using namespace talvoren;

int main(int argc, char** argv)
{
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        std::fprintf(stderr, "usage: talvoren-lunar-table [FILE]\n");
        return 2;
    }
    std::string text, error;
    if (!CLunarTableWriter::WriteSource(text, error)) {
        std::fprintf(stderr, "talvoren-lunar-table: %s\n", error.c_str());
        return 1;
    }
    if (argc == 1) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        return 0;
    }

    // Written beside the target first, so that a failed write leaves the old
    // file whole.
    const std::string path = argv[1];
    const std::string temporary = path + ".new";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    bool ok = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (file)
        ok = std::fclose(file) == 0 && ok;
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        std::remove(temporary.c_str());
        std::fprintf(stderr, "talvoren-lunar-table: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
