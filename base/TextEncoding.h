#pragma once
// The encoding of a text file as its bytes tell it: a byte-order mark, or,
// without one, the zero bytes that the ASCII characters of UTF-16 leave
// (blanks and line ends are ASCII in every text the program reads).
//
// Given: a file image. Returned: the encoding, strict decoding to UTF-8 and
// encoding back. Notes: a text of no zero byte and no line end gives
// Unknown (a caller takes its own default), so one line of non-ASCII UTF-16
// is not mistaken for UTF-8.

#include <cstddef>
#include <string>

namespace talvoren
{
enum class TextKind { Unknown, Utf8, Utf16Le, Utf16Be };

struct TEXTENCODING
{
    TextKind kind = TextKind::Unknown;
    bool bByteOrderMark = false;
};

// Looks at the byte-order mark, else at the zero bytes of the first 4 KB:
// more at odd offsets = UTF-16LE, more at even ones = UTF-16BE, none at all
// with a line-end byte = UTF-8.
TEXTENCODING GuessTextEncoding(const char* data, std::size_t size);

// "UTF-8", "UTF-16 little-endian", "UTF-16 big-endian", "unknown".
const char* TextKindName(TextKind kind);

// Decodes a file image in `encoding` (Unknown counts as UTF-8) to UTF-8,
// without its byte-order mark. False when the bytes are not well-formed in
// that encoding (an odd byte count in UTF-16, a lone surrogate, a malformed
// UTF-8 sequence); `utf8` then holds no meaning.
bool DecodeText(const char* data, std::size_t size, const TEXTENCODING& encoding, std::string& utf8);

// The file image of `utf8` in `encoding`, with its byte-order mark when it
// has one: DecodeText(EncodeText(t, e), e) gives t for well-formed t.
std::string EncodeText(const std::string& utf8, const TEXTENCODING& encoding);

} // namespace talvoren
