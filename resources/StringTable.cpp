#include "resources/StringTable.h"

#include "base/Translatable.h"
#include "resources/ResourceIds.h"

namespace talvoren
{
namespace
{
struct STRINGENTRY
{
    int nId;
    const char* pszText;      // the prompt of a command, or the whole string
    const char* pszTooltip;   // the tooltip after the line feed, or null
};

// The texts the program shows are marked for translation, each part on its own.
const STRINGENTRY kStrings[] = {
    {IDR_MAINFRAME, "Talvoren\n\nTalvoren\n\n\nTalvoren.Document\nTalvoren Document", nullptr},
    {AFX_IDS_APP_TITLE, "Talvoren", nullptr},
    {AFX_IDS_IDLEMESSAGE, TALVOREN_TRANSLATABLE("talvoren::StringTable", "Ready"), nullptr},
    {ID_DAILY,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Daily Calendar"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Daily Calendar")},
    {ID_MONTH,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Litugical Calendar for this month"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Litugical Calendar for this month")},
    {ID_TABULAR,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Tabular Calendar"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Tabular Calendar")},
    {ID_SELECTDATE,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Select date"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Select date")},
    {ID_EDIT_COPY,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Copy the selection and put it on the Clipboard"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Copy")},
    {ID_PRINT_PAGE,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Print"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Print ")},
    {ID_CONFIGURE,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Configure Talvoren"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Configure Talvoren")},
    {ID_INTERNATIONALISE,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Internationalise"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Internationalise")},
    {ID_NOTE,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Note"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Note")},
    {ID_BIBLE,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Bible"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Bible")},
    {ID_CANTREL,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Cantrel"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Cantrel")},
    {ID_APPENDIX,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Phu Luc"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Phu Luc ")},
    {ID_SOFTWARE,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Software"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Software")},
    {ID_APP_ABOUT,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Display program information, version number and copyright"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "About")},
    {ID_HELP_HOWTO,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "How to use Talvoren"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "How to use Talvoren  ")},
    {ID_FILE_PRINT,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Print the active document"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Print")},
    {ID_FILE_PRINT_SETUP,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Change the printer and printing options"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Print Setup")},
    {ID_APP_EXIT,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Quit the application; prompts to save documents"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Exit")},
    {ID_FILE_NEW,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Create a new document"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "New")},
    {ID_FILE_OPEN,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Open an existing document"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Open")},
    {ID_FILE_SAVE,
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Save the active document"),
     TALVOREN_TRANSLATABLE("talvoren::StringTable", "Save")},
    {ID_INDICATOR_CAPS, "CAP", nullptr},
    {ID_INDICATOR_NUM, "NUM", nullptr},
    {ID_INDICATOR_SCRL, "SCRL", nullptr},
};
}

std::string LoadResourceString(int id)
{
    for (const STRINGENTRY& entry : kStrings) {
        if (entry.nId == id)
            return entry.pszTooltip ? std::string(entry.pszText) + '\n' + entry.pszTooltip : entry.pszText;
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
