#include "core/editing/SampleDesigns.h"

#include "core/editing/ShapePresets.h"

#include <stdexcept>
#include <string>

namespace kirabellum {

namespace {

DesignDocument startDesign() {
    DesignDocument design;
    NewDesign(design);
    design.FrameSize = 128;
    design.FrameCount = 16;
    design.WidthLimit = 512;
    return design;
}

DesignDocument chrysanthemum() {
    DesignDocument design = startDesign();
    design.AfterimageOn = 1;
    design.Afterimage = 16;
    design.AddRate = 0.12f;
    fillRamp(design, 64,
             {common::makeColour(90, 0, 20), common::makeColour(220, 40, 10),
              common::makeColour(255, 150, 20), common::makeColour(255, 230, 120),
              common::makeColour(255, 255, 255)});

    LayerSettings& petals = design.layer(1);
    petals.LayerUse = 1;
    petals.LayerCount = 600;
    petals.LayerRadius = 6;
    petals.LayerMinSpeed = 5;
    petals.LayerLife = 180;
    petals.LayerDecel = 88;
    petals.LayerShape.fill(40);
    paintGlowSpark(design, 0, 4.0, 63, 1.5);

    LayerSettings& core = design.layer(2);
    core.LayerUse = 1;
    core.LayerCount = 200;
    core.LayerRadius = 4;
    core.LayerMinSpeed = 0;
    core.LayerLife = 255;
    core.LayerDecel = 80;
    core.LayerShape.fill(24);
    paintGlowSpark(design, 1, 7.0, 50, 2.0);

    GravityForce& fall = design.Gravity[0];
    fall.Use = 1;
    fall.Angle = 90.0f;
    fall.Power = 1.0f;
    return design;
}

DesignDocument ring() {
    DesignDocument design = startDesign();
    design.AfterimageOn = 1;
    design.Afterimage = 15;
    design.AddRate = 0.2f;
    fillRamp(design, 48,
             {common::makeColour(10, 0, 60), common::makeColour(40, 60, 200),
              common::makeColour(80, 180, 255), common::makeColour(200, 240, 255),
              common::makeColour(255, 255, 255)});

    LayerSettings& band = design.layer(1);
    band.LayerUse = 1;
    band.LayerCount = 400;
    band.LayerRadius = 2;
    band.LayerMinSpeed = 9;
    band.LayerLife = 200;
    band.LayerDecel = 84;
    band.LayerShape.fill(3);
    paintGlowSpark(design, 0, 4.0, 47, 1.2);

    LayerSettings& sparkle = design.layer(2);
    sparkle.LayerUse = 1;
    sparkle.LayerCount = 160;
    sparkle.LayerRadius = 30;
    sparkle.LayerMinSpeed = 1;
    sparkle.LayerLife = 150;
    sparkle.LayerDecel = 70;
    sparkle.LayerShape.fill(8);
    sparkle.LayerBurstMode = 1;
    sparkle.LayerBurstFrom = 2;
    sparkle.LayerBurstTo = 10;
    sparkle.LayerBurstStep = 4;
    paintGlowSpark(design, 1, 3.0, 47, 1.0);

    GravityForce& spin = design.Gravity[1];
    spin.Use = 1;
    spin.Angle = 0.0f;
    spin.Power = 3.0f;
    return design;
}

DesignDocument willow() {
    DesignDocument design = startDesign();
    design.FrameCount = 20;
    design.AfterimageOn = 1;
    design.Afterimage = 13;
    design.AddRate = 0.1f;
    fillRamp(design, 80,
             {common::makeColour(40, 20, 0), common::makeColour(150, 80, 0),
              common::makeColour(230, 170, 30), common::makeColour(255, 230, 140),
              common::makeColour(255, 255, 230)});

    LayerSettings& fronds = design.layer(1);
    fronds.LayerUse = 1;
    fronds.LayerX = 80;
    fronds.LayerY = 56;
    fronds.LayerCount = 300;
    fronds.LayerRadius = 4;
    fronds.LayerMinSpeed = 3;
    fronds.LayerLife = 150;
    fronds.LayerDecel = 86;
    fronds.LayerShape.fill(36);
    // Fewer particles thrown downwards: the willow opens upwards and then droops.
    for (int direction = 3; direction <= 15; ++direction)
        fronds.LayerShape[static_cast<std::size_t>(direction)] = 16;
    fronds.LayerBurstMode = 1;
    fronds.LayerBurstFrom = 0;
    fronds.LayerBurstTo = 8;
    fronds.LayerBurstStep = 4;
    paintGlowSpark(design, 0, 3.5, 79, 1.3);

    GravityForce& fall = design.Gravity[0];
    fall.Use = 1;
    fall.Angle = 90.0f;
    fall.Power = 2.0f;
    return design;
}

// The samples below share their sizes: small frames keep their strips light.
DesignDocument smallDesign(int frameCount) {
    DesignDocument design = startDesign();
    design.FrameSize = 96;
    design.FrameCount = static_cast<std::int16_t>(frameCount);
    design.WidthLimit = 384;
    return design;
}

// The index of a built-in ramp or spark by its name; a name none has is a
// mistake in the samples.
template <typename Entries> std::size_t named(const Entries& entries, const char* name) {
    const QString wanted = QString::fromUtf8(name);
    for (std::size_t index = 0; index < entries.size(); ++index)
        if (entries[index].name == wanted)
            return index;
    throw std::invalid_argument(std::string("no built-in entry named ") + name);
}

// A built-in ramp's colours over `length` entries: shorter ramps fade faster.
void useRamp(DesignDocument& design, const char* name, int length) {
    fillRamp(design, length, builtInRamps()[named(builtInRamps(), name)].keys);
}

void useSpark(DesignDocument& design, int layer, const char* name) {
    applyBuiltInSpark(design, layer - 1, named(builtInSparks(), name));
}

LayerSettings& useLayer(DesignDocument& design, int number, int count, int minSpeed, int life,
                        int decel) {
    LayerSettings& layer = design.layer(number);
    layer.LayerUse = 1;
    layer.LayerCount = static_cast<std::int16_t>(count);
    layer.LayerMinSpeed = static_cast<std::uint8_t>(minSpeed);
    layer.LayerLife = static_cast<std::uint8_t>(life);
    layer.LayerDecel = static_cast<std::uint8_t>(decel);
    return layer;
}

void repeat(LayerSettings& layer, int from, int to, int step) {
    layer.LayerBurstMode = 1;
    layer.LayerBurstFrom = static_cast<std::int16_t>(from);
    layer.LayerBurstTo = static_cast<std::int16_t>(to);
    layer.LayerBurstStep = static_cast<std::int16_t>(step);
}

// A shape with every direction scaled by numerator / denominator.
BurstShape grown(BurstShape shape, int numerator, int denominator) {
    for (std::int16_t& direction : shape)
        direction = static_cast<std::int16_t>(direction * numerator / denominator);
    return shape;
}

void pull(DesignDocument& design, int force, float angle, float power) {
    GravityForce& gravity = design.Gravity[static_cast<std::size_t>(force)];
    gravity.Use = 1;
    gravity.Angle = angle;
    gravity.Power = power;
}

DesignDocument peony() {
    DesignDocument design = smallDesign(12);
    design.AfterimageOn = 1;
    design.Afterimage = 30;
    design.AddRate = 0.15f;
    useRamp(design, "赤", 48);
    LayerSettings& stars = useLayer(design, 1, 250, 6, 150, 90);
    stars.LayerRadius = 3;
    stars.LayerShape.fill(24);
    useSpark(design, 1, "柔らかい点");
    pull(design, 0, 90.0f, 0.6f);
    return design;
}

DesignDocument palm() {
    DesignDocument design = smallDesign(12);
    design.AfterimageOn = 1;
    design.Afterimage = 16;
    design.AddRate = 0.35f;
    useRamp(design, "金", 48);
    LayerSettings& fronds = useLayer(design, 1, 600, 0, 120, 92);
    fronds.LayerY = 70;
    fronds.LayerRadius = 2;
    // Six arms, each three directions wide and strongest in its middle; the
    // directions between them stay at the centre as a small flash.
    for (int arm = 0; arm < 6; ++arm) {
        fronds.LayerShape[static_cast<std::size_t>(arm * 6 + 2)] = 56;
        fronds.LayerShape[static_cast<std::size_t>(arm * 6 + 3)] = 80;
        fronds.LayerShape[static_cast<std::size_t>(arm * 6 + 4)] = 56;
    }
    useSpark(design, 1, "小さな点");
    pull(design, 0, 90.0f, 3.0f);
    return design;
}

DesignDocument doubleRing() {
    DesignDocument design = smallDesign(12);
    design.AfterimageOn = 1;
    design.Afterimage = 25;
    design.AddRate = 0.15f;
    useRamp(design, "緑", 48);
    LayerSettings& outer = useLayer(design, 1, 200, 11, 150, 84);
    outer.LayerRadius = 2;
    outer.LayerShape.fill(3);
    useSpark(design, 1, "硬い点");
    LayerSettings& inner = useLayer(design, 2, 140, 5, 150, 84);
    inner.LayerRadius = 2;
    inner.LayerShape.fill(2);
    useSpark(design, 2, "柔らかい点");
    return design;
}

DesignDocument heart() {
    DesignDocument design = smallDesign(12);
    design.AfterimageOn = 1;
    design.Afterimage = 25;
    design.AddRate = 0.3f;
    useRamp(design, "桃", 48);
    LayerSettings& outline = useLayer(design, 1, 800, 2, 160, 84);
    outline.LayerRadius = 1;
    outline.LayerShape = grown(presetShape(ShapePreset::Heart, 0), 3, 2);
    useSpark(design, 1, "小さな点");
    return design;
}

DesignDocument star() {
    DesignDocument design = smallDesign(12);
    design.AfterimageOn = 1;
    design.Afterimage = 25;
    design.AddRate = 0.12f;
    useRamp(design, "水色", 48);
    LayerSettings& points = useLayer(design, 1, 500, 0, 40, 90);
    points.LayerRadius = 1;
    points.LayerShape = grown(presetShape(ShapePreset::Star, 0), 3, 2);
    useSpark(design, 1, "菱形");
    return design;
}

DesignDocument glitter() {
    DesignDocument design = smallDesign(12);
    design.AfterimageOn = 1;
    design.Afterimage = 16;
    design.AddRate = 0.45f;
    // A short ramp, so that each crackle flashes and is gone in a few frames.
    useRamp(design, "銀白", 24);
    LayerSettings& shell = useLayer(design, 1, 120, 6, 60, 88);
    shell.LayerShape.fill(16);
    useSpark(design, 1, "小さな点");
    // Crackles over the spreading shell: short flashes at scattered points.
    LayerSettings& crackles = useLayer(design, 2, 14, 0, 255, 50);
    crackles.LayerRadius = 60;
    crackles.LayerShape.fill(2);
    repeat(crackles, 4, 12, 1);
    useSpark(design, 2, "きらめき");
    pull(design, 0, 90.0f, 0.5f);
    return design;
}

DesignDocument strobe() {
    DesignDocument design = smallDesign(12);
    design.AddRate = 0.7f;
    // A short ramp: a flash walks down it within a few frames.
    useRamp(design, "紫", 16);
    LayerSettings& flashes = useLayer(design, 1, 12, 0, 255, 50);
    flashes.LayerRadius = 60;
    flashes.LayerShape.fill(2);
    repeat(flashes, 0, 12, 1);
    useSpark(design, 1, "十字");
    return design;
}

DesignDocument fountain() {
    DesignDocument design = smallDesign(12);
    design.AfterimageOn = 1;
    design.Afterimage = 14;
    design.AddRate = 0.3f;
    useRamp(design, "橙", 48);
    // A narrow jet straight up, launched every frame and bent back by gravity.
    // The particles of the other directions stay at the nozzle.
    LayerSettings& jet = useLayer(design, 1, 150, 0, 110, 99);
    jet.LayerY = 150;
    jet.LayerRadius = 0;
    for (int direction = 25; direction <= 28; ++direction)
        jet.LayerShape[static_cast<std::size_t>(direction)] = 160;
    repeat(jet, 0, 12, 1);
    useSpark(design, 1, "流れ");
    pull(design, 0, 90.0f, 20.0f);
    return design;
}

DesignDocument spiral() {
    DesignDocument design = smallDesign(12);
    design.AfterimageOn = 1;
    design.Afterimage = 20;
    design.AddRate = 0.2f;
    useRamp(design, "虹", 48);
    // Two sources beside the centre, their sparks pushed outwards and turned
    // round it at once: every spark follows the same spiral path, so each
    // source's stream draws one arm, its colour changing with age.
    for (int number = 1; number <= 2; ++number) {
        LayerSettings& stream = useLayer(design, number, 8, 0, 60, 90);
        stream.LayerX = static_cast<std::int16_t>(number == 1 ? 88 : 72);
        stream.LayerRadius = 1;
        stream.LayerShape.fill(8);
        repeat(stream, 0, 12, 1);
        useSpark(design, number, "柔らかい点");
    }
    pull(design, 1, 0.0f, 40.0f);
    pull(design, 2, 1.0f, 20.0f);
    return design;
}

DesignDocument implosion() {
    DesignDocument design = smallDesign(12);
    design.AfterimageOn = 1;
    design.Afterimage = 20;
    design.AddRate = 0.2f;
    useRamp(design, "青", 48);
    // Sparks start on a wide circle at rest and are drawn into the centre.
    LayerSettings& swarm = useLayer(design, 1, 200, 0, 60, 80);
    swarm.LayerRadius = 75;
    useSpark(design, 1, "柔らかい点");
    LayerSettings& flash = useLayer(design, 2, 120, 3, 200, 85);
    flash.LayerRadius = 2;
    flash.LayerShape.fill(24);
    repeat(flash, 9, 9, 1);
    useSpark(design, 2, "星");
    pull(design, 2, 0.0f, 20.0f);
    return design;
}

DesignDocument sparkler() {
    DesignDocument design = smallDesign(12);
    design.AfterimageOn = 1;
    design.Afterimage = 14;
    design.AddRate = 0.5f;
    fillRamp(design, 24,
             {common::makeColour(60, 20, 0), common::makeColour(200, 90, 10),
              common::makeColour(255, 190, 60), common::makeColour(255, 245, 200),
              common::makeColour(255, 255, 255)});
    // A steady spray from one point: bursts every frame, so any frame may follow
    // any other and the animation loops.
    LayerSettings& spray = useLayer(design, 1, 12, 6, 255, 96);
    spray.LayerShape.fill(48);
    repeat(spray, 0, 12, 1);
    useSpark(design, 1, "小さな点");
    LayerSettings& glow = useLayer(design, 2, 1, 0, 150, 50);
    repeat(glow, 0, 12, 1);
    useSpark(design, 2, "大きな光");
    pull(design, 0, 90.0f, 0.6f);
    return design;
}

// Gives the layer a ramp of its own, built-in ramp `rampName` over `length`
// entries, and paints its spark, built-in spark `sparkName`, in that ramp.
void useOwnRamp(DesignDocument& design, int layer, const char* rampName, int length,
                const char* sparkName) {
    DesignDocument own = design;
    useRamp(own, rampName, length);
    useSpark(own, layer, sparkName);
    design.layer(layer).Ramp.assign(own.ColorRamp.begin(), own.ColorRamp.begin() + length);
    design.SparkImage[static_cast<std::size_t>(layer - 1)] =
        own.SparkImage[static_cast<std::size_t>(layer - 1)];
}

// A layer that bursts where the particles of layer `parent` die.
void burstAtDeath(LayerSettings& layer, int parent, int inherit) {
    layer.Trigger = LayerTrigger{static_cast<std::int16_t>(parent), TriggerMoment::Death, 1, false,
                                 static_cast<std::int16_t>(inherit)};
}

DesignDocument crossette() {
    DesignDocument design = smallDesign(16);
    design.AfterimageOn = 1;
    design.Afterimage = 16;
    design.AddRate = 0.5f;
    useRamp(design, "金", 48);
    // A dozen heavy stars fly out; at age 6 each splits into four pieces that
    // carry on outwards, a little of the star's speed in them.
    LayerSettings& stars = useLayer(design, 1, 12, 9, 100, 90);
    stars.LayerRadius = 0;
    stars.LayerShape.fill(8);
    useSpark(design, 1, "柔らかい点");
    LayerSettings& pieces = useLayer(design, 2, 4, 5, 100, 86);
    pieces.LayerRadius = 0;
    pieces.LayerShape.fill(8);
    pieces.Trigger = LayerTrigger{1, TriggerMoment::Age, 6, true, 30};
    useSpark(design, 2, "小さな点");
    pull(design, 0, 90.0f, 0.4f);
    return design;
}

DesignDocument multiBreak() {
    DesignDocument design = smallDesign(16);
    design.AfterimageOn = 1;
    design.Afterimage = 20;
    design.AddRate = 0.6f;
    useRamp(design, "紫", 48);
    // A handful of short-lived stars, each of which opens, where it dies, into
    // a small burst of its own.
    LayerSettings& shells = useLayer(design, 1, 7, 12, 255, 90);
    shells.LayerRadius = 0;
    shells.LayerShape.fill(8);
    useOwnRamp(design, 1, "金", 16, "硬い点");
    LayerSettings& flowers = useLayer(design, 2, 24, 4, 120, 88);
    flowers.LayerRadius = 1;
    flowers.LayerShape.fill(16);
    burstAtDeath(flowers, 1, 20);
    useSpark(design, 2, "小さな点");
    pull(design, 0, 90.0f, 0.4f);
    return design;
}

DesignDocument crackle() {
    DesignDocument design = smallDesign(16);
    design.AfterimageOn = 1;
    design.Afterimage = 18;
    design.AddRate = 0.3f;
    useRamp(design, "金", 24);
    // Gold stars that end in a swarm of tiny white flashes, each star where it
    // fades out.
    LayerSettings& stars = useLayer(design, 1, 100, 3, 180, 90);
    stars.LayerRadius = 2;
    stars.LayerShape.fill(48);
    useSpark(design, 1, "小さな点");
    LayerSettings& flashes = useLayer(design, 2, 3, 3, 255, 70);
    flashes.LayerRadius = 1;
    flashes.LayerShape.fill(8);
    burstAtDeath(flashes, 1, 0);
    useOwnRamp(design, 2, "銀白", 8, "小さな点");
    pull(design, 0, 90.0f, 0.6f);
    return design;
}

DesignDocument pistilPeony() {
    DesignDocument design = smallDesign(12);
    design.AfterimageOn = 1;
    design.Afterimage = 30;
    design.AddRate = 0.15f;
    useRamp(design, "赤", 48);
    // A red ring around a green core: the core's layer has a ramp of its own.
    LayerSettings& ring = useLayer(design, 1, 240, 8, 150, 90);
    ring.LayerRadius = 2;
    ring.LayerShape.fill(16);
    useSpark(design, 1, "柔らかい点");
    LayerSettings& pistil = useLayer(design, 2, 100, 2, 150, 88);
    pistil.LayerRadius = 1;
    pistil.LayerShape.fill(16);
    useOwnRamp(design, 2, "緑", 48, "柔らかい点");
    pull(design, 0, 90.0f, 0.6f);
    return design;
}

DesignDocument comets() {
    DesignDocument design = smallDesign(16);
    design.AfterimageOn = 1;
    design.Afterimage = 20;
    design.AddRate = 0.5f;
    useRamp(design, "水色", 48);
    // Comets shot up from three points below the frame, one after the other,
    // each drawing its own tail as gravity bends it back. Only the upward
    // directions are thrown: the particles of the others stay below the frame,
    // unseen.
    for (int number = 1; number <= 3; ++number) {
        LayerSettings& heads = useLayer(design, number, 36, 0, 40, 92);
        heads.LayerX = static_cast<std::int16_t>(40 * number);
        heads.LayerY = 166;
        heads.LayerRadius = 0;
        heads.LayerShape.fill(0);
        for (int direction = 25; direction <= 29; ++direction)
            heads.LayerShape[static_cast<std::size_t>(direction)] = 200;
        const int launch = 2 * (number - 1);
        repeat(heads, launch, launch, 1);
        heads.Trail = LayerTrail{8, 85};
        useSpark(design, number, "硬い点");
    }
    pull(design, 0, 90.0f, 2.5f);
    return design;
}

} // namespace

std::vector<SampleDesign> sampleDesigns() {
    return {
        {QStringLiteral("chrysanthemum.df2"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "菊")), chrysanthemum()},
        {QStringLiteral("ring.df2"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "輪")), ring()},
        {QStringLiteral("willow.df2"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "柳")), willow()},
        {QStringLiteral("peony.df2"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "牡丹")), peony()},
        {QStringLiteral("palm.df2"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "椰子")), palm()},
        {QStringLiteral("double-ring.df2"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "二重の輪")),
         doubleRing()},
        {QStringLiteral("heart.df2"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "ハート")), heart()},
        {QStringLiteral("star.df2"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "星")), star()},
        {QStringLiteral("glitter.df2"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "きらめき")), glitter()},
        {QStringLiteral("strobe.df2"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "ストロボ")), strobe()},
        {QStringLiteral("fountain.df2"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "噴水")), fountain()},
        {QStringLiteral("spiral.df2"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "渦巻き")), spiral()},
        {QStringLiteral("implosion.df2"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "吸い込み")),
         implosion()},
        {QStringLiteral("sparkler.df2"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "手持ち花火")),
         sparkler()},
        {QStringLiteral("crossette.json"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "クロセット")),
         crossette()},
        {QStringLiteral("multi-break.json"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "千輪")), multiBreak()},
        {QStringLiteral("crackle.json"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "クラックル")),
         crackle()},
        {QStringLiteral("pistil-peony.json"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "芯入り牡丹")),
         pistilPeony()},
        {QStringLiteral("comets.json"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("kirabellum::SampleDesigns", "彗星")), comets()},
    };
}

} // namespace kirabellum
