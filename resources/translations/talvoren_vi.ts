<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="en">
<context>
    <name>CExportCommand</name>
    <message>
        <source>iCalendar, the month on display (*.ics)</source>
        <translation>iCalendar, tháng đang xem (*.ics)</translation>
    </message>
    <message>
        <source>iCalendar, the whole year (*.ics)</source>
        <translation>iCalendar, cả năm (*.ics)</translation>
    </message>
    <message>
        <source>Web page, the month on display (*.html)</source>
        <translation>Trang web, tháng đang xem (*.html)</translation>
    </message>
    <message>
        <source>Web page, the whole year (*.html)</source>
        <translation>Trang web, cả năm (*.html)</translation>
    </message>
    <message>
        <source>Export the calendar</source>
        <translation>Xuất lịch</translation>
    </message>
    <message>
        <source>The calendar could not be exported: %1</source>
        <translation>Không xuất được lịch: %1</translation>
    </message>
</context>
<context>
    <name>CShellCompanionHost</name>
    <message>
        <source>%1 is not installed: it is not at %2, and no install CD with it was found.</source>
        <translation>%1 chưa được cài: không có ở %2, và không tìm thấy đĩa CD cài đặt có chương trình này.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Hoàn tác</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Làm lại</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cắ&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Chép</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Dán</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Chọn tất cả</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Có</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Không</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Áp dụng</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Bỏ đi</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Đặt lại</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Hủy bỏ</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Thử lại</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Bỏ qua</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Hoàn tác</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Làm lại</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cắ&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Chép</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Chép địa chỉ &amp;liên kết</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Dán</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Chọn tất cả</translation>
    </message>
</context>
<context>
    <name>talvoren::CAboutDlg</name>
    <message>
        <source>About Talvoren</source>
        <translation>Giới thiệu Talvoren</translation>
    </message>
    <message>
        <source>Talvoren Version 4.1</source>
        <translation>Talvoren Phiên bản 4.1</translation>
    </message>
</context>
<context>
    <name>talvoren::CConfigDlg</name>
    <message>
        <source> Configuration </source>
        <translation> Cấu hình </translation>
    </message>
</context>
<context>
    <name>talvoren::CDayDlg</name>
    <message>
        <source>&amp;Close</source>
        <translation>Đó&amp;ng</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Ngày &amp;sau</translation>
    </message>
    <message>
        <source>&amp;Prev</source>
        <translation>Ngày &amp;trước</translation>
    </message>
</context>
<context>
    <name>talvoren::CLanguageDlg</name>
    <message>
        <source> Internationalise</source>
        <translation> Chọn ngôn ngữ</translation>
    </message>
    <message>
        <source>%1 has no language folder yet. A new folder %2 will hold copies of the files of the current language (%3), to be translated into %1.

Go on?</source>
        <translation>%1 chưa có thư mục riêng. Thư mục mới %2 sẽ chứa bản sao các tập tin của ngôn ngữ đang dùng (%3) để dịch sang %1.

Tiếp tục?</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Tiếng Anh</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tiếng Đức</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Tiếng Trung</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Tiếng Đan Mạch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Tiếng Hà Lan</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Tiếng Phần Lan</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Tiếng Pháp</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Tiếng Hy Lạp</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Tiếng Ý</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Tiếng Nhật</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Tiếng Hàn</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Tiếng Na Uy</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Tiếng Ba Lan</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Tiếng Bồ Đào Nha</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Tiếng Nga</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Tiếng Slovakia</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Tiếng Slovenia</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Tiếng Tây Ban Nha</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Tiếng Thụy Điển</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Tiếng Thổ Nhĩ Kỳ</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Tiếng Việt</translation>
    </message>
