#include "core/session/DesignLifecycle.h"

#include "common/FileNames.h"
#include "core/document/DesignFile.h"
#include "core/document/DesignFormat.h"
#include "core/document/LayerEffects.h"
#include "core/session/DesignerSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <utility>

namespace kirabellum {

namespace {

const QString Title = QStringLiteral("Kirabellum");

QString nameOrUntitled(const QString& path) {
    return path.isEmpty() ? QCoreApplication::translate("kirabellum::DesignLifecycle", "無題")
                          : QFileInfo(path).fileName();
}

// The dialogs of Open and Save offer the command's own format first and the
// JSON form second.
common::FileFilters filterWithJson(const DesignFormat& own) {
    return {own.filter, DesignFormat::of(DesignFormat::Json).filter};
}

// Where the design file dialogs start: at the file last chosen, in its folder.
QString proposedFile(const DesignerSession& session, const QString& fileName) {
    return QDir(session.designFolder).filePath(QFileInfo(fileName).fileName());
}

// The format of what was chosen there: JSON when its filter was chosen or the
// name ends in ".json", otherwise the command's own format.
const DesignFormat& chosenFormat(const common::Dialogs::FileChoice& choice,
                                 const DesignFormat& own) {
    const DesignFormat& json = DesignFormat::of(DesignFormat::Json);
    return choice.filterIndex == 1 || DesignFormat::forPath(choice.path) == &json ? json : own;
}

} // namespace

DesignLifecycle::DesignLifecycle(DesignerSession& session, Windows windows)
    : session_(session), windows_(std::move(windows)) {}

bool DesignLifecycle::keepUnsavedChanges() {
    if (!session_.history.isModified())
        return true;
    const QString name = documentName();
    switch (session_.dialogs.askToSave(
        Title, QCoreApplication::translate("kirabellum::DesignLifecycle",
                                           "デザイン「%1」への変更を保存しますか？")
                   .arg(name))) {
    case common::Dialogs::SaveAnswer::Save:
        return saveInPlace();
    case common::Dialogs::SaveAnswer::Discard:
        return true;
    case common::Dialogs::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void DesignLifecycle::newDesign() {
    if (!keepUnsavedChanges())
        return;
    NewDesign(session_.document);
    windows_(WindowRequest::OpenForNewDesign);
    windows_(WindowRequest::Refresh);
    startDocument(QString());
}

void DesignLifecycle::open(const DesignFormat& own) {
    if (!keepUnsavedChanges())
        return;
    const common::Dialogs::FileChoice choice = session_.dialogs.openFile(
        QString(), proposedFile(session_, session_.designFileName), filterWithJson(own));
    if (choice.path.isEmpty())
        return;
    openDesign(choice.path, chosenFormat(choice, own));
}

bool DesignLifecycle::openDesign(const QString& path) {
    return openDesign(path, DesignFormat::toRead(path));
}

bool DesignLifecycle::openDesign(const QString& path, const DesignFormat& format) {
    remember(path);
    // The whole file is read and checked before the design changes, so a damaged
    // file leaves the design, and every window, as it was.
    DesignDocument read = session_.document;
    const common::Status status = format.read(path, read);
    if (!status.ok()) {
        session_.dialogs.warning(Title, status.message());
        return false;
    }
    showDocument(read, path);
    session_.recentDesigns.add(path);
    return true;
}

void DesignLifecycle::openRecentDesign(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        session_.dialogs.warning(
            Title, QCoreApplication::translate(
                       "kirabellum::DesignLifecycle",
                       "デザイン「%1」が見つかりません。最近使ったデザインの一覧から外します。")
                       .arg(QDir::toNativeSeparators(path)));
        session_.recentDesigns.remove(path);
        return;
    }
    if (keepUnsavedChanges())
        openDesign(path);
}

void DesignLifecycle::openSample(const DesignDocument& design, const QString& fileName) {
    if (!keepUnsavedChanges())
        return;
    showDocument(design, QString());
    untitledName_ = fileName;
}

bool DesignLifecycle::isDesignFile(const QString& path) {
    return DesignFormat::forPath(path) != nullptr;
}

void DesignLifecycle::openDropped(const QString& path) {
    if (keepUnsavedChanges())
        openDesign(path);
}

bool DesignLifecycle::save() {
    const DesignFormat& own = DesignFormat::of(DesignFormat::Version12);
    const QString held = session_.documentFile.isEmpty() && !untitledName_.isEmpty()
                             ? untitledName_
                             : session_.designFileName;
    // Layer effects only keep in the JSON form, so that is what is proposed.
    const QString proposed =
        usesLayerEffects(session_.document)
            ? withExtension(held, DesignFormat::of(DesignFormat::Json).extension)
            : proposedSaveName(held);
    const common::Dialogs::FileChoice choice = session_.dialogs.saveFile(
        QString(), proposedFile(session_, proposed), filterWithJson(own), QString());
    if (choice.path.isEmpty())
        return false;
    const DesignFormat& format = chosenFormat(choice, own);
    const QString path = common::withDefaultExtension(choice.path, format.extension);
    remember(path);
    return write(path, format);
}

bool DesignLifecycle::saveInPlace() {
    const QString& path = session_.documentFile;
    const DesignFormat* format = DesignFormat::forPath(path);
    if (path.isEmpty() || format == nullptr || !format->writable())
        return save();
    return write(path, *format);
}

bool DesignLifecycle::write(const QString& path, const DesignFormat& format) {
    if (format.kind != DesignFormat::Version12 || !usesLayerEffects(session_.document))
        return writeFile(path, format, true);
    const DesignFormat& json = DesignFormat::of(DesignFormat::Json);
    const QString jsonPath = withExtension(path, json.extension);
    enum Choice { SaveAsJson, SaveWithoutEffects };
    switch (session_.dialogs.choose(
        Title,
        QCoreApplication::translate(
            "kirabellum::DesignLifecycle",
            "このデザインは .df2 形式に保存できないレイヤー効果（%1）を使って"
            "います。代わりに JSON 形式で「%2」に保存しますか？")
            .arg(layerEffectNames(session_.document), QFileInfo(jsonPath).fileName()),
        {QCoreApplication::translate("kirabellum::DesignLifecycle", "JSON で保存(&J)"),
         QCoreApplication::translate("kirabellum::DesignLifecycle", "効果なしで保存(&W)"),
         QCoreApplication::translate("kirabellum::DesignLifecycle", "キャンセル")})) {
    case SaveAsJson:
        remember(jsonPath);
        return writeFile(jsonPath, json, true);
    case SaveWithoutEffects:
        return writeFile(path, format, false);
    default:
        return false;
    }
}

bool DesignLifecycle::writeFile(const QString& path, const DesignFormat& format, bool whole) {
    const common::Status status = format.write(path, session_.document);
    if (!status.ok()) {
        session_.dialogs.warning(Title, status.message());
        return false;
    }
    session_.documentFile = path;
    if (whole)
        session_.history.markSaved();
    else
        session_.history.forgetSavedState();
    session_.recentDesigns.add(path);
    windows_(WindowRequest::ShowTitle);
    session_.events.reportWritten({path});
    return true;
}

QString DesignLifecycle::documentName() const {
    return nameOrUntitled(session_.documentFile);
}

bool DesignLifecycle::offerRecovery() {
    RecoveryStore& recovery = session_.recovery;
    // A file that cannot be removed would be offered again at every start.
    const auto discard = [this, &recovery](const RecoveryStore::Entry& entry) {
        const common::Status discarded = recovery.discard(entry);
        if (!discarded.ok())
            session_.dialogs.warning(Title, discarded.message());
    };
    for (const RecoveryStore::Entry& entry : recovery.leftBehind()) {
        if (!entry.problem.ok()) {
            session_.dialogs.warning(Title, entry.problem.message());
            discard(entry);
            continue;
        }
        const QString question =
            QCoreApplication::translate(
                "kirabellum::DesignLifecycle",
                "保存されずに終了したデザイン「%1」があります（%2 に記録）。復元しますか？")
                .arg(nameOrUntitled(entry.designFileName),
                     entry.written.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")));
        if (!session_.dialogs.askYesNo(Title, question)) {
            discard(entry);
            continue;
        }
        DesignDocument restored = session_.document;
        QString fileName;
        const common::Status status = recovery.restore(entry, restored, fileName);
        if (!status.ok()) {
            session_.dialogs.warning(Title, status.message());
            discard(entry);
            continue;
        }
        windows_(WindowRequest::OpenClosedWindows);
        session_.document = restored;
        windows_(WindowRequest::Refresh);
        if (!fileName.isEmpty())
            remember(fileName);
        session_.documentFile = fileName;
        session_.history.startAfreshUnsaved();
        windows_(WindowRequest::ShowTitle);
        // The restored design is this designer's to keep now; the old file goes
        // once it is safe in this designer's own.
        if (session_.keepRecovery().ok())
            discard(entry);
        return true;
    }
    return false;
}

void DesignLifecycle::showDocument(const DesignDocument& design, const QString& path) {
    windows_(WindowRequest::OpenClosedWindows);
    session_.document = design;
    windows_(WindowRequest::Refresh);
    startDocument(path);
}

void DesignLifecycle::startDocument(const QString& path) {
    untitledName_.clear();
    session_.documentFile = path;
    session_.history.startAfresh();
    windows_(WindowRequest::ShowTitle);
}

void DesignLifecycle::remember(const QString& path) {
    session_.designFileName = path;
    session_.designFolder = QFileInfo(path).absolutePath();
}

} // namespace kirabellum
