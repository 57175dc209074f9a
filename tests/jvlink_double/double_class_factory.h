// The class factory of the JV-Link double: every CreateInstance makes a fresh
// control with a stand-in of its own. One static factory serves the process:
// the double is never unloaded, so nothing counts references to it.
#pragma once

// windows.h must come first.
#include <windows.h>
// clang-format off
#include <unknwn.h>
// clang-format on

namespace tw::test {

class DoubleClassFactory : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

}  // namespace tw::test
