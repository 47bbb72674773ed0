#include "app/Startup.h"

#include <utility>

#include "support/MessageCatalogue.h"

TStartup::TStartup(TTextList params, const TSettingsPorts& ports) {
    try {
        Up([&] { commandLine_ = std::make_unique<TCommandLine>(std::move(params)); }, [this] { commandLine_.reset(); });
        Up(InitMessageCatalogue, FinalizeMessageCatalogue);
        Up([&] { InitProgSettings(*commandLine_, ports); }, FinalizeProgSettings);
    } catch (...) {
        Down();
        throw;
    }
}

TStartup::~TStartup() {
    Down();
}

void TStartup::Up(const std::function<void()>& initialize, std::function<void()> finalize) {
    initialize();
    finalizers_.push_back(std::move(finalize));
}

void TStartup::Down() {
    while (!finalizers_.empty()) {
        finalizers_.back()();
        finalizers_.pop_back();
    }
}
