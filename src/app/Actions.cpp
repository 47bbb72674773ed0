#include "app/Actions.h"

#include <stdexcept>

namespace {

constexpr TShortCut Ctrl(char key) {
    return TShortCut{TShortCut::kCtrl | key};
}

constexpr TAction kActions[] = {
    {TCommandId::DoCheck, "actionDoCheck", "&Do Check", "", Ctrl('E'), 1},
    {TCommandId::SaveResult, "actionSaveResult", "&Save Result", "Save current result", Ctrl('S'), 3},
    {TCommandId::Print, "actionPrint", "&Print", "", Ctrl('P'), 2},
    {TCommandId::FileExit, "actionFileExit", "E&xit", "", TShortCut{}, 0},
};

}  // namespace

std::span<const TAction> Actions() {
    return kActions;
}

const TAction& FindAction(TCommandId id) {
    for (const TAction& action : kActions)
        if (action.Id == id)
            return action;
    throw std::out_of_range("no such action");
}
