#include "toolkit/bars/model/MenuAnimation.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(MenuAnimation, TheChosenOnePlaysUnlessTheSystemTurnsMenuAnimationOff) {
    const TMenuAnimations all[] = {TMenuAnimations::None, TMenuAnimations::Random, TMenuAnimations::Unfold,
                                   TMenuAnimations::Slide, TMenuAnimations::Fade};
    for (TMenuAnimations chosen : all) {
        EXPECT_EQ(AnimationToPlay(chosen, false, 1), TMenuAnimations::None) << static_cast<int>(chosen);
        if (chosen != TMenuAnimations::Random) {
            EXPECT_EQ(AnimationToPlay(chosen, true, 1), chosen) << static_cast<int>(chosen);
        }
    }
}

TEST(MenuAnimation, RandomPlaysEachOfUnfoldSlideAndFade) {
    std::set<TMenuAnimations> played;
    for (unsigned number = 0; number < 6; ++number)
        played.insert(AnimationToPlay(TMenuAnimations::Random, true, number));
    EXPECT_EQ(played,
              (std::set<TMenuAnimations>{TMenuAnimations::Unfold, TMenuAnimations::Slide, TMenuAnimations::Fade}));
}

}  // namespace
