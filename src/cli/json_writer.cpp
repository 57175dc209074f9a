#include "cli/json_writer.h"

#include <cmath>
#include <cstdio>

namespace tw {

std::string JsonQuote(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() + 2);
  out += '"';
  for (char ch : utf8) {
    auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  out += '"';
  return out;
}

std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.17g", value);
  return buf;
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!first_.empty()) {
    if (!first_.back()) out_ << ',';
    first_.back() = false;
  }
}

void JsonWriter::BeginObject() {
  BeforeValue();
  out_ << '{';
  first_.push_back(true);
}

void JsonWriter::EndObject() {
  out_ << '}';
  first_.pop_back();
}

void JsonWriter::BeginArray() {
  BeforeValue();
  out_ << '[';
  first_.push_back(true);
}

void JsonWriter::EndArray() {
  out_ << ']';
  first_.pop_back();
}

JsonWriter& JsonWriter::Key(std::string_view name) {
  BeforeValue();
  out_ << JsonQuote(name) << ':';
  afterKey_ = true;
  return *this;
}

void JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  out_ << JsonQuote(utf8);
}

void JsonWriter::Int(long long value) {
  BeforeValue();
  out_ << value;
}

void JsonWriter::Double(double value) {
  BeforeValue();
  out_ << JsonNumber(value);
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ << (value ? "true" : "false");
}

void JsonWriter::Null() {
  BeforeValue();
  out_ << "null";
}

}  // namespace tw
