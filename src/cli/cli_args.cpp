#include "cli/cli_args.h"

#include "text/sjis.h"

namespace tw {

bool TakeOptionValue(const std::vector<std::string>& args, size_t& i, const std::string& name, std::string& value,
                     bool& matched, std::string& error) {
  const std::string& arg = args[i];
  matched = false;
  if (arg == name) {
    matched = true;
    if (i + 1 >= args.size()) {
      error = name + " needs a value";
      return false;
    }
    value = args[++i];
    return true;
  }
  if (arg.rfind(name + "=", 0) == 0) {
    matched = true;
    value = arg.substr(name.size() + 1);
  }
  return true;
}

bool CommandLineToSjis(const std::string& utf8, std::string& sjis) {
  sjis = Utf8ToSjis(utf8);
  return SjisToUtf8(sjis) == utf8;
}

}  // namespace tw
