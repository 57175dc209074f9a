// The rows of the race list and the race slot each row shows. A race line
// whose year is "0000" takes a slot but gets no row, so a row number is not
// always its slot number; every reader goes through this mapping.
#pragma once

#include <string>
#include <vector>

#include "analysis/race_day_model.h"

namespace tw {

struct RaceList {
  std::vector<std::string> entries;  // entry texts, Shift-JIS
  std::vector<int> slots;            // slots[row] = slot index of that row

  int rows() const { return static_cast<int>(entries.size()); }
  void Clear();
  void Add(const std::string& text, int slot);
  // The slot shown by a row; -1 when the row does not exist.
  int SlotOfRow(int row) const;
  // The row that shows a slot; -1 when the slot has no row.
  int RowOfSlot(int slot) const;
  // The row to select after a load: the row of `rememberedRace`; when that
  // slot has no row, the last row showing an earlier slot (so a remembered
  // race past the end selects the last row), else the first row; -1 when the
  // list is empty.
  int RowForRemembered(int rememberedRace) const;
};

// Selecting a row makes its slot the race on view and the remembered race.
// Returns the slot, or -1 (nothing changed) when the row does not exist.
int SelectRaceRow(RaceDayModel& model, const RaceList& list, int row);

}  // namespace tw
