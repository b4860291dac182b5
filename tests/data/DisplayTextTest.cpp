#include "data/DisplayText.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayTextTest, NbspFollowsTheEncodingOfTheText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"15\xA0June\xA0" "1850", "15\xA0June\xA0" "1850"},                                  // ASCII: stays
        {"15\xA0" "M\xC3\xA4rz\xA0" "1850", "15\xC2\xA0" "M\xC3\xA4rz\xC2\xA0" "1850"},      // UTF-8 month
        {"15\xA0" "M\xE4rz\xA0" "1850", "15\xA0" "M\xE4rz\xA0" "1850"},                      // Windows-1252
        {"\xC3\xA0 la\xA0" "fin", "\xC3\xA0 la\xC2\xA0" "fin"},                              // "à" is no NBSP
        {"", ""},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(DisplayText::ConsistentNbsp(text), expected) << text;
}

TEST(DisplayTextTest, CharactersOfUtf8AndWindows1252Text)
{
    EXPECT_EQ(DisplayText::CharacterCount("M\xC3\xBCller"), 6U);
    EXPECT_EQ(DisplayText::CharacterCount("M\xFCller"), 6U);
    EXPECT_EQ(DisplayText::FirstCharacter("\xC3\x89mile"), "\xC3\x89");
    EXPECT_EQ(DisplayText::FirstCharacter("\xC9mile"), "\xC9");
    EXPECT_EQ(DisplayText::FirstCharacter(""), "");
}

}  // namespace
