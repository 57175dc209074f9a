// One odds field of an O1 or O2 record read into a number. Odds carry one
// implied decimal ("0056" is 5.6); a field that holds no odds says why by
// filling the whole field with one character.
#pragma once

#include <cstdint>
#include <string_view>

namespace tw {

enum class OddsState : std::uint8_t {
  kNotRegistered,         // spaces: no horse in the slot, no such pair
  kNoVotes,               // zeros: "0000"
  kCancelledBeforeSales,  // dashes: "----", cancelled before sales (a horse scratched early)
  kCancelledAfterSales,   // asterisks: "****", cancelled once sales had begun
  kOdds,                  // anything else; its value may still be 0 or below
};

// The state a field's text stands for. An empty text is not registered.
OddsState OddsStateOf(std::string_view text);

// Plain data, so that a snapshot's hundreds of fields are written once, not
// cleared first: OddsNumber{} is a field not registered, with value 0.
struct OddsNumber {
  // The text's integer value as IntValue reads it (leading spaces, a sign,
  // digits up to the first other byte): odds x 10. Every state but kOdds
  // reads as 0.
  std::int32_t value;
  OddsState state;
  // The text's bytes, the first one highest: of two fields of one width the
  // smaller order is the text that sorts first byte by byte.
  std::uint64_t textOrder;

  bool HasOdds() const { return state == OddsState::kOdds; }
};

// An odds text carries odds unless it is blank, all zeros ("0000"), or the
// scratched / not-sold forms of dashes or asterisks over the whole field.
inline bool IsValidOddsText(std::string_view text) { return OddsStateOf(text) == OddsState::kOdds; }

// Reads a field text of at most 8 bytes (odds fields have 4, 5 or 6); of a
// longer text only the first 8.
OddsNumber ReadOddsNumber(std::string_view text);

// The field of `width` bytes (at most 8) at 1-based position `pos` of a
// record; bytes past the end of a short record read as spaces.
OddsNumber ReadOddsNumberAt(std::string_view record, int pos, int width);

}  // namespace tw
