#include "tests/support/HermeticEnvironment.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    kestrom::test::HermeticEnvironment::install(); // also selects the offscreen platform
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
