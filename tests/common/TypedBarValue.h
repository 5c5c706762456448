#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace common::test {

// Double-clicks the value label `label`, checks that the field opened over it
// shows `shown` (when given), types `text` over it and ends with `key`.
inline void typeBarValue(QLabel* label, const QString& text, Qt::Key key,
                         const QString& shown = QString()) {
    QTest::mouseDClick(label, Qt::LeftButton);
    auto* field = label->parentWidget()->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    ASSERT_TRUE(field->isVisible());
    if (!shown.isEmpty()) {
        EXPECT_EQ(field->text(), shown);
    }
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, key);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace common::test
