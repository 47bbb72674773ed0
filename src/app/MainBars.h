#ifndef PLUX_APP_MAINBARS_H
#define PLUX_APP_MAINBARS_H

#include <cstdint>
#include <string_view>

#include "app/DesignScale.h"
#include "toolkit/bars/BarModel.h"

// Names of the main window's bar items that the window reaches directly.
inline constexpr std::string_view kCompareFilesItem = "cbxCompareFiles";
inline constexpr std::string_view kColor1Item = "barColor1";
inline constexpr std::string_view kColor2Item = "barColor2";
// The catalogue message of the chooser's first entry, which names no snapshot.
inline constexpr std::int32_t kNoComparisonMessage = 2;

// Fills an empty manager with the main window's design: options, categories, items, bars and links,
// with the design's pixel sizes and positions scaled to the screen.
void BuildMainBars(TBarManager& manager, const TDesignScale& scale = {});

#endif
