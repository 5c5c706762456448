#pragma once

#include "common/sheets/SceneBackground.h"

#include <QComboBox>
#include <QString>

class QSettings;

namespace common {

class Dialogs;

// The box where a preview's scene is chosen: black, a checkerboard, a colour
// (asked with the colour chooser) or a picture (asked through the file
// dialogs, read as the programs read pictures). A cancelled question, or a
// picture that cannot be read (its message shown), keeps the scene before.
class SceneBox : public QComboBox {
    Q_OBJECT
public:
    // The choices, in the order of the box and of SceneKind.
    enum Choice { Black, Checkerboard, Colour, Picture };

    explicit SceneBox(Dialogs& dialogs, QWidget* parent = nullptr);

    const SceneBackground& scene() const { return scene_; }
    void choose(Choice choice);

    // The scene kept in `settings` and taken back; a picture that can no
    // longer be read leaves black.
    void save(QSettings& settings) const;
    void load(QSettings& settings);

    // Its texts in the language installed now; the window that holds it calls
    // it with its own, so that it lays them out together.
    void retranslate();

Q_SIGNALS:
    void sceneChanged();

private:
    void showChoice(Choice choice);

    Dialogs& dialogs_;
    SceneBackground scene_;
    QString picturePath_;
};

} // namespace common
