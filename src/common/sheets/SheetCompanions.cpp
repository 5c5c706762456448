#include "common/sheets/SheetCompanions.h"

#include "common/sheets/MotionVectorSheet.h"

#include <QFileInfo>

namespace common {

void SheetCompanions::addMotionVectors(const std::vector<std::vector<MotionVectorFrame>>& motion,
                                       MotionVectorPreset preset, int frameStep,
                                       const QString& imagePath) {
    const MotionVectorSheet vectors = makeMotionVectorSheet(motion, description.atlas, preset);
    const QString path = companionPath(imagePath, QStringLiteral("_mv"));
    images.push_back({path, vectors.image});
    description.motionVectors = SheetDescription::MotionVectors{QFileInfo(path).fileName(), preset,
                                                                vectors.scale, frameStep};
}

} // namespace common