</context>
<context>
    <name>talvoren::CMainFrame</name>
    <message>
        <source>&amp;Configure</source>
        <translation>&amp;Cấu hình</translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation>&amp;Ghi chú</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;In...	Ctrl+P</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Thiết &amp;lập trang in...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>T&amp;hoát</translation>
    </message>
    <message>
        <source>&amp;About Talvoren...</source>
        <translation>&amp;Giới thiệu Talvoren...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>T&amp;rợ giúp</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tập tin</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Thanh công cụ</translation>
    </message>
    <message>
        <source>Dialog bar</source>
        <translation>Thanh hộp thoại</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Xuất lịch...</translation>
    </message>
    <message>
        <source>Write the month on display or its year as iCalendar or as a web page</source>
        <translation>Ghi tháng đang xem hoặc cả năm thành tệp iCalendar hay trang web</translation>
    </message>
    <message>
        <source>&amp;Daily page</source>
        <translation>Lịch &amp;hằng ngày</translation>
    </message>
    <message>
        <source>&amp;Month list</source>
        <translation>Lịch &amp;tháng</translation>
    </message>
    <message>
        <source>&amp;Wall calendar</source>
        <translation>Lịch treo t&amp;ường</translation>
    </message>
    <message>
        <source>&amp;Select date...</source>
        <translation>&amp;Chọn ngày...</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hôm nay</translation>
    </message>
    <message>
        <source>This month, with today</source>
        <translation>Tháng này, có ngày hôm nay</translation>
    </message>
    <message>
        <source>&amp;Previous month</source>
        <translation>Tháng t&amp;rước</translation>
    </message>
    <message>
        <source>The month before</source>
        <translation>Tháng trước tháng đang xem</translation>
    </message>
    <message>
        <source>&amp;Next month</source>
        <translation>Tháng &amp;sau</translation>
    </message>
    <message>
        <source>The month after</source>
        <translation>Tháng sau tháng đang xem</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Xem</translation>
    </message>
</context>
<context>
    <name>talvoren::CNotesDlg</name>
    <message>
        <source> Notes</source>
        <translation> Ghi chú</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Xóa</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Hủy</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lưu</translation>
    </message>
    <message>
        <source>Ngày</source>
        <translation>Ngày</translation>
    </message>
    <message>
        <source>Tháng</source>
        <translation>Tháng</translation>
    </message>
    <message>
        <source>Ghi Chú</source>
        <translation>Ghi Chú</translation>
    </message>
</context>
<context>
    <name>talvoren::CPageLayoutDlg</name>
    <message>
        <source>Page Setup</source>
        <translation>Thiết lập trang in</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Giấy</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Khổ giấy:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Chiều giấy</translation>
    </message>
    <message>
        <source>&amp;Portrait</source>
        <translation>&amp;Dọc</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Ngang</translation>
    </message>
    <message>
        <source>Margins (millimetres)</source>
        <translation>Lề (milimét)</translation>
    </message>
    <message>
        <source>L&amp;eft:</source>
        <translation>&amp;Trái:</translation>
    </message>
    <message>
        <source>&amp;Top:</source>
        <translation>Tr&amp;ên:</translation>
    </message>
    <message>
        <source>&amp;Right:</source>
        <translation>&amp;Phải:</translation>
    </message>
    <message>
        <source>&amp;Bottom:</source>
        <translation>Dướ&amp;i:</translation>
    </message>
</context>
<context>
    <name>talvoren::CSelectDateDlg</name>
    <message>
        <source> Select </source>
        <translation> Chọn ngày tháng </translation>
    </message>
    <message>
        <source>A span shows every day from the first to the last, both included.</source>
        <translation>Khoảng ngày gồm mọi ngày từ ngày đầu đến ngày cuối, cả hai ngày đều có.</translation>
    </message>
    <message>
        <source>The calendar covers the years 1583 to 9999. Please choose a year in that range.</source>
        <translation>Lịch tính được các năm từ 1583 đến 9999. Xin chọn một năm trong khoảng ấy.</translation>
    </message>
    <message>
        <source>%1/%2/%3 does not exist: that month has only %4 days.</source>
        <translation>Không có ngày %1/%2/%3: tháng ấy chỉ có %4 ngày.</translation>
    </message>
