#pragma once

#include "core/PostprocEvents.h"
#include "core/SharedSettings.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace koratune {

class PostprocSession;

// The output window: lays the used frames out on a new sheet with a chosen
// number of columns and writes either the sheet as one bitmap or each of its
// cells as a numbered bitmap. It reads the shared settings when it opens; an
// exported sheet's metadata states `framesPerSecond`, the console's rate.
class Output : public QDialog {
    Q_OBJECT

public:
    Output(PostprocSession& session, int framesPerSecond, QWidget* parent = nullptr);

    QRadioButton* Option1(int index) const { return option1_[index]; }
    QScrollBar* HScroll1() const { return hScroll1_; }
    QLabel* Label2() const { return label2_; }
    QLabel* Label3() const { return label3_; }
    QLabel* Label4() const { return label4_; }
    QPushButton* Command1(int index) const { return command1_[index]; }
    QPushButton* Command2() const { return command2_; }

    // Asks for a file name, composes the sheet and writes it or its frames,
    // then closes. Cancel in the file dialog, or a failure, keeps it open.
    void write();
    // Opens the export window over the frames this window writes, laid out
    // on its columns unless the export window's options say otherwise.
    void Command2_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void HScroll1_Change();
    void placeSheetOption();
    void retranslate();
    // What the status bar says after the sheet, or the sequence of frames,
    // was written under the chosen name.
    static StatusText writtenSheetText(const QString& fileName, QSize size);
    StatusText writtenSequenceText(const QString& fileName) const;
    // ... and after the export window wrote a sheet and its metadata.
    static StatusText writtenExportText(const QStringList& fileNames);

    PostprocSession& session_;
    int framesPerSecond_;
    SharedSettings settings_;
    QGroupBox* sheetGroup_;
    std::array<QRadioButton*, 2> option1_{};
    QScrollBar* hScroll1_;
    QLabel* label2_;
    QLabel* label3_;
    QLabel* label4_;
    // The captions of the rows: columns, rows, size of the output image.
    std::array<QLabel*, 3> rowLabels_{};
    std::array<QPushButton*, 2> command1_{};
    QPushButton* command2_;
};

} // namespace koratune
