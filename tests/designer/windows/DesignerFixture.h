#pragma once

#include "TestDialogs.h"

#include "core/session/DesignerSession.h"
#include "windows/main/DesignerWindows.h"
#include "windows/main/MDIForm1.h"
#include "windows/tools/ToolWindowHost.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace kirabellum {

// A designer as the program starts it, without the splash: a session answered
// by TestDialogs, the main window and every available tool window registered.
class DesignerFixture : public ::testing::Test {
protected:
    void SetUp() override {
        session = std::make_unique<DesignerSession>(dialogs);
        mainWindow = std::make_unique<MDIForm1>(*session);
        registerDesignerWindows(mainWindow->windows());
        mainWindow->show();
        ASSERT_TRUE(folder.isValid());
    }
    void TearDown() override {
        mainWindow.reset();
        session.reset();
    }
    ToolWindowHost& windows() { return mainWindow->windows(); }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }

    TestDialogs dialogs;
    std::unique_ptr<DesignerSession> session;
    std::unique_ptr<MDIForm1> mainWindow;
    QTemporaryDir folder;
};

} // namespace kirabellum
