#include "analysis/payout_import.h"

#include "records/layout.h"
#include "records/record_header.h"
#include "store/fixed_record_file.h"
#include "text/fields.h"

namespace tw {

bool ImportPayouts(RaceDayModel& model, const std::string& payoutFilePath, DayFileProblems* problems) {
  FixedRecordFile file(payoutFilePath, kPayoutRecordLength, kPayoutFileByteLimit);
  if (problems) NoteReadProblem(*problems, payoutFilePath, file.status(), file.count(), file.damagedRecords());
  if (!file.exists()) return false;

  for (auto& slot : model.slots) slot.payout.assign(kPayoutRecordLength, ' ');

  for (int n = 0; n < file.count() && n < kMaxRaces; ++n) {
    std::string_view record = file.Record(n);
    std::string_view key = WholeRaceKey(record);
    // A blank key would match every empty slot; it names no race.
    if (key.empty() || IsBlank(key)) continue;
    for (auto& slot : model.slots) {
      if (WholeRaceKey(slot.race) != key) continue;
      slot.payout.assign(record);
      slot.analysis.hasPayout = true;
      break;
    }
  }
  return true;
}

}  // namespace tw
