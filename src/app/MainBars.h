#ifndef PLUX_APP_MAINBARS_H
#define PLUX_APP_MAINBARS_H

#include <cstdint>

#include "app/DesignScale.h"
#include "app/MainBarNames.h"
#include "toolkit/bars/model/BarModel.h"

// The catalogue message of the chooser's first entry, which names no snapshot.
inline constexpr std::int32_t kNoComparisonMessage = 2;

// Fills an empty manager with the main window's design: options, categories, the items of the command
// table, bars and links, with the design's pixel sizes and positions scaled to the screen.
void BuildMainBars(TBarManager& manager, const TDesignScale& scale = {});

#endif
