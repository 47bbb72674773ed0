#ifndef PLUX_FLEET_FLEETHTML_H
#define PLUX_FLEET_FLEETHTML_H

#include <cstddef>
#include <string>

#include "fleet/FleetMatrix.h"
#include "support/TextRoutines.h"

// The team report in the style of the main report: one table, rows banded by family in the two band
// colours, marked cells white and bold on red like the comparison's differences, texts escaped.
//
// Up to kFleetTableColumns columns it is the matrix: a header row of machine names and one of times,
// then a row per product with the version in each column. With more columns it is the summary form:
// a row per product and version with the count of columns that hold it and the machines that stray.

inline constexpr std::size_t kFleetTableColumns = 40;

// Lines as the report builder writes them; the caller ends each with CR LF.
TTextList FleetHtml(const TFleetMatrix& matrix, const std::string& color1Code, const std::string& color2Code);

#endif
