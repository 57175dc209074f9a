// A small streaming JSON writer: objects, arrays, strings (UTF-8 in, escaped
// as JSON requires), integers, booleans, null, and doubles with 17
// significant digits so that a reader gets the same double back.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// The text as a JSON string literal, quotes included.
std::string JsonQuote(std::string_view utf8);
// The double as a JSON number (17 significant digits); null when not finite.
std::string JsonNumber(double value);

class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}

  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // The key of the next value inside an object.
  JsonWriter& Key(std::string_view name);

  void String(std::string_view utf8);
  void Int(long long value);
  void Double(double value);
  void Bool(bool value);
  void Null();

 private:
  void BeforeValue();

  std::ostream& out_;
  std::vector<bool> first_;  // per open container: no element written yet
  bool afterKey_ = false;
};

}  // namespace tw
