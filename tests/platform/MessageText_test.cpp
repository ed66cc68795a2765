// A message's places are filled once each, left to right: an argument that
// holds "%2" or a path with "%" stays as it is; a message within a message
// is filled the same way.

#include "base/MessageText.h"

#include <gtest/gtest.h>

using namespace talvoren;

TEST(MessageText, FillsEachPlaceOnce)
{
    const struct
    {
        const char* format;
        std::vector<MESSAGETEXT> args;
        const char* text;
    } cases[] = {
        {"Cannot copy %1 into %2", {"/a/%2", "/b"}, "Cannot copy /a/%2 into /b"},
        {"%2 before %1", {"one", "two"}, "two before one"},
        {"%1 was not found.", {}, "%1 was not found."},   // a place without argument stays
        {"100% sure, %1", {"x"}, "100% sure, x"},
        {"ends in %", {"x"}, "ends in %"},
        {"Row %1: %2", {"3", MESSAGETEXT("month %1 has no day %2.", {"2", "%1"})}, "Row 3: month 2 has no day %1."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MESSAGETEXT(c.format, c.args).Text(), c.text) << c.format;
}
