#ifndef PLUX_TOOLKIT_HTML_DOCUMENTACCESS_H
#define PLUX_TOOLKIT_HTML_DOCUMENTACCESS_H

// A laid-out document as assistive programs see it (toolkit/Accessible.h), so that a screen reader reads
// a table row by row and cell by cell. A document of one table is that table; any other document is a
// document whose children are its tables and paragraphs. A table's children are its rows, a row's its
// cells, each named by its text (a header cell is a column header); a row is named by the texts of its
// cells. A cell the host marks carries the host's note as its description. Bounds are in document
// coordinates.

#include <optional>
#include <string>
#include <vector>

#include "toolkit/Accessible.h"
#include "toolkit/html/TableLayout.h"

namespace html {

// `marked` holds a flag for each cell of the layout (MarkedCells), `note` what a marked cell says.
std::optional<TAccessibleNode> DescribeDocumentNode(const THtmlDocument& document,
                                                    const TLayout& layout,
                                                    const std::vector<bool>& marked,
                                                    const std::string& note,
                                                    const TAccessiblePath& path);

// The text of runs as one reads it: non-breaking spaces as blanks, none at the ends.
std::string ReadText(const std::vector<TRun>& runs);

}  // namespace html

#endif
