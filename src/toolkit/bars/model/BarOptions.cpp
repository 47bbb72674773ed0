#include "toolkit/bars/model/BarOptions.h"

bool KeepsOption(const TBarManager& manager, const TBarOption& option) {
    return !option.RecentItems || manager.KeepsRecentItems();
}

bool OptionEnabled(const TBarManager& manager, const TBarOption& option) {
    return KeepsOption(manager, option) && (!option.Requires || manager.Options().*option.Requires);
}
