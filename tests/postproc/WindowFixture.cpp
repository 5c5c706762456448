#include "WindowFixture.h"

#include "common/ImageFile.h"
#include "windows/Console.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QScrollBar>

namespace koratune {

void WindowFixture::SetUp() {
    ASSERT_TRUE(folder.isValid());
    session = std::make_unique<PostprocSession>(dialogs);
    mainWindow = std::make_unique<MDIForm1>(*session);
    mainWindow->show();
}

void WindowFixture::TearDown() {
    mainWindow.reset();
    session.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString WindowFixture::pathOf(const QString& name) const {
    return folder.filePath(name);
}

QString WindowFixture::writeBitmap(const QString& name, const QImage& image) const {
    const QString path = pathOf(name);
    const common::Status status = common::writeImage(path, image);
    EXPECT_TRUE(status.ok()) << status.message().toStdString();
    return path;
}

void WindowFixture::openImage(const QImage& image) {
    dialogs.openAnswers.push_back(writeBitmap(QStringLiteral("opened.bmp"), image));
    mainWindow->findChild<QAction*>(QStringLiteral("Open"))->trigger();
    ASSERT_FALSE(session->images.isEmpty());
}

void WindowFixture::applyFrameSettings(int frameSize, int frameCount, int skipStep, int startFrame,
                                       bool flipHorizontal, bool flipVertical) {
    Console* console = mainWindow->console();
    ASSERT_NE(console, nullptr);
    console->HScroll1(0)->setValue(frameSize);
    console->HScroll1(1)->setValue(frameCount);
    console->HScroll1(2)->setValue(skipStep);
    console->HScroll1(3)->setValue(startFrame + 1);
    console->Check3()->setChecked(flipHorizontal);
    console->Check4()->setChecked(flipVertical);
    console->Command1()->click();
}

} // namespace koratune
