#include "core/document/LayerEffects.h"

#include <gtest/gtest.h>

namespace kirabellum {
namespace {

TEST(LayerEffects, ATriggerWouldCycleWhenTheParentLeadsBackToTheChild) {
    // Layer 2 is triggered by 1, 3 by 2; 7 and 8 by each other; 5 names a parent
    // outside the layers.
    DesignDocument design;
    const auto trigger = [&design](int child, int parent) {
        design.layer(child).Trigger = LayerTrigger{static_cast<std::int16_t>(parent)};
    };
    trigger(2, 1);
    trigger(3, 2);
    trigger(7, 8);
    trigger(8, 7);
    trigger(5, 9);
    const struct {
        int child;
        int parent;
        bool cycles;
    } cases[] = {
        {4, 4, true},  {1, 3, true},  {1, 2, true},  {2, 3, true}, // 2's own trigger is replaced
        {3, 1, false}, {4, 3, false}, {1, 7, false}, {1, 5, false}, {1, 9, false}, {9, 1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(triggerWouldCycle(design, c.child, c.parent), c.cycles)
            << c.child << " by " << c.parent;
}

} // namespace
} // namespace kirabellum
