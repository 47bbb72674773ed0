#include "toolkit/bars/model/MenuAnimation.h"

TMenuAnimations AnimationToPlay(TMenuAnimations chosen, bool systemAnimatesMenus, unsigned randomNumber) {
    if (!systemAnimatesMenus)
        return TMenuAnimations::None;
    if (chosen != TMenuAnimations::Random)
        return chosen;
    constexpr TMenuAnimations kPlayed[] = {TMenuAnimations::Unfold, TMenuAnimations::Slide, TMenuAnimations::Fade};
    return kPlayed[randomNumber % 3];
}
