// Any bytes as the main window's bar layout file: the load must not crash or hang, must leave the model
// whole, and what it leaves must come back unchanged through a save and a load into a fresh window.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "app/MainBars.h"
#include "fuzz/FuzzRequire.h"
#include "state/BarLayoutFile.h"
#include "support/MemoryFileSystem.h"

namespace {

const std::string kFile = "C:\\Data\\frmPLUX.bar.ini";
const std::string kPrefix = "frmPLUX.BarManager.";

void RequireWholeLinks(const TBarManager& manager, const TItemLinks& links, std::set<unsigned>& linkIds) {
    for (const TBarItemLink& link : links) {
        REQUIRE(linkIds.insert(static_cast<unsigned>(link.Id)).second);
        REQUIRE(link.Item && manager.FindItem(link.Item->Name) != nullptr);
        REQUIRE(links.RecentIndex(link.Id) >= -1 && links.RecentIndex(link.Id) < static_cast<int>(links.size()));
    }
}

void RequireWholeModel(const TBarManager& manager) {
    std::set<unsigned> barIds, linkIds;
    for (std::size_t i = 0; i < manager.BarCount(); ++i) {
        const TBar& bar = manager.Bar(i);
        REQUIRE(barIds.insert(static_cast<unsigned>(bar.Id)).second);
        REQUIRE(!bar.Docked() || bar.DockedDockingStyle == bar.DockingStyle);
        REQUIRE(bar.FloatClientWidth >= 0 && bar.FloatClientHeight >= 0);
        RequireWholeLinks(manager, bar.Links, linkIds);
    }
    for (const auto& item : manager.Items())
        RequireWholeLinks(manager, item->SubLinks, linkIds);
}

std::string SaveLoadedLayout(TMemoryFileSystem& files) {
    TBarManager manager;
    BuildMainBars(manager);
    LoadBarLayout(manager, kPrefix, kFile, files);
    RequireWholeModel(manager);
    SaveBarLayout(manager, kPrefix, kFile, files);
    return files.files.at(kFile);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryFileSystem files;
    files.folders.insert("C:\\Data");
    files.files[kFile] = std::string(reinterpret_cast<const char*>(data), size);
    const std::string saved = SaveLoadedLayout(files);
    REQUIRE(SaveLoadedLayout(files) == saved);
    return 0;
}
