#include "core/document/DesignJson.h"

#include "common/Rounding.h"
#include "core/document/DesignFile.h"
#include "core/document/FloatBits.h"
#include "core/document/LayerEffects.h"

#include "EffectsDesign.h"
#include "RandomDesign.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <sstream>
#include <string>

namespace kirabellum {
namespace {

std::string fileBytesOf(const DesignDocument& document) {
    std::ostringstream stream;
    EXPECT_TRUE(WriteDesignFile(stream, document).ok());
    return stream.str();
}

DesignDocument readFileBytes(const std::string& bytes) {
    DesignDocument document;
    std::istringstream stream(bytes);
    EXPECT_TRUE(ReadDesignFile(stream, DesignFileVersion::V1_2, document).ok());
    return document;
}

QByteArray jsonOf(const DesignDocument& document) {
    QByteArray json;
    const common::Status status = designToJson(document, json);
    EXPECT_TRUE(status.ok()) << status.message().toStdString();
    return json;
}

QJsonObject jsonObjectOf(const DesignDocument& document) {
    return QJsonDocument::fromJson(jsonOf(document)).object();
}

DesignDocument newDesign() {
    DesignDocument document;
    NewDesign(document);
    return document;
}

// The keys and array indices of a path written "Layers.3.LayerShape.7".
QStringList stepsOf(const char* path) {
    return QString::fromLatin1(path).split(QLatin1Char('.'), Qt::SkipEmptyParts);
}

QJsonValue valueAt(const QJsonValue& node, const QStringList& steps) {
    if (steps.isEmpty())
        return node;
    bool isIndex = false;
    const int index = steps.first().toInt(&isIndex);
    const QJsonValue child =
        isIndex ? node.toArray().at(index) : node.toObject().value(steps.first());
    return valueAt(child, steps.mid(1));
}

QJsonValue valueAt(const QJsonValue& node, const char* path) {
    return valueAt(node, stepsOf(path));
}

// `node` with the value at `steps` replaced; an undefined value removes the key.
QJsonValue replaced(const QJsonValue& node, const QStringList& steps, const QJsonValue& value) {
    if (steps.isEmpty())
        return value;
    bool isIndex = false;
    const int index = steps.first().toInt(&isIndex);
    if (isIndex) {
        QJsonArray array = node.toArray();
        array[index] = replaced(array.at(index), steps.mid(1), value);
        return array;
    }
    QJsonObject object = node.toObject();
    if (value.isUndefined() && steps.size() == 1)
        object.remove(steps.first());
    else
        object[steps.first()] = replaced(object.value(steps.first()), steps.mid(1), value);
    return object;
}

QJsonValue replaced(const QJsonValue& node, const char* path, const QJsonValue& value) {
    return replaced(node, stepsOf(path), value);
}

QJsonArray withLength(QJsonArray array, int length) {
    while (array.size() > length)
        array.removeLast();
    while (array.size() < length)
        array.append(array.isEmpty() ? QJsonValue(QStringLiteral("#000000")) : array.last());
    return array;
}

TEST(DesignJsonRoundTrip, RandomDesignFilesComeBackByteForByte) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        const std::string original = fileBytesOf(randomDesign(seed));
        const QByteArray json = jsonOf(readFileBytes(original));
        DesignDocument read;
        const common::Status status = designFromJson(json, read);
        ASSERT_TRUE(status.ok()) << status.message().toStdString();
        EXPECT_EQ(fileBytesOf(read), original) << "seed " << seed;
    }
}

