#include "text/sjis.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#endif

namespace tw {

#ifdef _WIN32

namespace {

// The same results as the iconv conversion of other systems: a byte
// sequence that is no Shift-JIS character becomes U+FFFD (one character's
// worth of bytes skipped), a character without a code page 932 form '?'
// (never a look-alike, as Windows' best fit would choose).
constexpr wchar_t kReplacement = 0xFFFD;

bool IsTrailByte(unsigned char t) { return t >= 0x40 && t <= 0xFC && t != 0x7F; }

std::string WideToUtf8(const std::wstring& w) {
  if (w.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

}  // namespace

std::wstring SjisToWide(std::string_view sjis) {
  if (sjis.empty()) return {};
  const int n = MultiByteToWideChar(932, 0, sjis.data(), static_cast<int>(sjis.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(932, 0, sjis.data(), static_cast<int>(sjis.size()), w.data(), n);
  return w;
}

std::string WideToSjis(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, "?", nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), s.data(), n, "?", nullptr);
  return s;
}

std::string SjisToUtf8(std::string_view sjis) {
  std::wstring w;
  w.reserve(sjis.size());
  for (size_t i = 0; i < sjis.size();) {
    const auto c = static_cast<unsigned char>(sjis[i]);
    if (c < 0x80) {
      w += static_cast<wchar_t>(c);
      ++i;
      continue;
    }
    const bool lead = IsSjisLeadByte(c) && i + 1 < sjis.size();
    const bool katakana = c >= 0xA1 && c <= 0xDF;
    wchar_t out[2];
    if (lead || katakana) {
      const int width = lead ? 2 : 1;
      if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, sjis.data() + i, width, out, 2) == 1) {
        w += out[0];
        i += static_cast<size_t>(width);
        continue;
      }
    }
    w += kReplacement;
    i += lead && IsTrailByte(static_cast<unsigned char>(sjis[i + 1])) ? 2 : 1;
  }
  return WideToUtf8(w);
}

std::string Utf8ToSjis(std::string_view utf8) {
  if (utf8.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
  std::string out;
  out.reserve(w.size() * 2);
  for (size_t i = 0; i < w.size(); ++i) {
    const wchar_t ch = w[i];
    if (ch >= 0xD800 && ch <= 0xDBFF && i + 1 < w.size()) {  // beyond the BMP: no Shift-JIS form
      out += '?';
      ++i;
      continue;
    }
    char bytes[4];
    BOOL usedDefault = FALSE;
    int len = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &ch, 1, bytes, sizeof bytes, "?", &usedDefault);
    if (len <= 0 || usedDefault || ch == kReplacement) {
      out += '?';
    } else {
      out.append(bytes, static_cast<size_t>(len));
    }
  }
  return out;
}

#else

namespace {

// Both encodings keep ASCII as it is, and most texts converted (paths,
// codes, numbers) are nothing else.
bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// One conversion descriptor per direction and thread, opened on first use:
// opening one costs more than converting a path, and every file access
// converts its path.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  // Back to the initial shift state, as a newly opened descriptor is.
  iconv_t Reset() {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return cd_;
  }

 private:
  iconv_t cd_;
};

Converter& ConverterOf(bool fromUtf8) {
  thread_local Converter toUtf8("UTF-8", "CP932");
  thread_local Converter toSjis("CP932", "UTF-8");
  return fromUtf8 ? toSjis : toUtf8;
}

// Converts with iconv; on an invalid or unconvertible sequence it writes
// `replacement` and skips `skip` bytes (one character's worth) of input.
std::string Convert(std::string_view in, std::string_view replacement, bool fromUtf8) {
  std::string out;
  if (in.empty()) return out;
  if (IsAscii(in)) return std::string(in);
  Converter& converter = ConverterOf(fromUtf8);
  if (!converter.ok()) return std::string(in);
  iconv_t cd = converter.Reset();
  out.reserve(in.size() * 2);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char buf[4096];
  while (srcLeft > 0) {
    char* dst = buf;
    size_t dstLeft = sizeof buf;
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buf, static_cast<size_t>(dst - buf));
    if (r != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: replace one character and go on.
    out.append(replacement);
    size_t skip = 1;
    auto c = static_cast<unsigned char>(*src);
    if (fromUtf8) {
      if (c >= 0xF0)
        skip = 4;
      else if (c >= 0xE0)
        skip = 3;
      else if (c >= 0xC0)
        skip = 2;
    } else if (IsSjisLeadByte(c) && srcLeft >= 2) {
      auto t = static_cast<unsigned char>(src[1]);
      // Skip the trail byte only when it is a valid trail byte.
      if (t >= 0x40 && t <= 0xFC && t != 0x7F) skip = 2;
    }
    if (skip > srcLeft) skip = srcLeft;
    src += skip;
    srcLeft -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

}  // namespace

std::string SjisToUtf8(std::string_view sjis) { return Convert(sjis, "\xEF\xBF\xBD", false); }

std::string Utf8ToSjis(std::string_view utf8) { return Convert(utf8, "?", true); }

#endif

}  // namespace tw
