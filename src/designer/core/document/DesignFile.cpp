#include "core/document/DesignFile.h"

#include "common/AtomicFile.h"
#include "core/document/FloatBits.h"
#include "core/document/LayerEffects.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>

namespace kirabellum {

namespace {

// Appends little-endian fields to a byte string.
class ByteWriter {
public:
    void byte(std::uint8_t value) { bytes_.push_back(static_cast<char>(value)); }
    void int16(std::int16_t value) {
        const auto bits = static_cast<std::uint16_t>(value);
        byte(static_cast<std::uint8_t>(bits & 0xFF));
        byte(static_cast<std::uint8_t>(bits >> 8));
    }
    void uint32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            byte(static_cast<std::uint8_t>(value >> shift & 0xFF));
    }
    void float32(float value) { uint32(floatBits(value)); }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

// Reads little-endian fields from a byte string whose length was checked first.
class ByteReader {
public:
    explicit ByteReader(const std::string& bytes) : bytes_(bytes) {}

    std::uint8_t byte() { return static_cast<std::uint8_t>(bytes_[position_++]); }
    std::int16_t int16() {
        const std::uint16_t low = byte();
        const std::uint16_t high = byte();
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | high << 8));
    }
    std::uint32_t uint32() {
        std::uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8)
            value |= static_cast<std::uint32_t>(byte()) << shift;
        return value;
    }
    float float32() { return floatFromBits(uint32()); }
    std::size_t position() const { return position_; }

private:
    const std::string& bytes_;
    std::size_t position_ = 0;
};

void writeLayer(ByteWriter& out, const LayerSettings& layer) {
    out.byte(layer.LayerUse);
    out.int16(layer.LayerX);
    out.int16(layer.LayerY);
    out.int16(layer.LayerCount);
    out.int16(layer.LayerRadius);
    out.byte(layer.LayerMinSpeed);
    out.byte(layer.LayerLife);
    out.byte(layer.LayerDecel);
    for (std::int16_t speed : layer.LayerShape)
        out.int16(speed);
    out.byte(layer.LayerBurstMode);
    out.int16(layer.LayerBurstFrom);
    out.int16(layer.LayerBurstTo);
    out.int16(layer.LayerBurstStep);
}

void readLayer(ByteReader& in, LayerSettings& layer) {
    layer.LayerUse = in.byte();
    layer.LayerX = in.int16();
    layer.LayerY = in.int16();
    layer.LayerCount = in.int16();
    layer.LayerRadius = in.int16();
    layer.LayerMinSpeed = in.byte();
    layer.LayerLife = in.byte();
    layer.LayerDecel = in.byte();
    for (std::int16_t& speed : layer.LayerShape)
        speed = in.int16();
    layer.LayerBurstMode = in.byte();
    layer.LayerBurstFrom = in.int16();
    layer.LayerBurstTo = in.int16();
    layer.LayerBurstStep = in.int16();
}

void readSparkImage(ByteReader& in, SparkBitmap& image) {
    for (int y = 0; y < SparkEdge; ++y)
        for (int x = 0; x < SparkEdge; ++x)
            image.at(x, y) = in.uint32();
}

QString versionName(DesignFileVersion version) {
    return version == DesignFileVersion::V1_1 ? QStringLiteral("1.1") : QStringLiteral("1.2");
}

} // namespace

int designFixedBytes(DesignFileVersion version) {
    const int images = version == DesignFileVersion::V1_1 ? 1 : LayerTotal;
    return DesignSparkOffset + images * DesignSparkImageBytes + 2;
}

common::Status WriteDesignFile(std::ostream& stream, const DesignDocument& document) {
    if (document.RampLength > RampCapacity)
        return common::Status::failure(
            QCoreApplication::translate("kirabellum::DesignFile",
                                        "the colour ramp holds %1 entries; at most %2 fit")
                .arg(document.RampLength)
                .arg(RampCapacity));
    ByteWriter out;
    out.byte(document.AfterimageOn);
    out.int16(document.Afterimage);
    out.int16(document.FrameSize);
    out.int16(document.FrameCount);
    out.byte(document.RefreshRate);
    out.float32(document.AddRate);
    out.int16(document.WidthLimit);
    for (const LayerSettings& layer : document.Layers)
        writeLayer(out, layer);
    // The file holds each force as Power, Angle, Use: not the record's order.
    for (const GravityForce& force : document.Gravity) {
        out.float32(force.Power);
        out.float32(force.Angle);
        out.byte(force.Use);
    }
    for (const SparkBitmap& image : document.SparkImage)
        for (common::Colour pixel : image.pixels)
            out.uint32(pixel);
    out.int16(document.RampLength);
    for (int index = 0; index < document.RampLength; ++index)
        out.uint32(document.ColorRamp[static_cast<std::size_t>(index)]);

    stream.write(out.bytes().data(), static_cast<std::streamsize>(out.bytes().size()));
    if (!stream)
        return common::Status::failure(QCoreApplication::translate(
            "kirabellum::DesignFile", "the design could not be written"));
    return common::Status::success();
}

