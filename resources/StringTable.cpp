#include "resources/StringTable.h"

#include "resources/ResourceIds.h"

namespace talvoren
{
namespace
{
struct STRINGENTRY
{
    int nId;
    const char* pszText;
};

const STRINGENTRY kStrings[] = {
    {IDR_MAINFRAME, "Talvoren\n\nTalvoren\n\n\nTalvoren.Document\nTalvoren Document"},
    {AFX_IDS_APP_TITLE, "Talvoren"},
    {AFX_IDS_IDLEMESSAGE, "Ready"},
    {ID_DAILY, "Daily Calendar\nDaily Calendar"},
    {ID_MONTH, "Litugical Calendar for this month\nLitugical Calendar for this month"},
    {ID_TABULAR, "Tabular Calendar\nTabular Calendar"},
    {ID_SELECTDATE, "Select date\nSelect date"},
    {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy"},
    {ID_PRINT_PAGE, "Print\nPrint "},
    {ID_CONFIGURE, "Configure Talvoren\nConfigure Talvoren"},
    {ID_INTERNATIONALISE, "Internationalise\nInternationalise"},
    {ID_NOTE, "Note\nNote"},
    {ID_BIBLE, "Bible\nBible"},
    {ID_CANTREL, "Cantrel\nCantrel"},
    {ID_APPENDIX, "Phu Luc\nPhu Luc "},
    {ID_SOFTWARE, "Software\nSoftware"},
    {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {ID_HELP_HOWTO, "How to use Talvoren\nHow to use Talvoren  "},
    {ID_FILE_PRINT, "Print the active document\nPrint"},
    {ID_FILE_PRINT_SETUP, "Change the printer and printing options\nPrint Setup"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ID_FILE_NEW, "Create a new document\nNew"},
    {ID_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_FILE_SAVE, "Save the active document\nSave"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
};
}

std::string LoadResourceString(int id)
{
    for (const STRINGENTRY& entry : kStrings) {
        if (entry.nId == id)
            return entry.pszText;
    }
    return std::string();
}

std::string CommandPrompt(int id)
{
    const std::string text = LoadResourceString(id);
    return text.substr(0, text.find('\n'));
}

std::string CommandTooltip(int id)
{
    const std::string text = LoadResourceString(id);
    const std::size_t feed = text.find('\n');
    return feed == std::string::npos ? text : text.substr(feed + 1);
}

} // namespace talvoren
