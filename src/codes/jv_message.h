// The Japanese explanation of a JV-Link return code.
#pragma once

#include <string>

namespace tw {

// The message text of the operation's code followed by "(" code ")", for
// example ("JVOpen", -1) -> " 取得済みデータより最新のデータがありません。(-1)".
// A code without a text gives only "(code)". Shift-JIS.
std::string JVMessage(const std::string& operation, int code);

}  // namespace tw