namespace {

// Reads the whole content of a file of the given version into `document` when
// it is sound; otherwise leaves `document` as it was.
common::Status readDesignBytes(const std::string& bytes, DesignFileVersion version,
                               DesignDocument& document) {
    const auto fixedBytes = static_cast<std::size_t>(designFixedBytes(version));
    if (bytes.size() < fixedBytes)
        return common::Status::failure(
            QCoreApplication::translate(
                "kirabellum::DesignFile",
                "the file is too short for a version %1 design file (%2 bytes; at "
                "least %3 needed)")
                .arg(versionName(version))
                .arg(bytes.size())
                .arg(fixedBytes));

    DesignDocument read = document;
    ByteReader in(bytes);
    read.AfterimageOn = in.byte();
    read.Afterimage = in.int16();
    read.FrameSize = in.int16();
    read.FrameCount = in.int16();
    read.RefreshRate = in.byte();
    read.AddRate = in.float32();
    read.WidthLimit = in.int16();
    read.Render = RenderSettings(); // the layout holds no render settings
    dropLayerEffects(read);         // nor layer effects
    for (LayerSettings& layer : read.Layers)
        readLayer(in, layer);
    for (GravityForce& force : read.Gravity) {
        force.Power = in.float32();
        force.Angle = in.float32();
        force.Use = in.byte();
    }
    if (version == DesignFileVersion::V1_2) {
        for (SparkBitmap& image : read.SparkImage)
            readSparkImage(in, image);
    } else {
        readSparkImage(in, read.SparkImage[0]);
        for (int slot = 1; slot < LayerTotal; ++slot)
            read.SparkImage[static_cast<std::size_t>(slot)] = read.SparkImage[0];
    }

    const std::int16_t rampLength = in.int16();
    if (rampLength < 0 || rampLength > RampCapacity)
        return common::Status::failure(
            QCoreApplication::translate(
                "kirabellum::DesignFile",
                "the colour ramp length %1 is outside 0 to %2; the file is damaged "
                "or is not a version %3 design file")
                .arg(rampLength)
                .arg(RampCapacity)
                .arg(versionName(version)));
    const std::size_t expectedBytes = fixedBytes + 4 * static_cast<std::size_t>(rampLength);
    if (bytes.size() != expectedBytes)
        return common::Status::failure(
            QCoreApplication::translate(
                "kirabellum::DesignFile",
                "a version %1 design file with %2 ramp entries is %3 bytes long, but "
                "this file has %4 bytes; it is damaged or of the other version")
                .arg(versionName(version))
                .arg(rampLength)
                .arg(expectedBytes)
                .arg(bytes.size()));
    read.RampLength = rampLength;
    for (int index = 0; index < rampLength; ++index)
        read.ColorRamp[static_cast<std::size_t>(index)] = in.uint32();

    read.RenderCancel = document.RenderCancel;
    document = read;
    return common::Status::success();
}

// A file of the wrong kind fails on a field its bytes happen to give; the
// message then says what the file is instead.
common::Status explainedFailure(const std::string& bytes, DesignFileVersion version,
                                const common::Status& failure) {
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    if (first != std::string::npos && (bytes[first] == '{' || bytes[first] == '['))
        return common::Status::failure(
            QCoreApplication::translate(
                "kirabellum::DesignFile",
                "expected a version %1 design file, but the file holds JSON text")
                .arg(versionName(version)));
    const DesignFileVersion other =
        version == DesignFileVersion::V1_1 ? DesignFileVersion::V1_2 : DesignFileVersion::V1_1;
    DesignDocument scratch;
    if (readDesignBytes(bytes, other, scratch).ok())
        return common::Status::failure(
            QCoreApplication::translate("kirabellum::DesignFile",
                                        "expected a version %1 design file, but the file "
                                        "holds a version %2 design")
                .arg(versionName(version), versionName(other)));
    return failure;
}

} // namespace

common::Status ReadDesignFile(std::istream& stream, DesignFileVersion version,
                              DesignDocument& document) {
    const std::string bytes{std::istreambuf_iterator<char>(stream),
                            std::istreambuf_iterator<char>()};
    if (stream.bad())
        return common::Status::failure(
            QCoreApplication::translate("kirabellum::DesignFile", "the design could not be read"));
    const common::Status read = readDesignBytes(bytes, version, document);
    if (!read.ok())
        return explainedFailure(bytes, version, read);
    return read;
}

common::Status WriteDesignFile(const QString& path, const DesignDocument& document) {
    const QString context =
        QCoreApplication::translate("kirabellum::DesignFile", "Cannot save the design to \"%1\"")
            .arg(path);
    std::ostringstream buffer;
    const common::Status written = WriteDesignFile(buffer, document);
    if (!written.ok())
        return written.prefixed(context);
    const std::string bytes = buffer.str();
    return common::writeFileAtomically(
               path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())))
        .prefixed(context);
}

common::Status ReadDesignFile(const QString& path, DesignFileVersion version,
                              DesignDocument& document) {
    const QString context =
        QCoreApplication::translate("kirabellum::DesignFile", "Cannot open the design \"%1\"")
            .arg(path);
    QByteArray bytes;
    const common::Status read = common::readWholeFile(path, bytes);
    if (!read.ok())
        return read.prefixed(context);
    std::istringstream stream(bytes.toStdString());
    return ReadDesignFile(stream, version, document).prefixed(context);
}

QString proposedSaveName(const QString& heldName) {
    if (heldName.isEmpty())
        return heldName;
    const QString fileName = QFileInfo(heldName).fileName();
    const qsizetype dot = heldName.lastIndexOf(QLatin1Char('.'));
    if (!fileName.contains(QLatin1Char('.')) || dot < heldName.size() - fileName.size())
        return heldName + QStringLiteral(".df2");
    return heldName.left(dot + 1) + QStringLiteral("df2");
}

} // namespace kirabellum
