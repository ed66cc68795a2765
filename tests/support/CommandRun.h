#pragma once
// Runs a program as a user runs it from the shell, for the tests of the
// command-line tools.

#include <string>
#include <vector>

namespace talvoren
{
struct COMMANDRESULT
{
    int status = -1;    // exit status; -1 when it did not exit normally
    std::string out;    // standard output
    std::string err;    // standard error
};

// Runs `command` through /bin/sh, capturing standard output and standard
// error apart.
COMMANDRESULT RunCommand(const std::string& command);

// `text` quoted for the shell.
std::string ShellQuote(const std::string& text);

// The rows of a tab-separated text, each split into its cells.
std::vector<std::vector<std::string>> TsvRows(const std::string& tsv);

} // namespace talvoren
