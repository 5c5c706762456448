#include "common/windows/ToolWindowHost.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace common {
namespace {

// A host of two kinds of label windows; the second stands right of the first,
// by the first's width when it was last opened.
class ToolWindowHostTest : public testing::Test {
protected:
    void SetUp() override {
        area.resize(800, 600);
        for (int kind : {0, 1}) {
            ToolWindowHost::Kind settings;
            settings.create = [kind] { return new QLabel(QStringLiteral("window %1").arg(kind)); };
            settings.positionTwips = [this, kind] {
                return kind == 0 ? QPoint(150, 300) : QPoint(firstWidth * 15, 0);
            };
            settings.load = [this](QWidget& window) { loaded.push_back(&window); };
            host.registerWindow(kind, std::move(settings));
            actions[kind].setParent(&area);
            host.setViewAction(kind, &actions[kind]);
        }
        QObject::connect(&host, &ToolWindowHost::opened, &host, [this](int kind) {
            if (kind == 0)
                firstWidth = host.frame(0)->width();
        });
    }

    QMdiArea area;
    ToolWindowHost host{area, 3};
    QAction actions[2];
    std::vector<QWidget*> loaded;
    int firstWidth = 0;
};

TEST_F(ToolWindowHostTest, OpensEachKindOnceLoadedFittedPlacedAndTicked) {
    EXPECT_FALSE(host.isAvailable(2));
    EXPECT_EQ(host.open(2), nullptr);
    EXPECT_FALSE(actions[0].isChecked());

    QWidget* first = host.open(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(host.open(0), first);
    EXPECT_EQ(loaded, std::vector<QWidget*>{first});
    EXPECT_TRUE(actions[0].isChecked());
    EXPECT_FALSE(actions[1].isChecked());
    const QMdiSubWindow* frame = host.frame(0);
    EXPECT_EQ(frame->pos(), QPoint(10, 20)) << "150 and 300 twips";
    EXPECT_EQ(first->size(), first->sizeHint());
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize()) << "a fixed size";
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    host.open(1);
    EXPECT_EQ(host.frame(1)->pos(), QPoint(frame->width(), 0));
}

TEST_F(ToolWindowHostTest, ClosingUnticksAndTheViewCommandOpensAgainWithTheFocus) {
    host.open(0);
    host.frame(0)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(host.window(0), nullptr);
    EXPECT_FALSE(actions[0].isChecked());

    actions[0].setChecked(false); // as a click on the menu item leaves it
    host.showAndFocus(0);
    ASSERT_NE(host.window(0), nullptr);
    EXPECT_TRUE(actions[0].isChecked());
    EXPECT_EQ(area.activeSubWindow(), host.frame(0));
}

TEST_F(ToolWindowHostTest, FittingFollowsContentsThatChangeSize) {
    auto* label = static_cast<QLabel*>(host.open(0));
    const QSize before = host.frame(0)->size();
    label->setText(QStringLiteral("a much longer text than the window had before"));
    ToolWindowHost::fitToContents(*label);
    EXPECT_EQ(label->size(), label->sizeHint());
    EXPECT_GT(host.frame(0)->width(), before.width());
    EXPECT_EQ(host.frame(0)->minimumSize(), host.frame(0)->maximumSize());
}

TEST_F(ToolWindowHostTest, TheWindowsOpenAtQuitOpenAgainAtTheNextStart) {
    // The settings are the test's own.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    host.open(1);
    host.rememberOpenWindows(QStringLiteral("hosttest"));
    host.frame(1)->close();

    QMdiArea nextArea;
    ToolWindowHost next{nextArea, 3};
    for (int kind : {0, 1})
        next.registerWindow(kind, {[] { return new QLabel; }, {}, {}, {}});
    next.reopenRememberedWindows(QStringLiteral("hosttest"));
    EXPECT_EQ(next.window(0), nullptr);
    EXPECT_NE(next.window(1), nullptr);
}

TEST_F(ToolWindowHostTest, TheHintShowsWhileNoWindowIsOpen) {
    area.show();
    host.setEmptyAreaHint(QStringLiteral("New, or open a design"));
    ASSERT_NE(host.emptyAreaHint(), nullptr);
    EXPECT_TRUE(host.emptyAreaHint()->isVisible());
    host.open(0);
    EXPECT_FALSE(host.emptyAreaHint()->isVisible());
    delete host.frame(0);
    EXPECT_TRUE(host.emptyAreaHint()->isVisible());
}

} // namespace
} // namespace common
