// Fixed-position fields of JV-Data records and other record texts.
// Positions are 1-based byte positions in the Shift-JIS text.
#pragma once

#include <string>
#include <string_view>

namespace tw {

// The `width` bytes from 1-based position `pos`. Bytes past the end of a short
// record read as spaces, so the result always has `width` bytes.
std::string Field(std::string_view record, int pos, int width);

// The integer value of a text: leading spaces skipped, one optional sign, then
// decimal digits up to the first other character. No digits gives 0.
long long IntValue(std::string_view text);

// The integer value of a field.
// A field inside its record is read where it stands, without a copy: every
// payout and odds figure of a season goes through here.
inline long long FieldInt(std::string_view record, int pos, int width) {
  if (width > 0 && pos >= 1 && static_cast<size_t>(pos - 1) + static_cast<size_t>(width) <= record.size())
    return IntValue(record.substr(static_cast<size_t>(pos - 1), static_cast<size_t>(width)));
  return IntValue(Field(record, pos, width));
}

// The text without leading and trailing spaces (half-width spaces only).
std::string Trim(std::string_view text);

// True when the text is empty or only spaces.
bool IsBlank(std::string_view text);

// True when the text is not empty and holds only the digits 0-9.
bool AllDigits(std::string_view text);

// `text` cut or padded with spaces on the right to exactly `width` bytes.
std::string PadRight(std::string_view text, size_t width);

// True when `a` equals `b` ignoring ASCII case (file names compare this way).
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Removes a trailing CR LF (or a lone LF or CR) from a record.
std::string_view StripLineEnd(std::string_view record);

}  // namespace tw
