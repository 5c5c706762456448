#pragma once

#include "common/Status.h"
#include "common/WorkerPool.h"
#include "common/sheets/SheetCompanions.h"
#include "common/sheets/SheetOptions.h"
#include "core/document/DesignDocument.h"
#include "core/render/RenderRun.h"

#include <QString>
#include <QStringList>

namespace kirabellum {

// The export window's sheet of several animations: the design shown (named
// `name`, rendered as `rendered` was, from the seed it started at) and the
// design files `designFiles` after it, each with its own settings, rendered
// with `options` by AtlasRender as `kirabellum render` renders them, and made
// into the files written to `imagePath`.
common::Status renderAtlasExport(common::WorkerPool& workers, const DesignDocument& design,
                                 const QString& name, const RenderRun& rendered,
                                 const QStringList& designFiles,
                                 const common::SheetOptions& options, const QString& imagePath,
                                 const QString& application, const QString& version,
                                 common::SheetCompanions& files);

} // namespace kirabellum
