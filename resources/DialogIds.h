#pragma once
// Dialog templates and control ids of the configuration, language,
// select-date and notes dialogs.

namespace talvoren
{
enum : int {
    IDD_SELECTDATE = 131,
    IDD_CONFIG = 133,
    IDD_LANGUAGE = 137,
    IDD_NOTES = 138,
};

// Configuration dialog (template 133).
enum : int {
    IDC_CONFIG_FRAME = 1007,
    IDC_CONFIG_EPIPHANY = 1012,
    IDC_CONFIG_ASCENSION = 1013,
    IDC_CONFIG_CORPUSCHRISTI = 1014,
};

// Language dialog (template 137).
enum : int {
    IDC_LANGUAGE_FRAME = 1007,
    IDC_LANGUAGE_VIETNAMESE_ORDER = 1010,
    IDC_LANGUAGE_ENGLISH_ORDER = 1011,
    IDC_LANGUAGE_LIST = 1017,
};

// Select-date dialog (template 131).
enum : int {
    IDC_SELECT_MONTH = 1000,
    IDC_SELECT_YEAR = 1002,
    IDC_SELECT_FROMDAY = 1003,
    IDC_SELECT_FROMMONTH = 1004,
    IDC_SELECT_TODAY = 1005,
    IDC_SELECT_TOMONTH = 1006,
    IDC_SELECT_YEARLABEL = 1007,
    IDC_SELECT_MONTHFRAME = 1008,
    IDC_SELECT_DAYSFRAME = 1009,
    IDC_SELECT_MONTHCALENDAR = 1010,
    IDC_SELECT_TABULAR = 1011,
    IDC_SELECT_KINDFRAME = 1014,
    IDC_SELECT_SHOWDAYS = 1015,
    IDC_SELECT_ARROWS = 1019,
};

// Notes dialog (template 138).
enum : int {
    IDC_NOTES_DELETE = 3,
    IDC_NOTES_EDITOR = 103,
    IDC_NOTES_LIST = 1098,
};

} // namespace talvoren
