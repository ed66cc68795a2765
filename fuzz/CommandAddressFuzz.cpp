// Fuzz target: the command addresses that pages send through the status
// text, parsed and then run against a year engine (whose language folder
// does not exist, so a computation stops early and quickly). The parse must
// agree with the prefix search, and every page asked for must be a range of
// days of the held year.

#include "engine/LiturgicalYear.h"
#include "fuzz/FuzzSupport.h"
#include "shell/CalendarCommands.h"
#include "shell/CommandAddress.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace talvoren;

namespace
{
class CCheckingTarget : public CPageTarget
{
public:
    explicit CCheckingTarget(const CLiturgicalYear& year) : m_year(year) {}
    void ShowMonthList(int first, int end) override { CheckRange(first, end); }
    void ShowMonthTable(int first, int end) override { CheckRange(first, end); }
    void ShowReadings(const std::string&, const std::string&) override {}

private:
    void CheckRange(int first, int end) const
    {
        FUZZ_CHECK(0 <= first && first <= end && end <= m_year.GetDaysInYear());
        FUZZ_CHECK(m_year.GetComputedYear() >= CLiturgicalYear::kFirstYear &&
                   m_year.GetComputedYear() <= CLiturgicalYear::kLastYear);
    }
    const CLiturgicalYear& m_year;
};

struct FIXTURE
{
    FIXTURE() : language{"/nonexistent/talvoren-fuzz/", "", 1}, year(language), target(year), commands(year, target)
    {
        year.SetOptions(CALENDAROPTIONS{0, 0, 0});
    }
    CLanguageState language;   // the engine keeps a reference to it
    CLiturgicalYear year;
    CCheckingTarget target;
    CCalendarCommands commands;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SilenceMessages();
    static FIXTURE fixture;
    const std::string text(reinterpret_cast<const char*>(data), size);

    const COMMANDADDRESS address = ParseCommandAddress(text);
    const bool hasPrefix = text.find(kCommandPrefix) != std::string::npos;
    FUZZ_CHECK(address.bIsCommand == hasPrefix);
    if (!hasPrefix) {
        FUZZ_CHECK(address.word == CommandWord::None && address.bShowInStatusBar);
    } else {
        FUZZ_CHECK(address.strField0.find('|') == std::string::npos);
        FUZZ_CHECK(address.strWord.find('|') == std::string::npos);
        FUZZ_CHECK(address.strField0.size() + address.strWord.size() < text.size());
        if (!address.bHasArgument)
            FUZZ_CHECK(address.nArgument == 0);
    }

    const bool shown = fixture.commands.Run(address);
    FUZZ_CHECK(shown == address.bShowInStatusBar);
    return 0;
}