TEST(DesignJsonRoundTrip, EveryKindOfFloatComesBackWithItsBits) {
    const struct {
        std::uint32_t bits;
        const char* written; // the JSON string, or nullptr for a JSON number
    } cases[] = {
        {0x00000000, nullptr},          // 0
        {0x80000000, "-0"},             // negative zero: Qt's number would lose the sign
        {0x3F800000, nullptr},          // 1
        {0x3DCCCCCD, nullptr},          // 0.1f, not 0.1
        {0x00000001, nullptr},          // the smallest subnormal
        {0x807FFFFF, nullptr},          // the largest negative subnormal
        {0x7F7FFFFF, nullptr},          // the largest float
        {0xFF7FFFFF, nullptr},          // the lowest float
        {0x4B800001, nullptr},          // 16777218, above the exact integers
        {0x5F800000, nullptr},          // 2^64
        {0x7F800000, "Infinity"},       //
        {0xFF800000, "-Infinity"},      //
        {0x7FC00000, "NaN"},            //
        {0xFFC00000, "NaN:0xFFC00000"}, // the NaN x86 arithmetic produces
        {0x7F800001, "NaN:0x7F800001"}, // a signalling NaN
        {0x7FC0ABCD, "NaN:0x7FC0ABCD"}, // a NaN with a payload
    };
    for (const auto& c : cases) {
        DesignDocument document = newDesign();
        document.AddRate = floatFromBits(c.bits);
        document.Gravity[2].Angle = floatFromBits(c.bits);
        const QJsonObject json = jsonObjectOf(document);
        const QJsonValue written = json.value(QStringLiteral("AddRate"));
        if (c.written)
            EXPECT_EQ(written.toString(), QString::fromUtf8(c.written)) << std::hex << c.bits;
        else
            EXPECT_TRUE(written.isDouble()) << std::hex << c.bits;

        DesignDocument read;
        ASSERT_TRUE(designFromJson(jsonOf(document), read).ok()) << std::hex << c.bits;
        EXPECT_EQ(floatBits(read.AddRate), c.bits);
        EXPECT_EQ(floatBits(read.Gravity[2].Angle), c.bits);
    }
}

TEST(DesignJsonForm, KeysAreTheFieldNamesAndColoursAreRedFirst) {
    DesignDocument document = newDesign();
    document.FrameSize = 240;
    document.AddRate = 0.5f;
    document.layer(4).LayerX = -7;
    document.layer(4).LayerShape[7] = 300;
    document.Gravity[1] = {1, 1.0f, 12.0f};
    document.SparkImage[2].at(0, 31) = common::makeColour(0x12, 0x34, 0x56);
    document.RampLength = 3;
    document.ColorRamp[2] = common::makeColour(0xAB, 0xCD, 0xEF);
    document.ColorRamp[3] = common::makeColour(1, 2, 3); // past RampLength: not written
    document.RenderCancel = 1;
    const QJsonObject json = jsonObjectOf(document);

    EXPECT_EQ(json.keys(),
              stepsOf("AddRate.Afterimage.AfterimageOn.ColorRamp.FrameCount.FrameSize.Gravity."
                      "Layers.RampLength.RefreshRate.SparkImage.WidthLimit"));
    EXPECT_EQ(json.value(QStringLiteral("FrameSize")).toInt(), 240);
    EXPECT_EQ(json.value(QStringLiteral("AddRate")).toDouble(), 0.5);
    const QJsonObject layer4 = valueAt(json, "Layers.3").toObject();
    EXPECT_EQ(layer4.size(), 13);
    EXPECT_EQ(layer4.value(QStringLiteral("LayerX")).toInt(), -7);
    EXPECT_EQ(valueAt(layer4, "LayerShape.7").toInt(), 300);
    EXPECT_EQ(valueAt(json, "Gravity.1.Use").toInt(), 1);
    EXPECT_EQ(valueAt(json, "Gravity.1.Angle").toDouble(), 1.0);
    EXPECT_EQ(valueAt(json, "Gravity.1.Power").toDouble(), 12.0);
    EXPECT_EQ(valueAt(json, "SparkImage.2.31.0").toString(), QStringLiteral("#123456"));
    EXPECT_EQ(valueAt(json, "SparkImage.2.31").toArray().size(), 32);
    EXPECT_EQ(valueAt(json, "ColorRamp").toArray(),
              (QJsonArray{QStringLiteral("#000000"), QStringLiteral("#000000"),
                          QStringLiteral("#ABCDEF")}));
}

TEST(DesignJsonForm, OutputIsIndentedForReadableDiffs) {
    const QByteArray json = jsonOf(newDesign());
    EXPECT_TRUE(json.contains("\n    \"FrameSize\": 160,\n"));
}

