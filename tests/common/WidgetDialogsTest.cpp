#include "common/windows/WidgetDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace common {
namespace {

// The answer is the index of the button pressed; Escape gives the last choice.
TEST(WidgetDialogs, ChooseAnswersWithTheIndexOfTheButtonPressed) {
    const QStringList choices = {QStringLiteral("First"), QStringLiteral("Second"),
                                 QStringLiteral("Cancel")};
    const struct {
        const char* pressed; // a choice, or nullptr for Escape
        int answer;
    } cases[] = {{"First", 0}, {"Second", 1}, {"Cancel", 2}, {nullptr, 2}};
    for (const auto& c : cases) {
        WidgetDialogs dialogs;
        QTimer::singleShot(0, [&c] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            if (!c.pressed) {
                QTest::keyClick(box, Qt::Key_Escape);
                return;
            }
            for (QAbstractButton* button : box->buttons())
                if (button->text() == QString::fromUtf8(c.pressed))
                    button->click();
        });
        EXPECT_EQ(dialogs.choose(QStringLiteral("Title"), QStringLiteral("?"), choices), c.answer)
            << (c.pressed ? c.pressed : "Escape");
    }
}

} // namespace
} // namespace common
