// The designer's window tests drive real widgets; they need a QApplication
// (run them with QT_QPA_PLATFORM=offscreen where there is no display).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
