#ifndef PLUX_CHECK_PRODUCTLIST_H
#define PLUX_CHECK_PRODUCTLIST_H

#include "support/TextRoutines.h"

// The result of the last scan: entry i of ProductVersions belongs to entry i of ProductNames.
struct TProductList {
    TTextList ProductNames;
    TTextList ProductVersions;
};

#endif
