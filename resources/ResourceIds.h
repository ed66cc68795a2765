#pragma once
// Numeric ids of the program's resources and commands: menus, toolbar,
// accelerators, dialog templates and their controls, icons and strings.

namespace talvoren
{
// Templates, menus, toolbar, accelerators, program icon and document strings.
enum : int {
    IDR_MAINFRAME = 128,    // menu, toolbar, accelerators, icon 128, document strings
    IDD_ABOUTBOX = 100,
    IDD_DIALOGBAR = 128,    // the empty dialog bar of the rebar, 330 x 16 dialog units
    IDD_DAY = 134,
    IDD_PROMPT = 149,
};

// Icons.
enum : int {
    IDI_PROGRAM = 128,
    IDI_CANCEL = 130,       // Cancel, Close
    IDI_DELETE = 140,
    IDI_NEXT = 141,
    IDI_PREV = 142,
    IDI_WAIT = 163,         // busy notice, insert-CD prompt
    IDI_OK = 171,           // OK, Save
    IDI_SHOWDAYS = 185,
};

// Commands of the program.
enum : int {
    ID_MONTH = 32771,
    ID_SELECTDATE = 32772,
    ID_CONFIGURE = 32773,
    ID_TABULAR = 32775,
    ID_HELP_HOWTO = 32778,
    ID_DAILY = 32779,
    ID_PRINT_PAGE = 32780,
    ID_INTERNATIONALISE = 32781,
    ID_BIBLE = 32783,
    ID_APPENDIX = 32784,
    ID_CANTREL = 32785,
    ID_SOFTWARE = 32786,
    ID_NOTE = 32787,
    // Moving around the calendar pages from the keyboard and the View menu.
    ID_VIEW_TODAY = 32790,
    ID_VIEW_PREV_MONTH = 32791,
    ID_VIEW_NEXT_MONTH = 32792,
};

// Standard commands of the class library that the program uses.
enum : int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
};

// Standard strings, bars and status-bar indicators.
enum : int {
    AFX_IDS_APP_TITLE = 57344,
    AFX_IDS_IDLEMESSAGE = 57345,
    ID_INDICATOR_CAPS = 59137,
    ID_INDICATOR_NUM = 59138,
    ID_INDICATOR_SCRL = 59139,
    AFX_IDW_TOOLBAR = 59392,
    AFX_IDW_STATUS_BAR = 59393,
    AFX_IDW_REBAR = 59396,
    AFX_IDW_DIALOGBAR = 59397,
};

// Dialog results and controls.
enum : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDC_NEXT = 2,           // day dialog: Next carries the Escape key's command id
    IDC_PREV = 3,
    IDC_PLACEHOLDER = 1003, // the frame that a dialog's page view covers
};

} // namespace talvoren
