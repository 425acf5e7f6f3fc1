#include <QApplication>
#include <gtest/gtest.h>

// Widget tests need one application object for the whole run; ctest runs them on the
// offscreen platform, and so does a plain run of the test program.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
