#ifndef PLUX_TESTS_SUPPORT_RAISEDVERSIONERROR_H
#define PLUX_TESTS_SUPPORT_RAISEDVERSIONERROR_H

#include <functional>

#include "versioninfo/VersionInfo.h"

// The code of the version reader's error the action raises; 0 when it raises none.
inline int ErrorCode(const std::function<void()>& action) {
    try {
        action();
    } catch (const EVersionInfoError& error) {
        return error.Code();
    }
    return 0;
}

#endif
