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

DesignerSession::DesignerSession(DesignerDialogs& dialogsToUse, std::uint64_t seed)
    : dialogs(dialogsToUse), random(seed), renderRun(random),
      designFolder(QCoreApplication::applicationDirPath()),
      koratuneProgram(programBesideThisOne(QStringLiteral("koratune"))) {
    ApplyDefaults(document);
    history.startAfresh();
}

} // namespace kirabellum
