#include "tests/support/HermeticEnvironment.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    kestrom::test::HermeticEnvironment::install();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