TEST(DesignJsonRead, KeepsRenderCancelAndTheRampTail) {
    DesignDocument document = randomDesign(5);
    document.RenderCancel = 1;
    document.RampLength = 200;
    document.ColorRamp[100] = 0x0A0B0C;
    ASSERT_TRUE(designFromJson(jsonOf(newDesign()), document).ok());
    EXPECT_EQ(document.RenderCancel, 1);
    EXPECT_EQ(document.RampLength, 16);
    EXPECT_EQ(document.ColorRamp[15], 0u);
    EXPECT_EQ(document.ColorRamp[100], 0x0A0B0Cu);
    EXPECT_EQ(document.FrameSize, 160);
}

TEST(DesignJsonRead, AcceptsAnyValueOfAFieldsWidthAndWholeNumbersWrittenWithAFraction) {
    QJsonValue json = jsonObjectOf(newDesign());
    json = replaced(json, "RefreshRate", 255);
    json = replaced(json, "FrameSize", -32768);
    json = replaced(json, "Layers.7.LayerDecel", 0);
    json = replaced(json, "Layers.0.LayerShape.35", 32767.0);
    json = replaced(json, "AddRate", 0.1); // the common::nearest float
    json = replaced(json, "SparkImage.1.0.0", QStringLiteral("#abcdef"));
    DesignDocument read;
    ASSERT_TRUE(designFromJson(QJsonDocument(json.toObject()).toJson(), read).ok());
    EXPECT_EQ(read.RefreshRate, 255);
    EXPECT_EQ(read.FrameSize, -32768);
    EXPECT_EQ(read.layer(8).LayerDecel, 0);
    EXPECT_EQ(read.layer(1).LayerShape[35], 32767);
    EXPECT_EQ(read.AddRate, 0.1f);
    EXPECT_EQ(read.SparkImage[1].at(0, 0), common::makeColour(0xAB, 0xCD, 0xEF));
}

struct Defect {
    const char* path; // "Layers.3.LayerShape.7"
    QJsonValue value; // undefined removes the key
    const char* named;
};

class DesignJsonDefects : public ::testing::Test {
protected:
    void SetUp() override {
        good = jsonObjectOf(newDesign());
        before = randomDesign(42);
        before.RenderCancel = 1;
    }
    void expectRefused(const QByteArray& json, const char* words) {
        DesignDocument document = before;
        const common::Status status = designFromJson(json, document);
        EXPECT_FALSE(status.ok()) << words;
        EXPECT_TRUE(status.message().contains(QString::fromUtf8(words)))
            << "message: " << status.message().toStdString() << "\nexpected: " << words;
        EXPECT_TRUE(document.sameDesignAs(before)) << words << ": the design changed";
    }
    void expectRefused(const Defect& defect) {
        const QJsonValue json = replaced(good, defect.path, defect.value);
        expectRefused(QJsonDocument(json.toObject()).toJson(), defect.named);
    }

    QJsonObject good;
    DesignDocument before;
};

TEST_F(DesignJsonDefects, MissingAndUnknownKeysAreNamed) {
    const Defect defects[] = {
        {"AddRate", QJsonValue::Undefined, "\"AddRate\" is missing"},
        {"ColorRamp", QJsonValue::Undefined, "\"ColorRamp\" is missing"},
        {"Layers.5.LayerBurstStep", QJsonValue::Undefined,
         "\"Layers[5].LayerBurstStep\" is missing"},
        {"Gravity.2.Power", QJsonValue::Undefined, "\"Gravity[2].Power\" is missing"},
        {"RenderCancel", 1, "unknown key \"RenderCancel\""},
        {"Layers.0.LayerShap", QJsonArray(), "unknown key \"Layers[0].LayerShap\""},
    };
    for (const Defect& defect : defects)
        expectRefused(defect);
}

