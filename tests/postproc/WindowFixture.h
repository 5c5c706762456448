#pragma once

#include "FakeDialogs.h"

#include "windows/MDIForm1.h"

#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace koratune {

// A main window with its tool windows as loaded, answering through fake
// dialogs, and a temporary folder for image files.
class WindowFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes `image` as a bitmap into the temporary folder; returns its path.
    QString writeBitmap(const QString& name, const QImage& image) const;
    QString pathOf(const QString& name) const;
    // Opens `image` through the Open entry, answering the dialog with its file.
    void openImage(const QImage& image);
    // Applies the console's frame settings.
    void applyFrameSettings(int frameSize, int frameCount, int skipStep, int startFrame,
                            bool flipHorizontal = false, bool flipVertical = false);

    common::test::FakeDialogs dialogs;
    QTemporaryDir folder;
    std::unique_ptr<PostprocSession> session;
    std::unique_ptr<MDIForm1> mainWindow;
};

} // namespace koratune
