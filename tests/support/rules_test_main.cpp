#include <QCoreApplication>
#include <gtest/gtest.h>

// The rules tests run without a window system: Qt Core and the rules under test only.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