</context>
<context>
    <name>talvoren::Captions</name>
    <message>
        <source> Chọn Ngôn Ngữ </source>
        <translation> Chọn Ngôn Ngữ </translation>
    </message>
    <message>
        <source>Cú pháp Việt (Chúa Nhật Thứ Nhất)</source>
        <translation>Cú pháp Việt (Chúa Nhật Thứ Nhất)</translation>
    </message>
    <message>
        <source>Cú pháp Anh (First Sunday)</source>
        <translation>Cú pháp Anh (First Sunday)</translation>
    </message>
    <message>
        <source> Lựa Chọn </source>
        <translation> Lựa Chọn </translation>
    </message>
    <message>
        <source>Lịch Sổ</source>
        <translation>Lịch Sổ</translation>
    </message>
    <message>
        <source>Lịch Treo Tường</source>
        <translation>Lịch Treo Tường</translation>
    </message>
    <message>
        <source> Năm </source>
        <translation> Năm </translation>
    </message>
    <message>
        <source> Chọn Tháng </source>
        <translation> Chọn Tháng </translation>
    </message>
    <message>
        <source> Chọn Ngày </source>
        <translation> Chọn Ngày </translation>
    </message>
    <message>
        <source> Ngưng </source>
        <translation> Ngưng </translation>
    </message>
    <message>
        <source>Tháng Giêng</source>
        <translation>Tháng Giêng</translation>
    </message>
    <message>
        <source>Tháng Hai</source>
        <translation>Tháng Hai</translation>
    </message>
    <message>
        <source>Tháng Ba</source>
        <translation>Tháng Ba</translation>
    </message>
    <message>
        <source>Tháng Tư</source>
        <translation>Tháng Tư</translation>
    </message>
    <message>
        <source>Tháng Năm</source>
        <translation>Tháng Năm</translation>
    </message>
    <message>
        <source>Tháng Sáu</source>
        <translation>Tháng Sáu</translation>
    </message>
    <message>
        <source>Tháng Bảy</source>
        <translation>Tháng Bảy</translation>
    </message>
    <message>
        <source>Tháng Tám</source>
        <translation>Tháng Tám</translation>
    </message>
    <message>
        <source>Tháng Chín</source>
        <translation>Tháng Chín</translation>
    </message>
    <message>
        <source>Tháng Mười</source>
        <translation>Tháng Mười</translation>
    </message>
    <message>
        <source>Tháng Mười Một</source>
        <translation>Tháng Mười Một</translation>
    </message>
    <message>
        <source>Tháng Mười Hai</source>
        <translation>Tháng Mười Hai</translation>
    </message>
    <message>
        <source> Ngày Mai </source>
        <translation> Ngày Mai </translation>
    </message>
    <message>
        <source> Hôm Qua </source>
        <translation> Hôm Qua </translation>
    </message>
    <message>
        <source>Xin bỏ CD Sorvane Bible vào ổ CD rồi nhấn vào đây
hoặc nhấn nút Cancel nếu muốn ngưng</source>
        <translation>Xin bỏ CD Sorvane Bible vào ổ CD rồi nhấn vào đây
hoặc nhấn nút Hủy nếu muốn ngưng</translation>
    </message>
    <message>
        <source>Mừng Lễ Hiển Linh đúng ngày 6 tháng Giêng</source>
        <translation>Mừng Lễ Hiển Linh đúng ngày 6 tháng Giêng</translation>
    </message>
    <message>
        <source>Mừng Lễ Thăng Thiên vào ngày Chúa Nhật</source>
        <translation>Mừng Lễ Thăng Thiên vào ngày Chúa Nhật</translation>
    </message>
    <message>
        <source>Mừng Lễ Mình Máu Thánh Chúa vào ngày  Chúa Nhật</source>
        <translation>Mừng Lễ Mình Máu Thánh Chúa vào ngày  Chúa Nhật</translation>
    </message>
