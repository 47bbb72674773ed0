#ifndef PLUX_FLEET_FLEETDATA_H
#define PLUX_FLEET_FLEETDATA_H

#include <string>

#include "fleet/FleetMatrix.h"
#include "support/DataText.h"

// The team matrix for scripts, texts converted to UTF-8 and lines ended by CR LF.

// One JSON object: "machines", one per column in column order, each with its "name", "time" and
// "source"; "products", one per row, each with its "name", "family", "versions" (one per column, null
// where the column lacks the product), "mostCommon" (null when no machine has the product now) and
// "marked" (the indexes of the marked columns, from 0).
std::string FleetJson(const TFleetMatrix& matrix, const TToUtf8& toUtf8);

// CSV with a byte-order mark and a header row, then one row per product and column, products in row
// order and each product's columns in column order: machine, time, source, product, family, the
// version (empty where the column lacks the product), the most common version, and "yes" or "no" for
// a marked cell. Cells are guarded against formulas as in every CSV report.
std::string FleetCsv(const TFleetMatrix& matrix, const TToUtf8& toUtf8);

// JSON Lines, each line ended by LF, for engines and databases that load a line as a record: one
// object per cell that holds a version or is marked, in the order of the CSV rows, with the column's
// "machine", "time" and "source", then the product's "name", "family", "version" (null for a marked
// absence), "mostCommon" and "marked" (true or false).
std::string FleetJsonLines(const TFleetMatrix& matrix, const TToUtf8& toUtf8);

#endif
