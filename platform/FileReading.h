#pragma once
// Reading the files that the program is given (language files, notes,
// settings, the scripture database and its sources) without hanging or
// running out of memory: only a regular file is read, and only up to a
// limit. A named pipe, device, socket or folder is refused before any read.
//
// Given: a path and a limit. Returned: the bytes, or why they were not read
// in words a message can carry ("permission denied", "it is a folder, not a
// file", "a symbolic link loop", "it is larger than 16 MB"), and whether the
// file is simply missing, for which callers keep their own message.

#include "base/MessageText.h"

#include <cstddef>
#include <string>

namespace talvoren
{
// The size limit of language files and notes.
constexpr std::size_t kDataFileLimit = std::size_t(16) << 20;

struct FILEREAD
{
    bool bRead = false;
    bool bMissing = false;     // no file of that name (a broken link counts too)
    std::string strBytes;
    std::string strReason;     // why it was not read; "" when it was
};

// Reads the regular file at `path` whole, if it has at most `limit` bytes.
FILEREAD ReadRegularFile(const std::string& path, std::size_t limit = kDataFileLimit);

// Checks, without reading, that `path` is a regular file that can be opened
// for reading, for files another library opens (the scripture database).
FILEREAD ProbeRegularFile(const std::string& path);

// The reason for a system error, as ReadRegularFile words it.
std::string FileErrorReason(int error);

// "Cannot read <path>: <reason>."
MESSAGETEXT CannotReadMessage(const std::string& path, const std::string& reason);

} // namespace talvoren