TEST_F(DesignJsonDefects, WrongTypesAreNamed) {
    const Defect defects[] = {
        {"FrameSize", QStringLiteral("160"), "\"FrameSize\" must be a whole number"},
        {"AfterimageOn", true, "\"AfterimageOn\" must be a whole number"},
        {"WidthLimit", QJsonValue::Null, "\"WidthLimit\" must be a whole number"},
        {"AddRate", true, "\"AddRate\" must be a number"},
        {"Gravity.1.Angle", QJsonArray(), "\"Gravity[1].Angle\" must be a number"},
        {"Layers", QJsonObject(), "\"Layers\" must be an array of 8 layers"},
        {"Layers.2", 5, "\"Layers[2]\" must be an object"},
        {"Gravity.0", QJsonArray(), "\"Gravity[0]\" must be an object"},
        {"SparkImage.1.2", QStringLiteral("#000000"), "\"SparkImage[1][2]\" must be an array"},
        {"ColorRamp.0", 0, "\"ColorRamp[0]\" must be a colour"},
        {"Layers.1.LayerShape", 32, "\"Layers[1].LayerShape\" must be an array of 36"},
    };
    for (const Defect& defect : defects)
        expectRefused(defect);
}

TEST_F(DesignJsonDefects, MalformedColoursAreNamed) {
    for (const char* colour :
         {"#12345", "#1234567", "123456", "#GG0000", "# 12345", "#-12345", "#12 345", "red", ""}) {
        expectRefused({"SparkImage.2.31.0", QString::fromUtf8(colour),
                       "\"SparkImage[2][31][0]\" must be a colour \"#RRGGBB\""});
        expectRefused({"ColorRamp.15", QString::fromUtf8(colour), "\"ColorRamp[15]\""});
    }
}

TEST_F(DesignJsonDefects, IntegersOutsideTheirFieldOrWithAFractionAreNamed) {
    const Defect defects[] = {
        {"AfterimageOn", 256, "\"AfterimageOn\" must be a whole number from 0 to 255, not 256"},
        {"RefreshRate", -1, "\"RefreshRate\" must be a whole number from 0 to 255, not -1"},
        {"Afterimage", 32768, "\"Afterimage\" must be a whole number from -32768 to 32767"},
        {"Layers.3.LayerShape.7", -32769,
         "\"Layers[3].LayerShape[7]\" must be a whole number from -32768 to 32767, not -32769"},
        {"Layers.0.LayerUse", 1.5, "\"Layers[0].LayerUse\" must be a whole number"},
        {"Layers.7.LayerCount", 1e300, "\"Layers[7].LayerCount\""},
        {"Gravity.0.Use", 300, "\"Gravity[0].Use\""},
    };
    for (const Defect& defect : defects)
        expectRefused(defect);
}

TEST_F(DesignJsonDefects, FloatsOutsideAFloatOrUnknownWordsAreNamed) {
    const Defect defects[] = {
        {"AddRate", 1e39, "\"AddRate\" is 1e+39, outside the range of a 32-bit float"},
        {"Gravity.2.Power", -1e300, "\"Gravity[2].Power\" is -1e+300"},
        {"AddRate", QStringLiteral("nan"), "\"AddRate\" must be a number"},
        {"AddRate", QStringLiteral("inf"), "\"AddRate\" must be a number"},
        {"AddRate", QStringLiteral("1.0"), "\"AddRate\" must be a number"},
        {"AddRate", QStringLiteral("NaN:0x3F800000"), "\"AddRate\" must be a number"},
        {"AddRate", QStringLiteral("NaN:0x7FC0000"), "\"AddRate\" must be a number"},
        {"AddRate", QStringLiteral("NaN:0x7FC0000G"), "\"AddRate\" must be a number"},
        {"AddRate", QStringLiteral("NaN:0x+7FC0000"), "\"AddRate\" must be a number"},
    };
    for (const Defect& defect : defects)
        expectRefused(defect);
}

TEST_F(DesignJsonDefects, WrongArrayLengthsAreNamed) {
    auto shortened = [&](const char* path, int length) {
        return withLength(valueAt(good, path).toArray(), length);
    };
    const Defect defects[] = {
        {"Layers", shortened("Layers", 7), "\"Layers\" holds 7 entries; it must hold 8"},
        {"Layers", shortened("Layers", 9), "\"Layers\" holds 9 entries"},
        {"Gravity", shortened("Gravity", 4), "\"Gravity\" holds 4 entries; it must hold 3"},
        {"SparkImage", shortened("SparkImage", 1), "\"SparkImage\" holds 1 entries"},
        {"SparkImage.0", shortened("SparkImage.0", 31), "\"SparkImage[0]\" holds 31"},
        {"SparkImage.6.5", shortened("SparkImage.6.5", 33),
         "\"SparkImage[6][5]\" holds 33 entries; it must hold 32 colours"},
        {"Layers.4.LayerShape", shortened("Layers.4.LayerShape", 35),
         "\"Layers[4].LayerShape\" holds 35 entries; it must hold 36"},
    };
    for (const Defect& defect : defects)
        expectRefused(defect);
}

