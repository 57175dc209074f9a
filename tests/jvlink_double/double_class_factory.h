// The class factory of the JV-Link double: every CreateInstance makes a fresh
// control with a stand-in of its own.
#pragma once

// windows.h must come first.
#include <windows.h>
// clang-format off
#include <unknwn.h>
// clang-format on

#include <atomic>

namespace tw::test {

class DoubleClassFactory : public IClassFactory {
 public:
  DoubleClassFactory();
  virtual ~DoubleClassFactory();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  std::atomic<ULONG> refs_{1};
};

}  // namespace tw::test
