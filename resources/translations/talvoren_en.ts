<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CExportCommand</name>
    <message>
        <source>iCalendar, the month on display (*.ics)</source>
        <translation>iCalendar, the month on display (*.ics)</translation>
    </message>
    <message>
        <source>iCalendar, the whole year (*.ics)</source>
        <translation>iCalendar, the whole year (*.ics)</translation>
    </message>
    <message>
        <source>Web page, the month on display (*.html)</source>
        <translation>Web page, the month on display (*.html)</translation>
    </message>
    <message>
        <source>Web page, the whole year (*.html)</source>
        <translation>Web page, the whole year (*.html)</translation>
    </message>
    <message>
        <source>Export the calendar</source>
        <translation>Export the calendar</translation>
    </message>
    <message>
        <source>The calendar could not be exported: %1</source>
        <translation>The calendar could not be exported: %1</translation>
    </message>
</context>
<context>
    <name>CShellCompanionHost</name>
    <message>
        <source>%1 is not installed: it is not at %2, and no install CD with it was found.</source>
        <translation>%1 is not installed: it is not at %2, and no install CD with it was found.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copy &amp;Link Location</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
</context>
<context>
    <name>talvoren::CAboutDlg</name>
    <message>
        <source>About Talvoren</source>
        <translation>About Talvoren</translation>
    </message>
    <message>
        <source>Talvoren Version 4.1</source>
        <translation>Talvoren Version 4.1</translation>
    </message>
</context>
<context>
    <name>talvoren::CConfigDlg</name>
    <message>
        <source> Configuration </source>
        <translation> Configuration </translation>
    </message>
</context>
<context>
    <name>talvoren::CDayDlg</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <translation>&amp;Prev</translation>
    </message>
</context>
<context>
    <name>talvoren::CLanguageDlg</name>
    <message>
        <source> Internationalise</source>
        <translation> Internationalise</translation>
    </message>
    <message>
        <source>%1 has no language folder yet. A new folder %2 will hold copies of the files of the current language (%3), to be translated into %1.

Go on?</source>
        <translation>%1 has no language folder yet. A new folder %2 will hold copies of the files of the current language (%3), to be translated into %1.

Go on?</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danish</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Dutch</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnish</translation>
    </message>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Greek</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norwegian</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovak</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovenian</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Swedish</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turkish</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamese</translation>
    </message>
</context>
<context>
    <name>talvoren::CMainFrame</name>
    <message>
        <source>&amp;Configure</source>
        <translation>&amp;Configure</translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation>&amp;Note</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;About Talvoren...</source>
        <translation>&amp;About Talvoren...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Dialog bar</source>
        <translation>Dialog bar</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>Write the month on display or its year as iCalendar or as a web page</source>
        <translation>Write the month on display or its year as iCalendar or as a web page</translation>
    </message>
    <message>
        <source>&amp;Daily page</source>
        <translation>&amp;Daily page</translation>
    </message>
    <message>
        <source>&amp;Month list</source>
        <translation>&amp;Month list</translation>
    </message>
    <message>
        <source>&amp;Wall calendar</source>
        <translation>&amp;Wall calendar</translation>
    </message>
    <message>
        <source>&amp;Select date...</source>
        <translation>&amp;Select date...</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Today</translation>
    </message>
    <message>
        <source>This month, with today</source>
        <translation>This month, with today</translation>
    </message>
    <message>
        <source>&amp;Previous month</source>
        <translation>&amp;Previous month</translation>
    </message>
    <message>
        <source>The month before</source>
        <translation>The month before</translation>
    </message>
    <message>
        <source>&amp;Next month</source>
        <translation>&amp;Next month</translation>
    </message>
    <message>
        <source>The month after</source>
        <translation>The month after</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
</context>
<context>
    <name>talvoren::CNotesDlg</name>
    <message>
        <source> Notes</source>
        <translation> Notes</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Ngày</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Tháng</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Ghi Chú</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>talvoren::CPageLayoutDlg</name>
    <message>
        <source>Page Setup</source>
        <translation>Page Setup</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Size:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>&amp;Portrait</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Landscape</translation>
    </message>
    <message>
        <source>Margins (millimetres)</source>
        <translation>Margins (millimetres)</translation>
    </message>
    <message>
        <source>L&amp;eft:</source>
        <translation>L&amp;eft:</translation>
    </message>
    <message>
        <source>&amp;Top:</source>
        <translation>&amp;Top:</translation>
    </message>
    <message>
        <source>&amp;Right:</source>
        <translation>&amp;Right:</translation>
    </message>
    <message>
        <source>&amp;Bottom:</source>
        <translation>&amp;Bottom:</translation>
    </message>
