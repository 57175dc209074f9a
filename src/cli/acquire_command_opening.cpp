#include "cli/acquire_command_opening.h"

namespace tw {

std::optional<int> AcquireCommandOpening::Open(const std::vector<std::string>& args, bool wantDay,
                                               const OptionSpec& extra, const OptionCheck& check) {
  if (!prelude_.Parse(args, AcquireOptionSpec(wantDay, extra), parsed_)) return kExitUsage;
  std::string error;
  if (!AcquireOptionsOf(parsed_, wantDay, acquireOptions_, error)) return prelude_.Usage(error);
  if (check) {
    if (std::string checkError = check(parsed_); !checkError.empty()) return prelude_.Usage(checkError);
  }
  session_ = std::make_unique<AcquireSession>(acquireOptions_, context_, env_);
  if (!session_->Open(error) || (wantDay && !session_->LoadDay(acquireOptions_.dayName, error)))
    return prelude_.Fail(error);
  return std::nullopt;
}

}  // namespace tw