TEST_F(DesignJsonDefects, RampLengthOutsideTheRampOrNotMatchingIsNamed) {
    const QJsonArray ramp = good.value(QStringLiteral("ColorRamp")).toArray();
    const struct {
        int rampLength;
        int entries;
        const char* named;
    } cases[] = {
        {257, 257, "\"RampLength\" is 257, outside 0 to 256"},
        {-1, 0, "\"RampLength\" is -1, outside 0 to 256"},
        {16, 15, "\"ColorRamp\" holds 15 entries; it must hold 16 colours"},
        {16, 17, "\"ColorRamp\" holds 17 entries"},
        {0, 1, "\"ColorRamp\" holds 1 entries; it must hold 0"},
    };
    for (const auto& c : cases) {
        QJsonObject json = good;
        json[QStringLiteral("RampLength")] = c.rampLength;
        json[QStringLiteral("ColorRamp")] = withLength(ramp, c.entries);
        expectRefused(QJsonDocument(json).toJson(), c.named);
    }
}

TEST_F(DesignJsonDefects, TextThatIsNoDesignObjectIsRefused) {
    const QByteArray full = QJsonDocument(good).toJson();
    expectRefused("", "not valid JSON");
    expectRefused("{", "not valid JSON");
    expectRefused(full.left(full.size() / 2), "not valid JSON");
    expectRefused(full + "}", "not valid JSON");
    expectRefused("{\"FrameSize\": 160,}", "not valid JSON");
    expectRefused(QByteArray::fromStdString(fileBytesOf(newDesign())),
                  "expected a JSON design, but the text is not valid JSON: illegal value at line "
                  "1, column 2");
    expectRefused("{\n  \"FrameSize\": 160,\n  \"FrameCount\": x\n}",
                  "not valid JSON: illegal number at line 3, column 17");
    expectRefused("[1, 2]", "holds an array");
    expectRefused("{}", "\"AfterimageOn\" is missing");
}

TEST(DesignJsonWrite, RefusesWhatTheTextCannotHoldNamingTheKey) {
    const struct {
        void (*damage)(DesignDocument&);
        const char* named;
    } cases[] = {
        {[](DesignDocument& d) { d.SparkImage[2].at(0, 31) = 0x01000000; },
         "\"SparkImage[2][31][0]\" holds the colour value 01000000"},
        {[](DesignDocument& d) { d.ColorRamp[15] = 0xFF123456; }, "\"ColorRamp[15]\""},
        {[](DesignDocument& d) { d.RampLength = 257; }, "\"RampLength\" is 257"},
        {[](DesignDocument& d) { d.RampLength = -1; }, "\"RampLength\" is -1"},
        {[](DesignDocument& d) {
             d.layer(5).Ramp = {0, 0x01000000};
         },
         "\"Layers[4].Ramp[1]\""},
    };
    for (const auto& c : cases) {
        DesignDocument document = newDesign();
        c.damage(document);
        QByteArray json = "untouched";
        const common::Status status = designToJson(document, json);
        EXPECT_FALSE(status.ok()) << c.named;
        EXPECT_TRUE(status.message().contains(QString::fromUtf8(c.named)))
            << status.message().toStdString();
        EXPECT_EQ(json, "untouched");
    }

    // A high byte past RampLength is not part of the design.
    DesignDocument document = newDesign();
    document.ColorRamp[16] = 0xFF000000;
    QByteArray json;
    EXPECT_TRUE(designToJson(document, json).ok());
}

