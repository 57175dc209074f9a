#include "jvlink_double/jvlink_double.h"

#include <fstream>
#include <string>
#include <vector>

#include "jvlink_double/dispatch_args.h"
#include "text/sjis.h"

namespace tw::test {

namespace {

enum Method : DISPID { kInit = 1, kSetUI, kOpen, kStatus, kRead, kRTOpen, kCancel, kClose };

struct MethodInfo {
  const wchar_t* name;
  Method id;
  UINT args;
};

constexpr MethodInfo kMethods[] = {
    {L"JVInit", kInit, 1}, {L"JVSetUIProperties", kSetUI, 0}, {L"JVOpen", kOpen, 6},     {L"JVStatus", kStatus, 0},
    {L"JVRead", kRead, 3}, {L"JVRTOpen", kRTOpen, 2},         {L"JVCancel", kCancel, 0}, {L"JVClose", kClose, 0},
};

// The dispatch interface of the control, asked for by early-bound callers.
const IID kJVLinkInterface = {0x2AB1774C, 0x0C41, 0x11D7, {0x91, 0x6F, 0x00, 0x03, 0x47, 0x9B, 0xEB, 0x3F}};

const MethodInfo* FindMethod(DISPID id) {
  for (const MethodInfo& m : kMethods)
    if (m.id == id) return &m;
  return nullptr;
}

std::string Cp932Environment(const wchar_t* name) {
  DWORD n = GetEnvironmentVariableW(name, nullptr, 0);
  if (n == 0) return {};
  std::vector<wchar_t> w(n);
  n = GetEnvironmentVariableW(name, w.data(), n);
  return WideToSjis({w.data(), n});
}

std::unique_ptr<Clock> DoubleClock() {
  DateTime start;
  if (ParseDateTime(Cp932Environment(L"TURFWISE_JVLINK_DOUBLE_NOW"), start))
    return std::make_unique<OffsetClock>(start);
  return std::make_unique<SystemClock>();
}

StandInOptions DoubleOptions() {
  StandInOptions options;
  std::string app = Cp932Environment(L"TURFWISE_JVLINK_DOUBLE_APP");
  if (!app.empty()) options.appFolder = app;
  return options;
}

// Appends the name of the program that created the control to the file
// TURFWISE_JVLINK_DOUBLE_HOSTS, so the check can tell who hosts it: the
// program itself or its bridge.
void RecordHost() {
  std::string hosts = Cp932Environment(L"TURFWISE_JVLINK_DOUBLE_HOSTS");
  if (hosts.empty()) return;
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  const wchar_t* name = path + n;
  while (name > path && name[-1] != L'\\' && name[-1] != L'/') --name;
  std::ofstream(hosts, std::ios::app) << WideToSjis({name, static_cast<size_t>(path + n - name)}) << '\n';
}

}  // namespace

JVLinkDouble::JVLinkDouble()
    : clock_(DoubleClock()), standIn_(std::make_unique<StandInJVLink>(*clock_, DoubleOptions())) {
  RecordHost();
}

JVLinkDouble::~JVLinkDouble() = default;

HRESULT JVLinkDouble::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, kJVLinkInterface)) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG JVLinkDouble::AddRef() { return ++refs_; }

ULONG JVLinkDouble::Release() {
  ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT JVLinkDouble::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 0;  // late bound only: there is no type library
  return S_OK;
}

HRESULT JVLinkDouble::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT JVLinkDouble::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (names == nullptr || ids == nullptr) return E_POINTER;
  HRESULT hr = S_OK;
  for (UINT i = 0; i < count; ++i) {
    ids[i] = DISPID_UNKNOWN;
    // Names after the first are argument names, which the methods do not take.
    if (i == 0)
      for (const MethodInfo& m : kMethods)
        if (names[0] && CompareStringOrdinal(names[0], -1, m.name, -1, TRUE) == CSTR_EQUAL) ids[0] = m.id;
    if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
  }
  return hr;
}

