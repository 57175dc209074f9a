// Small pieces every command's option parsing shares.
#pragma once

#include <string>
#include <vector>

namespace tw {

// "--name value" or "--name=value" at args[i]: `matched` tells whether it was
// that option; false (with `error`) when its value is missing. On a match
// with a separate value, `i` moves past the value.
bool TakeOptionValue(const std::vector<std::string>& args, size_t& i, const std::string& name, std::string& value,
                     bool& matched, std::string& error);

// A command-line text (UTF-8) as Shift-JIS; false when some character has no
// Shift-JIS form, so that no file name could ever match it.
bool CommandLineToSjis(const std::string& utf8, std::string& sjis);

}  // namespace tw
