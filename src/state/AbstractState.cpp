#include "state/AbstractState.h"

#include <exception>

#include "state/StateStore.h"

TAbstractState::~TAbstractState() {
    SetStorage(nullptr);
}

void TAbstractState::SetStorage(TAbstractStore* storage) {
    if (storage_ == storage)
        return;
    if (storage_)
        storage_->RemoveUser(*this);
    storage_ = storage;
    if (storage_)
        storage_->AddUser(*this);
}

void TAbstractState::StoreDestroyed() {
    storage_ = nullptr;
    Active = false;
}

void TAbstractState::Restore() {
    saved_ = false;
    RestoreOwnState();
    restored_ = true;
    if (OnRestoreState)
        OnRestoreState(*this);
}

void TAbstractState::Save() {
    if (!restored_)
        return;
    SaveOwnState();
    if (OnSaveState)
        OnSaveState(*this);
    saved_ = true;
}

// The close runs also when the step fails.
void TAbstractState::WithOpenStore(const std::function<void(TAbstractStore&)>& step) {
    if (!storage_)
        return;
    TAbstractStore& store = *storage_;
    store.OpenStore();
    try {
        step(store);
    } catch (...) {
        try {
            store.CloseStore();
        } catch (const std::exception&) {
            // the step's error is the one reported
        }
        throw;
    }
    store.CloseStore();
}