</context>
<context>
    <name>talvoren::CSelectDateDlg</name>
    <message>
        <source> Select </source>
        <translation> Select </translation>
    </message>
    <message>
        <source>A span shows every day from the first to the last, both included.</source>
        <translation>A span shows every day from the first to the last, both included.</translation>
    </message>
    <message>
        <source>The calendar covers the years 1583 to 9999. Please choose a year in that range.</source>
        <translation>The calendar covers the years 1583 to 9999. Please choose a year in that range.</translation>
    </message>
    <message>
        <source>%1/%2/%3 does not exist: that month has only %4 days.</source>
        <translation>%1/%2/%3 does not exist: that month has only %4 days.</translation>
    </message>
</context>
<context>
    <name>talvoren::Captions</name>
    <message>
        <source> Chọn Ngôn Ngữ </source>
        <translation> Choose a Language </translation>
    </message>
    <message>
        <source>Cú pháp Việt (Chúa Nhật Thứ Nhất)</source>
        <translation>Vietnamese word order (Sunday the First)</translation>
    </message>
    <message>
        <source>Cú pháp Anh (First Sunday)</source>
        <translation>English word order (First Sunday)</translation>
    </message>
    <message>
        <source> Lựa Chọn </source>
        <translation> Calendar </translation>
    </message>
    <message>
        <source>Lịch Sổ</source>
        <translation>Month List</translation>
    </message>
    <message>
        <source>Lịch Treo Tường</source>
        <translation>Wall Calendar</translation>
    </message>
    <message>
        <source> Năm </source>
        <translation> Year </translation>
    </message>
    <message>
        <source> Chọn Tháng </source>
        <translation> Choose Month </translation>
    </message>
    <message>
        <source> Chọn Ngày </source>
        <translation> Choose Days </translation>
    </message>
    <message>
        <source> Ngưng </source>
        <translation> Close </translation>
    </message>
    <message>
        <source>Tháng Giêng</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Tháng Hai</source>
        <translation>February</translation>
    </message>
    <message>
        <source>Tháng Ba</source>
        <translation>March</translation>
    </message>
    <message>
        <source>Tháng Tư</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Tháng Năm</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Tháng Sáu</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Tháng Bảy</source>
        <translation>July</translation>
    </message>
    <message>
        <source>Tháng Tám</source>
        <translation>August</translation>
    </message>
    <message>
        <source>Tháng Chín</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Tháng Mười</source>
        <translation>October</translation>
    </message>
    <message>
        <source>Tháng Mười Một</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Tháng Mười Hai</source>
        <translation>December</translation>
    </message>
    <message>
        <source> Ngày Mai </source>
        <translation> Next </translation>
    </message>
    <message>
        <source> Hôm Qua </source>
        <translation> Previous </translation>
    </message>
    <message>
        <source>Xin bỏ CD Sorvane Bible vào ổ CD rồi nhấn vào đây
hoặc nhấn nút Cancel nếu muốn ngưng</source>
        <translation>Please put the Sorvane Bible CD into the drive
and click here, or click Cancel to stop</translation>
    </message>
    <message>
        <source>Mừng Lễ Hiển Linh đúng ngày 6 tháng Giêng</source>
        <translation>Celebrate the Epiphany on 6 January</translation>
    </message>
    <message>
        <source>Mừng Lễ Thăng Thiên vào ngày Chúa Nhật</source>
        <translation>Celebrate the Ascension on a Sunday</translation>
    </message>
    <message>
        <source>Mừng Lễ Mình Máu Thánh Chúa vào ngày  Chúa Nhật</source>
        <translation>Celebrate Corpus Christi on a Sunday</translation>
    </message>
