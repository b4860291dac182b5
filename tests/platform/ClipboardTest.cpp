#include "platform/Clipboard.h"

#include <gtest/gtest.h>

namespace {

const std::string kComponents = "Components";

TEST(ClipboardTest, HoldsOneFormatAtATime)
{
    Clipboard::Empty();
    EXPECT_FALSE(Clipboard::HasData(kComponents));
    EXPECT_TRUE(Clipboard::GetData(kComponents).empty());

    Clipboard::SetData(kComponents, {1, 2, 3});
    EXPECT_TRUE(Clipboard::HasData(kComponents));
    EXPECT_EQ(Clipboard::GetData(kComponents), (std::vector<std::uint8_t>{1, 2, 3}));
    // Reading leaves the data for the next paste.
    EXPECT_EQ(Clipboard::GetData(kComponents).size(), 3U);

    Clipboard::SetData("Text", {9});
    EXPECT_FALSE(Clipboard::HasData(kComponents));
    EXPECT_TRUE(Clipboard::GetData(kComponents).empty());
    EXPECT_FALSE(Clipboard::HasData(""));

    Clipboard::Empty();
    EXPECT_FALSE(Clipboard::HasData("Text"));
}

}  // namespace
