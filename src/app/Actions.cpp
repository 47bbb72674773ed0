#include "app/Actions.h"

#include <cstddef>

namespace {

// Item names and action names each stand for one row; an action or a shortcut always runs a command,
// and the File menu holds command buttons only.
constexpr bool RowsAreConsistent() {
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        const TCommand& row = kCommands[i];
        if ((!row.ActionName.empty() || !row.ShortCut.Empty()) && !row.Runs)
            return false;
        if (row.FileMenu != TFileMenuPlace::None && (row.Kind != TBarItemKind::Button || !row.Runs))
            return false;
        for (std::size_t j = i + 1; j < kCommands.size(); ++j) {
            const TCommand& later = kCommands[j];
            if (row.ItemName == later.ItemName || (!row.ActionName.empty() && row.ActionName == later.ActionName))
                return false;
        }
    }
    return true;
}
static_assert(RowsAreConsistent(),
              "command rows share a name, an action or shortcut runs nothing, or the File "
              "menu holds an item that is no command button");

}  // namespace
