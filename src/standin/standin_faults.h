// Failures the local stand-in injects into its answers, so that every failure
// path of the program can be shown with the real windows. They are read from
// the file "faults.txt" in the feed folder, one rule a line:
//
//   JVRTOpen=-303          every JVRTOpen answers -303
//   JVRead@3=-502          the third JVRead after each open answers -502
//   JVRTOpen(0B12)=-1      only the results stream
//   JVRead@2=throw         the call itself fails (as a broken COM call would)
//   JVRead@2-40=-3         the 2nd to the 40th JVRead answer -3 (still downloading)
//   JVRead@5=hang          the call never returns (JV-Link showing a dialog)
//   JVRead@5=crash         the process ends at once (a crashed JV-Link host)
//
// "hang" and "crash" are meant for the stand-in served through the JV-Link
// bridge, where the program outlives them.
//
// Blank lines and lines starting with '#' or ';' are ignored, and so is a
// line that does not parse.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tw {

struct FaultRule {
  enum class Action { kCode, kThrow, kHang, kCrash };

  std::string call;  // "JVOpen", "JVRead", …
  std::string spec;  // data spec the rule is limited to; empty: any
  int nth = 0;       // 1-based call number the rule is limited to; 0: every call
  int last = 0;      // the last call number of a range "@n-m"; 0: only `nth`
  Action action = Action::kCode;
  int code = 0;
};

class FaultPlan {
 public:
  static FaultPlan Parse(const std::string& text);
  static constexpr const char* kFileName = "faults.txt";

  // The first rule for the n-th call (1-based) of `call` with data spec `spec`.
  std::optional<FaultRule> Find(const std::string& call, const std::string& spec, int n) const;
  bool empty() const { return rules_.empty(); }

 private:
  std::vector<FaultRule> rules_;
};

}  // namespace tw
