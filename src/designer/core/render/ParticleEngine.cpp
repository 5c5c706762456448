#include "core/render/ParticleEngine.h"

namespace kirabellum {

QString sparkColourMessage(int layer) {
    return QString::number(layer) +
           QStringLiteral("レイヤーのFireにパレット以外の色が使われています");
}

} // namespace kirabellum
