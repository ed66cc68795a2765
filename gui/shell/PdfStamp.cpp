#include "gui/shell/PdfStamp.h"

// qpdf: std::shared_ptr throughout, no PointerHolder.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <string>

namespace talvoren
{
QByteArray CPdfStamp::Stamp(const QByteArray& body, const QByteArray& overlay)
{
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("body", body.constData(), static_cast<size_t>(body.size()));
        QPDF stamps;
        stamps.setSuppressWarnings(true);
        stamps.processMemoryFile("overlay", overlay.constData(), static_cast<size_t>(overlay.size()));

        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(document).getAllPages();
        std::vector<QPDFPageObjectHelper> over = QPDFPageDocumentHelper(stamps).getAllPages();
        for (std::size_t i = 0; i < pages.size() && i < over.size(); ++i) {
            QPDFPageObjectHelper& page = pages[i];
            QPDFObjectHandle form = document.copyForeignObject(over[i].getFormXObjectForPage());
            QPDFObjectHandle resources = page.getAttribute("/Resources", true);
            if (!resources.isDictionary())
                continue;
            if (!resources.hasKey("/XObject"))
                resources.replaceKey("/XObject", QPDFObjectHandle::newDictionary());
            const std::string name = "/TalvorenStamp" + std::to_string(i);
            resources.getKey("/XObject").replaceKey(name, form);
            const std::string place = page.placeFormXObject(form, name, page.getTrimBox().getArrayAsRectangle(), false);
            // The page's own drawing in a saved state of its own, the stamp
            // after it.
            page.addPageContents(QPDFObjectHandle::newStream(&document, "q\n"), true);
            page.addPageContents(QPDFObjectHandle::newStream(&document, "\nQ\nq\n" + place + "\nQ\n"), false);
        }
        QPDFWriter writer(document);
        writer.setOutputMemory();
        writer.write();
        const std::shared_ptr<Buffer> result = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(result->getBuffer()), static_cast<int>(result->getSize()));
    } catch (const std::exception&) {
        return QByteArray();
    }
}

} // namespace talvoren
