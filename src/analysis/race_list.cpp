#include "analysis/race_list.h"

namespace tw {

void RaceList::Clear() {
  entries.clear();
  slots.clear();
}

void RaceList::Add(const std::string& text, int slot) {
  entries.push_back(text);
  slots.push_back(slot);
}

int RaceList::SlotOfRow(int row) const {
  if (row < 0 || row >= rows()) return -1;
  return slots[static_cast<size_t>(row)];
}

int RaceList::RowOfSlot(int slot) const {
  for (int row = 0; row < rows(); ++row) {
    if (slots[static_cast<size_t>(row)] == slot) return row;
  }
  return -1;
}

int RaceList::RowForRemembered(int rememberedRace) const {
  if (rows() == 0) return -1;
  int exact = RowOfSlot(rememberedRace);
  if (exact >= 0) return exact;
  int before = -1;
  for (int row = 0; row < rows(); ++row) {
    if (slots[static_cast<size_t>(row)] < rememberedRace) before = row;
  }
  return before >= 0 ? before : 0;
}

int SelectRaceRow(RaceDayModel& model, const RaceList& list, int row) {
  int slot = list.SlotOfRow(row);
  if (slot < 0) return -1;
  model.selectedRace = slot;
  model.rememberedRace = slot;
  return slot;
}

}  // namespace tw
