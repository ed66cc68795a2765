// talvoren-biblebuild: writes the scripture database Bible.db.
//
//   talvoren-biblebuild [--module NAME] OUTPUT    from a SWORD Bible module
//                                                 (default engWEB2015eb)
//   talvoren-biblebuild --csv FILE OUTPUT         from the "Sentences" table of
//                                                 an existing database, exported
//                                                 with mdb-export
//
// OUTPUT is replaced only when the new database is complete. Exit status: 0
// on success, 2 for bad arguments, 1 when the input cannot be read or the
// database cannot be written.

#include "tools/bibledb/BibleDbWriter.h"
#include "tools/bibledb/SentencesCsvReader.h"
#include "tools/bibledb/SwordBibleReader.h"

#include <cstdio>
#include <string>

using namespace talvoren;

namespace
{
const char kUsage[] =
    "usage: talvoren-biblebuild [--module NAME] OUTPUT\n"
    "       talvoren-biblebuild --csv FILE OUTPUT\n";

int Usage(const std::string& problem)
{
    std::fprintf(stderr, "talvoren-biblebuild: %s\n%s", problem.c_str(), kUsage);
    return 2;
}

int Failure(const std::string& problem)
{
    std::fprintf(stderr, "talvoren-biblebuild: %s\n", problem.c_str());
    return 1;
}

bool ConvertCsv(const std::string& csvPath, CBibleDbWriter& writer, std::string& error)
{
    CSentencesCsvReader reader;
    if (!reader.Open(csvPath, error))
        return false;
    SENTENCEVALUES row;
    while (reader.Next(row, error)) {
        if (!writer.AddValues(row, error))
            return false;
    }
    if (!error.empty())
        error = csvPath + ": " + error;
    return error.empty();
}
} // namespace

int main(int argc, char** argv)
{
    std::string module = "engWEB2015eb";
    std::string csv;
    std::string output;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--module" || arg == "--csv") {
            if (i + 1 >= argc)
                return Usage("missing value after " + arg);
            (arg == "--module" ? module : csv) = argv[++i];
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage("unknown option " + arg);
        } else if (output.empty()) {
            output = arg;
        } else {
            return Usage("too many arguments");
        }
    }
    if (output.empty())
        return Usage("OUTPUT is missing");

    CBibleDbWriter writer;
    std::string error;
    if (!writer.Create(output, error))
        return Failure(error);
    if (!csv.empty()) {
        if (!ConvertCsv(csv, writer, error))
            return Failure(error);
    } else {
        std::string warnings;
        CSwordBibleReader reader;
        const bool read = reader.Read(module, writer, error, warnings);
        if (!warnings.empty())
            std::fprintf(stderr, "talvoren-biblebuild: warning: %s", warnings.c_str());
        if (!read)
            return Failure(error);
    }
    const long long rows = writer.RowCount();
    if (!writer.Finish(error))
        return Failure(error);
    std::printf("%s: %lld rows\n", output.c_str(), rows);
    return 0;
}
