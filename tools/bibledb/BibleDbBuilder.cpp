// talvoren-biblebuild: writes the scripture database Bible.db.
//
//   talvoren-biblebuild [--module NAME] OUTPUT    from a SWORD Bible module
//                                                 (default engWEB2015eb)
//   talvoren-biblebuild --csv FILE OUTPUT         from the "Sentences" table of
//                                                 an existing database, exported
//                                                 with mdb-export
//
// OUTPUT is replaced only when the new database is complete. Rows of the CSV
// whose book, verse or type is out of range are kept and warned about.
// Exit status: 0 on success, 2 for bad arguments, 1 when the input cannot
// be read (a missing file, a folder, a pipe) or the database cannot be
// written, always with a message.

#include "tools/bibledb/BibleDbWriter.h"
#include "tools/bibledb/SentencesCsvReader.h"
#include "tools/bibledb/SwordBibleReader.h"

#include <cstdio>
#include <exception>
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

constexpr int kMaxWarnings = 20;

bool ConvertCsv(const std::string& csvPath, CBibleDbWriter& writer, std::string& error)
{
    CSentencesCsvReader reader;
    if (!reader.Open(csvPath, error))
        return false;
    SENTENCEVALUES row;
    int warnings = 0;
    while (reader.Next(row, error)) {
        // Kept as they are, but said: the program would never show such a row.
        if (const std::string problem = CSentencesCsvReader::RangeProblem(row); !problem.empty() &&
                                                                                ++warnings <= kMaxWarnings)
            std::fprintf(stderr, "talvoren-biblebuild: warning: %s: line %d: %s\n", csvPath.c_str(), reader.RowLine(),
                         problem.c_str());
        if (!writer.AddValues(row, error))
            return false;
    }
    if (warnings > kMaxWarnings)
        std::fprintf(stderr, "talvoren-biblebuild: warning: %s: %d more rows out of range\n", csvPath.c_str(),
                     warnings - kMaxWarnings);
    if (!error.empty())
        error = csvPath + ": " + error;
    return error.empty();
}

int Run(int argc, char** argv)
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
            if (arg == "--csv" && csv.empty())
                return Usage("--csv takes a file");
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
} // namespace

int main(int argc, char** argv)
{
    // Whatever goes wrong ends with a message and status 1, never with an uncaught exception.
    try {
        return Run(argc, argv);
    } catch (const std::exception& problem) {
        return Failure(problem.what());
    } catch (...) {
        return Failure("an unknown error");
    }
}
