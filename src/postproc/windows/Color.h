#pragma once

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace common {
class PictureBox;
}

namespace koratune {

class PostprocSession;
class Wait;

// The colour window "ColorTranceform": a hue shift and a saturation change,
// shown as degrees, percent and a shifted hue strip; apply recolours the whole
// work image from the base image inside the progress window.
class Color : public QWidget {
    Q_OBJECT

public:
    explicit Color(PostprocSession& session, QWidget* parent = nullptr);

    QScrollBar* HScroll1() const { return hScroll1_; }
    QScrollBar* HScroll2() const { return hScroll2_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    common::PictureBox* Picture1() const { return picture1_; }
    // 0: the hue cycle as shifted by the scroll bar; 1: two hue cycles side by
    // side, never shown, the source of picture 0.
    common::PictureBox* Picture2(int index) const { return picture2_[index]; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }

    // Takes both values into the shared settings and recolours in the
    // progress window, which is modal; returns when it has closed.
    void Command1_Click();
    // Sets both scroll bars back to 0; nothing is recoloured until apply.
    void Command2_Click();

Q_SIGNALS:
    // The progress window of an apply is open and about to start its run.
    void progressWindowOpened(Wait* wait);
    // The window was closed.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showHueShift();
    void showSaturationShift();
    void retranslate();

    PostprocSession& session_;
    QScrollBar* hScroll1_;
    QLabel* label2_;
    common::PictureBox* picture1_;
    std::array<common::PictureBox*, 2> picture2_;
    QScrollBar* hScroll2_;
    QLabel* label1_;
    QPushButton* command1_;
    QPushButton* command2_;
    QGroupBox* hueGroup_;
    QGroupBox* saturationGroup_;
};

} // namespace koratune
