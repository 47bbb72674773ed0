#ifndef PLUX_TESTS_SUPPORT_STATEFILERIG_H
#define PLUX_TESTS_SUPPORT_STATEFILERIG_H

#include <string>

#include "state/AbstractState.h"
#include "state/StateStore.h"
#include "support/FakeSystemFacts.h"
#include "support/RefusingFileSystem.h"

// A store on the state file C:\state\frmPLUX.ini, in memory, holding `content` at first (no file when
// null); state components attach to it in the section "TfrmPLUX".
struct TStateFileRig {
    static constexpr const char* kStateFile = "C:\\state\\frmPLUX.ini";

    explicit TStateFileRig(const char* content = nullptr) {
        files.files.folders.insert("C:\\state");
        if (content)
            files.files.files[kStateFile] = content;
        store.IniFileName = kStateFile;
    }
    void Attach(TAbstractState& state) {
        state.Section = "TfrmPLUX";
        state.SetStorage(&store);
    }
    std::string FileText() const { return files.ReadFile(kStateFile).value_or("<none>"); }

    TRefusingFileSystem files;
    TFakeSystemFacts facts;
    TIniFileStore store{files, facts};
};

#endif
