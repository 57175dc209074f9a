#include "jvlink_double/dispatch_args.h"

#include "text/sjis.h"

namespace tw::test {

namespace {

// The argument's value, dereferenced and converted to `type`, into `out`
// (which the caller clears); false when it does not convert.
bool Convert(const VARIANT& v, VARTYPE type, VARIANT& out) {
  VariantInit(&out);
  return SUCCEEDED(VariantCopyInd(&out, const_cast<VARIANT*>(&v))) &&
         SUCCEEDED(VariantChangeType(&out, &out, 0, type)) && out.vt == type;
}

// The VARIANT an out-value lands in: the argument, or the one it refers to.
VARIANT& OutTarget(VARIANT& v) { return v.vt == (VT_BYREF | VT_VARIANT) && v.pvarVal ? *v.pvarVal : v; }

bool IsOut(const VARIANT& v, VARTYPE type) {
  if (v.vt == (VT_BYREF | VT_VARIANT)) {
    if (v.pvarVal == nullptr) return false;
    const VARIANT& inner = *v.pvarVal;
    return !(inner.vt & VT_BYREF) || (inner.vt == (VT_BYREF | type) && inner.byref != nullptr);
  }
  return v.vt == (VT_BYREF | type) && v.byref != nullptr;
}

}  // namespace

BSTR BstrFromCp932(const std::string& text) {
  const std::wstring w = SjisToWide(text);
  return SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
}

VARIANT& ArgAt(const DISPPARAMS& params, UINT i) { return params.rgvarg[RgvargIndex(params, i)]; }

UINT RgvargIndex(const DISPPARAMS& params, UINT i) { return params.cArgs - 1 - i; }

bool InText(const VARIANT& v, std::string& cp932) {
  VARIANT c;
  bool ok = Convert(v, VT_BSTR, c);
  if (ok) cp932 = WideToSjis({c.bstrVal, SysStringLen(c.bstrVal)});
  VariantClear(&c);
  return ok;
}

bool InLong(const VARIANT& v, LONG& value) {
  VARIANT c;
  bool ok = Convert(v, VT_I4, c);
  if (ok) value = c.lVal;
  VariantClear(&c);
  return ok;
}

bool IsOutText(const VARIANT& v) { return IsOut(v, VT_BSTR); }

bool IsOutLong(const VARIANT& v) { return IsOut(v, VT_I4); }

void SetOutText(VARIANT& v, const std::string& cp932) {
  VARIANT& t = OutTarget(v);
  if (t.vt == (VT_BYREF | VT_BSTR)) {
    SysFreeString(*t.pbstrVal);  // an in/out text: the callee replaces it
    *t.pbstrVal = BstrFromCp932(cp932);
    return;
  }
  VariantClear(&t);
  t.vt = VT_BSTR;
  t.bstrVal = BstrFromCp932(cp932);
}

void SetOutLong(VARIANT& v, LONG value) {
  VARIANT& t = OutTarget(v);
  if (t.vt == (VT_BYREF | VT_I4)) {
    *t.plVal = value;
    return;
  }
  VariantClear(&t);
  t.vt = VT_I4;
  t.lVal = value;
}

}  // namespace tw::test
