#pragma once

#include "common/sheets/SheetOptions.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QMdiArea;
class QPushButton;

namespace common {

class Dialogs;
class EngineView;
class SceneBox;

// The preview of frames both programs show, as a game engine will show them:
// the picture (an EngineView) and, under it, the scene it is drawn over
// (black, a checkerboard, a colour, a picture), the engine's blend (additive,
// straight or premultiplied alpha), the zoom (1x to 8x or fit), a play button
// and the frame shown. The scene and the blend are remembered in the
// program's settings. The window that holds it takes the keys: Left and Right
// step through the frames, Space plays and stops.
class FramePreview : public QWidget {
    Q_OBJECT
public:
    // `program`: whose settings remember the scene and the blend; `dialogs`
    // ask for a picture for the scene.
    FramePreview(const QString& program, Dialogs& dialogs, QWidget* parent = nullptr);

    EngineView* picture() const { return picture_; }
    SceneBox* sceneBox() const { return scene_; }
    QComboBox* blendBox() const { return blend_; }
    // 1x to 8x (index 0 to 7), then fit.
    QComboBox* zoomBox() const { return zoom_; }
    QPushButton* playButton() const { return play_; }
    QLabel* frameLabel() const { return frame_; }

    // The window that holds the preview: it takes Left, Right and Space for
    // the preview while the focus is anywhere in it, its title is the
    // preview's, and it is fitted to its contents when the picture's size on
    // screen changes.
    void attachTo(QWidget& window);

    void setZoom(int zoom);
    // The play button reads "停止" while a playback runs, "再生" otherwise.
    void setPlaying(bool playing);
    // The frame shown (from 0) of `frameCount`; a negative frame shows none.
    void setFrame(int frame, int frameCount);
    int frame() const { return frameShown_; }

    // The holding window's title: `caption` ("Preview", "4/10"), with the
    // zoom the picture is shown at when it is zoomed out to fit the work area
    // ("4/10 (50%)").
    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }
    // Fits the holding window to its contents, with the picture as large as
    // its zoom asks and the work area (the main window's area, or else the
    // screen's) lets it be; call it when the picture's size changes.
    void fitWindow();

Q_SIGNALS:
    // Left or Right: the frame before (-1) or after (+1) the one shown.
    void stepRequested(int delta);
    // The play button or Space.
    void playRequested();
    // The user chose a zoom (1 to 8, or EngineView::FitZoom).
    void zoomChosen(int zoom);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslate();
    void remember() const;
    void recall();
    // The main window's area the holding window stands in, if any.
    QMdiArea* workArea() const;
    // The most room the picture may take on screen in the work area: the main
    // window's area, or else the screen's.
    QSize room() const;

    QString program_;
    QWidget* holder_ = nullptr;
    QPointer<QMdiArea> watchedArea_; // the work area whose size the picture follows
    QString caption_;
    EngineView* picture_;
    SceneBox* scene_;
    QComboBox* blend_;
    QComboBox* zoom_;
    QPushButton* play_;
    QLabel* frame_;
    bool playing_ = false;
    int frameShown_ = -1;
    int frameCount_ = 0;
};

} // namespace common
