#include "jvlink_double/double_class_factory.h"

#include "jvlink_double/jvlink_double.h"

namespace tw::test {

HRESULT DoubleClassFactory::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG DoubleClassFactory::AddRef() { return 2; }

ULONG DoubleClassFactory::Release() { return 1; }

HRESULT DoubleClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  auto* control = new JVLinkDouble();
  HRESULT hr = control->QueryInterface(iid, out);
  control->Release();
  return hr;
}

}  // namespace tw::test
