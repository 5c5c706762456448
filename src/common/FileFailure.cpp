#include "common/FileFailure.h"

#include <QFileDevice>

#include <system_error>

namespace common {

QString fileFailureReason(int errorNumber, const QFileDevice& file, const QString& fallback) {
    const QString system =
        errorNumber != 0 ? QString::fromStdString(std::generic_category().message(errorNumber))
                         : QString();
    // Qt's text when a device failed without keeping a reason.
    const QString unknown = QStringLiteral("Unknown error");
    const QString own = file.error() != QFileDevice::NoError && file.errorString() != unknown
                            ? file.errorString()
                            : QString();
    if (own.isEmpty())
        return system.isEmpty() ? fallback : system;
    if (system.isEmpty() || own.contains(system))
        return own;
    return QStringLiteral("%1 (%2)").arg(own, system);
}

} // namespace common