TEST(DesignJsonLayerEffects, ComeBackAndAreWrittenOnlyWhereUsed) {
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        const DesignDocument document = designWithEffects(seed);
        const QByteArray json = jsonOf(document);
        // The ramp entries past RampLength, which the text leaves alone, as they were.
        DesignDocument read = randomDesign(seed);
        const common::Status status = designFromJson(json, read);
        ASSERT_TRUE(status.ok()) << status.message().toStdString();
        EXPECT_TRUE(read.sameDesignAs(document)) << "seed " << seed;
        EXPECT_EQ(jsonOf(read), json) << "seed " << seed;
    }
    const QJsonObject json = jsonObjectOf(designWithEffects(1));
    EXPECT_EQ(valueAt(json, "Layers.1.Trigger"),
              (QJsonObject{{QStringLiteral("Parent"), 1},
                           {QStringLiteral("When"), QStringLiteral("age")},
                           {QStringLiteral("Age"), 40},
                           {QStringLiteral("Split"), true},
                           {QStringLiteral("Inherit"), 35}}));
    EXPECT_EQ(valueAt(json, "Layers.2.Trigger"),
              (QJsonObject{{QStringLiteral("Parent"), 2},
                           {QStringLiteral("When"), QStringLiteral("death")},
                           {QStringLiteral("Inherit"), 100}}));
    EXPECT_EQ(valueAt(json, "Layers.5.Trail"),
              (QJsonObject{{QStringLiteral("Steps"), 1}, {QStringLiteral("Fade"), 100}}));
    EXPECT_EQ(valueAt(json, "Layers.4.Ramp.1"), QJsonValue(QStringLiteral("#FF6000")));
    EXPECT_EQ(valueAt(json, "Layers.0").toObject().size(), 13);

    // A design read without them has none left from before.
    DesignDocument read = designWithEffects(2);
    ASSERT_TRUE(designFromJson(jsonOf(newDesign()), read).ok());
    EXPECT_FALSE(usesLayerEffects(read));
}

TEST_F(DesignJsonDefects, BrokenLayerEffectsAreNamed) {
    good = jsonObjectOf(designWithEffects(1));
    const auto deathTrigger = [](int parent) {
        return QJsonObject{{QStringLiteral("Parent"), parent},
                           {QStringLiteral("When"), QStringLiteral("death")},
                           {QStringLiteral("Inherit"), 0}};
    };
    const Defect defects[] = {
        {"Layers.3.Trigger", deathTrigger(4), "layer 4 is triggered by itself"},
        {"Layers.0.Trigger", deathTrigger(3),
         "the triggers of layers 1, 3, 2 form a cycle: each of them is triggered by the next"},
        {"Layers.0.Trigger", deathTrigger(2), "the triggers of layers 1, 2 form a cycle"},
        {"Layers.4.Ramp.0", QStringLiteral("#010000"),
         "the colour ramp of layer 5 starts with #010000; a layer's ramp must start with black"},
        {"Layers.1.Trigger.Parent", 9,
         "\"Layers[1].Trigger.Parent\" must be a whole number from 1 to 8, not 9"},
        {"Layers.1.Trigger.Parent", 0, "\"Layers[1].Trigger.Parent\" must be a whole number"},
        {"Layers.1.Trigger.Age", 0,
         "\"Layers[1].Trigger.Age\" must be a whole number from 1 to 255"},
        {"Layers.1.Trigger.Age", 256, "\"Layers[1].Trigger.Age\" must be a whole number"},
        {"Layers.1.Trigger.Age", QJsonValue::Undefined,
         "the key \"Layers[1].Trigger.Age\" is missing"},
        {"Layers.1.Trigger.Split", 1, "\"Layers[1].Trigger.Split\" must be true or false"},
        {"Layers.2.Trigger.Inherit", 101,
         "\"Layers[2].Trigger.Inherit\" must be a whole number from 0 to 100, not 101"},
        {"Layers.2.Trigger.Inherit", -1, "\"Layers[2].Trigger.Inherit\" must be a whole number"},
        {"Layers.2.Trigger.When", QStringLiteral("birth"),
         "\"Layers[2].Trigger.When\" must be \"death\" or \"age\", not \"birth\""},
        {"Layers.2.Trigger.Age", 5,
         "\"Layers[2].Trigger.Age\" is given only when \"Layers[2].Trigger.When\" is \"age\""},
        {"Layers.2.Trigger.Split", false, "\"Layers[2].Trigger.Split\" is given only when"},
        {"Layers.2.Trail.Steps", 9, "\"Layers[2].Trail.Steps\" must be a whole number from 1 to 8"},
        {"Layers.2.Trail.Steps", 0, "\"Layers[2].Trail.Steps\" must be a whole number"},
        {"Layers.5.Trail.Fade", 0, "\"Layers[5].Trail.Fade\" must be a whole number from 1 to 100"},
        {"Layers.5.Trail.Fade", 101, "\"Layers[5].Trail.Fade\" must be a whole number"},
        {"Layers.5.Trail.Length", 3, "unknown key \"Layers[5].Trail.Length\""},
        {"Layers.4.Ramp", QJsonArray(),
         "\"Layers[4].Ramp\" holds 0 entries; it must hold 1 to 256 colours"},
        {"Layers.4.Ramp", withLength(valueAt(good, "Layers.4.Ramp").toArray(), 257),
         "\"Layers[4].Ramp\" holds 257 entries"},
        {"Layers.4.Ramp.2", QStringLiteral("red"), "\"Layers[4].Ramp[2]\" must be a colour"},
    };
    for (const Defect& defect : defects)
        expectRefused(defect);
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

TEST(DesignJsonOnDisk, WritesAndReadsBackByName) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("burst.json"));
    const DesignDocument design = readFileBytes(fileBytesOf(randomDesign(8)));
    ASSERT_TRUE(writeDesignJson(path, design).ok());
    DesignDocument read;
    ASSERT_TRUE(readDesignJson(path, read).ok());
    EXPECT_EQ(fileBytesOf(read), fileBytesOf(design));
}

