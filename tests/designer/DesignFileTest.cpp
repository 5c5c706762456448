#include "core/document/DesignFile.h"
#include "core/document/DesignFormat.h"
#include "core/document/DesignJson.h"

#include "EffectsDesign.h"
#include "RandomDesign.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace kirabellum {
namespace {

std::string bytesOf(const DesignDocument& document) {
    std::ostringstream stream;
    EXPECT_TRUE(WriteDesignFile(stream, document).ok());
    return stream.str();
}

common::Status readBytes(const std::string& bytes, DesignFileVersion version,
                         DesignDocument& document) {
    std::istringstream stream(bytes);
    return ReadDesignFile(stream, version, document);
}

std::string hex(const std::string& bytes, std::size_t from, std::size_t count) {
    std::string text;
    char part[4];
    for (std::size_t index = from; index < from + count; ++index) {
        std::snprintf(part, sizeof part, "%02X ", static_cast<unsigned char>(bytes[index]));
        text += part;
    }
    text.pop_back();
    return text;
}

DesignDocument newDesign() {
    DesignDocument document;
    NewDesign(document);
    return document;
}

TEST(DesignFileLayout, DefaultDesignIsTheDocumentedBytes) {
    const std::string bytes = bytesOf(newDesign());
    ASSERT_EQ(bytes.size(), 33603u);
    EXPECT_EQ(hex(bytes, 0, 14), "00 14 00 A0 00 0A 00 04 00 00 80 3F 80 02");
    std::string pairs;
    for (int direction = 0; direction < DirectionTotal; ++direction)
        pairs += " 20 00";
    for (int layer = 0; layer < LayerTotal; ++layer) {
        const std::size_t start = 14 + 91 * static_cast<std::size_t>(layer);
        EXPECT_EQ(hex(bytes, start, 91),
                  "00 50 00 50 00 00 02 18 00 00 23 50" + pairs + " 00 00 00 00 00 01 00")
            << "layer " << layer + 1;
    }
    for (int force = 0; force < 3; ++force)
        EXPECT_EQ(hex(bytes, 742 + 9 * static_cast<std::size_t>(force), 9),
                  "00 00 80 40 00 00 00 00 00");
    EXPECT_EQ(bytes.substr(769, 32768), std::string(32768, '\0'));
    EXPECT_EQ(hex(bytes, 33537, 2), "10 00");
    EXPECT_EQ(bytes.substr(33539), std::string(64, '\0'));
}

TEST(DesignFileLayout, EmptyRampWritesTheLengthAlone) {
    DesignDocument document;
    ApplyDefaults(document);
    const std::string bytes = bytesOf(document);
    ASSERT_EQ(bytes.size(), 33539u);
    EXPECT_EQ(hex(bytes, 33537, 2), "00 00");

    document.RampLength = -3; // written as it is, with no entries after it
    EXPECT_EQ(bytesOf(document).size(), 33539u);
}

TEST(DesignFileLayout, FieldsStandAtTheirOffsets) {
    DesignDocument document = newDesign();
    document.layer(3).LayerX = 0x1234;
    document.layer(3).LayerShape[35] = -2;
    document.layer(3).LayerBurstStep = 0x0507;
    document.Gravity[1] = {1, 1.0f, 2.0f};
    document.SparkImage[5].at(3, 2) = common::makeColour(0x11, 0x22, 0x33);
    document.RampLength = 2;
    document.ColorRamp[1] = common::makeColour(0xAA, 0xBB, 0xCC);
    const std::string bytes = bytesOf(document);

    EXPECT_EQ(hex(bytes, 14 + 91 * 2 + 1, 2), "34 12");
    EXPECT_EQ(hex(bytes, 14 + 91 * 2 + 12 + 70, 2), "FE FF");
    EXPECT_EQ(hex(bytes, 14 + 91 * 2 + 89, 2), "07 05");
    // Gravity stands as Power, Angle, Use.
    EXPECT_EQ(hex(bytes, 742 + 9, 9), "00 00 00 40 00 00 80 3F 01");
    EXPECT_EQ(hex(bytes, 769 + 4096 * 5 + 128 * 2 + 4 * 3, 4), "11 22 33 00");
    EXPECT_EQ(hex(bytes, 33537, 10), "02 00 00 00 00 00 AA BB CC 00");
}

TEST(DesignFileRoundTrip, RandomDesignsComeBackIdentical) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        const DesignDocument original = randomDesign(seed);
        DesignDocument read;
        ASSERT_TRUE(readBytes(bytesOf(original), DesignFileVersion::V1_2, read).ok());
        // Entries past RampLength are not in the file.
        DesignDocument expected = original;
        for (int index = original.RampLength; index < RampCapacity; ++index)
            expected.ColorRamp[static_cast<std::size_t>(index)] = 0;
        EXPECT_TRUE(read.sameDesignAs(expected)) << "seed " << seed;
        EXPECT_EQ(bytesOf(read), bytesOf(original)) << "seed " << seed;
    }
}

