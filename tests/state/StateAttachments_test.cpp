#include "state/StateAttachments.h"

#include <gtest/gtest.h>

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

}  // namespace
