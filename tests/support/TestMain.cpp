#include <gtest/gtest.h>

#include "tests/support/TestEnvironment.h"

int main(int argc, char** argv)
{
    quorrel_test::EnterTestDirectory();
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    quorrel_test::RemoveTestDirectory();
    return result;
}