TEST(DesignFileRoundTrip, ReadKeepsRenderCancelAndRampTail) {
    DesignDocument document = randomDesign(7);
    document.RenderCancel = 1;
    document.ColorRamp[255] = 0x0A0B0C;
    document.RampLength = 3;
    ASSERT_TRUE(readBytes(bytesOf(newDesign()), DesignFileVersion::V1_2, document).ok());
    EXPECT_EQ(document.RenderCancel, 1);
    EXPECT_EQ(document.RampLength, 16);
    EXPECT_EQ(document.ColorRamp[255], 0x0A0B0Cu);
}

TEST(DesignFileRoundTrip, ReadingLeavesNoLayerEffectsBehind) {
    const std::string bytes = bytesOf(newDesign());
    for (const DesignFileVersion version : {DesignFileVersion::V1_2, DesignFileVersion::V1_1}) {
        DesignDocument document = designWithEffects(3);
        const std::string file =
            version == DesignFileVersion::V1_2
                ? bytes
                : bytes.substr(0, DesignSparkOffset + DesignSparkImageBytes) +
                      bytes.substr(DesignSparkOffset + LayerTotal * DesignSparkImageBytes);
        ASSERT_TRUE(readBytes(file, version, document).ok());
        for (const LayerSettings& layer : document.Layers)
            EXPECT_FALSE(layer.usesEffects());
    }
}

// A version 1.1 file: the version 1.2 layout with only the first spark image.
std::string version11Bytes(const DesignDocument& document) {
    const std::string full = bytesOf(document);
    return full.substr(0, DesignSparkOffset + DesignSparkImageBytes) +
           full.substr(DesignSparkOffset + LayerTotal * DesignSparkImageBytes);
}

TEST(DesignFileVersion11, OneSparkImageFillsAllEightSlots) {
    DesignDocument source = newDesign();
    for (int y = 0; y < SparkEdge; ++y)
        for (int x = 0; x < SparkEdge; ++x)
            source.SparkImage[0].at(x, y) = common::makeColour(x * 8, y * 8, 77);
    source.ColorRamp[15] = common::makeColour(1, 2, 3);
    const std::string bytes = version11Bytes(source);
    ASSERT_EQ(bytes.size(), 4931u);

    DesignDocument read;
    ASSERT_TRUE(readBytes(bytes, DesignFileVersion::V1_1, read).ok());
    for (int slot = 0; slot < LayerTotal; ++slot)
        EXPECT_EQ(read.SparkImage[static_cast<std::size_t>(slot)].pixels,
                  source.SparkImage[0].pixels)
            << "slot " << slot;
    EXPECT_EQ(read.RampLength, 16);
    EXPECT_EQ(read.ColorRamp[15], common::makeColour(1, 2, 3));
    EXPECT_EQ(bytesOf(read).size(), 33603u);
}

