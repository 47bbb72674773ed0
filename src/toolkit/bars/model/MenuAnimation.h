#ifndef PLUX_TOOLKIT_BARS_MODEL_MENUANIMATION_H
#define PLUX_TOOLKIT_BARS_MODEL_MENUANIMATION_H

#include "toolkit/bars/model/BarModel.h"

// The animation a drop-down menu opens with: the chosen one, none when the user's system settings turn
// menu animation off, and for Random one of unfold, slide and fade picked by `randomNumber`.
TMenuAnimations AnimationToPlay(TMenuAnimations chosen, bool systemAnimatesMenus, unsigned randomNumber);

#endif
