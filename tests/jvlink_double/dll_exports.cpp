// The two entry points COM looks up in an in-process server. Registration is
// left to the registry commands of the check, so there is no
// DllRegisterServer.
// windows.h must come first.
#include <windows.h>
// clang-format off
#include <objbase.h>
// clang-format on

#include <atomic>

#include "jvlink_double/double_class_factory.h"
#include "jvlink_double/module_count.h"

namespace {

std::atomic<long> gLocks{0};

// The control class of "JVDTLab.JVLink".
const CLSID kJVLinkClass = {0x2AB1774D, 0x0C41, 0x11D7, {0x91, 0x6F, 0x00, 0x03, 0x47, 0x9B, 0xEB, 0x3F}};

}  // namespace

namespace tw::test {

void LockModule() { ++gLocks; }
void UnlockModule() { --gLocks; }

}  // namespace tw::test

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(clsid, kJVLinkClass)) return CLASS_E_CLASSNOTAVAILABLE;
  auto* factory = new tw::test::DoubleClassFactory();
  HRESULT hr = factory->QueryInterface(iid, out);
  factory->Release();
  return hr;
}

STDAPI DllCanUnloadNow() { return gLocks.load() == 0 ? S_OK : S_FALSE; }
