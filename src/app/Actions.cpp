#include "app/Actions.h"

#include <cstddef>
#include <iterator>

namespace {

// Item names, ids and action names each stand for one row, and an action or a shortcut always runs a
// command.
constexpr bool RowsAreConsistent() {
    for (std::size_t i = 0; i < std::size(kCommands); ++i) {
        const TCommand& row = kCommands[i];
        if ((!row.ActionName.empty() || row.ShortCut.Code != 0) && row.Id == 0)
            return false;
        for (std::size_t j = i + 1; j < std::size(kCommands); ++j) {
            const TCommand& later = kCommands[j];
            if (row.ItemName == later.ItemName || (row.Id != 0 && row.Id == later.Id) ||
                (!row.ActionName.empty() && row.ActionName == later.ActionName))
                return false;
        }
    }
    return true;
}
static_assert(RowsAreConsistent(), "command rows share a name or an id, or an action or shortcut runs nothing");

}  // namespace
