#include "core/session/DesignerSession.h"

#include "common/FileNames.h"

#include <QCoreApplication>
#include <QDir>

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

} // namespace

DesignerSession::DesignerSession(common::Dialogs& dialogsToUse, std::uint64_t seed,
                                 const QString& recoveryFolder)
    : dialogs(dialogsToUse), random(seed), renderRun(random, workers),
      designFolder(common::userFolder(common::UserFolder::Documents)), recovery(recoveryFolder),
      koratuneProgram(programBesideThisOne(QStringLiteral("koratune"))) {
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
