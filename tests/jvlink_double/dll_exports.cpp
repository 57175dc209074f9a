// The two entry points COM looks up in an in-process server, and the class
// factory behind them. Registration is left to the registry commands of the
// check, so there is no DllRegisterServer. Nothing counts the controls handed
// out, so the double stays loaded and its one factory needs no counting.
// windows.h must come first.
#include <windows.h>
// clang-format off
#include <objbase.h>
// clang-format on

#include "jvlink_double/jvlink_double.h"

namespace {

// The control class of "JVDTLab.JVLink".
const CLSID kJVLinkClass = {0x2AB1774D, 0x0C41, 0x11D7, {0x91, 0x6F, 0x00, 0x03, 0x47, 0x9B, 0xEB, 0x3F}};

// Every CreateInstance makes a fresh control with a stand-in of its own.
class DoubleClassFactory : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory) ? this : nullptr;
    return *out ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    auto* control = new tw::test::JVLinkDouble();
    HRESULT hr = control->QueryInterface(iid, out);
    control->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

}  // namespace

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(clsid, kJVLinkClass)) return CLASS_E_CLASSNOTAVAILABLE;
  static DoubleClassFactory factory;
  return factory.QueryInterface(iid, out);
}

STDAPI DllCanUnloadNow() { return S_FALSE; }
