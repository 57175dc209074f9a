#include "gui/acquisition/shell_jvlink.h"

#include "shell/app_shell.h"
#include "text/sjis.h"

namespace tw {

JVLink& ShellJVLink::Get() {
  if (JVLink* jv = shell_.jvlink()) return *jv;
  throw JVLinkCallError(Sjis("JV-Linkが作成されていません。"));
}

JVLink& ShellJVLink::Reading() {
  if (cancelled_) throw JVLinkCallError(Sjis("データ取得を中止しました。"));
  return Get();
}

void ShellJVLink::CancelStream() {
  if (cancelled_) return;
  cancelled_ = true;
  if (JVLink* jv = shell_.jvlink()) jv->JVCancel();
}

int ShellJVLink::JVInit(const std::string& sid) { return Get().JVInit(sid); }
int ShellJVLink::JVSetUIProperties() { return Get().JVSetUIProperties(); }
JVOpenResult ShellJVLink::JVOpen(const std::string& spec, const std::string& from, int option) {
  return Reading().JVOpen(spec, from, option);
}
int ShellJVLink::JVStatus() { return Reading().JVStatus(); }
JVReadResult ShellJVLink::JVRead(int& size) { return Reading().JVRead(size); }
int ShellJVLink::JVRTOpen(const std::string& spec, const std::string& key) { return Reading().JVRTOpen(spec, key); }
int ShellJVLink::JVCancel() { return Get().JVCancel(); }
int ShellJVLink::JVClose() { return Get().JVClose(); }

}  // namespace tw
