#include "toolkit/win/AccessibleObject_win.h"

#include <oleacc.h>

#include <algorithm>
#include <exception>
#include <string>

#include "toolkit/win/AccessibleTypes_win.h"

struct TAccessibleLink {
    TAccessibleTree* Tree = nullptr;  // null once the window has gone
    HWND Window = nullptr;
};

namespace {

// One node of a tree as an object of the platform's interface. Its questions about CHILDID_SELF are
// about its node, those about a child id about the node's child with that index + 1.
class TAccessibleObject final : public TAccessibleBase {
public:
    TAccessibleObject(std::shared_ptr<TAccessibleLink> link, TAccessiblePath path)
        : link_(std::move(link)), path_(std::move(path)) {}

    // Assistive programs call the interface's methods directly; nothing is reached by name.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return Guarded(parent, [&]() -> HRESULT {
            if (path_.empty())
                return AccessibleObjectFromWindow(link_->Window, static_cast<DWORD>(OBJID_WINDOW), kIDispatchId,
                                                  reinterpret_cast<void**>(parent));
            *parent = ObjectOf(TAccessiblePath(path_.begin(), path_.end() - 1));
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return Guarded(count, [&]() -> HRESULT {
            const auto node = Tree().Node(path_);
            if (!node)
                return E_FAIL;
            *count = node->ChildCount;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return Guarded(object, [&]() -> HRESULT {
            const auto path = PathOf(child);
            if (!path)
                return E_INVALIDARG;
            if (Tree().Node(*path)->ChildCount == 0 && *path != path_)
                return S_FALSE;  // a child element: this object answers for it
            *object = ObjectOf(*path);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Text(child, name, &TAccessibleNode::Name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Text(child, value, &TAccessibleNode::Value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return Text(child, description, &TAccessibleNode::Description);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return Text(child, shortcut, &TAccessibleNode::KeyboardShortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Text(child, action, &TAccessibleNode::DefaultAction);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return Guarded(role, [&]() -> HRESULT {
            const auto node = NodeOf(child);
            if (!node)
                return E_INVALIDARG;
            *role = LongVariant(SystemRole(node->Role));
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return Guarded(state, [&]() -> HRESULT {
            const auto node = NodeOf(child);
            if (!node)
                return E_INVALIDARG;
            RECT client{};
            GetClientRect(link_->Window, &client);
            const bool shown = node->Bounds.Right > client.left && node->Bounds.Left < client.right &&
                               node->Bounds.Bottom > client.top && node->Bounds.Top < client.bottom;
            *state = LongVariant(static_cast<long>(SystemState(node->State, shown)));
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
        return Guarded(help, [] { return S_FALSE; });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
        if (!file || !topic)
            return E_POINTER;
        *file = nullptr;
        *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return Guarded(focus, [&]() -> HRESULT {
            std::optional<TAccessiblePath> focused = Tree().Focus();
            if (!focused && path_.empty() && GetFocus() == link_->Window)
                focused = path_;
            if (!focused || !StartsWith(*focused, path_))
                return S_FALSE;
            *focus = VariantOf(*focused);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return Guarded(selection, [] { return S_FALSE; });
    }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        if (!left || !top || !width || !height)
            return E_POINTER;
        return Guarded(left, [&]() -> HRESULT {
            const auto node = NodeOf(child);
            if (!node)
                return E_INVALIDARG;
            POINT origin{node->Bounds.Left, node->Bounds.Top};
            ClientToScreen(link_->Window, &origin);
            *left = origin.x;
            *top = origin.y;
            *width = node->Bounds.Width();
            *height = node->Bounds.Height();
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return Guarded(end, [&]() -> HRESULT {
            const auto from = PathOf(start);
            if (!from)
                return E_INVALIDARG;
            const auto target = Navigate(*from, direction);
            if (!target)
                return S_FALSE;
            *end = VariantOf(*target);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
        return Guarded(hit, [&]() -> HRESULT {
            POINT point{x, y};
            ScreenToClient(link_->Window, &point);
            std::optional<TAccessiblePath> found = AccessibleNodeAt(Tree(), point.x, point.y);
            if (!found || !StartsWith(*found, path_))
                return S_FALSE;
            // The child of this object that holds the point; an object of its own answers for its part.
            found->resize(std::min(found->size(), path_.size() + 1));
            *hit = VariantOf(*found);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return Connected([&]() -> HRESULT {
            const auto path = PathOf(child);
            if (!path)
                return E_INVALIDARG;
            return link_->Tree->DoDefaultAction(*path) ? S_OK : DISP_E_MEMBERNOTFOUND;
        });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    const TAccessibleTree& Tree() const { return *link_->Tree; }

    // Runs a method's body unless the window has gone; no exception leaves the interface.
    template <typename Body>
    HRESULT Connected(Body body) const {
        if (!link_->Tree)
            return RPC_E_DISCONNECTED;
        try {
            return body();
        } catch (const std::exception&) {
            return E_FAIL;
        }
    }

    // The same for a method that answers through `out`, which is emptied first.
    template <typename Out, typename Body>
    HRESULT Guarded(Out* out, Body body) const {
        if (!out)
            return E_POINTER;
        ClearOut(out);
        return Connected(body);
    }

    // The path a child id stands for, when that node exists.
    std::optional<TAccessiblePath> PathOf(const VARIANT& child) const {
        if (child.vt != VT_I4 || child.lVal < 0)
            return std::nullopt;
        TAccessiblePath path = path_;
        if (child.lVal != CHILDID_SELF)
            path.push_back(child.lVal - 1);
        if (!Tree().Node(path))
            return std::nullopt;
        return path;
    }

    std::optional<TAccessibleNode> NodeOf(const VARIANT& child) const {
        const auto path = PathOf(child);
        return path ? Tree().Node(*path) : std::nullopt;
    }

    HRESULT Text(const VARIANT& child, BSTR* text, std::string TAccessibleNode::*field) const {
        return Guarded(text, [&]() -> HRESULT {
            const auto node = NodeOf(child);
            if (!node)
                return E_INVALIDARG;
            if ((*node.*field).empty())
                return S_FALSE;
            *text = ToBstr(*node.*field);
            return *text ? S_OK : E_OUTOFMEMORY;
        });
    }

    IDispatch* ObjectOf(TAccessiblePath path) const { return new TAccessibleObject(link_, std::move(path)); }

    // A node as the interface hands it out relative to this object: itself, a child element, or an object.
    VARIANT VariantOf(const TAccessiblePath& path) const {
        if (path == path_)
            return LongVariant(CHILDID_SELF);
        const bool child = path.size() == path_.size() + 1 && StartsWith(path, path_);
        if (child && Tree().Node(path)->ChildCount == 0)
            return LongVariant(path.back() + 1);
        return DispatchVariant(ObjectOf(path));
    }

    std::optional<TAccessiblePath> Navigate(const TAccessiblePath& from, long direction) const {
        const int count = Tree().Node(from)->ChildCount;
        TAccessiblePath target = from;
        switch (direction) {
            case NAVDIR_FIRSTCHILD:
            case NAVDIR_LASTCHILD:
                if (count == 0)
                    return std::nullopt;
                target.push_back(direction == NAVDIR_FIRSTCHILD ? 0 : count - 1);
                return target;
            case NAVDIR_NEXT:
            case NAVDIR_DOWN:
            case NAVDIR_RIGHT:
            case NAVDIR_PREVIOUS:
            case NAVDIR_UP:
            case NAVDIR_LEFT: {
                if (from.empty())
                    return std::nullopt;
                const bool forward = direction == NAVDIR_NEXT || direction == NAVDIR_DOWN || direction == NAVDIR_RIGHT;
                target.back() += forward ? 1 : -1;
                if (target.back() < 0 || !Tree().Node(target))
                    return std::nullopt;
                return target;
            }
            default:
                return std::nullopt;
        }
    }

    static bool StartsWith(const TAccessiblePath& path, const TAccessiblePath& prefix) {
        return path.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), path.begin());
    }

    std::shared_ptr<TAccessibleLink> link_;
    TAccessiblePath path_;
};

}  // namespace

TAccessibleServer::TAccessibleServer(TAccessibleTree& tree) : link_(std::make_shared<TAccessibleLink>()) {
    link_->Tree = &tree;
}

TAccessibleServer::~TAccessibleServer() {
    link_->Tree = nullptr;
}

bool TAccessibleServer::Answer(HWND window, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT))
        return false;
    NeedComOnThisThread();
    link_->Window = window;
    IAccessible* root = new TAccessibleObject(link_, {});
    result = LresultFromObject(kIAccessibleId, wParam, root);
    root->Release();  // the result holds its own reference
    return true;
}

void NotifyAccessibleEvent(HWND window, DWORD event, int child) {
    if (window)
        NotifyWinEvent(event, window, OBJID_CLIENT, child == 0 ? CHILDID_SELF : child);
}
