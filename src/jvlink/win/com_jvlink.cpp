// JV-Link through its COM control "JVDTLab.JVLink", late bound: every method
// is looked up by name on the IDispatch interface, so no type library or
// generated header is needed. Records and out texts arrive as wide strings
// and are handed on in code page 932. A failed COM call throws
// JVLinkCallError with the platform's message, converted to code page 932
// here and only here.
// windows.h must come first.
#include <windows.h>
// clang-format off
#include <oleauto.h>
// clang-format on

#include <string>
#include <vector>

#include "jvlink/com_jvlink.h"
#include "text/sjis.h"

namespace tw {

namespace {

std::string ToCp932(const wchar_t* w, int len) { return w && len > 0 ? WideToSjis({w, static_cast<size_t>(len)}) : ""; }

std::string BstrToCp932(BSTR b) { return b ? ToCp932(b, static_cast<int>(SysStringLen(b))) : std::string(); }

// The system's text for an HRESULT, in code page 932.
std::string SystemMessage(HRESULT hr) {
  wchar_t* buf = nullptr;
  DWORD len =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
  std::string text;
  if (len > 0 && buf) {
    while (len > 0 && (buf[len - 1] == L'\r' || buf[len - 1] == L'\n' || buf[len - 1] == L' ')) --len;
    text = ToCp932(buf, static_cast<int>(len));
  }
  if (buf) LocalFree(buf);
  char code[16];
  wsprintfA(code, "0x%08lX", static_cast<unsigned long>(hr));
  return text.empty() ? std::string(code) : text + " (" + code + ")";
}

// A BSTR owned for the length of one call.
class Bstr {
 public:
  explicit Bstr(const std::string& cp932) {
    std::wstring w = SjisToWide(cp932);
    b_ = SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
  }
  Bstr() = default;
  ~Bstr() { SysFreeString(b_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return b_; }
  BSTR* out() {
    SysFreeString(b_);
    b_ = nullptr;
    return &b_;
  }

 private:
  BSTR b_ = nullptr;
};

VARIANT InBstr(const Bstr& b) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = b.get();
  return v;
}
VARIANT InLong(LONG value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}
VARIANT RefBstr(Bstr& b) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BYREF | VT_BSTR;
  v.pbstrVal = b.out();
  return v;
}
VARIANT RefLong(LONG* p) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BYREF | VT_I4;
  v.plVal = p;
  return v;
}

class ComJVLink : public JVLink {
 public:
  enum Method { kInit, kSetUI, kOpen, kStatus, kRead, kRTOpen, kCancel, kClose, kMethods };

  ComJVLink(IDispatch* dispatch, const DISPID (&ids)[kMethods], bool uninit) : dispatch_(dispatch), uninit_(uninit) {
    for (int i = 0; i < kMethods; ++i) ids_[i] = ids[i];
  }
  ~ComJVLink() override {
    dispatch_->Release();
    if (uninit_) CoUninitialize();
  }

  int JVInit(const std::string& sid) override {
    Bstr s(sid);
    std::vector<VARIANT> args{InBstr(s)};
    return Call(kInit, args);
  }
  int JVSetUIProperties() override {
    std::vector<VARIANT> args;
    return Call(kSetUI, args);
  }
  JVOpenResult JVOpen(const std::string& dataSpec, const std::string& fromTime, int option) override {
    Bstr specText(dataSpec), from(fromTime), last;
    LONG readCount = 0, downloadCount = 0;
    std::vector<VARIANT> args{InBstr(specText),        InBstr(from), InLong(option), RefLong(&readCount),
                              RefLong(&downloadCount), RefBstr(last)};
    JVOpenResult r;
    r.code = Call(kOpen, args);
    r.readCount = static_cast<int>(readCount);
    r.downloadCount = static_cast<int>(downloadCount);
    r.lastFileTimestamp = BstrToCp932(last.get());
    return r;
  }
  int JVStatus() override {
    std::vector<VARIANT> args;
    return Call(kStatus, args);
  }
  JVReadResult JVRead(int& bufferSize) override {
    Bstr buff, fileName;
    LONG size = bufferSize;
    std::vector<VARIANT> args{RefBstr(buff), RefLong(&size), RefBstr(fileName)};
    JVReadResult r;
    r.code = Call(kRead, args);
    bufferSize = static_cast<int>(size);
    if (r.code > 0) {
      r.record = BstrToCp932(buff.get());
      // A record that converts to nothing would read as the end of the data
      // and end the download as if it were complete.
      if (r.record.empty()) throw JVLinkCallError("JVRead: " + Sjis("レコードが空か、Shift-JISに変換できません。"));
      r.code = static_cast<int>(r.record.size());  // the length in the converted bytes
    }
    r.fileName = BstrToCp932(fileName.get());
    return r;
  }
  int JVRTOpen(const std::string& dataSpec, const std::string& key) override {
    Bstr specText(dataSpec), k(key);
    std::vector<VARIANT> args{InBstr(specText), InBstr(k)};
    return Call(kRTOpen, args);
  }
  int JVCancel() override {
    std::vector<VARIANT> args;
    return Call(kCancel, args);
  }
  int JVClose() override {
    std::vector<VARIANT> args;
    return Call(kClose, args);
  }

