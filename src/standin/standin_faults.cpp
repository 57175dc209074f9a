#include "standin/standin_faults.h"

#include "text/fields.h"
#include "text/files.h"

namespace tw {

namespace {

bool ParseInt(const std::string& s, int& out) {
  if (s.empty()) return false;
  size_t i = (s[0] == '-' || s[0] == '+') ? 1 : 0;
  if (i == s.size() || s.size() - i > 9) return false;
  for (size_t k = i; k < s.size(); ++k)
    if (s[k] < '0' || s[k] > '9') return false;
  out = static_cast<int>(IntValue(s));
  return true;
}

std::optional<FaultRule> ParseRule(const std::string& rawLine) {
  std::string line = Trim(rawLine);
  if (line.empty() || line[0] == '#' || line[0] == ';') return std::nullopt;
  size_t eq = line.find('=');
  if (eq == std::string::npos) return std::nullopt;
  std::string lhs = Trim(line.substr(0, eq));
  std::string rhs = Trim(line.substr(eq + 1));
  FaultRule rule;
  if (EqualsIgnoreCase(rhs, "throw")) {
    rule.action = FaultRule::Action::kThrow;
  } else if (EqualsIgnoreCase(rhs, "hang")) {
    rule.action = FaultRule::Action::kHang;
  } else if (EqualsIgnoreCase(rhs, "crash")) {
    rule.action = FaultRule::Action::kCrash;
  } else if (!ParseInt(rhs, rule.code)) {
    return std::nullopt;
  }
  size_t at = lhs.find('@');
  if (at != std::string::npos) {
    std::string calls = Trim(lhs.substr(at + 1));
    size_t dash = calls.find('-');
    if (dash != std::string::npos) {
      if (!ParseInt(Trim(calls.substr(dash + 1)), rule.last)) return std::nullopt;
      calls = Trim(calls.substr(0, dash));
    }
    if (!ParseInt(calls, rule.nth) || rule.nth < 1) return std::nullopt;
    if (dash != std::string::npos && rule.last < rule.nth) return std::nullopt;
    lhs = Trim(lhs.substr(0, at));
  }
  size_t open = lhs.find('(');
  if (open != std::string::npos) {
    if (lhs.back() != ')') return std::nullopt;
    rule.spec = Trim(lhs.substr(open + 1, lhs.size() - open - 2));
    lhs = Trim(lhs.substr(0, open));
  }
  if (lhs.empty()) return std::nullopt;
  rule.call = lhs;
  return rule;
}

}  // namespace

FaultPlan FaultPlan::Parse(const std::string& text) {
  FaultPlan plan;
  for (const std::string& line : SplitLines(text))
    if (auto rule = ParseRule(line)) plan.rules_.push_back(*rule);
  return plan;
}

std::optional<FaultRule> FaultPlan::Find(const std::string& call, const std::string& spec, int n) const {
  for (const FaultRule& r : rules_) {
    if (!EqualsIgnoreCase(r.call, call)) continue;
    if (!r.spec.empty() && r.spec != spec) continue;
    if (r.nth != 0 && (n < r.nth || n > (r.last != 0 ? r.last : r.nth))) continue;
    return r;
  }
  return std::nullopt;
}

}  // namespace tw
