#include "support/MessageDialog.h"

#include "support/MessageCatalogue.h"
#include "support/MessageDialogLayout.h"

bool AskInputWith(const TShowDialog& show, std::int32_t number, std::string& answer, bool keepAnswer) {
    // The current message is reset on every way out, a failing dialog included.
    struct TResetOnExit {
        ~TResetOnExit() { ResetMessageInfo(); }
    } reset;
    ComposeMessage(number);
    if (!keepAnswer)
        answer.clear();
    const int result = show(kDialogInput, answer);
    return result == kResultOk && !answer.empty();
}
