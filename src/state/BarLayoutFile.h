#ifndef PLUX_STATE_BARLAYOUTFILE_H
#define PLUX_STATE_BARLAYOUTFILE_H

// The bar layout file: what the user may change of a bar manager (its options, its bars with their
// places, the links of the bars and sub-menus with their overrides) as sections of an INI file that is
// read whole and rewritten whole. The sections of one manager begin with its prefix; a save keeps the
// file's other sections, before the manager's rewritten ones.

#include <string>
#include <string_view>

#include "support/FileSystem.h"
#include "toolkit/bars/model/BarModel.h"

// "frmPLUX.BarManager.": the names of the owner window and of the manager, each followed by ".".
std::string BarLayoutPrefix(std::string_view ownerName, std::string_view managerName);

// Applies the layout stored in the file; a missing file counts as empty. Nothing happens for an empty
// name. Raises Exception when the file cannot be read.
void LoadBarLayout(TBarManager& manager,
                   std::string_view prefix,
                   const std::string& fileName,
                   const TFileSystem& files);
// Writes the manager's layout into the file, replacing it at once. Nothing happens for an empty name.
// Raises Exception when the file cannot be read or written; the old file then stays as it was.
void SaveBarLayout(const TBarManager& manager,
                   std::string_view prefix,
                   const std::string& fileName,
                   TFileSystem& files);

#endif