</context>
<context>
    <name>talvoren::Messages</name>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Không đọc được %1: %2.</translation>
    </message>
    <message>
        <source>File %1 not found!</source>
        <translation>Không tìm thấy tập tin %1!</translation>
    </message>
    <message>
        <source>%1 The calendar uses the default settings.</source>
        <translation>%1 Lịch dùng các thiết lập mặc định.</translation>
    </message>
    <message>
        <source>The notes of %1 on dates that do not exist are not shown:%2</source>
        <translation>Các ghi chú trong %1 ghi vào những ngày không có thật nên không được hiện:%2</translation>
    </message>
    <message>
        <source>Unknown error on connecting to datasource.</source>
        <translation>Lỗi không rõ khi kết nối với nguồn dữ liệu.</translation>
    </message>
    <message>
        <source>The connection text names no Data Source.</source>
        <translation>Chuỗi kết nối không nêu nguồn dữ liệu (Data Source).</translation>
    </message>
    <message>
        <source>There is no current row.</source>
        <translation>Không có dòng hiện hành.</translation>
    </message>
    <message>
        <source>The column index is outside the columns of the query.</source>
        <translation>Chỉ số cột nằm ngoài các cột của truy vấn.</translation>
    </message>
    <message>
        <source>Type mismatch: the column value is null.</source>
        <translation>Sai kiểu: giá trị của cột là rỗng (null).</translation>
    </message>
    <message>
        <source>%1: unable to open database file</source>
        <translation>Không tìm thấy cơ sở dữ liệu Kinh Thánh %1, nên không hiện được các bài đọc.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Không được phép truy cập %1.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>Không tìm thấy %1.</translation>
    </message>
    <message>
        <source>%1 is a folder and cannot be opened as a file.</source>
        <translation>%1 là một thư mục, không thể mở như một tập tin.</translation>
    </message>
    <message>
        <source>The disk is full while accessing %1.</source>
        <translation>Đĩa đã đầy khi truy cập %1.</translation>
    </message>
    <message>
        <source>There were too many open files.</source>
        <translation>Có quá nhiều tập tin đang mở.</translation>
    </message>
    <message>
        <source>An error occurred while accessing %1: %2.</source>
        <translation>Có lỗi khi truy cập %1: %2.</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>Không mở được tập tin</translation>
    </message>
    <message>
        <source>%1 is no regular file (a pipe or a device) and cannot be copied.</source>
        <translation>%1 không phải là tập tin thường (mà là một ống dẫn hay một thiết bị) nên không chép được.</translation>
    </message>
    <message>
        <source>Cannot copy %1 into %2</source>
        <translation>Không chép được %1 vào %2</translation>
    </message>
    <message>
        <source>The program folder %1 is read-only (%2): the language folder %3 cannot be made there.</source>
        <translation>Thư mục chương trình %1 chỉ cho phép đọc (%2): không thể tạo thư mục ngôn ngữ %3 ở đó.</translation>
    </message>
    <message>
        <source>The language folder %1 cannot be made: %2.</source>
        <translation>Không tạo được thư mục ngôn ngữ %1: %2.</translation>
    </message>
    <message>
        <source>The language folder %1 cannot be put in place: %2.</source>
        <translation>Không đặt được thư mục ngôn ngữ %1 vào chỗ của nó: %2.</translation>
    </message>
    <message>
        <source>These entries of %1 are no files and were not copied into %2: %3.</source>
        <translation>Các mục sau trong %1 không phải là tập tin nên không được chép vào %2: %3.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the settings store %1 cannot be opened for writing. %2</source>
        <translation>Không lưu được các thiết lập: không mở được kho thiết lập %1 để ghi. %2</translation>
    </message>
    <message>
        <source>The settings could not all be saved: writing %1 into the settings store %2 failed. %3</source>
        <translation>Không lưu được hết các thiết lập: ghi %1 vào kho thiết lập %2 không thành công. %3</translation>
    </message>
    <message>
        <source>the day and the month are both needed.</source>
        <translation>cần có cả ngày lẫn tháng.</translation>
    </message>
    <message>
        <source>the day must be a number from 1 to 31.</source>
        <translation>ngày phải là một số từ 1 đến 31.</translation>
    </message>
    <message>
        <source>the month must be a number from 1 to 12.</source>
        <translation>tháng phải là một số từ 1 đến 12.</translation>
    </message>
    <message>
        <source>there is no month %1; the month must be a number from 1 to 12.</source>
        <translation>không có tháng %1; tháng phải là một số từ 1 đến 12.</translation>
    </message>
    <message>
        <source>there is no day %1; the day must be a number from 1 to 31.</source>
        <translation>không có ngày %1; ngày phải là một số từ 1 đến 31.</translation>
    </message>
    <message>
        <source>month %1 has no day %2.</source>
        <translation>tháng %1 không có ngày %2.</translation>
    </message>
    <message>
        <source>The notes file %1 cannot be read: %2.
