#include "core/document/SeedText.h"

namespace kirabellum {

std::optional<std::uint64_t> seedFromText(const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar character : text)
        if (character.unicode() < u'0' || character.unicode() > u'9')
            return std::nullopt;
    bool valid = false;
    const qulonglong seed = text.toULongLong(&valid);
    if (!valid) // more than 64 bits
        return std::nullopt;
    return static_cast<std::uint64_t>(seed);
}

QString seedText(std::uint64_t seed) {
    return QString::number(static_cast<qulonglong>(seed));
}

} // namespace kirabellum
