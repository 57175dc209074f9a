#include "cli/command_options.h"

#include <algorithm>

#include "text/sjis.h"

namespace tw {

bool CommandOptions::Has(const std::string& name) const { return values_.count(name) > 0 || flags_.count(name) > 0; }

std::string CommandOptions::Value(const std::string& name) const {
  auto it = values_.find(name);
  return it == values_.end() ? std::string() : it->second;
}

std::vector<std::string> CommandOptions::Values(const std::string& name) const {
  auto it = lists_.find(name);
  return it == lists_.end() ? std::vector<std::string>() : it->second;
}

bool ParseCommandOptions(const std::vector<std::string>& args, const OptionSpec& spec, CommandOptions& options,
                         std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    bool matched = false;
    for (const ValueOption& option : spec.values) {
      const std::string name = option.name;
      if (arg == name) {
        if (i + 1 >= args.size()) {
          error = name + " needs " + option.needs;
          return false;
        }
        options.SetValue(name, args[++i]);
        while (option.list && i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) options.SetValue(name, args[++i]);
      } else if (arg.rfind(name + "=", 0) == 0) {
        options.SetValue(name, arg.substr(name.size() + 1));
      } else {
        continue;
      }
      matched = true;
      break;
    }
    if (matched) continue;
    if (std::find(spec.flags.begin(), spec.flags.end(), arg) != spec.flags.end()) {
      options.SetFlag(arg);
      continue;
    }
    error = spec.quoteUnknown ? "unknown option '" + arg + "'" : "unknown option " + arg;
    return false;
  }
  for (const ValueOption& option : spec.values) {
    if (option.required && options.Value(option.name).empty()) {
      error = std::string(option.name) + (*option.required ? " " : "") + option.required + " is required";
      return false;
    }
  }
  return true;
}

bool CommandLineToSjis(const std::string& utf8, std::string& sjis) {
  sjis = Utf8ToSjis(utf8);
  return SjisToUtf8(sjis) == utf8;
}

}  // namespace tw
