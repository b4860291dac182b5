#include "data/ProjectDatabase.h"
#include "data/ReplyText.h"

#include <gtest/gtest.h>

namespace {

TEST(ReplyTextTest, TokenCountsThePieceAfterTheLastSeparator)
{
    struct Case {
        const char* text;
        int index;
        char separator;
        const char* expected;
    };
    const Case cases[] = {
        {"12|R7|F|", 0, '|', "12"}, {"12|R7|F|", 2, '|', "F"}, {"12|R7|F|", 3, '|', ""},
        {"12|R7|F|", 4, '|', ""},   {"a||c", 1, '|', ""},      {"a||c", 2, '|', "c"},
        {"", 0, '|', ""},           {"1850/06/15(Old)", 2, '/', "15(Old)"},
        {"Smith~Dr.~John", 2, '~', "John"}, {"x", -1, '|', ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProjectDatabase::Token(c.text, c.index, c.separator), c.expected) << c.text << " " << c.index;
}

}  // namespace
