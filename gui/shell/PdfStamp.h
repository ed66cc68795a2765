#pragma once
// Puts the pages of one PDF over those of another, page by page, as vector
// content (qpdf): the program's header and footer over the pages that the
// browser printed, so that the text of both stays text.

#include <QByteArray>

namespace talvoren
{
class CPdfStamp
{
public:
    // Given two PDF documents: `body` with page i of `overlay` drawn over its
    // page i (pages of `body` beyond the overlay's stay as they are).
    // Returns the new document, or an empty array when either cannot be read.
    static QByteArray Stamp(const QByteArray& body, const QByteArray& overlay);
};

} // namespace talvoren
