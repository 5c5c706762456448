#include <gtest/gtest.h>

#include <QApplication>

// The windows need an application object; the tests run with the offscreen
// platform (QT_QPA_PLATFORM=offscreen).
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
