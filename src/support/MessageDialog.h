#ifndef PLUX_SUPPORT_MESSAGEDIALOG_H
#define PLUX_SUPPORT_MESSAGEDIALOG_H

#include <cstdint>
#include <functional>
#include <string>

// The library's one modal dialog (ShowMessageDialog and AskInput live in the Windows part). It shows
// the current message (MessageInfo()) as it stands: its number in the caption, Line1 and Line2 as
// text, and for the input and password types an answer field. The answer comes back only when the
// user confirms a prompt with OK or Yes; in every other case it comes back empty. Returns the modal
// result (kResultOk, kResultCancel, ...).
int ShowMessageDialog(std::uint8_t type, std::string& answer);

// The input query: composes message `number`, offers the answer when keepAnswer is set (else an empty
// field) and tells whether the user confirmed a non-empty answer. The current message is reset after.
bool AskInput(std::int32_t number, std::string& answer, bool keepAnswer);

// AskInput over any dialog, so that its rules can be checked without a window.
using TShowDialog = std::function<int(std::uint8_t type, std::string& answer)>;
bool AskInputWith(const TShowDialog& show, std::int32_t number, std::string& answer, bool keepAnswer);

#endif