HRESULT JVLinkDouble::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                             EXCEPINFO* excep, UINT* argErr) {
  if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  const MethodInfo* method = FindMethod(id);
  if (method == nullptr || !(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  const DISPPARAMS& p = params ? *params : none;
  if (p.cNamedArgs != 0) return DISP_E_NONAMEDARGS;
  if (p.cArgs != method->args) return DISP_E_BADPARAMCOUNT;
  LONG value = 0;
  try {
    HRESULT hr = Call(id, p, value, argErr);
    if (FAILED(hr)) return hr;
  } catch (const std::exception& e) {
    // A failed call of the control itself (the stand-in's "throw"), told as
    // a COM exception with the control's text.
    if (excep) {
      *excep = EXCEPINFO{};
      excep->bstrSource = SysAllocString(L"JVDTLab.JVLink");
      excep->bstrDescription = BstrFromCp932(e.what());
      excep->scode = E_FAIL;
    }
    return DISP_E_EXCEPTION;
  }
  if (result) {
    VariantClear(result);
    result->vt = VT_I4;
    result->lVal = value;
  }
  return S_OK;
}

HRESULT JVLinkDouble::Call(DISPID id, const DISPPARAMS& p, LONG& value, UINT* argErr) {
  auto mismatch = [&](UINT i) {
    if (argErr) *argErr = RgvargIndex(p, i);
    return DISP_E_TYPEMISMATCH;
  };
  switch (id) {
    case kInit: {
      std::string sid;
      if (!InText(ArgAt(p, 0), sid)) return mismatch(0);
      value = standIn_->JVInit(sid);
      return S_OK;
    }
    case kSetUI:
      value = standIn_->JVSetUIProperties();
      return S_OK;
    case kOpen: {
      std::string dataSpec, from;
      LONG option = 0;
      if (!InText(ArgAt(p, 0), dataSpec)) return mismatch(0);
      if (!InText(ArgAt(p, 1), from)) return mismatch(1);
      if (!InLong(ArgAt(p, 2), option)) return mismatch(2);
      if (!IsOutLong(ArgAt(p, 3))) return mismatch(3);
      if (!IsOutLong(ArgAt(p, 4))) return mismatch(4);
      if (!IsOutText(ArgAt(p, 5))) return mismatch(5);
      JVOpenResult r = standIn_->JVOpen(dataSpec, from, static_cast<int>(option));
      SetOutLong(ArgAt(p, 3), r.readCount);
      SetOutLong(ArgAt(p, 4), r.downloadCount);
      SetOutText(ArgAt(p, 5), r.lastFileTimestamp);
      value = r.code;
      return S_OK;
    }
    case kStatus:
      value = standIn_->JVStatus();
      return S_OK;
    case kRead: {
      LONG size = 0;
      if (!IsOutText(ArgAt(p, 0))) return mismatch(0);
      if (!InLong(ArgAt(p, 1), size) || !IsOutLong(ArgAt(p, 1))) return mismatch(1);
      if (!IsOutText(ArgAt(p, 2))) return mismatch(2);
      int bufferSize = static_cast<int>(size);
      JVReadResult r = standIn_->JVRead(bufferSize);
      SetOutText(ArgAt(p, 0), r.code > 0 ? r.record : std::string());
      SetOutLong(ArgAt(p, 1), bufferSize);
      SetOutText(ArgAt(p, 2), r.fileName);
      // The length counts the record's Shift-JIS bytes, as the control's does.
      value = r.code > 0 ? static_cast<LONG>(r.record.size()) : r.code;
      return S_OK;
    }
    case kRTOpen: {
      std::string dataSpec, key;
      if (!InText(ArgAt(p, 0), dataSpec)) return mismatch(0);
      if (!InText(ArgAt(p, 1), key)) return mismatch(1);
      value = standIn_->JVRTOpen(dataSpec, key);
      return S_OK;
    }
    case kCancel:
      value = standIn_->JVCancel();
      return S_OK;
    case kClose:
      value = standIn_->JVClose();
      return S_OK;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}

}  // namespace tw::test
