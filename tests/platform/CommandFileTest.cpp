#include "platform/CommandFile.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

class CommandFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::ofstream("command.qrc", std::ios::binary) << "[Values]\r\n"
                                                          "Font=  Times New Roman \t\r\n"
                                                          "Long=" + std::string(300, 'x') + "\r\n"
                                                          "LongPadded=" + std::string(253, 'y') + "  z\r\n"
                                                          "True1=true\r\n"
                                                          "True2= TRUE \r\n"
                                                          "True3=Untrue\r\n"
                                                          "False1=FALSE\r\n"
                                                          "False2=yes\r\n"
                                                          "False3=1\r\n"
                                                          "Empty=\r\n"
                                                          "Int1=-12abc\r\n"
                                                          "Int2=12px\r\n"
                                                          "Int3=   -5\r\n"
                                                          "Int4=abc\r\n"
                                                          "Int5=+7\r\n"
                                                          "Int6=99999999999\r\n"
                                                          "Int7=-99999999999\r\n"
                                                          "Int8=- 5\r\n"
                                                          "Color1=300 0 0\r\n"
                                                          "Color2=0 0 0 99\r\n"
                                                          "Color3=-1 256 128\r\n"
                                                          "Color4=  10   20\t 30\r\n"
                                                          "Color5=10,20,30\r\n"
                                                          "Color6=7\r\n";
    }

    CommandFile m_file{"command.qrc"};
};

TEST_F(CommandFileTest, Strings)
{
    EXPECT_EQ(m_file.GetPath(), "command.qrc");
    EXPECT_EQ(m_file.GetString("values", "FONT"), "Times New Roman");
    EXPECT_EQ(m_file.GetString("Values", "Long"), std::string(254, 'x'));
    // Cut to 254 characters first, then trimmed.
    EXPECT_EQ(m_file.GetString("Values", "LongPadded"), std::string(253, 'y'));
    EXPECT_EQ(m_file.GetString("Values", "Empty"), "");
    EXPECT_EQ(m_file.GetString("Values", "Missing"), "");
    EXPECT_EQ(CommandFile("missing.qrc").GetString("Values", "Font"), "");
}

TEST_F(CommandFileTest, Booleans)
{
    for (const char* key : {"True1", "True2", "True3"})
        EXPECT_TRUE(m_file.GetBool("Values", key)) << key;
    for (const char* key : {"False1", "False2", "False3", "Empty", "Missing"})
        EXPECT_FALSE(m_file.GetBool("Values", key)) << key;
}

TEST_F(CommandFileTest, Integers)
{
    const struct {
        const char* key;
        std::int32_t expected;
    } cases[] = {
        {"Int1", -12}, {"Int2", 12}, {"Int3", -5}, {"Int4", 0}, {"Int5", 7},
        {"Int6", 2147483647}, {"Int7", -2147483647 - 1}, {"Int8", 0}, {"Empty", 0}, {"Missing", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(m_file.GetInt("Values", c.key), c.expected) << c.key;
        EXPECT_EQ(m_file.GetLong("Values", c.key), c.expected) << c.key;
    }
}

TEST_F(CommandFileTest, Colours)
{
    const struct {
        const char* key;
        COLORREF expected;
    } cases[] = {
        {"Missing", 0x00FFC8C8},
        {"Empty", 0x00FFC8C8},
        {"Color1", RGB(44, 0, 0)},
        {"Color2", RGB(0, 0, 0)},
        {"Color3", RGB(255, 0, 128)},
        // Only blanks separate; the tab stays inside the second token ("20\t"), which reads as 20.
        {"Color4", RGB(10, 20, 30)},
        // Components that are not there keep their default.
        {"Color5", RGB(10, 200, 255)},
        {"Color6", RGB(7, 200, 255)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(m_file.GetColor("Values", c.key), c.expected) << c.key;
}

TEST_F(CommandFileTest, WritersProduceTheirTextForms)
{
    CommandFile file("written.qrc");
    EXPECT_NE(file.WriteInt("S", "Int", 7), 0);
    EXPECT_NE(file.WriteInt("S", "Negative", -42), 0);
    EXPECT_NE(file.WriteColor("S", "Color", RGB(10, 20, 30)), 0);
    EXPECT_NE(file.WriteBool("S", "Yes", true), 0);
    EXPECT_NE(file.WriteBool("S", "No", false), 0);
    EXPECT_NE(file.WriteString("S", "Text", "  as given "), 0);

    EXPECT_EQ(quorrel_test::ReadFile("written.qrc"),
        "[S]\nInt= 7 \nNegative= -42 \nColor= 10 20 30 \nYes=TRUE\nNo=FALSE\nText=  as given \n");

    EXPECT_EQ(file.GetInt("S", "Int"), 7);
    EXPECT_EQ(file.GetString("S", "Int"), "7");
    EXPECT_EQ(file.GetLong("S", "Negative"), -42);
    EXPECT_EQ(file.GetColor("S", "Color"), 0x001E140Au);
    EXPECT_TRUE(file.GetBool("S", "Yes"));
    EXPECT_FALSE(file.GetBool("S", "No"));
    EXPECT_EQ(file.GetString("S", "Text"), "as given");

    // A write is seen by the next read of the same key.
    file.WriteInt("s", "INT", 8);
    EXPECT_EQ(file.GetInt("S", "Int"), 8);
}

TEST_F(CommandFileTest, WriteFailureReturnsZero)
{
    CommandFile file("no-such-dir/x.qrc");
    EXPECT_EQ(file.WriteString("S", "K", "v"), 0);
}

TEST_F(CommandFileTest, CanReadTellsAMissingFileFromAnEmptyOne)
{
    std::filesystem::create_directory("folder.qrc");
    std::ofstream("empty.qrc");
    const struct {
        const char* path;
        bool readable;
    } cases[] = {
        {"command.qrc", true},
        {"empty.qrc", true},
        {"missing.qrc", false},
        {"no-such-dir/command.qrc", false},
        {"folder.qrc", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommandFile(c.path).CanRead(), c.readable) << c.path;
}

}  // namespace
