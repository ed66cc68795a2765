#pragma once
// Replacing a user's file (notes, settings) so that it is never lost or
// half-written, and never written where it should not be:
//   - a symbolic link at the path is followed to its target, which is
//     replaced; the link stays;
//   - the new content goes into a temporary file of a unique name beside
//     the target, made exclusively (a link or file planted at any name is
//     never followed or overwritten), with the target's mode, owner and
//     group before any byte is written;
//   - it is flushed to the disk and renamed over the target in one step.
// On any failure the target is left as it was and the temporary file is
// removed.

#include <string>

namespace talvoren
{
// The file that writing to `path` replaces: the end of its chain of symbolic
// links (the path itself when it is no link or does not exist yet). False,
// with `error` ("a symbolic link loop"), when the chain cannot be followed.
bool ResolveWriteTarget(const std::string& path, std::string& target, std::string& error);

// Replaces the content of the file at `path` by `bytes`, as above. A file
// that does not exist is made with mode 0644 (less the process's umask).
// False with `error` saying which step failed and why ("cannot write
// /a/.uNote.txt.Xy12Ab (No space left on device)").
bool ReplaceFileContents(const std::string& path, const std::string& bytes, std::string& error);

} // namespace talvoren
