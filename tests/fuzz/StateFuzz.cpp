// Any bytes as the main window's state file, restored by its form state and component state as at a
// start: nothing may crash or hang, the restore writes nothing, an applied rectangle is never empty,
// the restored codes come without surrounding blanks, and what the window then saves comes back
// unchanged at the next start.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "app/MainBars.h"
#include "app/MainWindowState.h"
#include "fuzz/FuzzRequire.h"
#include "support/FakeFormWindow.h"
#include "support/FakeSystemFacts.h"
#include "support/RefusingFileSystem.h"
#include "support/TextRoutines.h"

namespace {

constexpr const char* kStateFile = "C:\\state\\frmPLUX.ini";

// One start of the main window on the state file of `files`: its design bounds and swatches, the
// restore of the creation step, and no error box.
struct TStart {
    explicit TStart(TRefusingFileSystem& files) {
        BuildMainBars(bars);
        state = std::make_unique<TMainWindowState>(window, bars, files, facts,
                                                   [](std::string_view) { Require(false, "no error box"); });
        state->IniFileStore.IniFileName = kStateFile;
        state->Attachments.WindowCreated();
    }
    std::string Code(std::size_t index) const {
        return bars.FindItem(kMainWindowStoredProperties[index].Member)->Description;
    }
    // What the platform shows after the restore: the show command of the state, the application
    // minimised by the posted command.
    void Settle() {
        if (window.applicationMinimized)
            window.applicationIconic = true;
        else if (window.windowState == TWindowState::Maximized)
            window.placement.ShowCmd = 3;
        else
            window.placement.ShowCmd = 1;
    }

    TFakeSystemFacts facts;
    TBarManager bars;
    TFakeFormWindow window;
    std::unique_ptr<TMainWindowState> state;
};

bool LooksQuoted(std::string_view code) {
    return code.size() >= 2 && (code.front() == '"' || code.front() == '\'') && code.back() == code.front();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TRefusingFileSystem files;
    files.files.folders.insert("C:\\state");
    files.files.files[kStateFile] = std::string(reinterpret_cast<const char*>(data), size);

    TStart first(files);
    REQUIRE(files.writes == 0);
    REQUIRE(first.window.appliedPlacements.size() <= 1);
    for (const TPlacement& applied : first.window.appliedPlacements)
        REQUIRE(applied.ShowCmd == 0 && applied.NormalPos.Right > applied.NormalPos.Left);
    REQUIRE(!(first.window.applicationMinimized && first.window.windowState.has_value()));
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string code = first.Code(i);
        REQUIRE(code == Trim(code) && code.size() <= ini::kMaxProfileValue);
    }

    first.Settle();
    first.state->Attachments.WindowCloseQuery(true);
    first.state->Attachments.WindowDestroying();
    // The close query saves every component; the destruction finds them saved and writes no second time.
    REQUIRE(files.writes == 1);

    TStart second(files);
    const TPlacement& saved = first.window.placement;
    REQUIRE(second.window.appliedPlacements.size() == 1);
    REQUIRE(second.window.appliedPlacements.front() == (TPlacement{saved.Flags, 0, saved.NormalPos}));
    REQUIRE(second.window.applicationMinimized == first.window.applicationMinimized);
    REQUIRE(second.window.windowState ==
            (first.window.applicationMinimized
                 ? std::nullopt
                 : std::optional(first.window.windowState.value_or(TWindowState::Normal))));
    for (std::size_t i = 0; i < 2; ++i)
        REQUIRE(LooksQuoted(first.Code(i)) || second.Code(i) == first.Code(i));
    return 0;
}
