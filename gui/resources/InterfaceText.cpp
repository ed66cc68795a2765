#include "gui/resources/InterfaceText.h"

#include "base/Translatable.h"
#include "platform/VietnameseFontText.h"
#include "resources/StringTable.h"

#include <QCoreApplication>

namespace talvoren
{
namespace
{
const char kCaptionContext[] = "talvoren::Captions";

// The captions of resources/DialogCaptions.h, resources/EncodedCaptions.h and
// dialogs/ConfigOptions as they read decoded: lupdate takes the texts to
// translate from here (the encoded form is no text it can read).
[[maybe_unused]] const char* const kCaptionSources[] = {
    QT_TRANSLATE_NOOP("talvoren::Captions", " Chọn Ngôn Ngữ "),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Cú pháp Việt (Chúa Nhật Thứ Nhất)"),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Cú pháp Anh (First Sunday)"),
    QT_TRANSLATE_NOOP("talvoren::Captions", " Lựa Chọn "),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Lịch Sổ"),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Lịch Treo Tường"),
    QT_TRANSLATE_NOOP("talvoren::Captions", " Năm "),
    QT_TRANSLATE_NOOP("talvoren::Captions", " Chọn Tháng "),
    QT_TRANSLATE_NOOP("talvoren::Captions", " Chọn Ngày "),
    QT_TRANSLATE_NOOP("talvoren::Captions", " Ngưng "),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Tháng Giêng"),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Tháng Hai"),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Tháng Ba"),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Tháng Tư"),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Tháng Năm"),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Tháng Sáu"),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Tháng Bảy"),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Tháng Tám"),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Tháng Chín"),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Tháng Mười"),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Tháng Mười Một"),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Tháng Mười Hai"),
    QT_TRANSLATE_NOOP("talvoren::Captions", " Ngày Mai "),
    QT_TRANSLATE_NOOP("talvoren::Captions", " Hôm Qua "),
    QT_TRANSLATE_NOOP("talvoren::Captions",
                      "Xin bỏ CD Sorvane Bible vào ổ CD rồi nhấn vào đây\nhoặc nhấn nút Cancel nếu muốn ngưng"),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Mừng Lễ Hiển Linh đúng ngày 6 tháng Giêng"),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Mừng Lễ Thăng Thiên vào ngày Chúa Nhật"),
    QT_TRANSLATE_NOOP("talvoren::Captions", "Mừng Lễ Mình Máu Thánh Chúa vào ngày  Chúa Nhật"),
};

// The texts of Qt's standard buttons (Qt ships no Vietnamese translation of
// its own), and of the buttons of the program's dialogs that share them.
[[maybe_unused]] const char* const kStandardButtonSources[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Apply"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Open"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Help"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Discard"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Reset"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Abort"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Retry"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Ignore"),
};

// The context menus of Qt's edit boxes (the year box, the note being edited).
[[maybe_unused]] const char* const kEditMenuSources[] = {
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Undo"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Redo"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Cu&t"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Copy"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Copy &Link Location"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "&Paste"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Delete"),
    QT_TRANSLATE_NOOP("QWidgetTextControl", "Select All"),
};

QString StringTableText(const std::string& text)
{
    return QCoreApplication::translate(kStringTableContext, text.c_str());
}
}

QString CommandPromptText(int id)
{
    return StringTableText(CommandPrompt(id));
}

QString CommandTooltipText(int id)
{
    return StringTableText(CommandTooltip(id));
}

QString ResourceText(int id)
{
    return StringTableText(LoadResourceString(id));
}

QString StandardButtonText(const char* text)
{
    return QCoreApplication::translate("QPlatformTheme", text);
}

QString CaptionText(const std::u16string& encoded)
{
    return QCoreApplication::translate(kCaptionContext, DecodeVietnameseFontText(encoded).c_str());
}

} // namespace talvoren