</context>
<context>
    <name>talvoren::Messages</name>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Cannot read %1: %2.</translation>
    </message>
    <message>
        <source>File %1 not found!</source>
        <translation>File %1 not found!</translation>
    </message>
    <message>
        <source>%1 The calendar uses the default settings.</source>
        <translation>%1 The calendar uses the default settings.</translation>
    </message>
    <message>
        <source>The notes of %1 on dates that do not exist are not shown:%2</source>
        <translation>The notes of %1 on dates that do not exist are not shown:%2</translation>
    </message>
    <message>
        <source>Unknown error on connecting to datasource.</source>
        <translation>Unknown error on connecting to datasource.</translation>
    </message>
    <message>
        <source>The connection text names no Data Source.</source>
        <translation>The connection text names no Data Source.</translation>
    </message>
    <message>
        <source>There is no current row.</source>
        <translation>There is no current row.</translation>
    </message>
    <message>
        <source>The column index is outside the columns of the query.</source>
        <translation>The column index is outside the columns of the query.</translation>
    </message>
    <message>
        <source>Type mismatch: the column value is null.</source>
        <translation>Type mismatch: the column value is null.</translation>
    </message>
    <message>
        <source>%1: unable to open database file</source>
        <translation>The scripture database %1 was not found; the readings cannot be shown.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Access to %1 was denied.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 was not found.</translation>
    </message>
    <message>
        <source>%1 is a folder and cannot be opened as a file.</source>
        <translation>%1 is a folder and cannot be opened as a file.</translation>
    </message>
    <message>
        <source>The disk is full while accessing %1.</source>
        <translation>The disk is full while accessing %1.</translation>
    </message>
    <message>
        <source>There were too many open files.</source>
        <translation>There were too many open files.</translation>
    </message>
    <message>
        <source>An error occurred while accessing %1: %2.</source>
        <translation>An error occurred while accessing %1: %2.</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>Cannot open file</translation>
    </message>
    <message>
        <source>%1 is no regular file (a pipe or a device) and cannot be copied.</source>
        <translation>%1 is no regular file (a pipe or a device) and cannot be copied.</translation>
    </message>
    <message>
        <source>Cannot copy %1 into %2</source>
        <translation>Cannot copy %1 into %2</translation>
    </message>
    <message>
        <source>The program folder %1 is read-only (%2): the language folder %3 cannot be made there.</source>
        <translation>The program folder %1 is read-only (%2): the language folder %3 cannot be made there.</translation>
    </message>
    <message>
        <source>The language folder %1 cannot be made: %2.</source>
        <translation>The language folder %1 cannot be made: %2.</translation>
    </message>
    <message>
        <source>The language folder %1 cannot be put in place: %2.</source>
        <translation>The language folder %1 cannot be put in place: %2.</translation>
    </message>
    <message>
        <source>These entries of %1 are no files and were not copied into %2: %3.</source>
        <translation>These entries of %1 are no files and were not copied into %2: %3.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the settings store %1 cannot be opened for writing. %2</source>
        <translation>The settings could not be saved: the settings store %1 cannot be opened for writing. %2</translation>
    </message>
    <message>
        <source>The settings could not all be saved: writing %1 into the settings store %2 failed. %3</source>
        <translation>The settings could not all be saved: writing %1 into the settings store %2 failed. %3</translation>
    </message>
    <message>
        <source>the day and the month are both needed.</source>
        <translation>the day and the month are both needed.</translation>
    </message>
    <message>
        <source>the day must be a number from 1 to 31.</source>
        <translation>the day must be a number from 1 to 31.</translation>
    </message>
    <message>
        <source>the month must be a number from 1 to 12.</source>
        <translation>the month must be a number from 1 to 12.</translation>
    </message>
    <message>
        <source>there is no month %1; the month must be a number from 1 to 12.</source>
        <translation>there is no month %1; the month must be a number from 1 to 12.</translation>
    </message>
    <message>
        <source>there is no day %1; the day must be a number from 1 to 31.</source>
        <translation>there is no day %1; the day must be a number from 1 to 31.</translation>
    </message>
    <message>
        <source>month %1 has no day %2.</source>
        <translation>month %1 has no day %2.</translation>
    </message>
    <message>
        <source>The notes file %1 cannot be read: %2.
So that its notes are not lost, it cannot be saved from this dialog.</source>
        <translation>The notes file %1 cannot be read: %2.
So that its notes are not lost, it cannot be saved from this dialog.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Row %1: %2</translation>
    </message>
    <message>
        <source>The notes could not be saved: %1
The notes file %2 was left as it was.</source>
        <translation>The notes could not be saved: %1
The notes file %2 was left as it was.</translation>
    </message>
    <message>
        <source>The data folder %1 is read-only (%2): the language folder %3 cannot be made there.</source>
        <translation>The data folder %1 is read-only (%2): the language folder %3 cannot be made there.</translation>
    </message>
</context>
<context>
    <name>talvoren::StringTable</name>
    <message>
        <source>Xin chờ cho chút xíu, chương trình đang tính toán</source>
        <translation>Please wait a moment, the program is calculating</translation>
    </message>
    <message>
        <source>Các ghi chú đã được lưu trữ thành công</source>
        <translation>The notes were saved</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Daily Calendar</source>
        <translation>Daily Calendar</translation>
    </message>
    <message>
        <source>Litugical Calendar for this month</source>
        <translation>Liturgical Calendar for this month</translation>
    </message>
    <message>
        <source>Tabular Calendar</source>
        <translation>Tabular Calendar</translation>
    </message>
    <message>
        <source>Select date</source>
        <translation>Select date</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copy the selection and put it on the Clipboard</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Print </source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Configure Talvoren</source>
        <translation>Configure Talvoren</translation>
    </message>
    <message>
        <source>Internationalise</source>
        <translation>Internationalise</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Bible</source>
        <translation>Bible</translation>
    </message>
    <message>
        <source>Cantrel</source>
        <translation>Cantrel</translation>
    </message>
    <message>
        <source>Phu Luc</source>
        <translation>Appendix</translation>
    </message>
    <message>
        <source>Phu Luc </source>
        <translation>Appendix</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Display program information, version number and copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>How to use Talvoren</source>
        <translation>How to use Talvoren</translation>
    </message>
    <message>
        <source>How to use Talvoren  </source>
        <translation>How to use Talvoren</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Print the active document</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Change the printer and printing options</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Print Setup</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Quit the application; prompts to save documents</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Create a new document</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Open an existing document</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Save the active document</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
</TS>
