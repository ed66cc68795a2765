// Build-time tool: the saint table of Calendar.htm from a feast file.
//   talvoren-saints UFEAST_TXT SAINTS_JS
// Reads the UTF-16 feast file the way the year engine does and writes the
// script "var SAINTS = {...};" (UTF-8), so the page and the engine agree.

#include "engine/LanguageFile.h"
#include "pages/SaintTable.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace talvoren;

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: talvoren-saints UFEAST_TXT SAINTS_JS\n");
        return 2;
    }
    std::vector<std::string> lines;
    if (!CLanguageFile::Read(argv[1], lines, false)) {
        std::fprintf(stderr, "talvoren-saints: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::string script =
        "// The fixed-date celebrations of the feast file by day and month (DDMM):\n"
        "// [rank, colour, celebration, readings]. Written by talvoren-saints; do not edit.\n" +
        SaintTableScript(lines);
    // Written beside the target and renamed, so a failed run leaves no half file.
    const std::string temporary = std::string(argv[2]) + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << script;
        if (!out.flush()) {
            std::fprintf(stderr, "talvoren-saints: cannot write %s\n", temporary.c_str());
            std::remove(temporary.c_str());
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), argv[2]) != 0) {
        std::fprintf(stderr, "talvoren-saints: cannot write %s\n", argv[2]);
        std::remove(temporary.c_str());
        return 1;
    }
    return 0;
}
