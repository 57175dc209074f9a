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
std::wstring ToWide(std::string_view s, UINT cp) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}
std::string FromWide(const std::wstring& w, UINT cp) {
  if (w.empty()) return {};
  const char* def = cp == CP_UTF8 ? nullptr : "?";
  int n = WideCharToMultiByte(cp, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, def, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(cp, 0, w.data(), static_cast<int>(w.size()), s.data(), n, def, nullptr);
  return s;
}
}  // namespace

std::string SjisToUtf8(std::string_view sjis) { return FromWide(ToWide(sjis, 932), CP_UTF8); }
std::string Utf8ToSjis(std::string_view utf8) { return FromWide(ToWide(utf8, CP_UTF8), 932); }

#else

namespace {

// Converts with iconv; on an invalid or unconvertible sequence it writes
// `replacement` and skips `skip` bytes (one character's worth) of input.
std::string Convert(std::string_view in, const char* to, const char* from, std::string_view replacement,
                    bool fromUtf8) {
  std::string out;
  if (in.empty()) return out;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
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
  iconv_close(cd);
  return out;
}

}  // namespace

std::string SjisToUtf8(std::string_view sjis) { return Convert(sjis, "UTF-8", "CP932", "\xEF\xBF\xBD", false); }

std::string Utf8ToSjis(std::string_view utf8) { return Convert(utf8, "CP932", "UTF-8", "?", true); }

#endif

}  // namespace tw
