#ifndef PLUX_FLEET_FLEETFILES_H
#define PLUX_FLEET_FLEETFILES_H

#include <string>
#include <vector>

#include "fleet/FleetSource.h"
#include "sources/ProductsFile.h"
#include "support/FileSystem.h"

// The files of the team matrix, read as the checks of other machines are (ProductsFile.h).

// The files the sources name, in the order given: a file as it is; a folder, its files of products
// (any letter case of .plx, .json, .reg; not those of its subfolders) in name order, letters in either
// case. Raises "No file or folder <source>", and "No file of products in <folder>" for a folder without one.
std::vector<std::string> FleetSourceFiles(const std::vector<std::string>& sources, const TFileSystem& files);

// One column: the machine the file names, else the file's name without its extension; the time the
// file gives (a snapshot's timestamp as stored, which orders the column where it reads in the locale),
// else the file's last write. Raises the errors of ReadStoredProducts, which name the file.
TFleetSource ReadFleetSource(const std::string& path, const TProductsFileReading& reading);
// The columns of the files, in their order.
std::vector<TFleetSource> ReadFleetSources(const std::vector<std::string>& paths, const TProductsFileReading& reading);

#endif
