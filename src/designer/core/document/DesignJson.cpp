#include "core/document/DesignJson.h"

#include "common/AtomicFile.h"
#include "core/document/FloatBits.h"
#include "core/document/LayerEffects.h"
#include "core/document/SeedText.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QLocale>
#include <QStringList>

#include <cfloat>
#include <cmath>
#include <limits>

namespace kirabellum {

namespace {

const QStringList designKeys = {
    QStringLiteral("AfterimageOn"), QStringLiteral("Afterimage"),  QStringLiteral("FrameSize"),
    QStringLiteral("FrameCount"),   QStringLiteral("RefreshRate"), QStringLiteral("AddRate"),
    QStringLiteral("WidthLimit"),   QStringLiteral("Layers"),      QStringLiteral("Gravity"),
    QStringLiteral("SparkImage"),   QStringLiteral("RampLength"),  QStringLiteral("ColorRamp"),
};
const QStringList layerKeys = {
    QStringLiteral("LayerUse"),       QStringLiteral("LayerX"),
    QStringLiteral("LayerY"),         QStringLiteral("LayerCount"),
    QStringLiteral("LayerRadius"),    QStringLiteral("LayerMinSpeed"),
    QStringLiteral("LayerLife"),      QStringLiteral("LayerDecel"),
    QStringLiteral("LayerShape"),     QStringLiteral("LayerBurstMode"),
    QStringLiteral("LayerBurstFrom"), QStringLiteral("LayerBurstTo"),
    QStringLiteral("LayerBurstStep"),
};
// The layer effects: each optional, absent when the layer does not use it.
const QString triggerKey = QStringLiteral("Trigger");
const QString trailKey = QStringLiteral("Trail");
const QString layerRampKey = QStringLiteral("Ramp");
const QStringList effectKeys = {triggerKey, trailKey, layerRampKey};
const QString parentKey = QStringLiteral("Parent");
const QString whenKey = QStringLiteral("When");
const QString ageKey = QStringLiteral("Age");
const QString splitKey = QStringLiteral("Split");
const QString inheritKey = QStringLiteral("Inherit");
const QString deathText = QStringLiteral("death");
const QString ageText = QStringLiteral("age");
const QString stepsKey = QStringLiteral("Steps");
const QString fadeKey = QStringLiteral("Fade");
const QStringList forceKeys = {QStringLiteral("Use"), QStringLiteral("Angle"),
                               QStringLiteral("Power")};
// Optional: a design without it renders normally from a seed that runs on.
const QString renderKey = QStringLiteral("Render");
const QString loopKey = QStringLiteral("Loop");
const QString seedKey = QStringLiteral("Seed");
// The largest whole number up to which every whole JSON number (a double) is
// exact: 2^53.
constexpr double ExactWholeNumbers = 9007199254740992.0;

// The bits of the NaN that reads and writes as plain "NaN".
constexpr std::uint32_t QuietNanBits = 0x7FC00000;
const QString NanText = QStringLiteral("NaN");
const QString NanBitsPrefix = QStringLiteral("NaN:0x");
const QString InfinityText = QStringLiteral("Infinity");
const QString NegativeInfinityText = QStringLiteral("-Infinity");
const QString NegativeZeroText = QStringLiteral("-0");

QString indexed(const QString& path, int index) {
    return QStringLiteral("%1[%2]").arg(path).arg(index);
}

// --- Writing ---------------------------------------------------------------

// A JSON number carries every finite float but negative zero, which Qt writes
// and reads as 0; those and the non-finite values are strings.
QJsonValue floatToJson(float value) {
    if (std::isnan(value)) {
        const std::uint32_t bits = floatBits(value);
        if (bits == QuietNanBits)
            return NanText;
        return NanBitsPrefix + QStringLiteral("%1").arg(bits, 8, 16, QLatin1Char('0')).toUpper();
    }
    if (std::isinf(value))
        return value > 0 ? InfinityText : NegativeInfinityText;
    if (value == 0.0f && std::signbit(value))
        return NegativeZeroText;
    return static_cast<double>(value);
}

// "#RRGGBB" has no room for the high byte, which only a damaged design file holds.
common::Status checkColour(common::Colour colour, const QString& path) {
    if (colour >> 24 == 0)
        return common::Status::success();
    return common::Status::failure(
        QCoreApplication::translate(
            "kirabellum::DesignJson",
            "\"%1\" holds the colour value %2, whose high byte is not 0; it cannot "
            "be written as \"#RRGGBB\"")
            .arg(path)
            .arg(QStringLiteral("%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper()));
}

common::Status checkLayerRampsExpressible(const DesignDocument& document) {
    for (int layer = 0; layer < LayerTotal; ++layer) {
        const std::vector<common::Colour>& ramp =
            document.Layers[static_cast<std::size_t>(layer)].Ramp;
        for (std::size_t index = 0; index < ramp.size(); ++index) {
            const common::Status status =
                checkColour(ramp[index], indexed(indexed(QStringLiteral("Layers"), layer) +
                                                     QLatin1Char('.') + layerRampKey,
                                                 static_cast<int>(index)));
            if (!status.ok())
                return status;
        }
    }
    return common::Status::success();
}

common::Status checkExpressible(const DesignDocument& document) {
    if (document.RampLength < 0 || document.RampLength > RampCapacity)
        return common::Status::failure(
            QCoreApplication::translate("kirabellum::DesignJson",
                                        "\"RampLength\" is %1, outside 0 to %2")
                .arg(document.RampLength)
                .arg(RampCapacity));
    for (int slot = 0; slot < LayerTotal; ++slot)
        for (int y = 0; y < SparkEdge; ++y)
            for (int x = 0; x < SparkEdge; ++x) {
                const QString path =
                    indexed(indexed(indexed(QStringLiteral("SparkImage"), slot), y), x);
                const common::Status status =
                    checkColour(document.SparkImage[static_cast<std::size_t>(slot)].at(x, y), path);
                if (!status.ok())
                    return status;
            }
    for (int index = 0; index < document.RampLength; ++index) {
        const common::Status status =
            checkColour(document.ColorRamp[static_cast<std::size_t>(index)],
                        indexed(QStringLiteral("ColorRamp"), index));
        if (!status.ok())
            return status;
    }
    return checkLayerRampsExpressible(document);
}

// The keys of the effects the layer uses; none when it uses none.
void insertLayerEffects(QJsonObject& object, const LayerSettings& layer) {
    if (layer.Trigger) {
        const LayerTrigger& trigger = *layer.Trigger;
        QJsonObject written{
            {parentKey, trigger.Parent},
            {whenKey, trigger.When == TriggerMoment::Age ? ageText : deathText},
            {inheritKey, trigger.Inherit},
        };
        if (trigger.When == TriggerMoment::Age) {
            written.insert(ageKey, trigger.Age);
            written.insert(splitKey, trigger.Split);
        }
        object.insert(triggerKey, written);
    }
    if (layer.Trail)
        object.insert(trailKey,
                      QJsonObject{{stepsKey, layer.Trail->Steps}, {fadeKey, layer.Trail->Fade}});
    if (!layer.Ramp.empty()) {
        QJsonArray ramp;
        for (common::Colour colour : layer.Ramp)
            ramp.append(common::colourToHex(colour));
        object.insert(layerRampKey, ramp);
    }
}

QJsonObject layerToJson(const LayerSettings& layer) {
    QJsonArray shape;
    for (std::int16_t speed : layer.LayerShape)
        shape.append(speed);
    QJsonObject object{
        {QStringLiteral("LayerUse"), layer.LayerUse},
        {QStringLiteral("LayerX"), layer.LayerX},
        {QStringLiteral("LayerY"), layer.LayerY},
        {QStringLiteral("LayerCount"), layer.LayerCount},
        {QStringLiteral("LayerRadius"), layer.LayerRadius},
        {QStringLiteral("LayerMinSpeed"), layer.LayerMinSpeed},
        {QStringLiteral("LayerLife"), layer.LayerLife},
        {QStringLiteral("LayerDecel"), layer.LayerDecel},
        {QStringLiteral("LayerShape"), shape},
        {QStringLiteral("LayerBurstMode"), layer.LayerBurstMode},
        {QStringLiteral("LayerBurstFrom"), layer.LayerBurstFrom},
        {QStringLiteral("LayerBurstTo"), layer.LayerBurstTo},
        {QStringLiteral("LayerBurstStep"), layer.LayerBurstStep},
    };
    insertLayerEffects(object, layer);
    return object;
}

QJsonArray sparkImageToJson(const SparkBitmap& image) {
    QJsonArray rows;
    for (int y = 0; y < SparkEdge; ++y) {
        QJsonArray row;
        for (int x = 0; x < SparkEdge; ++x)
            row.append(common::colourToHex(image.at(x, y)));
        rows.append(row);
    }
    return rows;
}

QJsonObject designToJsonObject(const DesignDocument& document) {
    QJsonArray layers;
    for (const LayerSettings& layer : document.Layers)
        layers.append(layerToJson(layer));
    QJsonArray gravity;
    for (const GravityForce& force : document.Gravity)
        gravity.append(QJsonObject{{QStringLiteral("Use"), force.Use},
                                   {QStringLiteral("Angle"), floatToJson(force.Angle)},
                                   {QStringLiteral("Power"), floatToJson(force.Power)}});
    QJsonArray sparkImages;
    for (const SparkBitmap& image : document.SparkImage)
        sparkImages.append(sparkImageToJson(image));
    QJsonArray ramp;
    for (int index = 0; index < document.RampLength; ++index)
        ramp.append(common::colourToHex(document.ColorRamp[static_cast<std::size_t>(index)]));

    QJsonObject design{
        {QStringLiteral("AfterimageOn"), document.AfterimageOn},
        {QStringLiteral("Afterimage"), document.Afterimage},
        {QStringLiteral("FrameSize"), document.FrameSize},
        {QStringLiteral("FrameCount"), document.FrameCount},
        {QStringLiteral("RefreshRate"), document.RefreshRate},
        {QStringLiteral("AddRate"), floatToJson(document.AddRate)},
        {QStringLiteral("WidthLimit"), document.WidthLimit},
        {QStringLiteral("Layers"), layers},
        {QStringLiteral("Gravity"), gravity},
        {QStringLiteral("SparkImage"), sparkImages},
        {QStringLiteral("RampLength"), document.RampLength},
        {QStringLiteral("ColorRamp"), ramp},
    };
    // Written only when it says more than its absence does, so designs without
    // it keep their text.
    if (document.Render != RenderSettings()) {
        QJsonObject render{{loopKey, document.Render.Loop}};
        if (document.Render.Seed)
            render.insert(seedKey, seedText(*document.Render.Seed));
        design.insert(renderKey, render);
    }
    return design;
}

// --- Reading ---------------------------------------------------------------

// A value inside the JSON text together with its path from the top, which the
// messages name: "FrameSize", "Layers[3].LayerShape[7]", "SparkImage[2][31][0]".
struct JsonNode {
    QJsonValue value;
    QString path;

    JsonNode member(const QString& key) const {
        return {value.toObject().value(key), path.isEmpty() ? key : path + QLatin1Char('.') + key};
    }
    JsonNode element(int index) const { return {value.toArray().at(index), indexed(path, index)}; }
};

// The offending value as the message shows it.
QString describe(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Double:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QJsonValue::String: {
        const QString text = value.toString();
        return QLatin1Char('"') +
               (text.size() > 40 ? text.left(40) + QStringLiteral("...") : text) + QLatin1Char('"');
    }
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Array:
        return QCoreApplication::translate("kirabellum::DesignJson", "an array");
    case QJsonValue::Object:
        return QCoreApplication::translate("kirabellum::DesignJson", "an object");
    case QJsonValue::Undefined:
        break;
    }
    return QCoreApplication::translate("kirabellum::DesignJson", "nothing");
}

// Reads the design fields from a parsed JSON object, stopping at the first
// defect, which failure() then describes.
class DesignJsonReader {
public:
    bool read(const QJsonObject& root, DesignDocument& design);
    // Only the layer effects, as layerEffectsToJson() writes them.
    bool readLayerEffects(const QJsonObject& root, DesignDocument& design);
    const common::Status& failure() const { return failure_; }

private:
    bool fail(const QString& message) {
        failure_ = common::Status::failure(message);
        return false;
    }
    bool object(const JsonNode& node, const QStringList& keys,
                const QStringList& optionalKeys = {});
    bool array(const JsonNode& node, int length, const QString& entries) {
        return array(node, length, length, entries);
    }
    bool array(const JsonNode& node, int minimum, int maximum, const QString& entries);
    template <typename Field> bool integer(const JsonNode& node, Field& field) {
        return integer(node, field, std::numeric_limits<Field>::min(),
                       std::numeric_limits<Field>::max());
    }
    template <typename Field>
    bool integer(const JsonNode& node, Field& field, double lowest, double highest);
    bool boolean(const JsonNode& node, bool& field);
    bool decimal(const JsonNode& node, float& field);
    bool colour(const JsonNode& node, common::Colour& field);
    bool layer(const JsonNode& node, LayerSettings& layer);
    bool layerEffects(const JsonNode& node, LayerSettings& layer);
    bool trigger(const JsonNode& node, LayerTrigger& trigger);
    bool trail(const JsonNode& node, LayerTrail& trail);
    bool layerRamp(const JsonNode& node, std::vector<common::Colour>& ramp);
    bool effectRules(const DesignDocument& design);
    bool force(const JsonNode& node, GravityForce& force);
    bool sparkImage(const JsonNode& node, SparkBitmap& image);
    bool ramp(const JsonNode& root, DesignDocument& design);
    bool render(const JsonNode& node, RenderSettings& settings);
    bool seed(const JsonNode& node, std::uint64_t& value);

    common::Status failure_ = common::Status::success();
};

// An object with exactly the given keys, and any of the optional ones.
bool DesignJsonReader::object(const JsonNode& node, const QStringList& keys,
                              const QStringList& optionalKeys) {
    if (!node.value.isObject())
        return fail(QCoreApplication::translate("kirabellum::DesignJson",
                                                "\"%1\" must be an object, not %2")
                        .arg(node.path, describe(node.value)));
    const QJsonObject members = node.value.toObject();
    for (const QString& key : keys)
        if (!members.contains(key))
            return fail(
                QCoreApplication::translate("kirabellum::DesignJson", "the key \"%1\" is missing")
                    .arg(node.member(key).path));
    for (const QString& key : members.keys())
        if (!keys.contains(key) && !optionalKeys.contains(key))
            return fail(QCoreApplication::translate("kirabellum::DesignJson", "unknown key \"%1\"")
                            .arg(node.member(key).path));
    return true;
}

// An array of `minimum` to `maximum` entries, the messages naming the count as
// "8" or "1 to 256".
bool DesignJsonReader::array(const JsonNode& node, int minimum, int maximum,
                             const QString& entries) {
    const QString count = minimum == maximum
                              ? QString::number(minimum)
                              : QCoreApplication::translate("kirabellum::DesignJson", "%1 to %2")
                                    .arg(minimum)
                                    .arg(maximum);
    if (!node.value.isArray())
        return fail(QCoreApplication::translate("kirabellum::DesignJson",
                                                "\"%1\" must be an array of %2 %3, not %4")
                        .arg(node.path, count, entries, describe(node.value)));
    const qsizetype found = node.value.toArray().size();
    if (found < minimum || found > maximum)
        return fail(QCoreApplication::translate("kirabellum::DesignJson",
                                                "\"%1\" holds %2 entries; it must hold %3 %4")
                        .arg(node.path)
                        .arg(found)
                        .arg(count, entries));
    return true;
}

// A whole number from `lowest` to `highest`: by default the width of the field,
// 0 to 255 for a byte, -32768 to 32767 for an int16. Values outside the
// editors' ranges are kept, as design files keep them; the layer effects, which
// no design file holds, are read within their own ranges.
template <typename Field>
bool DesignJsonReader::integer(const JsonNode& node, Field& field, double lowest, double highest) {
    const double number = node.value.toDouble();
    if (!node.value.isDouble() || number != std::floor(number) || number < lowest ||
        number > highest)
        return fail(
            QCoreApplication::translate("kirabellum::DesignJson",
                                        "\"%1\" must be a whole number from %2 to %3, not %4")
                .arg(node.path)
                .arg(lowest)
                .arg(highest)
                .arg(describe(node.value)));
    field = static_cast<Field>(number);
    return true;
}

bool DesignJsonReader::boolean(const JsonNode& node, bool& field) {
    if (!node.value.isBool())
        return fail(QCoreApplication::translate("kirabellum::DesignJson",
                                                "\"%1\" must be true or false, not %2")
                        .arg(node.path, describe(node.value)));
    field = node.value.toBool();
    return true;
}

bool DesignJsonReader::decimal(const JsonNode& node, float& field) {
    if (node.value.isDouble()) {
        const double number = node.value.toDouble();
        if (std::fabs(number) > static_cast<double>(FLT_MAX))
            return fail(
                QCoreApplication::translate("kirabellum::DesignJson",
                                            "\"%1\" is %2, outside the range of a 32-bit float")
                    .arg(node.path, describe(node.value)));
        field = static_cast<float>(number);
        return true;
    }
    if (node.value.isString()) {
        const QString text = node.value.toString();
        if (text == NanText) {
            field = floatFromBits(QuietNanBits);
            return true;
        }
        if (text == InfinityText || text == NegativeInfinityText) {
            field = text == InfinityText ? std::numeric_limits<float>::infinity()
                                         : -std::numeric_limits<float>::infinity();
            return true;
        }
        if (text == NegativeZeroText) {
            field = -0.0f;
            return true;
        }
        if (text.startsWith(NanBitsPrefix) && text.size() == NanBitsPrefix.size() + 8) {
            const QString digits = text.mid(NanBitsPrefix.size());
            bool hex = true;
            for (const QChar digit : digits)
                hex = hex && (digit.isDigit() || QStringLiteral("abcdefABCDEF").contains(digit));
            const std::uint32_t bits = hex ? digits.toUInt(nullptr, 16) : 0;
            if (hex && std::isnan(floatFromBits(bits))) {
                field = floatFromBits(bits);
                return true;
            }
        }
    }
    return fail(QCoreApplication::translate(
                    "kirabellum::DesignJson",
                    "\"%1\" must be a number, \"NaN\", \"NaN:0x\" with the 8 hex "
                    "digits of a NaN, \"Infinity\", \"-Infinity\" or \"-0\", not %2")
                    .arg(node.path, describe(node.value)));
}

bool DesignJsonReader::colour(const JsonNode& node, common::Colour& field) {
    if (!node.value.isString() || !common::colourFromHex(node.value.toString(), field))
        return fail(QCoreApplication::translate("kirabellum::DesignJson",
                                                "\"%1\" must be a colour \"#RRGGBB\", not %2")
                        .arg(node.path, describe(node.value)));
    return true;
}

bool DesignJsonReader::layer(const JsonNode& node, LayerSettings& layer) {
    if (!object(node, layerKeys, effectKeys) ||
        !integer(node.member(QStringLiteral("LayerUse")), layer.LayerUse) ||
        !integer(node.member(QStringLiteral("LayerX")), layer.LayerX) ||
        !integer(node.member(QStringLiteral("LayerY")), layer.LayerY) ||
        !integer(node.member(QStringLiteral("LayerCount")), layer.LayerCount) ||
        !integer(node.member(QStringLiteral("LayerRadius")), layer.LayerRadius) ||
        !integer(node.member(QStringLiteral("LayerMinSpeed")), layer.LayerMinSpeed) ||
        !integer(node.member(QStringLiteral("LayerLife")), layer.LayerLife) ||
        !integer(node.member(QStringLiteral("LayerDecel")), layer.LayerDecel))
        return false;
    const JsonNode shape = node.member(QStringLiteral("LayerShape"));
    if (!array(shape, DirectionTotal,
               QCoreApplication::translate("kirabellum::DesignJson", "speeds")))
        return false;
    for (int direction = 0; direction < DirectionTotal; ++direction)
        if (!integer(shape.element(direction),
                     layer.LayerShape[static_cast<std::size_t>(direction)]))
            return false;
    return integer(node.member(QStringLiteral("LayerBurstMode")), layer.LayerBurstMode) &&
           integer(node.member(QStringLiteral("LayerBurstFrom")), layer.LayerBurstFrom) &&
           integer(node.member(QStringLiteral("LayerBurstTo")), layer.LayerBurstTo) &&
           integer(node.member(QStringLiteral("LayerBurstStep")), layer.LayerBurstStep) &&
           layerEffects(node, layer);
}

// The effect keys of a layer object; a key left out means the effect is not used.
bool DesignJsonReader::layerEffects(const JsonNode& node, LayerSettings& layer) {
    const QJsonObject members = node.value.toObject();
    layer.Trigger.reset();
    layer.Trail.reset();
    layer.Ramp.clear();
    if (members.contains(triggerKey)) {
        LayerTrigger read;
        if (!trigger(node.member(triggerKey), read))
            return false;
        layer.Trigger = read;
    }
    if (members.contains(trailKey)) {
        LayerTrail read;
        if (!trail(node.member(trailKey), read))
            return false;
        layer.Trail = read;
    }
    return !members.contains(layerRampKey) || layerRamp(node.member(layerRampKey), layer.Ramp);
}

// {"Parent": P, "When": "death"} or {"Parent": P, "When": "age", "Age": A,
// "Split": S}, with "Inherit": K in both.
bool DesignJsonReader::trigger(const JsonNode& node, LayerTrigger& trigger) {
    if (!object(node, {parentKey, whenKey, inheritKey}, {ageKey, splitKey}) ||
        !integer(node.member(parentKey), trigger.Parent, 1, LayerTotal))
        return false;
    const JsonNode when = node.member(whenKey);
    if (when.value == QJsonValue(deathText))
        trigger.When = TriggerMoment::Death;
    else if (when.value == QJsonValue(ageText))
        trigger.When = TriggerMoment::Age;
    else
        return fail(QCoreApplication::translate("kirabellum::DesignJson",
                                                "\"%1\" must be \"%2\" or \"%3\", not %4")
                        .arg(when.path, deathText, ageText, describe(when.value)));
    const QJsonObject members = node.value.toObject();
    if (trigger.When == TriggerMoment::Death) {
        for (const QString& key : {ageKey, splitKey})
            if (members.contains(key))
                return fail(QCoreApplication::translate(
                                "kirabellum::DesignJson",
                                "\"%1\" is given only when \"%2\" is \"%3\", not \"%4\"")
                                .arg(node.member(key).path, when.path, ageText, deathText));
    } else if (!object(node, {parentKey, whenKey, inheritKey, ageKey, splitKey}) ||
               !integer(node.member(ageKey), trigger.Age, TriggerAgeMinimum, TriggerAgeMaximum) ||
               !boolean(node.member(splitKey), trigger.Split)) {
        return false;
    }
    return integer(node.member(inheritKey), trigger.Inherit, 0, TriggerInheritMaximum);
}

bool DesignJsonReader::trail(const JsonNode& node, LayerTrail& trail) {
    return object(node, {stepsKey, fadeKey}) &&
           integer(node.member(stepsKey), trail.Steps, TrailStepsMinimum, TrailStepsMaximum) &&
           integer(node.member(fadeKey), trail.Fade, TrailFadeMinimum, TrailFadeMaximum);
}

bool DesignJsonReader::layerRamp(const JsonNode& node, std::vector<common::Colour>& ramp) {
    if (!array(node, 1, RampCapacity,
               QCoreApplication::translate("kirabellum::DesignJson", "colours")))
        return false;
    ramp.assign(static_cast<std::size_t>(node.value.toArray().size()), 0);
    for (std::size_t index = 0; index < ramp.size(); ++index)
        if (!colour(node.element(static_cast<int>(index)), ramp[index]))
            return false;
    return true;
}

// The rules between the layers' effects, once every layer is read.
bool DesignJsonReader::effectRules(const DesignDocument& design) {
    const common::Status rules = checkLayerEffects(design);
    if (!rules.ok())
        return fail(rules.message());
    return true;
}

bool DesignJsonReader::force(const JsonNode& node, GravityForce& force) {
    return object(node, forceKeys) && integer(node.member(QStringLiteral("Use")), force.Use) &&
           decimal(node.member(QStringLiteral("Angle")), force.Angle) &&
           decimal(node.member(QStringLiteral("Power")), force.Power);
}

bool DesignJsonReader::sparkImage(const JsonNode& node, SparkBitmap& image) {
    if (!array(node, SparkEdge, QCoreApplication::translate("kirabellum::DesignJson", "rows")))
        return false;
    for (int y = 0; y < SparkEdge; ++y) {
        const JsonNode row = node.element(y);
        if (!array(row, SparkEdge,
                   QCoreApplication::translate("kirabellum::DesignJson", "colours")))
            return false;
        for (int x = 0; x < SparkEdge; ++x)
            if (!colour(row.element(x), image.at(x, y)))
                return false;
    }
    return true;
}

bool DesignJsonReader::ramp(const JsonNode& root, DesignDocument& design) {
    const JsonNode length = root.member(QStringLiteral("RampLength"));
    std::int16_t rampLength = 0;
    if (!integer(length, rampLength))
        return false;
    if (rampLength < 0 || rampLength > RampCapacity)
        return fail(
            QCoreApplication::translate("kirabellum::DesignJson", "\"%1\" is %2, outside 0 to %3")
                .arg(length.path)
                .arg(rampLength)
                .arg(RampCapacity));
    const JsonNode entries = root.member(QStringLiteral("ColorRamp"));
    if (!array(entries, rampLength,
               QCoreApplication::translate("kirabellum::DesignJson",
                                           "colours, as \"RampLength\" says")))
        return false;
    for (int index = 0; index < rampLength; ++index)
        if (!colour(entries.element(index), design.ColorRamp[static_cast<std::size_t>(index)]))
            return false;
    design.RampLength = rampLength;
    return true;
}

// A seed is a string of decimal digits, since a JSON number is a double and
// holds only whole numbers up to 2^53 exactly; such a number is taken too.
bool DesignJsonReader::seed(const JsonNode& node, std::uint64_t& value) {
    const double number = node.value.toDouble();
    if (node.value.isDouble() && number >= 0 && number <= ExactWholeNumbers &&
        number == std::floor(number)) {
        value = static_cast<std::uint64_t>(number);
        return true;
    }
    if (const std::optional<std::uint64_t> read = seedFromText(node.value.toString());
        node.value.isString() && read) {
        value = *read;
        return true;
    }
    return fail(QCoreApplication::translate(
                    "kirabellum::DesignJson",
                    "\"%1\" must be a whole number from 0 to 18446744073709551615 in "
                    "a string of decimal digits (\"12345678901234567890\"), or a "
                    "JSON number up to %2, not %3")
                    .arg(node.path)
                    .arg(ExactWholeNumbers, 0, 'f', 0)
                    .arg(describe(node.value)));
}

bool DesignJsonReader::render(const JsonNode& node, RenderSettings& settings) {
    if (!object(node, {loopKey}, {seedKey}) || !boolean(node.member(loopKey), settings.Loop))
        return false;
    settings.Seed.reset();
    if (!node.value.toObject().contains(seedKey))
        return true;
    std::uint64_t fixed = 0;
    if (!seed(node.member(seedKey), fixed))
        return false;
    settings.Seed = fixed;
    return true;
}

bool DesignJsonReader::read(const QJsonObject& rootObject, DesignDocument& design) {
    const JsonNode root{rootObject, QString()};
    design.Render = RenderSettings();
    if (!object(root, designKeys, {renderKey}) ||
        (rootObject.contains(renderKey) && !render(root.member(renderKey), design.Render)) ||
        !integer(root.member(QStringLiteral("AfterimageOn")), design.AfterimageOn) ||
        !integer(root.member(QStringLiteral("Afterimage")), design.Afterimage) ||
        !integer(root.member(QStringLiteral("FrameSize")), design.FrameSize) ||
        !integer(root.member(QStringLiteral("FrameCount")), design.FrameCount) ||
        !integer(root.member(QStringLiteral("RefreshRate")), design.RefreshRate) ||
        !decimal(root.member(QStringLiteral("AddRate")), design.AddRate) ||
        !integer(root.member(QStringLiteral("WidthLimit")), design.WidthLimit))
        return false;

    const JsonNode layers = root.member(QStringLiteral("Layers"));
    if (!array(layers, LayerTotal, QCoreApplication::translate("kirabellum::DesignJson", "layers")))
        return false;
    for (int index = 0; index < LayerTotal; ++index)
        if (!layer(layers.element(index), design.Layers[static_cast<std::size_t>(index)]))
            return false;
    if (!effectRules(design))
        return false;

    const JsonNode gravity = root.member(QStringLiteral("Gravity"));
    if (!array(gravity, GravityTotal,
               QCoreApplication::translate("kirabellum::DesignJson", "forces")))
        return false;
    for (int index = 0; index < GravityTotal; ++index)
        if (!force(gravity.element(index), design.Gravity[static_cast<std::size_t>(index)]))
            return false;

    const JsonNode sparkImages = root.member(QStringLiteral("SparkImage"));
    if (!array(sparkImages, LayerTotal,
               QCoreApplication::translate("kirabellum::DesignJson", "images")))
        return false;
    for (int slot = 0; slot < LayerTotal; ++slot)
        if (!sparkImage(sparkImages.element(slot),
                        design.SparkImage[static_cast<std::size_t>(slot)]))
            return false;

    return ramp(root, design);
}

bool DesignJsonReader::readLayerEffects(const QJsonObject& rootObject, DesignDocument& design) {
    const JsonNode root{rootObject, QString()};
    const JsonNode layers = root.member(QStringLiteral("Layers"));
    if (!object(root, {layers.path}) ||
        !array(layers, LayerTotal, QCoreApplication::translate("kirabellum::DesignJson", "layers")))
        return false;
    for (int index = 0; index < LayerTotal; ++index) {
        const JsonNode node = layers.element(index);
        if (!object(node, {}, effectKeys) ||
            !layerEffects(node, design.Layers[static_cast<std::size_t>(index)]))
            return false;
    }
    return effectRules(design);
}

// Parses JSON text that must hold one object; a failure gives the parser's
// message with its line and column.
common::Status parseObject(const QByteArray& json, QJsonObject& object) {
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        // The parser gives a byte offset; people and editors count lines and columns.
        const QByteArray before = json.left(error.offset);
        const qsizetype lineStart = before.lastIndexOf('\n') + 1;
        return common::Status::failure(
            QCoreApplication::translate(
                "kirabellum::DesignJson",
                "expected a JSON design, but the text is not valid JSON: %1 at line "
                "%2, column %3")
                .arg(error.errorString())
                .arg(before.count('\n') + 1)
                .arg(before.size() - lineStart + 1));
    }
    if (!parsed.isObject())
        return common::Status::failure(QCoreApplication::translate(
            "kirabellum::DesignJson",
            "the JSON text holds an array; it must hold one object of design fields"));
    object = parsed.object();
    return common::Status::success();
}

} // namespace

common::Status designToJson(const DesignDocument& document, QByteArray& json) {
    const common::Status expressible = checkExpressible(document);
    if (!expressible.ok())
        return expressible;
    json = QJsonDocument(designToJsonObject(document)).toJson(QJsonDocument::Indented);
    return common::Status::success();
}

common::Status designFromJson(const QByteArray& json, DesignDocument& document) {
    QJsonObject parsed;
    const common::Status status = parseObject(json, parsed);
    if (!status.ok())
        return status;
    DesignDocument read = document;
    DesignJsonReader reader;
    if (!reader.read(parsed, read))
        return reader.failure();
    read.RenderCancel = document.RenderCancel;
    document = read;
    return common::Status::success();
}

common::Status layerEffectsToJson(const DesignDocument& document, QByteArray& json) {
    const common::Status expressible = checkLayerRampsExpressible(document);
    if (!expressible.ok())
        return expressible;
    QJsonArray layers;
    for (const LayerSettings& layer : document.Layers) {
        QJsonObject effects;
        insertLayerEffects(effects, layer);
        layers.append(effects);
    }
    json = QJsonDocument(QJsonObject{{QStringLiteral("Layers"), layers}})
               .toJson(QJsonDocument::Compact);
    return common::Status::success();
}

common::Status layerEffectsFromJson(const QByteArray& json, DesignDocument& document) {
    QJsonObject parsed;
    const common::Status status = parseObject(json, parsed);
    if (!status.ok())
        return status;
    DesignDocument read = document;
    DesignJsonReader reader;
    if (!reader.readLayerEffects(parsed, read))
        return reader.failure();
    document = read;
    return common::Status::success();
}

common::Status writeDesignJson(const QString& path, const DesignDocument& document) {
    const QString context =
        QCoreApplication::translate("kirabellum::DesignJson", "Cannot save the design to \"%1\"")
            .arg(path);
    QByteArray json;
    const common::Status converted = designToJson(document, json);
    if (!converted.ok())
        return converted.prefixed(context);
    return common::writeFileAtomically(path, json).prefixed(context);
}

common::Status readDesignJson(const QString& path, DesignDocument& document) {
    const QString context =
        QCoreApplication::translate("kirabellum::DesignJson", "Cannot open the design \"%1\"")
            .arg(path);
    QByteArray json;
    const common::Status read = common::readWholeFile(path, json);
    if (!read.ok())
        return read.prefixed(context);
    return designFromJson(json, document).prefixed(context);
}

} // namespace kirabellum
