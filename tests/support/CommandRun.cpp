#include "tests/support/CommandRun.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace talvoren
{
COMMANDRESULT RunCommand(const std::string& command)
{
    COMMANDRESULT result;
    char errPath[] = "/tmp/talvoren-stderr-XXXXXX";
    const int errFile = ::mkstemp(errPath);
    if (errFile < 0)
        return result;
    ::close(errFile);
    FILE* pipe = ::popen((command + " 2>" + ShellQuote(errPath)).c_str(), "r");
    if (pipe) {
        std::array<char, 4096> buffer{};
        for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
            result.out.append(buffer.data(), got);
        const int raw = ::pclose(pipe);
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    std::ifstream err(errPath, std::ios::binary);
    result.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    ::unlink(errPath);
    return result;
}

std::string ShellQuote(const std::string& text)
{
    std::string out = "'";
    for (const char ch : text)
        out += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return out + "'";
}

std::vector<std::vector<std::string>> TsvRows(const std::string& tsv)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(tsv);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');)
            cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

} // namespace talvoren