 private:
  static const char* Name(Method m) {
    static const char* const kNames[] = {"JVInit", "JVSetUIProperties", "JVOpen",   "JVStatus",
                                         "JVRead", "JVRTOpen",          "JVCancel", "JVClose"};
    return kNames[m];
  }

  // Invokes a method with its arguments in call order and returns its integer result.
  int Call(Method m, std::vector<VARIANT>& args) {
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());  // IDispatch takes them last first
    DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO excep{};
    UINT argErr = 0;
    HRESULT hr =
        dispatch_->Invoke(ids_[m], IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, &excep, &argErr);
    if (FAILED(hr)) {
      std::string message;
      if (hr == DISP_E_EXCEPTION) {
        if (excep.pfnDeferredFillIn) excep.pfnDeferredFillIn(&excep);
        message = BstrToCp932(excep.bstrDescription);
        if (message.empty()) message = SystemMessage(excep.scode ? excep.scode : hr);
      } else {
        message = SystemMessage(hr);
      }
      SysFreeString(excep.bstrSource);
      SysFreeString(excep.bstrDescription);
      SysFreeString(excep.bstrHelpFile);
      VariantClear(&result);
      // `message` is code page 932 already; the method name is ASCII.
      throw JVLinkCallError(std::string(Name(m)) + ": " + message);
    }
    int value = 0;
    if (VariantChangeType(&result, &result, 0, VT_I4) == S_OK) value = static_cast<int>(result.lVal);
    VariantClear(&result);
    return value;
  }

  IDispatch* dispatch_;
  DISPID ids_[kMethods];
  bool uninit_;
};

}  // namespace

std::unique_ptr<JVLink> CreateComJVLink(std::string* why) {
  HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const bool uninit = SUCCEEDED(init);  // S_OK or S_FALSE must be balanced; RPC_E_CHANGED_MODE not
  auto fail = [&](const char* step, HRESULT hr) -> std::unique_ptr<JVLink> {
    if (why) *why = std::string(step) + ": " + SystemMessage(hr);
    if (uninit) CoUninitialize();
    return nullptr;
  };
  CLSID clsid;
  HRESULT hr = CLSIDFromProgID(L"JVDTLab.JVLink", &clsid);
  if (FAILED(hr)) return fail("CLSIDFromProgID(JVDTLab.JVLink)", hr);
  IDispatch* dispatch = nullptr;
  hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                        reinterpret_cast<void**>(&dispatch));
  if (FAILED(hr) || dispatch == nullptr) return fail("CoCreateInstance(JVDTLab.JVLink)", FAILED(hr) ? hr : E_POINTER);
  static const wchar_t* const kNames[] = {L"JVInit", L"JVSetUIProperties", L"JVOpen",   L"JVStatus",
                                          L"JVRead", L"JVRTOpen",          L"JVCancel", L"JVClose"};
  DISPID ids[ComJVLink::kMethods];
  for (int i = 0; i < ComJVLink::kMethods; ++i) {
    LPOLESTR name = const_cast<LPOLESTR>(kNames[i]);
    hr = dispatch->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &ids[i]);
    if (FAILED(hr)) {
      dispatch->Release();
      return fail("GetIDsOfNames", hr);
    }
  }
  return std::make_unique<ComJVLink>(dispatch, ids, uninit);
}

}  // namespace tw
