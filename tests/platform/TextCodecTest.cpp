#include "platform/QtText.h"
#include "platform/TextCodec.h"

#include <gtest/gtest.h>

TEST(TextCodec, TellsUtf8FromWindows1252)
{
    EXPECT_TRUE(TextCodec::IsUtf8("M\xC3\xBCller"));
    EXPECT_FALSE(TextCodec::IsUtf8("M\xFCller"));        // ü in Windows-1252
    EXPECT_FALSE(TextCodec::IsUtf8("plain"));             // no non-ASCII byte
    EXPECT_FALSE(TextCodec::IsUtf8("\xC0\x80"));          // overlong
    EXPECT_FALSE(TextCodec::IsUtf8("ab\xE2\x82"));        // cut short
    EXPECT_TRUE(TextCodec::IsUtf8("\xE2\x82\xAC 5"));     // euro sign
}

TEST(TextCodec, ChangesCaseInTheStringsOwnEncoding)
{
    struct Case {
        const char* text;
        const char* upper;
        const char* lower;
    };
    const Case cases[] = {
        {"M\xC3\xBCller", "M\xC3\x9CLLER", "m\xC3\xBCller"},  // UTF-8 ü
        {"M\xFCller", "M\xDCLLER", "m\xFCller"},              // Windows-1252 ü
        {"\xE9t\xE9", "\xC9T\xC9", "\xE9t\xE9"},              // é
        {"\x9A\xFF", "\x8A\x9F", "\x9A\xFF"},                  // š ÿ -> Š Ÿ
        {"smith 1850", "SMITH 1850", "smith 1850"},
        {"\xA0" "a", "\xA0" "A", "\xA0" "a"},                  // NBSP stays
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextCodec::ToUpper(c.text), c.upper) << c.text;
        EXPECT_EQ(TextCodec::ToLower(c.text), c.lower) << c.text;
    }
}

TEST(QtText, DecodesAndEncodesBothForms)
{
    EXPECT_EQ(QtText::Decode("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(QtText::Decode("\xE2\x82\xAC"), QString(QChar(0x20AC)));
    EXPECT_EQ(QtText::Encode(QString(QChar(0x20AC))), "\x80");
    EXPECT_EQ(QtText::Encode(QString(QChar(0x0416))), "\xD0\x96");  // Cyrillic has no byte: UTF-8
}
