#include "platform/ParseInt32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

namespace {

TEST(ParseInt32Test, ReadsTheLeadingNumberAndStopsAtTheRangeEnds)
{
    const std::pair<const char*, std::int32_t> cases[] = {
        {"42", 42}, {"  -7x", -7}, {"+3", 3}, {"", 0}, {"abc", 0}, {"0012", 12}, {"\t\r\n 5", 5},
        {"- 5", 0}, {"2147483647", 2147483647}, {"2147483648", 2147483647}, {"3000000000", 2147483647},
        {"-2147483648", -2147483647 - 1}, {"-2147483649", -2147483647 - 1},
        {"99999999999999999999999", 2147483647}, {"-99999999999999999999999", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ParseInt32(text), value) << text;
}

}  // namespace
