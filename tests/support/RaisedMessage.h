#ifndef PLUX_TESTS_SUPPORT_RAISEDMESSAGE_H
#define PLUX_TESTS_SUPPORT_RAISEDMESSAGE_H

#include <functional>
#include <string>

#include "toolkit/Exception.h"

// The text of the Exception the action raises; empty when it raises none.
inline std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& error) {
        return error.Message();
    }
    return "";
}

#endif
