#pragma once

#include "common/RenderProgress.h"
#include "common/Status.h"
#include "common/WorkerPool.h"
#include "common/sheets/SheetCompanions.h"
#include "common/sheets/SheetOptions.h"
#include "core/document/DesignDocument.h"
#include "core/render/AtlasRender.h"
#include "core/render/RenderRun.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace kirabellum {

// The export window's sheet of several animations: the design shown (named
// `name`, rendered as `rendered` was, from the seed it started at) and the
// design files after it, each with its own settings, rendered by AtlasRender
// as `kirabellum render` renders them, and made into the files written.
// The window asks again at every change of its options; the designs are
// rendered again only when the change alters what is rendered (the designs,
// variants, palette and dithering, frame step, recordings): a new crop,
// trim, scale or layout takes the frames already rendered.
class AtlasExport {
public:
    AtlasExport(common::WorkerPool& workers, const DesignDocument& design, const QString& name,
                const RenderRun& rendered, const QString& application, const QString& version);

    // The files of the sheet of this design and `designFiles` with `options`,
    // to be written to `imagePath`. A render for them reports to `progress`;
    // one it stops keeps nothing, and the next call renders again.
    common::Status sheetFiles(const QStringList& designFiles, const common::SheetOptions& options,
                              const QString& imagePath, common::SheetCompanions& files,
                              const common::RenderProgress& progress = {});

    // How many times the designs were rendered.
    int renderCount() const { return renderCount_; }

private:
    common::Status render(const QStringList& designFiles, const AtlasRequest& request,
                          const common::RenderProgress& progress);

    common::WorkerPool& workers_;
    const DesignDocument& design_;
    QString name_;
    const RenderRun& rendered_;
    QString application_;
    QString version_;
    std::unique_ptr<AtlasRender> render_;
    QStringList designFiles_;
    int renderCount_ = 0;
};

} // namespace kirabellum
