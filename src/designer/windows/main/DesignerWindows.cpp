#include "windows/main/DesignerWindows.h"

#include "common/windows/LanguageMenu.h"
#include "common/windows/WidgetDialogs.h"
#include "common/windows/WindowTranslations.h"
#include "core/ProgramInfo.h"
#include "core/session/DesignerSession.h"
#include "windows/editors/F_Color.h"
#include "windows/editors/F_Editer.h"
#include "windows/editors/F_Effect.h"
#include "windows/editors/F_Gravity.h"
#include "windows/editors/F_Hinoko.h"
#include "windows/main/MDIForm1.h"
#include "windows/main/Sprs.h"
#include "windows/render/F_Animation.h"
#include "windows/render/F_Preview.h"
#include "windows/tools/ToolWindowHost.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>

namespace kirabellum {

void registerDesignerWindows(ToolWindowHost& windows) {
    windows.registerWindow(ToolKind::Editer,
                           [](DesignerSession& session) { return new F_Editer(session); });
    windows.registerWindow(ToolKind::Gravity,
                           [](DesignerSession& session) { return new F_Gravity(session); });
    windows.registerWindow(ToolKind::Color,
                           [](DesignerSession& session) { return new F_Color(session); });
    windows.registerWindow(ToolKind::Hinoko,
                           [](DesignerSession& session) { return new F_Hinoko(session); });
    windows.registerWindow(ToolKind::Animation,
                           [](DesignerSession& session) { return new F_Animation(session); });
    windows.registerWindow(ToolKind::Preview,
                           [](DesignerSession& session) { return new F_Preview(session); });
    windows.registerWindow(ToolKind::Effect,
                           [](DesignerSession& session) { return new F_Effect(session); });
    // A render opens the preview, which then shows its frames until it ends.
    QObject::connect(&windows.session().events, &DesignerEvents::renderStarted, &windows,
                     [&windows](int frameSize, QRgb background) {
                         if (auto* preview = windows.openAs<F_Preview>(ToolKind::Preview))
                             preview->prepareForRender(frameSize, background);
                     });
    // F5 renders from anywhere in the main window as the render button does,
    // opening the render settings window when it is closed.
    auto* render = new QAction(&windows);
    render->setShortcut(F_Animation::renderShortcut());
    windows.addMainWindowAction(render);
    QObject::connect(render, &QAction::triggered, &windows, [&windows] {
        if (auto* animation = windows.openAs<F_Animation>(ToolKind::Animation))
            animation->Command1->click();
    });
}

int runDesignerWindows(int& argc, char** argv, const QString& designPath,
                       std::optional<common::InterfaceLanguage> language) {
    QApplication application(argc, argv);
    // The window system finds the menu entry, and so the icon, by this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(ProgramId));
    common::WindowTranslations translations(language.value_or(common::savedInterfaceLanguage()));
    common::WidgetDialogs dialogs;
    DesignerSession session(dialogs);
    MDIForm1 mainWindow(session);
    // Message boxes and the splash take the program's icon too.
    application.setWindowIcon(mainWindow.windowIcon());
    dialogs.setMainWindow(&mainWindow);
    registerDesignerWindows(mainWindow.windows());
    common::addLanguageMenu(*mainWindow.VIEW, translations);
    mainWindow.reopenToolWindows();
    mainWindow.show();

    Sprs::showSplash();

    // A design left behind by a crash comes first; a design named on the
    // command line opens when none is restored.
    if (!mainWindow.offerRecovery() && !designPath.isEmpty())
        mainWindow.openDesign(designPath);
    return application.exec();
}

} // namespace kirabellum
