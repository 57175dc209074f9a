// A strict little JSON reader for checking the program's JSON output in
// tests: objects keep their key order, numbers are read with strtod.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tw::test {

struct JsonValue {
  enum class Type { kNull, kBool, kNumber, kString, kArray, kObject } type = Type::kNull;
  bool boolean = false;
  double number = 0;
  std::string text;                                        // strings, UTF-8
  std::string numberText;                                  // numbers as written
  std::vector<JsonValue> items;                            // arrays
  std::vector<std::pair<std::string, JsonValue>> members;  // objects, in order

  bool isNull() const { return type == Type::kNull; }
  // The member of an object; throws when missing.
  const JsonValue& operator[](const std::string& key) const;
  const JsonValue& operator[](size_t index) const { return items.at(index); }
  size_t size() const { return type == Type::kObject ? members.size() : items.size(); }
  std::vector<std::string> keys() const;
};

// Parses the whole text (surrounding white space allowed); throws
// std::runtime_error with the byte offset on any syntax error.
JsonValue ParseJson(const std::string& text);

}  // namespace tw::test
