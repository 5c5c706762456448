// The designer's window tests drive real widgets on Qt's offscreen platform.
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // The tests never need a display, also when the build lists them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Whatever a test leaves in the user's folders goes to Qt's test folders.
    QStandardPaths::setTestModeEnabled(true);
    // Settings (the recent designs) are each test process's own: tests run side
    // by side.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
