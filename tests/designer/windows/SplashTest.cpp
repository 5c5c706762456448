#include "DesignerFixture.h"

#include "windows/main/Sprs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace kirabellum {
namespace {

TEST(SplashTest, PictureSizeCaptionAndItsThreeWaysToClose) {
    QPointer<Sprs> clicked = new Sprs(nullptr);
    EXPECT_EQ(clicked->windowTitle(), QStringLiteral("Kirabellum"));
    EXPECT_EQ(clicked->size(), QSize(299, 227));
    EXPECT_EQ(clicked->Timer1()->interval(), 5000);
    EXPECT_TRUE(clicked->Timer1()->isActive());
    clicked->show();
    QTest::mouseClick(clicked.data(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(clicked.isNull());

    QPointer<Sprs> timedOut = new Sprs(nullptr);
    timedOut->show();
    timedOut->Timer1()->setInterval(1); // the 5 seconds, shortened
    timedOut->Timer1()->start();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return timedOut.isNull();
    }));
}

// The splash is frameless, and a question asked while it is up (the restore
// question at start) closes it and comes in front.
TEST(SplashTest, FramelessAndClosedByAQuestion) {
    QPointer<Sprs> splash = Sprs::showSplash();
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    common::WidgetDialogs dialogs;
    bool asked = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        asked = true;
        EXPECT_TRUE(splash.isNull() || !splash->isVisible());
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(dialogs.askYesNo(QStringLiteral("Kirabellum"), QStringLiteral("?")));
    EXPECT_TRUE(asked);
}

using VersionCommandTest = DesignerFixture;

TEST_F(VersionCommandTest, ShowsTheSplashAndChangesNothingElse) {
    const DesignDocument before = session->document;
    mainWindow->Version->trigger();
    Sprs* splash = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* candidate = qobject_cast<Sprs*>(widget); candidate && candidate->isVisible())
            splash = candidate;
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(session->document.sameDesignAs(before));

    // Chosen again while it is open, the same window only comes to the front.
    mainWindow->Version->trigger();
    int visibleSplashes = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* candidate = qobject_cast<Sprs*>(widget); candidate && candidate->isVisible()) {
            ++visibleSplashes;
            EXPECT_EQ(candidate, splash);
        }
    EXPECT_EQ(visibleSplashes, 1);
    splash->close();
}

} // namespace
} // namespace kirabellum
