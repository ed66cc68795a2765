#include "pages/RankLabel.h"

#include "engine/DayRecord.h"
#include "engine/TitleList.h"
#include "engine/TitlePositions.h"

namespace talvoren
{
namespace
{
const std::string kNoLabel;
} // namespace

const std::string& RankLabel(const DAYRECORD& day, const CTitleList& titles)
{
    if (day.bNoRankLabel)
        return kNoLabel;
    if (day.nRank == kRankSolemnity)
        return titles.Title(kTitleSolemnityLabel);
    if (day.nRank == kRankFeast || day.nRank == kRankFeastOfLord)
        return titles.Title(kTitleFeastLabel);
    return kNoLabel;
}

std::string RankLabelSuffix(const DAYRECORD& day, const CTitleList& titles)
{
    const std::string& label = RankLabel(day, titles);
    return label.empty() ? std::string() : ". " + label;
}

} // namespace talvoren
