#pragma once

#include "FakeDialogs.h"

#include "common/windows/WidgetDialogs.h"
#include "core/session/DesignerSession.h"
#include "windows/editors/DesignCanvas.h"
#include "windows/main/DesignerWindows.h"
#include "windows/main/MDIForm1.h"
#include "windows/tools/ToolWindowHost.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace kirabellum {

// A designer as the program starts it, without the splash: a session answered
// by FakeDialogs, the main window and every available tool window registered,
// and a folder for the test's files; with the mouse and scroll-bar work the
// window tests do.
class DesignerFixture : public ::testing::Test {
protected:
    // Made in the constructor, so that the tests' own fixtures can open windows
    // in theirs.
    DesignerFixture()
        : session(std::make_unique<DesignerSession>(dialogs, 0, recoveryFolder())),
          mainWindow(std::make_unique<MDIForm1>(*session)) {
        registerDesignerWindows(mainWindow->windows());
        mainWindow->show();
    }
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    void TearDown() override {
        mainWindow.reset();
        session.reset();
    }
    ToolWindowHost& windows() { return mainWindow->windows(); }
    QString path(const QString& name) const { return folder.filePath(name); }
    QString recoveryFolder() const { return path("recovery"); }
    QString path(const char* name) const { return path(QString::fromUtf8(name)); }
    template <class Window> Window* open(ToolKind kind) { return windows().openAs<Window>(kind); }

    // Closes a tool window as its close button does.
    void closeWindow(ToolKind kind) {
        windows().window(kind)->parentWidget()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(windows().window(kind), nullptr);
    }

    // Writes a file of the given bytes for the test to load.
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        const QString file = path(name);
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly)) << file.toStdString();
        out.write(bytes);
        return file;
    }

    // Writes a picture file for the test to load (24-bit bitmap or PNG by name).
    QString writePicture(const QString& name, const QImage& image) const {
        const QString file = path(name);
        EXPECT_TRUE(image.save(file)) << file.toStdString();
        return file;
    }

public:
    // Where a part of a scroll bar (an arrow, the slider) lies in it.
    static QRect partOf(QScrollBar* bar, QStyle::SubControl part) {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.upsideDown = bar->invertedAppearance();
        option.subControls = QStyle::SC_All;
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
    }

    // Clicks the arrow at the right or the left end of a scroll bar once.
    static void clickArrow(QScrollBar* bar, bool rightArrow) {
        const QRect add = partOf(bar, QStyle::SC_ScrollBarAddLine);
        const QRect sub = partOf(bar, QStyle::SC_ScrollBarSubLine);
        const QRect right = add.center().x() > sub.center().x() ? add : sub;
        const QRect left = add.center().x() > sub.center().x() ? sub : add;
        QTest::mouseClick(bar, Qt::LeftButton, {}, (rightArrow ? right : left).center());
    }

    // A press (and release) on a canvas at a position in design units, which
    // may lie between pixels.
    static void press(DesignCanvas* canvas, QPointF position, Qt::MouseButton button) {
        const QPointF local = position + QPointF(DesignCanvas::Border, DesignCanvas::Border);
        const QPointF global = canvas->mapToGlobal(local);
        QMouseEvent down(QEvent::MouseButtonPress, local, global, button, button, {});
        QApplication::sendEvent(canvas, &down);
        QMouseEvent up(QEvent::MouseButtonRelease, local, global, button, {}, {});
        QApplication::sendEvent(canvas, &up);
    }

    // True when `colour` is at (x, y) of the image or one pixel beside it, so
    // that a figure's exact rasterisation does not matter.
    static bool colourNear(const QImage& image, int x, int y, QRgb colour) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint point(x + dx, y + dy);
                if (image.rect().contains(point) &&
                    (image.pixel(point) & 0xFFFFFF) == (colour & 0xFFFFFF))
                    return true;
            }
        return false;
    }

protected:
    QTemporaryDir folder;
    common::test::FakeDialogs dialogs;
    std::unique_ptr<DesignerSession> session;
    std::unique_ptr<MDIForm1> mainWindow;
};

} // namespace kirabellum
