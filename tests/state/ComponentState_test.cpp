#include "state/ComponentState.h"

#include <gtest/gtest.h>

#include "state/BarItemMembers.h"
#include "support/RaisedMessage.h"
#include "support/StateFileRig.h"
#include "toolkit/Exception.h"

namespace {

// A component state on bar items named like the swatches, each holding "#" and its name.
struct TComponentStateRig : TStateFileRig {
    explicit TComponentStateRig(const char* content = nullptr) : TStateFileRig(content) {
        for (const char* name : {"barColor1", "barColor2"}) {
            TBarItem item;
            item.Name = name;
            item.Description = std::string("#") + name;
            bars.AddItem(std::move(item));
        }
        Attach(state);
    }
    void Entries(std::initializer_list<const char*> entries) {
        for (const char* entry : entries)
            state.AddStoredProperty(entry);
        state.ResolveEntries();
    }
    const TBarItem& Item(const char* name) { return *bars.FindItem(name); }
    void SetName(const char* item, const char* name) {
        bars.ChangeItem(Item(item), [&](TBarItemProperties& properties) { properties.Name = name; });
    }
    void SetDescription(const char* item, const char* description) {
        bars.ChangeItem(Item(item), [&](TBarItemProperties& properties) { properties.Description = description; });
    }

