// Conversion between Shift-JIS (code page 932) and UTF-8.
// Everything inside the program is Shift-JIS bytes; UTF-8 is only for the
// screen, the console and the file system's names on POSIX.
#pragma once

#include <string>
#include <string_view>

namespace tw {

// Shift-JIS bytes -> UTF-8. Bytes that do not convert become U+FFFD.
std::string SjisToUtf8(std::string_view sjis);

// UTF-8 -> Shift-JIS bytes. Characters without a code page 932 form become '?'.
std::string Utf8ToSjis(std::string_view utf8);

// A program text written as a UTF-8 literal in the source, as Shift-JIS.
// Use it once per text, e.g. `static const std::string kMsg = Sjis("…");`.
inline std::string Sjis(std::string_view utf8) { return Utf8ToSjis(utf8); }

#ifdef _WIN32
// Code page 932 and the platform's wide texts, as JV-Link's COM control and
// the Windows calls take them: plain conversions, the same bytes back for
// every Shift-JIS character (a character without a code page 932 form
// becomes '?').
std::wstring SjisToWide(std::string_view sjis);
std::string WideToSjis(std::wstring_view wide);
#endif

// True when the byte starts a double-byte Shift-JIS character.
inline bool IsSjisLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

}  // namespace tw
