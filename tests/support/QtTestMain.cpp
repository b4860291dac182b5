#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/TestEnvironment.h"

int main(int argc, char** argv)
{
    quorrel_test::EnterTestDirectory();
    // Sessions that want a real display ask for it, and get it when there is one (xvfb-run).
    if (std::getenv("QUORREL_TEST_ON_DISPLAY") != nullptr && std::getenv("DISPLAY") != nullptr)
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    testing::InitGoogleTest(&argc, argv);
    int result = 0;
    {
        QApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    quorrel_test::RemoveTestDirectory();
    return result;
}
