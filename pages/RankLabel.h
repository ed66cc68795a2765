#pragma once
// The rank label that the pages print after a day's celebration, as the
// ordos print "Lễ trọng." and "Lễ kính.".

#include <string>

namespace talvoren
{
class CTitleList;
struct DAYRECORD;

// The label of `day`: the solemnity label (titles entry 106) for rank 10,
// the feast label (entry 113) for a feast or a feast of the Lord (ranks 4
// and 6), and "" for any other rank, for a day that asks for no label (the
// Easter octave, All Souls, Tết) and for a titles list without the entry.
const std::string& RankLabel(const DAYRECORD& day, const CTitleList& titles);

// ". " and the label, or "" when the day has none: the tail of a celebration.
std::string RankLabelSuffix(const DAYRECORD& day, const CTitleList& titles);

} // namespace talvoren
