#include "platform/SystemCheck.h"

#include <gtest/gtest.h>

using namespace talvoren;

TEST(SystemCheck, KernelVersions)
{
    struct Case { const char* name; const char* release; bool supported; };
    const Case cases[] = {
        {"Linux", "6.1.0-18-amd64", true},
        {"Linux", "4.0", true},
        {"Linux", "10.2.1", true},
        {"Linux", "3.19.8", false},
        {"Linux", "2.6.32", false},
        {"Linux", "", false},
        {"Linux", "x4", false},
        {"FreeBSD", "14.0-RELEASE", false},
        {"", "6.1", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsSupportedSystem(c.name, c.release), c.supported) << c.name << " " << c.release;
    EXPECT_TRUE(IsRunningOnSupportedSystem());   // the machines that build and test this
}
