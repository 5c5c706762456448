#include "core/PostprocSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "core/PostprocDialogs.h"

namespace koratune {

namespace {

const QString ImageFilter = QStringLiteral("Bitmap File(*.bmp)");

} // namespace

QString PostprocSession::chooseFile(QWidget* parent, const QString& caption, FileUse use) {
    const QString name = use == FileUse::Open
                             ? dialogs.openFileName(parent, caption, lastFileName_, ImageFilter)
                             : dialogs.saveFileName(parent, caption, lastFileName_, ImageFilter);
    if (!name.isEmpty())
        lastFileName_ = name;
    return name;
}

QString PostprocSession::proposedSheetName() const {
    if (lastFileName_.isEmpty())
        return QString();
    const QFileInfo last(lastFileName_);
    return last.dir().filePath(last.completeBaseName() + QStringLiteral(".png"));
}

bool PostprocSession::requireImage(QWidget* parent, const QString& title) {
    if (!images.isEmpty())
        return true;
    dialogs.warning(
        parent, title,
        QCoreApplication::translate("koratune::PostprocSession",
                                    "No image is open yet.\n\nOpen a frame image first with "
                                    "ﾌｧｲﾙ → 画像を開く (Ctrl+O)."));
    return false;
}

} // namespace koratune
