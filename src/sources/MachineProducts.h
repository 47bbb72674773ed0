#ifndef PLUX_SOURCES_MACHINEPRODUCTS_H
#define PLUX_SOURCES_MACHINEPRODUCTS_H

#include <optional>
#include <string>

#include "check/ProductList.h"
#include "support/DateTime.h"

// The installed products of another machine as a file brings them, with what the file tells of that
// machine; a fact the file does not hold is nothing.

struct TMachineFacts {
    std::optional<std::string> Computer;
    std::optional<std::string> User;
    std::optional<TLocalTime> CheckedAt;
    std::optional<std::string> RegistryKey;  // with its hive, as the file names it
    std::optional<std::string> RegistryView;
    std::optional<std::string> SavedAt;  // a snapshot's timestamp text as stored
};

struct TMachineProducts {
    TProductList Products;  // as the scan would have filled it there
    TMachineFacts Facts;
};

#endif
