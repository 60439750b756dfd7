// Entry of the artwork tests: pixmaps need a GUI application, but never a screen.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char* argv[]) {
    // Listing the tests at build time runs this binary without the test environment, so default here too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
