#pragma once
// The texts of the core in the interface language: the string table's
// prompts and tooltips, and the captions stored in the Vietnamese font
// encoding. The core keeps the source texts; the translator that is
// installed (see CInterfaceTranslator) gives the text shown. Without a
// translation the source text is shown.

#include <QString>
#include <string>

namespace talvoren
{
// The status-bar prompt and the tooltip of a command (resources/StringTable).
QString CommandPromptText(int id);
QString CommandTooltipText(int id);
// Any string of the string table that has no line feed ("Ready").
QString ResourceText(int id);

// A standard button's text ("OK", "Cancel", "&Yes"), translated in the
// context in which Qt looks up the texts of its own standard buttons, so
// that message boxes and the program's dialogs name them alike.
QString StandardButtonText(const char* text);

// A caption in the Vietnamese font encoding, decoded and translated.
QString CaptionText(const std::u16string& encoded);

} // namespace talvoren
