#ifndef PLUX_APP_MAINBARNAMES_H
#define PLUX_APP_MAINBARNAMES_H

#include <string_view>

// Names of the main window's bar items, as the bar layout file records them.
inline constexpr std::string_view kDoCheckItem = "btnDoCheck";
inline constexpr std::string_view kSaveResultItem = "btnSaveResult";
inline constexpr std::string_view kPrintItem = "btnPrint";
inline constexpr std::string_view kFileExitItem = "btnFileExit";
inline constexpr std::string_view kFileMenuItem = "File1";
inline constexpr std::string_view kCompareFilesItem = "cbxCompareFiles";
inline constexpr std::string_view kColor1Item = "barColor1";
inline constexpr std::string_view kColor2Item = "barColor2";
inline constexpr std::string_view kCheckRequiredVersionsItem = "btnCheckRequiredVersions";
inline constexpr std::string_view kOpenTeamReportsItem = "btnOpenTeamReports";

// Captions of the bars, which the layout file and the dock's bar list show.
inline constexpr std::string_view kFileBar = "File";
inline constexpr std::string_view kMainMenuBar = "Main Menu";
inline constexpr std::string_view kColoursBar = "Colours";

// The bar manager's item categories, in the order the customisation lists them.
inline constexpr std::string_view kDefaultCategory = "Default";
inline constexpr std::string_view kFileCategory = "File";
inline constexpr std::string_view kMenusCategory = "Menus";
inline constexpr std::string_view kColoursCategory = "Colours";
inline constexpr std::string_view kRequiredVersionsCategory = "Required Versions";
inline constexpr std::string_view kTeamReportsCategory = "Team Reports";
// Team Reports before Required Versions, which stays last where the customisation's list ends.
inline constexpr std::string_view kCategories[] = {kDefaultCategory, kFileCategory,        kMenusCategory,
                                                   kColoursCategory, kTeamReportsCategory, kRequiredVersionsCategory};

#endif
