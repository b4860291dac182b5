#include <gtest/gtest.h>
TEST(Dummy, D) {}
