#include "core/session/DesignerSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kirabellum {

namespace {

QString programBesideThisOne(const QString& name) {
#ifdef Q_OS_WIN
    const QString fileName = name + QStringLiteral(".exe");
#else
    const QString fileName = name;
#endif
    return QDir(QCoreApplication::applicationDirPath()).filePath(fileName);
}

// Where the file dialogs start: the program's own folder, where designs sit
// beside a program copied into a folder of its own; once installed, where the
// user cannot write (/usr/bin), the user's documents folder instead.
QString startFolder() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(programFolder).isWritable())
        return programFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

DesignerSession::DesignerSession(common::Dialogs& dialogsToUse, std::uint64_t seed,
                                 const QString& recoveryFolder)
    : dialogs(dialogsToUse), random(seed), renderRun(random, workers), designFolder(startFolder()),
      recovery(recoveryFolder), koratuneProgram(programBesideThisOne(QStringLiteral("koratune"))) {
    ApplyDefaults(document);
    history.startAfresh();
    // Saved or discarded changes need no recovery. A removal that fails here
    // is tried again, and its failure reported, by the next keepRecovery().
    QObject::connect(&history, &DesignHistory::modifiedChanged, &history, [this](bool modified) {
        if (!modified)
            static_cast<void>(recovery.remove());
    });
}

common::Status DesignerSession::keepRecovery() {
    // Without unsaved changes the file has no business being there: were it
    // left, the next start would offer a design that was saved or discarded.
    if (!history.isModified())
        return recovery.remove();
    return recovery.write(document, documentFile);
}

} // namespace kirabellum
