#pragma once
// Fixed texts of the core that the desktop program shows in the user's
// language. The core keeps the source text and stays free of Qt; the GUI
// looks the translation up under the context given here
// (QCoreApplication::translate(context, text)). Qt's lupdate finds the marked
// texts under this name (it runs with
// -tr-function-alias QT_TRANSLATE_NOOP+=TALVOREN_TRANSLATABLE).
#define TALVOREN_TRANSLATABLE(context, text) text

namespace talvoren
{
// The translation contexts of the core's texts.
inline constexpr char kStringTableContext[] = "talvoren::StringTable";
inline constexpr char kMessageContext[] = "talvoren::Messages";
} // namespace talvoren
