#include "core/session/RecoveryFile.h"

#include "common/AtomicFile.h"
#include "core/document/DesignFile.h"
#include "core/document/DesignJson.h"
#include "core/document/LayerEffects.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QTimeZone>

#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>

namespace kirabellum {

namespace {

constexpr char Magic[] = "KIRARECOVERY";
constexpr int MagicBytes = 12;
// Version 1 had no render settings, version 2 no layer effects; both are still
// read, as designers that ran before them may have left such files behind.
constexpr quint16 LayoutVersion = 3;
constexpr quint16 LayoutWithoutLayerEffects = 2;
constexpr quint16 LayoutWithoutRenderSettings = 1;
// The render settings' flags.
constexpr quint8 LoopFlag = 1;
constexpr quint8 FixedSeedFlag = 2;

} // namespace

common::Status writeRecoveryFile(std::ostream& stream, const DesignDocument& document,
                                 const QString& designFileName, const QDateTime& written) {
    std::ostringstream design;
    const common::Status designWritten = WriteDesignFile(design, document);
    if (!designWritten.ok())
        return designWritten;
    QByteArray effects;
    if (usesLayerEffects(document)) {
        const common::Status effectsWritten = layerEffectsToJson(document, effects);
        if (!effectsWritten.ok())
            return effectsWritten;
    }

    const RenderSettings& render = document.Render;
    const quint8 flags =
        static_cast<quint8>((render.Loop ? LoopFlag : 0) | (render.Seed ? FixedSeedFlag : 0));
    const QByteArray name = designFileName.toUtf8();
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData(Magic, MagicBytes);
    out << LayoutVersion << static_cast<qint64>(written.toMSecsSinceEpoch()) << flags
        << static_cast<quint64>(render.Seed.value_or(0)) << static_cast<quint32>(name.size());
    out.writeRawData(name.constData(), static_cast<int>(name.size()));
    out << static_cast<quint32>(effects.size());
    out.writeRawData(effects.constData(), static_cast<int>(effects.size()));

    const std::string designBytes = design.str();
    stream.write(header.constData(), static_cast<std::streamsize>(header.size()));
    stream.write(designBytes.data(), static_cast<std::streamsize>(designBytes.size()));
    if (!stream)
        return common::Status::failure(QCoreApplication::translate(
            "kirabellum::RecoveryFile", "the recovery file could not be written"));
    return common::Status::success();
}

common::Status readRecoveryFile(std::istream& stream, DesignDocument& document,
                                QString& designFileName, QDateTime& written) {
    const std::string bytes{std::istreambuf_iterator<char>(stream),
                            std::istreambuf_iterator<char>()};
    if (stream.bad())
        return common::Status::failure(QCoreApplication::translate(
            "kirabellum::RecoveryFile", "the recovery file could not be read"));
    if (bytes.empty())
        return common::Status::failure(
            QCoreApplication::translate("kirabellum::RecoveryFile", "the file is empty"));
    const QByteArray content =
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (!QByteArray(Magic).startsWith(content.left(MagicBytes)))
        return common::Status::failure(
            QCoreApplication::translate("kirabellum::RecoveryFile", "it is not a recovery file"));

    QDataStream in(content);
    in.setByteOrder(QDataStream::LittleEndian);
    in.skipRawData(MagicBytes);
    quint16 version = 0;
    in >> version;
    if (in.status() == QDataStream::Ok &&
        (version < LayoutWithoutRenderSettings || version > LayoutVersion))
        return common::Status::failure(
            QCoreApplication::translate(
                "kirabellum::RecoveryFile",
                "it has the layout version %1; this designer reads versions %2 to %3")
                .arg(version)
                .arg(LayoutWithoutRenderSettings)
                .arg(LayoutVersion));
    qint64 milliseconds = 0;
    quint8 flags = 0;
    quint64 seed = 0;
    quint32 nameBytes = 0;
    in >> milliseconds;
    if (version >= LayoutWithoutLayerEffects)
        in >> flags >> seed;
    in >> nameBytes;
    const qint64 nameStart = in.device()->pos();
    const QString cutShort =
        QCoreApplication::translate("kirabellum::RecoveryFile", "its header is cut short");
    if (in.status() != QDataStream::Ok || nameBytes > content.size() - nameStart)
        return common::Status::failure(cutShort);
    in.skipRawData(static_cast<int>(nameBytes));
    quint32 effectsBytes = 0;
    if (version == LayoutVersion)
        in >> effectsBytes;
    const qint64 effectsStart = in.device()->pos();
    if (in.status() != QDataStream::Ok || effectsBytes > content.size() - effectsStart)
        return common::Status::failure(cutShort);

    const qsizetype designStart = effectsStart + effectsBytes;
    std::istringstream design(bytes.substr(static_cast<std::size_t>(designStart)));
    DesignDocument read = document;
    common::Status designRead = ReadDesignFile(design, DesignFileVersion::V1_2, read);
    if (designRead.ok() && effectsBytes > 0)
        designRead = layerEffectsFromJson(content.mid(effectsStart, effectsBytes), read);
    if (!designRead.ok())
        return designRead.prefixed(
            QCoreApplication::translate("kirabellum::RecoveryFile", "its design is damaged"));
    read.Render.Loop = (flags & LoopFlag) != 0;
    if (flags & FixedSeedFlag)
        read.Render.Seed = seed;
    document = read;
    designFileName = QString::fromUtf8(content.mid(nameStart, nameBytes));
    written = QDateTime::fromMSecsSinceEpoch(milliseconds, QTimeZone::utc());
    return common::Status::success();
}

common::Status writeRecoveryFile(const QString& path, const DesignDocument& document,
                                 const QString& designFileName, const QDateTime& written) {
    const QString context = QCoreApplication::translate("kirabellum::RecoveryFile",
                                                        "Cannot write the recovery file \"%1\"")
                                .arg(path);
    std::ostringstream buffer;
    const common::Status result = writeRecoveryFile(buffer, document, designFileName, written);
    if (!result.ok())
        return result.prefixed(context);
    const std::string bytes = buffer.str();
    return common::writeFileAtomically(
               path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())))
        .prefixed(context);
}

common::Status readRecoveryFile(const QString& path, DesignDocument& document,
                                QString& designFileName, QDateTime& written) {
    const QString context = QCoreApplication::translate("kirabellum::RecoveryFile",
                                                        "Cannot read the recovery file \"%1\"")
                                .arg(path);
    QByteArray bytes;
    const common::Status result = common::readWholeFile(path, bytes);
    if (!result.ok())
        return result.prefixed(context);
    std::istringstream stream(bytes.toStdString());
    return readRecoveryFile(stream, document, designFileName, written).prefixed(context);
}

} // namespace kirabellum