TEST(DesignJsonOnDisk, FailedWriteNamesTheFileAndKeepsTheOldOne) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("good.json"));
    ASSERT_TRUE(writeDesignJson(path, newDesign()).ok());
    const QByteArray good = contentsOf(path);

    DesignDocument damaged = newDesign();
    damaged.SparkImage[0].at(1, 2) = 0xAA000000;
    const common::Status status = writeDesignJson(path, damaged);
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(path));
    EXPECT_TRUE(status.message().contains(QStringLiteral("SparkImage[0][2][1]")));
    EXPECT_EQ(contentsOf(path), good);

    const QString missingFolder = folder.filePath(QStringLiteral("no/such/folder/x.json"));
    const common::Status missing = writeDesignJson(missingFolder, newDesign());
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.message().contains(missingFolder));
    EXPECT_FALSE(QFile::exists(missingFolder));
}

TEST(DesignJsonOnDisk, ReadFailuresNameTheFileAndTheKey) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bad.json"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QJsonObject json = jsonObjectOf(newDesign());
        json.remove(QStringLiteral("WidthLimit"));
        file.write(QJsonDocument(json).toJson());
    }
    DesignDocument document = randomDesign(4);
    const DesignDocument before = document;
    const common::Status status = readDesignJson(path, document);
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(path));
    EXPECT_TRUE(status.message().contains(QStringLiteral("\"WidthLimit\" is missing")));
    EXPECT_TRUE(document.sameDesignAs(before));

    const QString missingPath = folder.filePath(QStringLiteral("none.json"));
    const common::Status missing = readDesignJson(missingPath, document);
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.message().contains(missingPath));
    EXPECT_TRUE(document.sameDesignAs(before));
}

} // namespace
} // namespace kirabellum

