#include "ui/win32/Win32Accessible.h"

#include <string>

#include "platform/win32/SystemLibrary_win32.h"

#include <oleacc.h>

namespace {
struct TOleAcc {
    decltype(&CreateStdAccessibleObject) CreateStd{nullptr};
    decltype(&LresultFromObject) Lresult{nullptr};
};

// oleacc.dll is not one of the known DLLs: it comes from the system folder (SystemLibrary_win32.h).
const TOleAcc& OleAcc() {
    static const TOleAcc acc = [] {
        HMODULE library = LoadSystemLibrary(L"oleacc.dll");
        return TOleAcc{SystemFunction<decltype(&CreateStdAccessibleObject)>(library, "CreateStdAccessibleObject"),
                       SystemFunction<decltype(&LresultFromObject)>(library, "LresultFromObject")};
    }();
    return acc;
}

long MsaaRole(TAccessibleRole Role) {
    switch (Role) {
    case TAccessibleRole::Image: return ROLE_SYSTEM_GRAPHIC;
    case TAccessibleRole::Grouping: return ROLE_SYSTEM_GROUPING;
    case TAccessibleRole::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
    case TAccessibleRole::Text: return ROLE_SYSTEM_TEXT;
    default: return 0;
    }
}

std::wstring Wide(const std::string& Ansi) {
    std::wstring wide(Ansi.size(), L'\0');
    const int n = MultiByteToWideChar(CP_ACP, 0, Ansi.data(), static_cast<int>(Ansi.size()), wide.data(),
                                      static_cast<int>(wide.size()));
    wide.resize(n > 0 ? n : 0);
    return wide;
}

bool IsSelf(const VARIANT& Child) { return Child.vt == VT_I4 && Child.lVal == CHILDID_SELF; }

// The standard object with our name, role and description for the window itself; everything else,
// and every other interface the standard object has (its child enumeration, IOleWindow), is the
// standard one.
class TNamedAccessible final : public IAccessible {
public:
    TNamedAccessible(IAccessible* Standard, std::wstring Name, long Role, std::wstring Description)
        : FStd(Standard), FName(std::move(Name)), FDescription(std::move(Description)), FRole(Role) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID Iid, void** Out) override {
        if (!Out) return E_POINTER;
        if (IsEqualIID(Iid, IID_IUnknown) || IsEqualIID(Iid, IID_IDispatch) || IsEqualIID(Iid, __uuidof(IAccessible))) {
            *Out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return FStd->QueryInterface(Iid, Out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&FRefs); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&FRefs);
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT Child, BSTR* Name) override {
        if (!IsSelf(Child) || FName.empty()) return FStd->get_accName(Child, Name);
        if (!Name) return E_POINTER;
        *Name = SysAllocString(FName.c_str());
        return *Name ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT Child, VARIANT* Role) override {
        if (!IsSelf(Child) || !FRole) return FStd->get_accRole(Child, Role);
        if (!Role) return E_POINTER;
        Role->vt = VT_I4;
        Role->lVal = FRole;
        return S_OK;
    }

    // The rest is the standard object's.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* N) override { return FStd->GetTypeInfoCount(N); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT I, LCID L, ITypeInfo** T) override { return FStd->GetTypeInfo(I, L, T); }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID R, LPOLESTR* N, UINT C, LCID L, DISPID* D) override {
        return FStd->GetIDsOfNames(R, N, C, L, D);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID D, REFIID R, LCID L, WORD F, DISPPARAMS* P, VARIANT* V, EXCEPINFO* E,
                                     UINT* A) override {
        return FStd->Invoke(D, R, L, F, P, V, E, A);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** P) override { return FStd->get_accParent(P); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* N) override { return FStd->get_accChildCount(N); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT C, IDispatch** D) override { return FStd->get_accChild(C, D); }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT C, BSTR* V) override { return FStd->get_accValue(C, V); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT C, BSTR* D) override {
        if (!IsSelf(C) || FDescription.empty()) return FStd->get_accDescription(C, D);
        if (!D) return E_POINTER;
        *D = SysAllocString(FDescription.c_str());
        return *D ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT C, VARIANT* S) override { return FStd->get_accState(C, S); }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT C, BSTR* H) override { return FStd->get_accHelp(C, H); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* F, VARIANT C, LONG* T) override {
        return FStd->get_accHelpTopic(F, C, T);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT C, BSTR* K) override {
        return FStd->get_accKeyboardShortcut(C, K);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* F) override { return FStd->get_accFocus(F); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* S) override { return FStd->get_accSelection(S); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT C, BSTR* A) override {
        return FStd->get_accDefaultAction(C, A);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG F, VARIANT C) override { return FStd->accSelect(F, C); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* X, LONG* Y, LONG* W, LONG* H, VARIANT C) override {
        return FStd->accLocation(X, Y, W, H, C);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG D, VARIANT S, VARIANT* E) override { return FStd->accNavigate(D, S, E); }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG X, LONG Y, VARIANT* C) override { return FStd->accHitTest(X, Y, C); }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT C) override { return FStd->accDoDefaultAction(C); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT C, BSTR N) override { return FStd->put_accName(C, N); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT C, BSTR V) override { return FStd->put_accValue(C, V); }

private:
    ~TNamedAccessible() { FStd->Release(); }
    IAccessible* FStd;
    std::wstring FName;
    std::wstring FDescription;
    long FRole;
    LONG FRefs{1};
};

const char* const kInfoProp = "VelundoAccessible";
const char* const kProcProp = "VelundoAccessibleProc";

LRESULT CALLBACK SubclassProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
    auto proc = reinterpret_cast<WNDPROC>(GetPropA(Window, kProcProp));
    if (Message == WM_GETOBJECT)
        if (auto* info = static_cast<const TAccessibleInfo*>(GetPropA(Window, kInfoProp)))
            if (const intptr_t answer = AnswerGetObject(Window, WParam, LParam, *info)) return answer;
    if (Message == WM_NCDESTROY) {
        SetWindowLongPtrA(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
        delete static_cast<const TAccessibleInfo*>(RemovePropA(Window, kInfoProp));
        RemovePropA(Window, kProcProp);
    }
    return CallWindowProcA(proc, Window, Message, WParam, LParam);
}
} // namespace

intptr_t AnswerGetObject(HWND__* Window, uintptr_t WParam, intptr_t LParam, const TAccessibleInfo& Info) {
    if (static_cast<LONG>(LParam) != OBJID_CLIENT || !OleAcc().CreateStd || !OleAcc().Lresult) return 0;
    IAccessible* standard = nullptr;
    if (FAILED(OleAcc().CreateStd(Window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard))) ||
        !standard)
        return 0;
    auto* named = new TNamedAccessible(standard, Wide(Info.Name), MsaaRole(Info.Role), Wide(Info.Description));
    const LRESULT answer = OleAcc().Lresult(__uuidof(IAccessible), WParam, named);
    named->Release();
    return answer > 0 ? answer : 0;
}

void UpdateAccessible(HWND__* Window, const TAccessibleInfo& Info) {
    if (auto* info = static_cast<TAccessibleInfo*>(GetPropA(Window, kInfoProp))) *info = Info;
}

void MakeAccessible(HWND__* Window, const TAccessibleInfo& Info) {
    if (!Window || GetPropA(Window, kProcProp)) return;
    SetPropA(Window, kInfoProp, new TAccessibleInfo(Info));
    SetPropA(Window, kProcProp, reinterpret_cast<HANDLE>(GetWindowLongPtrA(Window, GWLP_WNDPROC)));
    SetWindowLongPtrA(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc));
}
