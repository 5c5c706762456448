#include "core/document/LayerEffects.h"

#include <gtest/gtest.h>

#include <map>

namespace kirabellum {
namespace {

TEST(LayerEffectsTest, ATriggerOnItselfOrThatLeadsBackToTheChildIsACycle) {
    const struct {
        std::map<int, int> parents; // child layer -> parent layer, already set
        int child;
        int parent;
        bool cycle;
    } cases[] = {
        {{}, 3, 3, true},
        {{}, 3, 5, false},
        {{{5, 3}}, 3, 5, true},
        {{{5, 6}, {6, 3}}, 3, 5, true},
        {{{5, 6}, {6, 7}}, 3, 5, false},
        {{{3, 2}}, 3, 5, false},         // the child's own trigger is the one replaced
        {{{5, 6}, {6, 5}}, 3, 5, false}, // a cycle the child does not join
        {{{5, 9}}, 3, 5, false},         // a parent out of range ends the chain
    };
    for (const auto& each : cases) {
        DesignDocument design;
        for (const auto& [child, parent] : each.parents)
            design.layer(child).Trigger = LayerTrigger{static_cast<std::int16_t>(parent)};
        EXPECT_EQ(triggerWouldCycle(design, each.child, each.parent), each.cycle)
            << each.child << " <- " << each.parent;
    }
}

} // namespace
} // namespace kirabellum
