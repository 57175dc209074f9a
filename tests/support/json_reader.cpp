#include "support/json_reader.h"

#include <cstdlib>
#include <stdexcept>

namespace tw::test {

const JsonValue& JsonValue::operator[](const std::string& key) const {
  for (const auto& [k, v] : members) {
    if (k == key) return v;
  }
  throw std::runtime_error("no member " + key);
}

std::vector<std::string> JsonValue::keys() const {
  std::vector<std::string> out;
  for (const auto& m : members) out.push_back(m.first);
  return out;
}

namespace {

class Parser {
 public:
  explicit Parser(const std::string& text) : s_(text) {}

  JsonValue Document() {
    JsonValue v = Value();
    Space();
    if (i_ != s_.size()) Fail("trailing text");
    return v;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error("JSON " + what + " at " + std::to_string(i_));
  }
  void Space() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r' || s_[i_] == '\t')) ++i_;
  }
  bool Take(const std::string& word) {
    if (s_.compare(i_, word.size(), word) != 0) return false;
    i_ += word.size();
    return true;
  }
  void Expect(char c) {
    Space();
    if (i_ >= s_.size() || s_[i_] != c) Fail(std::string("expected ") + c);
    ++i_;
  }

  JsonValue Value() {
    Space();
    if (i_ >= s_.size()) Fail("unexpected end");
    JsonValue v;
    char c = s_[i_];
    if (c == '{') {
      v.type = JsonValue::Type::kObject;
      ++i_;
      Space();
      if (i_ < s_.size() && s_[i_] == '}') {
        ++i_;
        return v;
      }
      for (;;) {
        Space();
        std::string key = String();
        Expect(':');
        v.members.emplace_back(key, Value());
        Space();
        if (i_ < s_.size() && s_[i_] == ',') {
          ++i_;
          continue;
        }
        Expect('}');
        return v;
      }
    }
    if (c == '[') {
      v.type = JsonValue::Type::kArray;
      ++i_;
      Space();
      if (i_ < s_.size() && s_[i_] == ']') {
        ++i_;
        return v;
      }
      for (;;) {
        v.items.push_back(Value());
        Space();
        if (i_ < s_.size() && s_[i_] == ',') {
          ++i_;
          continue;
        }
        Expect(']');
        return v;
      }
    }
    if (c == '"') {
      v.type = JsonValue::Type::kString;
      v.text = String();
      return v;
    }
    if (Take("true")) {
      v.type = JsonValue::Type::kBool;
      v.boolean = true;
      return v;
    }
    if (Take("false")) {
      v.type = JsonValue::Type::kBool;
      return v;
    }
    if (Take("null")) return v;
    return Number();
  }

  JsonValue Number() {
    size_t start = i_;
    if (i_ < s_.size() && s_[i_] == '-') ++i_;
    auto digits = [&] {
      size_t b = i_;
      while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9') ++i_;
      return i_ > b;
    };
    if (!digits()) Fail("bad number");
    if (s_[start] == '0' || (s_[start] == '-' && s_[start + 1] == '0')) {
      if (i_ - start > (s_[start] == '-' ? 2u : 1u)) Fail("leading zero");
    }
    if (i_ < s_.size() && s_[i_] == '.') {
      ++i_;
      if (!digits()) Fail("bad fraction");
    }
    if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
      ++i_;
      if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) ++i_;
      if (!digits()) Fail("bad exponent");
    }
    JsonValue v;
    v.type = JsonValue::Type::kNumber;
    v.numberText = s_.substr(start, i_ - start);
    v.number = std::strtod(v.numberText.c_str(), nullptr);
    return v;
  }

  static void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  unsigned Hex4() {
    if (i_ + 4 > s_.size()) Fail("bad escape");
    unsigned v = 0;
    for (int k = 0; k < 4; ++k) {
      char c = s_[i_++];
      v <<= 4;
      if (c >= '0' && c <= '9')
        v |= static_cast<unsigned>(c - '0');
      else if (c >= 'a' && c <= 'f')
        v |= static_cast<unsigned>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F')
        v |= static_cast<unsigned>(c - 'A' + 10);
      else
        Fail("bad hex digit");
    }
    return v;
  }

  std::string String() {
    if (i_ >= s_.size() || s_[i_] != '"') Fail("expected string");
    ++i_;
    std::string out;
    for (;;) {
      if (i_ >= s_.size()) Fail("unterminated string");
      auto c = static_cast<unsigned char>(s_[i_++]);
      if (c == '"') return out;
      if (c < 0x20) Fail("control character in string");
      if (c != '\\') {
        out += static_cast<char>(c);
        continue;
      }
      if (i_ >= s_.size()) Fail("bad escape");
      char e = s_[i_++];
      switch (e) {
        case '"':
          out += '"';
          break;
        case '\\':
          out += '\\';
          break;
        case '/':
          out += '/';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          unsigned cp = Hex4();
          if (cp >= 0xD800 && cp < 0xDC00 && Take("\\u")) cp = 0x10000 + ((cp - 0xD800) << 10) + (Hex4() - 0xDC00);
          AppendUtf8(out, cp);
          break;
        }
        default:
          Fail("bad escape");
      }
    }
  }

  const std::string& s_;
  size_t i_ = 0;
};

}  // namespace

JsonValue ParseJson(const std::string& text) { return Parser(text).Document(); }

}  // namespace tw::test
