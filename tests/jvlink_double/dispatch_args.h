// The arguments of an IDispatch call as the double reads and writes them.
// Callers differ in how they pass them: in-values as texts, numbers or
// references to either, out-values as a typed reference (VT_BYREF|VT_BSTR,
// VT_BYREF|VT_I4) or as a reference to a VARIANT that receives the value.
// Texts cross in code page 932, as the stand-in holds them.
#pragma once

// windows.h must come first.
#include <windows.h>
// clang-format off
#include <oleauto.h>
// clang-format on

#include <string>

namespace tw::test {

// A new BSTR of a code page 932 text; the caller owns it.
BSTR BstrFromCp932(const std::string& text);

// The i-th argument in call order (IDispatch passes them last first).
VARIANT& ArgAt(const DISPPARAMS& params, UINT i);
// The index in rgvarg of the i-th argument, for the argument-error out value.
UINT RgvargIndex(const DISPPARAMS& params, UINT i);

// Reads an in-value of any type that converts; false when it does not.
bool InText(const VARIANT& v, std::string& cp932);
bool InLong(const VARIANT& v, LONG& value);

// True when the argument can receive an out-value of that type.
bool IsOutText(const VARIANT& v);
bool IsOutLong(const VARIANT& v);
// Sets an out-value; the argument must have passed the matching check.
void SetOutText(VARIANT& v, const std::string& cp932);
void SetOutLong(VARIANT& v, LONG value);

}  // namespace tw::test
