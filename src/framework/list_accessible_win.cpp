#include "framework/list_accessible_win.h"

#include "framework/controls_win.h"

#include <oleacc.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tundeck {

namespace {

VARIANT ChildVariant(LONG child) {
    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_I4;
    variant.lVal = child;
    return variant;
}

// Reference counting shared by the two objects; each is created with one reference.
template <typename Interface> class Counted : public Interface {
public:
    ULONG STDMETHODCALLTYPE AddRef() noexcept override {
        return static_cast<ULONG>(InterlockedIncrement(&refs_));
    }
    ULONG STDMETHODCALLTYPE Release() noexcept override {
        const LONG left = InterlockedDecrement(&refs_);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

protected:
    Counted() = default;
    virtual ~Counted() = default;

private:
    LONG refs_ = 1;
};

// The selected rows, as child ids one at a time.
class ChildEnumeration final : public Counted<IEnumVARIANT> {
public:
    explicit ChildEnumeration(std::vector<int> rows, std::size_t next = 0)
        : rows_(std::move(rows)), next_(next) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
        if (object == nullptr) {
            return E_POINTER;
        }
        const bool known = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IEnumVARIANT);
        *object = known ? static_cast<IEnumVARIANT*>(this) : nullptr;
        return *object != nullptr ? (AddRef(), S_OK) : E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) noexcept override {
        if (items == nullptr) {
            return E_POINTER;
        }
        ULONG given = 0;
        for (; given < count && next_ < rows_.size(); ++given) {
            items[given] = ChildVariant(rows_[next_++] + 1);
        }
        if (fetched != nullptr) {
            *fetched = given;
        }
        return given == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) noexcept override {
        const std::size_t left = rows_.size() - next_;
        next_ += std::min<std::size_t>(left, count);
        return count <= left ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() noexcept override {
        next_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) noexcept override {
        if (copy == nullptr) {
            return E_POINTER;
        }
        try {
            *copy = new ChildEnumeration(rows_, next_);
            return S_OK;
        } catch (...) {
            *copy = nullptr;
            return E_OUTOFMEMORY;
        }
    }

private:
    std::vector<int> rows_;
    std::size_t next_;
};

// Answers for the rows and leaves the list itself to the standard object.
class ListAccessible final : public Counted<IAccessible>, public IOleWindow {
public:
    // Takes over the reference to `standard`.
    ListAccessible(HWND list, IAccessible* standard) : list_(list), standard_(standard) {}
    ListAccessible(const ListAccessible&) = delete;
    ListAccessible& operator=(const ListAccessible&) = delete;
    ~ListAccessible() override { standard_->Release(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, AccessibleInterfaceId)) {
            *object = static_cast<IAccessible*>(this);
        } else if (IsEqualIID(iid, IID_IOleWindow)) {
            *object = static_cast<IOleWindow*>(this);
        }
        return *object != nullptr ? (AddRef(), S_OK) : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() noexcept override { return Counted::AddRef(); }
    ULONG STDMETHODCALLTYPE Release() noexcept override { return Counted::Release(); }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) noexcept override {
        return window != nullptr ? (*window = list_, S_OK) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) noexcept override { return E_NOTIMPL; }

    // Late-bound callers get the standard object's type information, with the calls on this one.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) noexcept override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) noexcept override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) noexcept override {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception,
                                     UINT* badArgument) noexcept override {
        ITypeInfo* info = nullptr;
        HRESULT hr = standard_->GetTypeInfo(0, locale, &info);
        if (SUCCEEDED(hr)) {
            hr = info->Invoke(static_cast<IAccessible*>(this), id, flags, parameters, result, exception,
                              badArgument);
            info->Release();
        }
        return hr;
    }

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) noexcept override {
        return count != nullptr ? (*count = Count(), S_OK) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) noexcept override {
        if (Row(child) < 0) {
            return standard_->get_accChild(child, object);
        }
        // A row is a simple element, answered for by its list.
        return object != nullptr ? (*object = nullptr, S_FALSE) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) noexcept override {
        const int row = Row(child);
        return row < 0 ? standard_->get_accName(child, name) : RowName(row, name);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) noexcept override {
        if (Row(child) < 0) {
            return standard_->get_accRole(child, role);
        }
        return role != nullptr ? (*role = ChildVariant(ROLE_SYSTEM_LISTITEM), S_OK) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) noexcept override {
        const int row = Row(child);
        if (row < 0) {
            return standard_->get_accState(child, state);
        }
        return state != nullptr ? (*state = ChildVariant(RowState(row)), S_OK) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) noexcept override {
        const int row = Row(child);
        if (row < 0) {
            return standard_->accLocation(left, top, width, height, child);
        }
        if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
            return E_POINTER;
        }
        RECT r = ItemRect(row);
        MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&r), 2);
        *left = r.left;
        *top = r.top;
        *width = r.right - r.left;
        *height = r.bottom - r.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) noexcept override {
        const int row = FocusedListRow(list_);
        if (row < 0 || !HasFocus()) {
            return standard_->get_accFocus(focus);
        }
        return focus != nullptr ? (*focus = ChildVariant(row + 1), S_OK) : E_POINTER;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) noexcept override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) noexcept override {
        POINT point{x, y};
        ScreenToClient(list_, &point);
        RECT client{};
        GetClientRect(list_, &client);
        if (!PtInRect(&client, point)) {
            return standard_->accHitTest(x, y, child);
        }
        return child != nullptr ? (*child = ChildVariant(ListRowAt(list_, point) + 1), S_OK) : E_POINTER;
    }

    // The rest is the standard object's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) noexcept override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) noexcept override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) noexcept override {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) noexcept override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) noexcept override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) noexcept override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) noexcept override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) noexcept override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) noexcept override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) noexcept override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) noexcept override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) noexcept override {
        return standard_->put_accValue(child, value);
    }

private:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(list_, message, wParam, lParam);
    }
    LONG Count() const { return static_cast<LONG>(std::max<LRESULT>(Send(LB_GETCOUNT), 0)); }
    // The row a child id names; -1 for the list itself and for ids that name no row.
    int Row(const VARIANT& child) const {
        return child.vt == VT_I4 && child.lVal > CHILDID_SELF && child.lVal <= Count() ? child.lVal - 1 : -1;
    }
    RECT ItemRect(int row) const {
        RECT r{};
        Send(LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    // Whether the list has its thread's keyboard focus, whichever thread asks.
    bool HasFocus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(GetWindowThreadProcessId(list_, nullptr), &info) && info.hwndFocus == list_;
    }
    LONG RowState(int row) const;
    HRESULT RowName(int row, BSTR* name) const noexcept;

    HWND list_;
    IAccessible* standard_;
};

LONG ListAccessible::RowState(int row) const {
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(list_, GWL_STYLE));
    LONG state = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if ((style & LBS_EXTENDEDSEL) != 0) {
        state |= STATE_SYSTEM_MULTISELECTABLE | STATE_SYSTEM_EXTSELECTABLE;
    } else if ((style & LBS_MULTIPLESEL) != 0) {
        state |= STATE_SYSTEM_MULTISELECTABLE;
    }
    if (Send(LB_GETSEL, static_cast<WPARAM>(row)) > 0) {
        state |= STATE_SYSTEM_SELECTED;
    }
    if (FocusedListRow(list_) == row && HasFocus()) {
        state |= STATE_SYSTEM_FOCUSED;
    }
    RECT client{};
    GetClientRect(list_, &client);
    const RECT item = ItemRect(row);
    RECT shown{};
    if (!IntersectRect(&shown, &item, &client)) {
        state |= STATE_SYSTEM_OFFSCREEN;
    }
    return state;
}

HRESULT ListAccessible::RowName(int row, BSTR* name) const noexcept {
    if (name == nullptr) {
        return E_POINTER;
    }
    *name = nullptr;
    try {
        const std::optional<std::wstring> text = ListRowText(list_, row);
        if (!text) {
            return E_INVALIDARG;
        }
        *name = SysAllocStringLen(text->data(), static_cast<UINT>(text->size()));
        return *name == nullptr ? E_OUTOFMEMORY : S_OK;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

HRESULT ListAccessible::get_accSelection(VARIANT* selection) noexcept {
    if (selection == nullptr) {
        return E_POINTER;
    }
    VariantInit(selection);
    const LRESULT count = Send(LB_GETSELCOUNT);
    if (count == LB_ERR) {
        return standard_->get_accSelection(selection); // a list of single selection
    }
    try {
        std::vector<int> rows(static_cast<std::size_t>(std::max<LRESULT>(count, 0)));
        const LRESULT got =
            rows.empty() ? 0 : Send(LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
        rows.resize(static_cast<std::size_t>(std::clamp<LRESULT>(got, 0, static_cast<LRESULT>(rows.size()))));
        if (rows.size() == 1) {
            *selection = ChildVariant(rows.front() + 1);
        } else if (rows.size() > 1) {
            IUnknown* children = new ChildEnumeration(std::move(rows));
            selection->vt = VT_UNKNOWN; // only once there is something to hand over
            selection->punkVal = children;
        }
        return selection->vt == VT_EMPTY ? S_FALSE : S_OK;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

} // namespace

LRESULT ListAccessibleObject(HWND list, WPARAM wParam) {
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(list, OBJID_CLIENT, AccessibleInterfaceId,
                                         reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    IAccessible* object = nullptr;
    try {
        object = new ListAccessible(list, standard);
    } catch (...) {
        standard->Release();
        return 0;
    }
    const LRESULT result = LresultFromObject(AccessibleInterfaceId, wParam, object);
    object->Release(); // the result holds its own reference
    return std::max<LRESULT>(result, 0);
}

} // namespace tundeck
