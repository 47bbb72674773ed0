#ifndef PLUX_SUPPORT_NOXEXCEPTION_H
#define PLUX_SUPPORT_NOXEXCEPTION_H

#include <cstdint>

#include "support/MessageCatalogue.h"
#include "toolkit/Exception.h"

// An error whose text is a catalogue message in the current language.
class ENoxException : public Exception {
public:
    explicit ENoxException(std::int32_t number) : Exception(GetMessageText(number, false)) {}
};

// Raised when the shell cannot tell a special folder.
class ENoxShellException : public ENoxException {
public:
    using ENoxException::ENoxException;
};

#endif
