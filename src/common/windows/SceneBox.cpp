#include "common/windows/SceneBox.h"

#include "common/Dialogs.h"
#include "common/ImageFile.h"

#include <QColorDialog>
#include <QSettings>
#include <QSignalBlocker>

namespace common {

namespace {

// The choices as the box names them, in the order of SceneBox::Choice.
const char* const captions[] = {
    QT_TRANSLATE_NOOP("common::SceneBox", "黒"),
    QT_TRANSLATE_NOOP("common::SceneBox", "市松模様"),
    QT_TRANSLATE_NOOP("common::SceneBox", "色..."),
    QT_TRANSLATE_NOOP("common::SceneBox", "画像..."),
};
// Their names in the settings.
const char* const names[] = {"black", "checkerboard", "colour", "picture"};

} // namespace

SceneBox::SceneBox(Dialogs& dialogs, QWidget* parent) : QComboBox(parent), dialogs_(dialogs) {
    for ([[maybe_unused]] const char* caption : captions)
        addItem(QString());
    // The box grows with its texts when the language changes.
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    retranslate();
    connect(this, &QComboBox::activated, this,
            [this](int index) { choose(static_cast<Choice>(index)); });
}

void SceneBox::retranslate() {
    for (int choice = 0; choice < count(); ++choice)
        setItemText(choice, tr(captions[choice]));
    setToolTip(tr("エンジンが描く背景"));
}

void SceneBox::choose(Choice choice) {
    if (choice == Colour) {
        const QColor colour = QColorDialog::getColor(QColor(scene_.colour), this, tr("背景の色"));
        if (colour.isValid())
            scene_.colour = colour.rgb();
        else
            choice = static_cast<Choice>(scene_.kind);
    } else if (choice == Picture) {
        const QString path = dialogs_
                                 .openFile(tr("背景の画像"), picturePath_,
                                           {{tr("画像"),
                                             {QStringLiteral("*.png"), QStringLiteral("*.bmp"),
                                              QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")}}})
                                 .path;
        QImage picture;
        const Status status = path.isEmpty() ? Status::success() : readImage(path, picture);
        if (!status.ok())
            dialogs_.warning(tr("背景の画像"), status.message());
        if (path.isEmpty() || !status.ok()) {
            choice = static_cast<Choice>(scene_.kind);
        } else {
            picturePath_ = path;
            scene_.picture = picture;
        }
    }
    showChoice(choice);
}

void SceneBox::showChoice(Choice choice) {
    scene_.kind = static_cast<SceneKind>(choice);
    {
        const QSignalBlocker quiet(this);
        setCurrentIndex(choice);
    }
    Q_EMIT sceneChanged();
}

void SceneBox::save(QSettings& settings) const {
    settings.setValue(QStringLiteral("Scene"),
                      QString::fromLatin1(names[static_cast<int>(scene_.kind)]));
    settings.setValue(QStringLiteral("SceneColour"), QColor(scene_.colour).name());
    settings.setValue(QStringLiteral("ScenePicture"), picturePath_);
}

void SceneBox::load(QSettings& settings) {
    const QColor colour(settings.value(QStringLiteral("SceneColour")).toString());
    if (colour.isValid())
        scene_.colour = colour.rgb();
    picturePath_ = settings.value(QStringLiteral("ScenePicture")).toString();
    const QString name = settings.value(QStringLiteral("Scene")).toString();
    Choice choice = Black;
    for (int known = Black; known <= Picture; ++known)
        if (name == QLatin1String(names[known]))
            choice = static_cast<Choice>(known);
    if (choice == Picture && !readImage(picturePath_, scene_.picture).ok())
        choice = Black;
    showChoice(choice);
}

} // namespace common
