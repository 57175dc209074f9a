#include "analysis/payout_import.h"

#include "store/fixed_record_file.h"
#include "text/fields.h"

namespace tw {

namespace {

constexpr int kKeyPos = 12;
constexpr int kKeyWidth = 16;

// Positions 12-27; empty when the text is too short to hold them.
std::string_view RaceKeyOf(std::string_view record) {
  if (record.size() < kKeyPos - 1 + kKeyWidth) return {};
  return record.substr(kKeyPos - 1, kKeyWidth);
}

}  // namespace

bool ImportPayouts(RaceDayModel& model, const std::string& payoutFilePath) {
  FixedRecordFile file(payoutFilePath, kPayoutRecordLength);
  if (!file.exists()) return false;

  for (auto& slot : model.slots) slot.payout.assign(kPayoutRecordLength, ' ');

  for (int n = 0; n < file.count() && n < kMaxRaces; ++n) {
    std::string_view record = file.Record(n);
    std::string_view key = RaceKeyOf(record);
    // A blank key would match every empty slot; it names no race.
    if (key.empty() || IsBlank(key)) continue;
    for (auto& slot : model.slots) {
      if (RaceKeyOf(slot.race) != key) continue;
      slot.payout.assign(record);
      slot.analysis.hasPayout = true;
      break;
    }
  }
  return true;
}

}  // namespace tw