So that its notes are not lost, it cannot be saved from this dialog.</source>
        <translation>Không đọc được tập tin ghi chú %1: %2.
Để các ghi chú trong đó không bị mất, không thể lưu tập tin này từ hộp thoại này.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Dòng %1: %2</translation>
    </message>
    <message>
        <source>The notes could not be saved: %1
The notes file %2 was left as it was.</source>
        <translation>Không lưu được các ghi chú: %1
Tập tin ghi chú %2 được giữ nguyên như cũ.</translation>
    </message>
    <message>
        <source>The data folder %1 is read-only (%2): the language folder %3 cannot be made there.</source>
        <translation>Thư mục dữ liệu %1 chỉ cho đọc (%2): không thể tạo thư mục ngôn ngữ %3 ở đó.</translation>
    </message>
</context>
<context>
    <name>talvoren::StringTable</name>
    <message>
        <source>Xin chờ cho chút xíu, chương trình đang tính toán</source>
        <translation>Xin chờ cho chút xíu, chương trình đang tính toán</translation>
    </message>
    <message>
        <source>Các ghi chú đã được lưu trữ thành công</source>
        <translation>Các ghi chú đã được lưu trữ thành công</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Sẵn sàng</translation>
    </message>
    <message>
        <source>Daily Calendar</source>
        <translation>Lịch hằng ngày</translation>
    </message>
    <message>
        <source>Litugical Calendar for this month</source>
        <translation>Lịch Phụng Vụ tháng này</translation>
    </message>
    <message>
        <source>Tabular Calendar</source>
        <translation>Lịch treo tường</translation>
    </message>
    <message>
        <source>Select date</source>
        <translation>Chọn ngày</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Chép phần đã chọn vào bộ nhớ tạm</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Chép</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>In</translation>
    </message>
    <message>
        <source>Print </source>
        <translation>In</translation>
    </message>
    <message>
        <source>Configure Talvoren</source>
        <translation>Cấu hình Talvoren</translation>
    </message>
    <message>
        <source>Internationalise</source>
        <translation>Chọn ngôn ngữ</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Ghi chú</translation>
    </message>
    <message>
        <source>Bible</source>
        <translation>Kinh Thánh</translation>
    </message>
    <message>
        <source>Cantrel</source>
        <translation>Cantrel</translation>
    </message>
    <message>
        <source>Phu Luc</source>
        <translation>Phụ Lục</translation>
    </message>
    <message>
        <source>Phu Luc </source>
        <translation>Phụ Lục</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Phần mềm</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Hiện thông tin về chương trình, số phiên bản và bản quyền</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>How to use Talvoren</source>
        <translation>Hướng dẫn dùng Talvoren</translation>
    </message>
    <message>
        <source>How to use Talvoren  </source>
        <translation>Hướng dẫn dùng Talvoren</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>In trang đang xem</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Đổi máy in và các tùy chọn in</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Thiết lập trang in</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Thoát khỏi chương trình</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Tạo tài liệu mới</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Mới</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Mở tài liệu có sẵn</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Lưu tài liệu đang mở</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
</context>
</TS>
