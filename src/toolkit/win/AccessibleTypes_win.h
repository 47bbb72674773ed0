#ifndef PLUX_TOOLKIT_WIN_ACCESSIBLETYPES_WIN_H
#define PLUX_TOOLKIT_WIN_ACCESSIBLETYPES_WIN_H

// The values of the platform's accessibility interface: its interface ids, roles and states, and the
// texts and variants it answers with.

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <string_view>

#include "toolkit/Accessible.h"

// Spelled out: in a static link, MinGW's import libraries give a wrong IID_IAccessible, and the
// interface is then refused everywhere.
inline constexpr IID kIAccessibleId = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
inline constexpr IID kIDispatchId = {0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID kIUnknownId = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// What every object of the interface the toolkit hands out shares: it answers as IAccessible (and as
// the interfaces that one extends), and ends with its last reference.
class TAccessibleBase : public IAccessible {
public:
    TAccessibleBase() = default;
    TAccessibleBase(const TAccessibleBase&) = delete;
    TAccessibleBase& operator=(const TAccessibleBase&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object)
            return E_POINTER;
        if (id == kIUnknownId || id == kIDispatchId || id == kIAccessibleId) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    virtual ~TAccessibleBase() = default;

private:
    ULONG references_ = 1;
};

// The thread that answers assistive programs needs the component object model.
void NeedComOnThisThread();

long SystemRole(TAccessibleRole role);
// The platform's state bits of access:: bits; a node outside the window's client area is off screen.
DWORD SystemState(unsigned state, bool shown);

// The text in the system's character set as a string of the interface; null when out of memory.
BSTR ToBstr(std::string_view text);
std::wstring WideText(std::string_view text);
VARIANT LongVariant(long value);
VARIANT DispatchVariant(IDispatch* object);

// The out parameters of the interface start empty, so a failed call leaves nothing to free.
inline void ClearOut(BSTR* text) {
    *text = nullptr;
}
inline void ClearOut(VARIANT* variant) {
    VariantInit(variant);
}
inline void ClearOut(IDispatch** object) {
    *object = nullptr;
}
inline void ClearOut(long* value) {
    *value = 0;
}

#endif
