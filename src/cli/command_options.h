// The one option parser of turfwise-cli. A command declares its options;
// the parser reads "--name value", "--name=value" and flags in any order and
// says what is wrong in the words the command's usage text uses.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace tw {

struct ValueOption {
  const char* name;  // "--day"
  // How "is required" names the option after its name ("DIR" gives
  // "--data DIR is required"); empty names it alone. Null: optional.
  const char* required = nullptr;
  const char* needs = "a value";  // "--now needs a time ..." when the value is missing
  // A list ("--course NAME…"): every following argument up to the next one
  // beginning with "--" is one more value, and the option may come again.
  bool list = false;
};

struct OptionSpec {
  std::vector<ValueOption> values;
  std::vector<std::string> flags;
  // The commands of a data or application folder have always written an
  // unknown option in quotes, the fetch commands and print bare.
  bool quoteUnknown = true;
};

class CommandOptions {
 public:
  // Whether the option was given (for flags: at least once).
  bool Has(const std::string& name) const;
  // The value given last; empty when the option was not given.
  std::string Value(const std::string& name) const;
  // Every value given, in order.
  std::vector<std::string> Values(const std::string& name) const;

  void SetValue(const std::string& name, std::string value) {
    lists_[name].push_back(value);
    values_[name] = std::move(value);
  }
  void SetFlag(const std::string& name) { flags_.insert(name); }

 private:
  std::map<std::string, std::string> values_;
  std::map<std::string, std::vector<std::string>> lists_;
  std::set<std::string> flags_;
};

// False with a message for an unknown option, a value option without its
// value or a required option missing or empty.
bool ParseCommandOptions(const std::vector<std::string>& args, const OptionSpec& spec, CommandOptions& options,
                         std::string& error);

// A command-line text (UTF-8) as Shift-JIS; false when some character has no
// Shift-JIS form, so that no file name could ever match it.
bool CommandLineToSjis(const std::string& utf8, std::string& sjis);

}  // namespace tw
