#pragma once
// Captions of the language and select-date dialogs, stored in the Vietnamese
// font encoding code unit by code unit (DecodeVietnameseFontText turns them
// into Unicode when they are shown). The decoded text is in each comment.

namespace talvoren
{
// Language dialog.
inline constexpr char16_t kLanguageFrameCaption[] = u" Ch\u201Dn Ng\u201Cn Ng\u00A7 ";   // " Chọn Ngôn Ngữ "
inline constexpr char16_t kVietnameseOrderCaption[] =
    u"C\u00A3 ph\u00FFp Vi\u00ACt (Ch\u00A3a Nh\u00E7t Th\u00A4 Nh\u00E3t)";   // "Cú pháp Việt (Chúa Nhật Thứ Nhất)"
inline constexpr char16_t kEnglishOrderCaption[] = u"C\u00A3 ph\u00FFp Anh (First Sunday)";   // "Cú pháp Anh (First Sunday)"

// Select-date dialog.
inline constexpr char16_t kKindFrameCaption[] = u" L\u00A8a Ch\u201Dn ";          // " Lựa Chọn "
inline constexpr char16_t kMonthCalendarCaption[] = u"L\u00ABch S\u2122";          // "Lịch Sổ"
inline constexpr char16_t kTabularCaption[] = u"L\u00ABch Treo T\u0178\u00F5ng";   // "Lịch Treo Tường"
inline constexpr char16_t kYearLabelCaption[] = u" N\u00E8m ";                     // " Năm "
inline constexpr char16_t kChooseMonthCaption[] = u" Ch\u201Dn Th\u00FFng ";       // " Chọn Tháng "
inline constexpr char16_t kChooseDaysCaption[] = u" Ch\u201Dn Ng\u2026y ";         // " Chọn Ngày "
inline constexpr char16_t kSelectCancelCaption[] = u" Ng\u0178ng ";                // " Ngưng "

// Month names, January first ("Tháng Giêng" ... "Tháng Mười Hai"), closed by
// a null entry.
inline constexpr const char16_t* kMonthCaptions[] = {
    u"Th\u00FFng Gi\u02C6ng",
    u"Th\u00FFng Hai",
    u"Th\u00FFng Ba",
    u"Th\u00FFng T\u0178",
    u"Th\u00FFng N\u00E8m",
    u"Th\u00FFng S\u00FFu",
    u"Th\u00FFng B\u00E5y",
    u"Th\u00FFng T\u00FFm",
    u"Th\u00FFng Ch\u00A1n",
    u"Th\u00FFng M\u0178\u00F5i",
    u"Th\u00FFng M\u0178\u00F5i M\u203At",
    u"Th\u00FFng M\u0178\u00F5i Hai",
    nullptr,
};

} // namespace talvoren