namespace kirabellum {
namespace {

// {"Loop": loop, "Seed": seed}, each left out when undefined.
QJsonObject renderJson(const QJsonValue& loop, const QJsonValue& seed = QJsonValue::Undefined) {
    QJsonObject render;
    if (!loop.isUndefined())
        render.insert(QStringLiteral("Loop"), loop);
    if (!seed.isUndefined())
        render.insert(QStringLiteral("Seed"), seed);
    return render;
}

DesignDocument withRender(bool loop, std::optional<std::uint64_t> seed) {
    DesignDocument document = newDesign();
    document.Render.Loop = loop;
    document.Render.Seed = seed;
    return document;
}

TEST(DesignJsonRender, RenderSettingsComeBackAndSeedsAreExactDecimalStrings) {
    const struct {
        bool loop;
        std::optional<std::uint64_t> seed;
        QJsonValue written; // the "Render" object, or undefined
    } cases[] = {
        {false, std::nullopt, QJsonValue::Undefined},
        {true, std::nullopt, renderJson(true)},
        {false, 0u, renderJson(false, QStringLiteral("0"))},
        {true, 18446744073709551615u, renderJson(true, QStringLiteral("18446744073709551615"))},
        {false, 9007199254740993u, renderJson(false, QStringLiteral("9007199254740993"))},
    };
    for (const auto& c : cases) {
        const DesignDocument document = withRender(c.loop, c.seed);
        SCOPED_TRACE(c.seed ? std::to_string(*c.seed) : "no seed");
        EXPECT_EQ(jsonObjectOf(document).value(QStringLiteral("Render")), c.written);
        DesignDocument read = withRender(!c.loop, 5u);
        ASSERT_TRUE(designFromJson(jsonOf(document), read).ok());
        EXPECT_TRUE(read.sameDesignAs(document));
    }
    // Without them the text is what it always was.
    EXPECT_EQ(jsonOf(withRender(false, std::nullopt)), jsonOf(newDesign()));
}

TEST(DesignJsonRender, WholeNumbersUpToTwoToTheFiftyThirdAreSeedsToo) {
    for (const double seed : {0.0, 42.0, 9007199254740992.0}) {
        const QJsonValue json =
            replaced(jsonObjectOf(newDesign()), "Render", renderJson(false, seed));
        DesignDocument read;
        ASSERT_TRUE(designFromJson(QJsonDocument(json.toObject()).toJson(), read).ok()) << seed;
        EXPECT_EQ(read.Render.Seed, static_cast<std::uint64_t>(seed));
    }
}

TEST(DesignJsonRender, DesignFilesAndNewDesignsHoldNoRenderSettings) {
    DesignDocument read = withRender(true, 7u);
    std::istringstream file(fileBytesOf(withRender(true, 7u)));
    ASSERT_TRUE(ReadDesignFile(file, DesignFileVersion::V1_2, read).ok());
    EXPECT_TRUE(read.sameDesignAs(newDesign()));
    EXPECT_FALSE(withRender(true, std::nullopt).sameDesignAs(newDesign()));
    EXPECT_FALSE(withRender(false, 1u).sameDesignAs(withRender(false, 2u)));
    NewDesign(read = withRender(true, 7u));
    EXPECT_TRUE(read.Render == RenderSettings());
}

TEST_F(DesignJsonDefects, BadRenderSettingsAreNamed) {
    const char* seedWords = "\"Render.Seed\" must be a whole number from 0 to 18446744073709551615";
    const struct {
        QJsonValue render;
        const char* named;
    } defects[] = {
        {true, "\"Render\" must be an object"},
        {renderJson(QJsonValue::Undefined), "the key \"Render.Loop\" is missing"},
        {renderJson(1), "\"Render.Loop\" must be true or false, not 1"},
        {QJsonObject{{QStringLiteral("Loop"), true}, {QStringLiteral("Cycles"), 2}},
         "unknown key \"Render.Cycles\""},
        {renderJson(true, -1), seedWords},
        {renderJson(true, 1.5), seedWords},
        {renderJson(true, 9007199254740994.0), seedWords},
        {renderJson(true, QStringLiteral("18446744073709551616")), seedWords},
        {renderJson(true, QStringLiteral("-1")), seedWords},
        {renderJson(true, QStringLiteral(" 12")), seedWords},
        {renderJson(true, QString()), seedWords},
        {renderJson(true, QJsonValue::Null), seedWords},
    };
    for (const auto& defect : defects) {
        const QJsonValue json = replaced(good, "Render", defect.render);
        expectRefused(QJsonDocument(json.toObject()).toJson(), defect.named);
    }
}

} // namespace
} // namespace kirabellum