    TBarManager bars;
    TBarItemMembers members{bars};
    TComponentState state{members};
};

TEST(ComponentStateEntries, KeepOnlyEntriesWithBothPartsAndAKnownMember) {
    TComponentStateRig rig;
    rig.Entries({"barColor1.Description", "noSuchItem.Description", "barColor2", "barColor1.", ".Description", " . ",
                 " BARCOLOR2 . description ", "barColor1.Description.Extra", "barColor1.Tag"});
    EXPECT_EQ(rig.state.StoredProperties(), (TTextList{"barColor1.Description", " BARCOLOR2 . description ",
                                                       "barColor1.Description.Extra", "barColor1.Tag"}));

    // Each save and restore writes the entries anew from their members; properties the member does not
    // publish have no key. The key carries the member's name and the property's declared name.
    rig.state.Restore();
    rig.state.Save();
    EXPECT_EQ(rig.state.StoredProperties(), (TTextList{"barColor1.Description", "barColor2.description",
                                                       "barColor1.Description.Extra", "barColor1.Tag"}));
    EXPECT_EQ(rig.FileText(), "[TfrmPLUX]\r\nbarColor1.Description=#barColor1\r\nbarColor2.Description=#barColor2\r\n");
}

TEST(ComponentStateEntries, FollowARenamedMemberAndDropUnboundOnes) {
    TComponentStateRig rig;
    rig.Entries({"barColor1.Description", "barColor2.Description", "barColor1.Hint"});
    rig.SetName("barColor1", "swatch1");
    rig.state.Restore();
    rig.state.Save();
    EXPECT_EQ(rig.state.StoredProperties(),
              (TTextList{"swatch1.Description", "barColor2.Description", "swatch1.Hint"}));
    EXPECT_EQ(rig.FileText(),
              "[TfrmPLUX]\r\nswatch1.Description=#barColor1\r\nbarColor2.Description=#barColor2\r\nswatch1.Hint=\r\n");

    // An entry added after the resolution is bound to nothing and goes at the next save.
    rig.state.AddStoredProperty("barColor2.Hint");
    rig.state.Save();
    EXPECT_EQ(rig.state.StoredProperties(),
              (TTextList{"swatch1.Description", "barColor2.Description", "swatch1.Hint"}));
}

TEST(ComponentStateRestore, TakesTheStoredTextTrimmedAndKeepsTheValueOfAMissingKey) {
    const struct {
        const char* line;
        const char* code;
    } cases[] = {
        {"barColor1.Description=#102030", "#102030"},
        {"barColor1.Description=  #AbCdEf  ", "#AbCdEf"},
        {"barColor1.Description=\" \t#102030\x01 \"", "#102030"},
        {"barColor1.Description=", ""},
        {"BARCOLOR1.DESCRIPTION=#404040", "#404040"},
        {"barColor1.Descriptio=#404040", "#barColor1"},
        {"; nothing stored", "#barColor1"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.line);
        TComponentStateRig rig((std::string("[TfrmPLUX]\r\n") + row.line + "\r\n").c_str());
        rig.Entries({"barColor1.Description", "barColor2.Description"});
        int restoreEvents = 0;
        rig.state.OnRestoreState = [&](TAbstractState& sender) {
            EXPECT_EQ(&sender, &rig.state);
            ++restoreEvents;
        };
        rig.state.Restore();
        EXPECT_EQ(rig.Item("barColor1").Description, row.code);
        EXPECT_EQ(rig.Item("barColor2").Description, "#barColor2");
        EXPECT_EQ(restoreEvents, 1);
        EXPECT_EQ(rig.files.writes, 0);
    }
}

// A member whose properties cannot be set, and a store that cannot be opened.
class TStubbornMember final : public TStateMember {
public:
    std::string Name() const override { return "stubborn"; }
    std::optional<std::string> PublishedName(std::string_view) const override { return "Description"; }
    std::string PropertyText(std::string_view) const override { return "old"; }
    void SetPropertyText(std::string_view, std::string_view) override { throw Exception("read-only"); }
};

class TMixedOwner final : public TStateOwner {
public:
    explicit TMixedOwner(TStateOwner& others) : others_(others) {}
    TStateMember* FindMember(std::string_view name) override {
        return name == "stubborn" ? &stubborn : others_.FindMember(name);
    }
    TStubbornMember stubborn;

private:
    TStateOwner& others_;
};

class TUnopenableStore final : public TAbstractStore {
public:
    std::string ReadText(std::string_view, std::string_view, std::string_view value) override {
        return std::string(value);
    }
    void WriteText(std::string_view, std::string_view, std::string_view) override {}
    void EraseSection(std::string_view) override {}

protected:
    void OpenBackingFile() override { throw Exception("cannot open"); }
    void CloseBackingFile() override {}
};

TEST(ComponentStateRestore, AFailingEntryOrStoreIsPassedOverSilently) {
    TComponentStateRig rig("[TfrmPLUX]\r\nstubborn.Description=new\r\nbarColor2.Description=#202020\r\n");
    TMixedOwner owner(rig.members);
    TComponentState state(owner);
    rig.Attach(state);
    state.AddStoredProperty("stubborn.Description");
    state.AddStoredProperty("barColor2.Description");
    state.ResolveEntries();
    bool restored = false;
    state.OnRestoreState = [&](TAbstractState&) { restored = true; };
    EXPECT_NO_THROW(state.Restore());
    EXPECT_EQ(rig.Item("barColor2").Description, "#202020");
    EXPECT_EQ(rig.store.OpenCount(), 0);
    EXPECT_TRUE(restored);

    TUnopenableStore unopenable;
    state.SetStorage(&unopenable);
    restored = false;
    EXPECT_NO_THROW(state.Restore());
    EXPECT_TRUE(restored);
}

TEST(ComponentStateSave, WritesTrimmedTextsAndRaisesWhenTheFileCannotBeWritten) {
    TComponentStateRig rig("[TfrmPLUX]\r\nbarColor1.Description=#102030\r\n");
    rig.Entries({"barColor1.Description", "barColor2.Description"});
    rig.state.Restore();
    rig.SetDescription("barColor1", "");
    rig.SetDescription("barColor2", "\t #FFFFC8 ");
    rig.state.Save();
    EXPECT_TRUE(rig.state.Saved());
    EXPECT_EQ(rig.FileText(), "[TfrmPLUX]\r\nbarColor1.Description=\r\nbarColor2.Description=#FFFFC8\r\n");

    rig.files.refused.insert(TStateFileRig::kStateFile);
    rig.state.Restore();
    rig.SetDescription("barColor2", "#000000");
    EXPECT_EQ(MessageOf([&] { rig.state.Save(); }), std::string("Unable to write to ") + TStateFileRig::kStateFile);
    EXPECT_FALSE(rig.state.Saved());
    EXPECT_EQ(rig.FileText(), "[TfrmPLUX]\r\nbarColor1.Description=\r\nbarColor2.Description=#FFFFC8\r\n");
}

}  // namespace
