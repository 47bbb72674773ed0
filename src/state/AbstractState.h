#ifndef PLUX_STATE_ABSTRACTSTATE_H
#define PLUX_STATE_ABSTRACTSTATE_H

// A state component of a window: it restores its part of the window from its Storage and saves it
// there. Restore always raises OnRestoreState; Save does nothing until the component has restored, so a
// window whose restore never ran leaves its stored state alone. Every own restore and save is bracketed
// by one OpenStore and one CloseStore of the storage.

#include <functional>
#include <string>

class TAbstractStore;
class TAbstractState;

using TStateEvent = std::function<void(TAbstractState& sender)>;

class TAbstractState {
public:
    TAbstractState() = default;
    TAbstractState(const TAbstractState&) = delete;
    TAbstractState& operator=(const TAbstractState&) = delete;
    virtual ~TAbstractState();

    bool Active = true;
    std::string Section;
    TStateEvent OnRestoreState;
    TStateEvent OnSaveState;

    TAbstractStore* Storage() const { return storage_; }
    void SetStorage(TAbstractStore* storage);
    bool Restored() const { return restored_; }
    bool Saved() const { return saved_; }

    void Restore();
    void Save();

protected:
    virtual void RestoreOwnState() = 0;
    virtual void SaveOwnState() = 0;
    // Runs `step` between OpenStore and CloseStore; nothing happens without a storage.
    void WithOpenStore(const std::function<void(TAbstractStore&)>& step);

private:
    friend class TAbstractStore;
    void StoreDestroyed();

    TAbstractStore* storage_ = nullptr;
    bool restored_ = false;
    bool saved_ = false;
};

#endif