TEST(DesignFormat, TheExtensionNamesTheFormatInAnyCase) {
    const DesignFormat* const version12 = &DesignFormat::of(DesignFormat::Version12);
    const DesignFormat* const version11 = &DesignFormat::of(DesignFormat::Version11);
    const DesignFormat* const json = &DesignFormat::of(DesignFormat::Json);
    const struct {
        const char* path;
        const DesignFormat* format;
    } cases[] = {
        {"a/b.df2", version12},  {"a/b.DF2", version12}, {"a/b.df1", version11},
        {"a/b.Df1", version11},  {"a/b.json", json},     {"a/b.JSON", json},
        {"a/b.design", nullptr}, {"a/bdf2", nullptr},    {"a.json/b", nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DesignFormat::forPath(QString::fromUtf8(c.path)), c.format) << c.path;
    EXPECT_EQ(&DesignFormat::toRead(QStringLiteral("a/b.design")), version12);
    EXPECT_EQ(&DesignFormat::toRead(QStringLiteral("a/b.json")), json);
    EXPECT_EQ(DesignFormat::extensions(false), QStringLiteral(".df2, .df1 or .json"));
    EXPECT_EQ(DesignFormat::extensions(true), QStringLiteral(".df2 or .json"));
}

TEST(DesignFileName, SaveProposesDf2) {
    const struct {
        const char* held;
        const char* proposed;
    } cases[] = {
        {"/fire/big.df1", "/fire/big.df2"},
        {"/fire/big.df2", "/fire/big.df2"},
        {"/fire/big.old.df1", "/fire/big.old.df2"},
        {"/fire/big.", "/fire/big.df2"},
        {"/fire/big", "/fire/big.df2"},
        {"/fire.d/big", "/fire.d/big.df2"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(proposedSaveName(QString::fromUtf8(c.held)), QString::fromUtf8(c.proposed))
            << c.held;
}

class DesignFileDamage : public ::testing::Test {
protected:
    void SetUp() override {
        before = randomDesign(99);
        document = before;
    }
    void expectRefused(const std::string& bytes, DesignFileVersion version, const char* words) {
        const common::Status status = readBytes(bytes, version, document);
        EXPECT_FALSE(status.ok());
        EXPECT_TRUE(status.message().contains(QString::fromUtf8(words)))
            << status.message().toStdString();
        EXPECT_TRUE(document.sameDesignAs(before)) << "the design changed";
    }
    static std::string withRampLength(std::string bytes, int length) {
        bytes[33537] = static_cast<char>(length & 0xFF);
        bytes[33538] = static_cast<char>(length >> 8 & 0xFF);
        return bytes;
    }

    DesignDocument before;
    DesignDocument document;
};

TEST_F(DesignFileDamage, EmptyOrCutShortFilesAreRefused) {
    const std::string good = bytesOf(newDesign());
    for (std::size_t length : {0u, 1u, 13u, 14u, 500u, 742u, 768u, 769u, 20000u, 33537u, 33538u})
        expectRefused(good.substr(0, length), DesignFileVersion::V1_2, "too short");
    for (std::size_t length : {33539u, 33600u, 33602u})
        expectRefused(good.substr(0, length), DesignFileVersion::V1_2, "33603 bytes");
}

TEST_F(DesignFileDamage, RampLengthOutsideTheRampIsRefused) {
    const std::string good = bytesOf(newDesign());
    for (int length : {-1, 257, 32767, -32768})
        expectRefused(withRampLength(good, length), DesignFileVersion::V1_2, "outside 0 to 256");
}

TEST_F(DesignFileDamage, AFileOfAnotherKindIsRefusedSayingWhatWasExpected) {
    QByteArray json;
    ASSERT_TRUE(designToJson(newDesign(), json).ok());
    const struct {
        std::string bytes;
        DesignFileVersion version;
        const char* words;
    } cases[] = {
        {version11Bytes(newDesign()), DesignFileVersion::V1_2,
         "expected a version 1.2 design file, but the file holds a version 1.1 design"},
        {bytesOf(newDesign()), DesignFileVersion::V1_1,
         "expected a version 1.1 design file, but the file holds a version 1.2 design"},
        {json.toStdString(), DesignFileVersion::V1_2,
         "expected a version 1.2 design file, but the file holds JSON text"},
        {" \n[1, 2]", DesignFileVersion::V1_1,
         "expected a version 1.1 design file, but the file holds JSON text"},
    };
    for (const auto& c : cases)
        expectRefused(c.bytes, c.version, c.words);
}

TEST_F(DesignFileDamage, TrailingBytesAreRefused) {
    expectRefused(bytesOf(newDesign()) + "x", DesignFileVersion::V1_2, "33604 bytes");
}

TEST(DesignFileOnDisk, SavesAndReadsBackByName) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("burst.df2"));
    const DesignDocument design = randomDesign(3);
    ASSERT_TRUE(WriteDesignFile(path, design).ok());
    DesignDocument read;
    ASSERT_TRUE(ReadDesignFile(path, DesignFileVersion::V1_2, read).ok());
    EXPECT_EQ(bytesOf(read), bytesOf(design));
}

TEST(DesignFileOnDisk, SavingOverALongerFileLeavesNoStaleBytes) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("burst.df2"));
    DesignDocument design = newDesign();
    design.RampLength = 256;
    ASSERT_TRUE(WriteDesignFile(path, design).ok());
    design.RampLength = 16;
    ASSERT_TRUE(WriteDesignFile(path, design).ok());
    EXPECT_EQ(QFileInfo(path).size(), 33603);
}

TEST(DesignFileOnDisk, FailedSaveNamesTheFileAndKeepsTheOldOne) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("good.df2"));
    ASSERT_TRUE(WriteDesignFile(path, newDesign()).ok());
    const QByteArray good = [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();

    DesignDocument impossible = newDesign();
    impossible.RampLength = 300;
    const common::Status status = WriteDesignFile(path, impossible);
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), good);

    const QString missingFolder = folder.filePath(QStringLiteral("no/such/folder/x.df2"));
    const common::Status missing = WriteDesignFile(missingFolder, newDesign());
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.message().contains(missingFolder));
    EXPECT_FALSE(QFile::exists(missingFolder));
}

TEST(DesignFileOnDisk, MissingFileIsAClearFailure) {
    DesignDocument document = newDesign();
    const DesignDocument before = document;
    const common::Status status =
        ReadDesignFile(QStringLiteral("/no/such/design.df2"), DesignFileVersion::V1_2, document);
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(QStringLiteral("/no/such/design.df2")));
    EXPECT_TRUE(document.sameDesignAs(before));
}

} // namespace
} // namespace kirabellum
