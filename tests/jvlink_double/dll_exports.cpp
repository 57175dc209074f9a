// The two entry points COM looks up in an in-process server. Registration is
// left to the registry commands of the check, so there is no
// DllRegisterServer.
// windows.h must come first.
#include <windows.h>
// clang-format off
#include <objbase.h>
// clang-format on

#include "jvlink_double/double_class_factory.h"

namespace {

// The control class of "JVDTLab.JVLink".
const CLSID kJVLinkClass = {0x2AB1774D, 0x0C41, 0x11D7, {0x91, 0x6F, 0x00, 0x03, 0x47, 0x9B, 0xEB, 0x3F}};

}  // namespace

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(clsid, kJVLinkClass)) return CLASS_E_CLASSNOTAVAILABLE;
  static tw::test::DoubleClassFactory factory;
  return factory.QueryInterface(iid, out);
}

// Nothing counts the controls handed out, so the double stays loaded.
STDAPI DllCanUnloadNow() { return S_FALSE; }
