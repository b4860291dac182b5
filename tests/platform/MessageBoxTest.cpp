#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(MessageBoxTest, SinkCapturesAndCounts)
{
    std::vector<std::string> captured;
    const int before = MessageBox::ShownCount();
    MessageBox::SetSink([&captured](const std::string& text) { captured.push_back(text); });
    testing::internal::CaptureStderr();
    MessageBox::Show("first");
    MessageBox::Show("second");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    MessageBox::SetSink(nullptr);

    EXPECT_EQ(captured, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(MessageBox::ShownCount(), before + 2);
}

TEST(MessageBoxTest, WithoutADisplayWritesOneLineToStandardError)
{
    // This test program has no application object, so there is no display to show a dialog on.
    const int before = MessageBox::ShownCount();
    testing::internal::CaptureStderr();
    MessageBox::Show("Cannot open\r\nthe file\nnow");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Cannot open the file now\n");
    EXPECT_EQ(MessageBox::ShownCount(), before + 1);
}

}  // namespace
