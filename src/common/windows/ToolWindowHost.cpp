#include "common/windows/ToolWindowHost.h"

#include "common/ScreenUnits.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>

namespace common {

namespace {

const QString OpenWindowsKey = QStringLiteral("ToolWindows/open");

} // namespace

ToolWindowHost::ToolWindowHost(QMdiArea& area, int kindCount)
    : QObject(&area), area_(area), slots_(static_cast<std::size_t>(kindCount)) {}

void ToolWindowHost::registerWindow(int kind, Kind settings) {
    slot(kind).settings = std::move(settings);
    if (slot(kind).viewAction)
        slot(kind).viewAction->setEnabled(true);
}

bool ToolWindowHost::isAvailable(int kind) const {
    return bool(slot(kind).settings.create);
}

void ToolWindowHost::setViewAction(int kind, QAction* action) {
    slot(kind).viewAction = action;
    action->setCheckable(true);
    action->setEnabled(isAvailable(kind));
    tick(kind);
}

void ToolWindowHost::tick(int kind) {
    if (QAction* action = slot(kind).viewAction)
        action->setChecked(window(kind) != nullptr);
}

QWidget* ToolWindowHost::window(int kind) const {
    return slot(kind).window.data();
}

QMdiSubWindow* ToolWindowHost::frame(int kind) const {
    return slot(kind).frame.data();
}

QWidget* ToolWindowHost::open(int kind) {
    Slot& entry = slot(kind);
    if (entry.window)
        return entry.window;
    if (!entry.settings.create)
        return nullptr;

    QWidget* content = entry.settings.create();
    auto* frame = new QMdiSubWindow;
    frame->setWidget(content);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    // A fixed size and no maximize button.
    frame->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | entry.settings.frameButtons);
    // A window without an icon of its own shows the program's.
    if (!content->testAttribute(Qt::WA_SetWindowIcon))
        frame->setWindowIcon(area_.window()->windowIcon());
    area_.addSubWindow(frame);
    entry.frame = frame;
    entry.window = content;

    if (entry.settings.load)
        entry.settings.load(*content);
    fitToContents(*content);
    place(kind);
    frame->show();

    tick(kind);
    showHintWhileEmpty();
    connect(frame, &QObject::destroyed, this, [this, kind](QObject* going) {
        if (QAction* action = slot(kind).viewAction)
            action->setChecked(false);
        showHintWhileEmpty(going);
    });
    Q_EMIT opened(kind);
    return content;
}

void ToolWindowHost::showAndFocus(int kind) {
    if (QWidget* content = open(kind)) {
        area_.setActiveSubWindow(slot(kind).frame);
        slot(kind).frame->raise();
        content->setFocus();
    }
    // A click on the checkable menu item toggled its tick; it follows the window.
    tick(kind);
}

void ToolWindowHost::place(int kind) {
    const Slot& entry = slot(kind);
    if (entry.frame && entry.settings.positionTwips) {
        const QPoint twips = entry.settings.positionTwips();
        entry.frame->move(twipsToPixels(twips.x()), twipsToPixels(twips.y()));
    }
}

void ToolWindowHost::rememberOpenWindows(const QString& program) const {
    QList<QVariant> open;
    for (int kind = 0; kind < static_cast<int>(slots_.size()); ++kind)
        if (window(kind))
            open << kind;
    QSettings(program, program).setValue(OpenWindowsKey, open);
}

void ToolWindowHost::reopenRememberedWindows(const QString& program) {
    const QList<QVariant> open = QSettings(program, program).value(OpenWindowsKey).toList();
    for (const QVariant& value : open) {
        const int kind = value.toInt();
        if (kind >= 0 && kind < static_cast<int>(slots_.size()))
            this->open(kind);
    }
}

void ToolWindowHost::setEmptyAreaHint(const QString& text) {
    if (!hint_) {
        hint_ = new QLabel(area_.viewport());
        hint_->setAlignment(Qt::AlignCenter);
        hint_->setAttribute(Qt::WA_TransparentForMouseEvents);
        hint_->setStyleSheet(QStringLiteral("color: #f0f0f0;"));
        auto* layout = new QVBoxLayout(area_.viewport());
        layout->addWidget(hint_, 0, Qt::AlignCenter);
    }
    hint_->setText(text);
    showHintWhileEmpty();
}

QLabel* ToolWindowHost::emptyAreaHint() const {
    return hint_;
}

void ToolWindowHost::showHintWhileEmpty(const QObject* going) {
    if (!hint_)
        return;
    const bool empty = std::all_of(slots_.begin(), slots_.end(), [going](const Slot& entry) {
        return entry.frame.isNull() || entry.frame == going;
    });
    hint_->setVisible(empty && !hint_->text().isEmpty());
}

void ToolWindowHost::fitToContents(QWidget& window) {
    window.adjustSize();
    window.setFixedSize(window.sizeHint());
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window.parentWidget())) {
        // Release the old fixed size before taking the new one.
        frame->setMinimumSize(0, 0);
        frame->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        frame->adjustSize();
        frame->setFixedSize(frame->sizeHint());
    }
}

} // namespace common
