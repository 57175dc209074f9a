// The control the double registers as "JVDTLab.JVLink": a late-bound
// IDispatch with JV-Link's eight methods, answered by the local stand-in.
// The stand-in's application folder is the environment variable
// TURFWISE_JVLINK_DOUBLE_APP (default the current folder: its turfwise.ini
// names the feed and the pace); its clock starts at
// TURFWISE_JVLINK_DOUBLE_NOW ("yyyy/mm/dd hh:nn[:ss]") and runs on, or is the
// machine's when that is not set. With TURFWISE_JVLINK_DOUBLE_HOSTS set, the
// name of each program that creates the control is appended to that file.
#pragma once

// windows.h must come first.
#include <windows.h>
// clang-format off
#include <oleauto.h>
// clang-format on

#include <atomic>
#include <memory>

#include "base/clock.h"
#include "standin/standin_jvlink.h"

namespace tw::test {

class JVLinkDouble : public IDispatch {
 public:
  JVLinkDouble();
  virtual ~JVLinkDouble();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* excep, UINT* argErr) override;

 private:
  // Runs one method; a type mismatch names its argument in `argErr`.
  HRESULT Call(DISPID id, const DISPPARAMS& params, LONG& value, UINT* argErr);

  std::atomic<ULONG> refs_{1};
  std::unique_ptr<Clock> clock_;
  std::unique_ptr<StandInJVLink> standIn_;
};

}  // namespace tw::test
