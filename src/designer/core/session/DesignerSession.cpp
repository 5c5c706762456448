#include "core/session/DesignerSession.h"

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

DesignerSession::DesignerSession(DesignerDialogs& dialogsToUse, std::uint64_t seed,
                                 const QString& recoveryFolder)
    : dialogs(dialogsToUse), random(seed), renderRun(random),
      designFolder(QCoreApplication::applicationDirPath()), recovery(recoveryFolder),
      koratuneProgram(programBesideThisOne(QStringLiteral("koratune"))) {
    ApplyDefaults(document);
    history.startAfresh();
    // Saved or discarded changes need no recovery.
    QObject::connect(&history, &DesignHistory::modifiedChanged, &history, [this](bool modified) {
        if (!modified)
            recovery.remove();
    });
}

common::Status DesignerSession::keepRecovery() {
    if (!history.isModified())
        return common::Status::success();
    return recovery.write(document, documentFile);
}

} // namespace kirabellum
