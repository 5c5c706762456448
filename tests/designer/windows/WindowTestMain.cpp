#include <gtest/gtest.h>

#include <QApplication>

// The windows need an application object. Without a display of their own the
// tests draw offscreen, also when CTest lists them at build time.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
