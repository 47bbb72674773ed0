#include "state/StateAttachments.h"

#include <gtest/gtest.h>

#include "state/StateStore.h"
#include "support/TextRoutines.h"
#include "toolkit/Exception.h"

namespace {

// A state component that logs its own restores and saves and fails where told.
class TLoggingState final : public TAbstractState {
public:
    TLoggingState(std::string name, TTextList& log) : name_(std::move(name)), log_(log) {}
    bool failRestore = false;
    bool failSave = false;

protected:
    void RestoreOwnState() override {
        log_.push_back(name_ + " restore");
        if (failRestore)
            throw Exception(name_ + " cannot restore");
    }
    void SaveOwnState() override {
        log_.push_back(name_ + " save");
        if (failSave)
            throw Exception(name_ + " cannot save");
        WithOpenStore([this](TAbstractStore& store) { store.WriteText("TfrmPLUX", name_, "saved"); });
    }

private:
    std::string name_;
    TTextList& log_;
};

struct TChainRig {
    TChainRig() {
        attachments.Attach(formState);
        attachments.Attach(componentState);
        componentState.OnRestoreState = [this](TAbstractState&) { log.push_back("ComponentStateRestoreState"); };
    }
    TTextList log;
    TLoggingState formState{"FormState1", log};
    TLoggingState componentState{"ComponentState", log};
    TStateAttachments attachments{[this](std::string_view message) { log.push_back("error " + std::string(message)); }};
};

// A store over a file that cannot be written: the close of its outermost bracket fails.
class TUnwritableStore final : public TAbstractStore {
public:
    explicit TUnwritableStore(TTextList& log) : log_(log) {}
    std::string ReadText(std::string_view, std::string_view, std::string_view defaultValue) override {
        return std::string(defaultValue);
    }
    void WriteText(std::string_view, std::string_view key, std::string_view) override {
        log_.push_back("write " + std::string(key));
    }
    void EraseSection(std::string_view) override {}

protected:
    void OpenBackingFile() override { log_.push_back("open"); }
    void CloseBackingFile() override {
        log_.push_back("close");
        throw Exception("Unable to write to frmPLUX.ini");
    }

private:
    TTextList& log_;
};

TEST(StateAttachments, RunTheComponentsInTheOrderOfAChainOfHandlers) {
    TChainRig rig;
    rig.attachments.WindowCreated();
    rig.attachments.WindowCloseQuery(true);
    rig.attachments.WindowDestroying();
    EXPECT_EQ(rig.log, (TTextList{"FormState1 restore", "ComponentState restore", "ComponentStateRestoreState",
                                  "FormState1 save", "ComponentState save"}));
}

TEST(StateAttachments, ADestructionWithoutCloseQuerySavesTheLastAttachedFirst) {
    TChainRig rig;
    rig.attachments.WindowCreated();
    rig.log.clear();
    rig.attachments.WindowCloseQuery(false);
    rig.attachments.WindowDestroying();
    EXPECT_EQ(rig.log, (TTextList{"ComponentState save", "FormState1 save"}));
}

TEST(StateAttachments, NothingIsSavedWhenTheWindowNeverReachedTheRestore) {
    TChainRig rig;
    rig.attachments.WindowCloseQuery(true);
    rig.attachments.WindowDestroying();
    EXPECT_EQ(rig.log, TTextList{});
}

TEST(StateAttachments, InactiveComponentsAreLeftOut) {
    TChainRig rig;
    rig.formState.Active = false;
    rig.attachments.WindowCreated();
    rig.attachments.WindowCloseQuery(true);
    EXPECT_EQ(rig.log, (TTextList{"ComponentState restore", "ComponentStateRestoreState", "ComponentState save"}));
}

TEST(StateAttachments, AnErrorIsReportedAndTheNotificationCarriesOn) {
    TChainRig rig;
    rig.formState.failRestore = true;
    rig.formState.failSave = true;
    rig.attachments.WindowCreated();
    rig.attachments.WindowCloseQuery(true);
    // The failed restore left FormState1 unrestored, so neither its close nor its destruction saves it.
    rig.attachments.WindowDestroying();
    EXPECT_EQ(rig.log, (TTextList{"FormState1 restore", "error FormState1 cannot restore", "ComponentState restore",
                                  "ComponentStateRestoreState", "ComponentState save"}));

    TChainRig saving;
    saving.formState.failSave = true;
    saving.attachments.WindowCreated();
    saving.log.clear();
    saving.attachments.WindowCloseQuery(true);
    saving.attachments.WindowDestroying();
    EXPECT_EQ(saving.log, (TTextList{"FormState1 save", "error FormState1 cannot save", "ComponentState save",
                                     "FormState1 save", "error FormState1 cannot save"}));
}

// Both components write into one store, whose file is written once: a file that cannot be written is
// reported once, at the close, and the destruction does not try it again.
TEST(StateAttachments, AFileThatCannotBeWrittenIsReportedOnceForAllItsComponents) {
    for (const bool closeQuery : {true, false}) {
        SCOPED_TRACE(closeQuery ? "close query" : "destruction without close query");
        TChainRig rig;
        TUnwritableStore store(rig.log);
        rig.formState.SetStorage(&store);
        rig.componentState.SetStorage(&store);
        rig.attachments.WindowCreated();
        rig.log.clear();
        rig.attachments.WindowCloseQuery(closeQuery);
        rig.attachments.WindowDestroying();
        const TTextList inOrder =
            closeQuery ? TTextList{"FormState1", "ComponentState"} : TTextList{"ComponentState", "FormState1"};
        EXPECT_EQ(rig.log, (TTextList{"open", inOrder[0] + " save", "write " + inOrder[0], inOrder[1] + " save",
                                      "write " + inOrder[1], "close", "error Unable to write to frmPLUX.ini"}));
        rig.formState.SetStorage(nullptr);
        rig.componentState.SetStorage(nullptr);
    }
}

}  // namespace
