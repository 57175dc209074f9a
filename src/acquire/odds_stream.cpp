#include "acquire/odds_stream.h"

#include "codes/jv_message.h"
#include "store/snapshot_slot.h"
#include "text/sjis.h"

namespace tw {

namespace {

const std::string& SaveFailedText() {
  static const std::string kText = Sjis("ファイルを保存できません：");
  return kText;
}

}  // namespace

std::vector<std::string> RaceTextsOf(const RaceDayModel& model) {
  std::vector<std::string> texts;
  texts.reserve(model.slots.size());
  for (const auto& slot : model.slots) texts.push_back(slot.race);
  return texts;
}

void ReportInMode(AcquisitionContext& c, ReportMode mode, const std::string& dialogText, const std::string& statusText,
                  FetchTally& tally, bool beep) {
  ++tally.failures;
  if (mode == ReportMode::kInteractive) {
    c.ui.Beep();
    c.ui.Inform(dialogText);
  } else {
    if (beep) c.ui.Beep();
    c.log.Append(statusText);  // shows it in the status label, then logs it
  }
}

void StoreOddsRecord(AcquisitionContext& c, ReportMode mode, const std::string& record, FetchTally& tally) {
  if (!IsStorableOddsRecord(record)) return;
  StoreResult result = c.store.StoreOddsSnapshot(record, RaceTextsOf(c.model));
  if (result.failed()) {
    // Losing a snapshot silently would leave a gap in the day's analysis.
    std::string text = SaveFailedText() + result.name + Sjis("（") + result.error + Sjis("）");
    ReportInMode(c, mode, text, text, tally);
  } else if (result.stored) {
    ++tally.stored;
  }
}

void ReadOddsStream(AcquisitionContext& c, ReportMode mode, FetchTally& tally) {
  int size = 60000;
  for (;;) {
    c.ui.ProcessEvents();
    JVReadResult r = c.jv.JVRead(size);
    if (r.code > 0) {
      StoreOddsRecord(c, mode, r.record, tally);
    } else if (r.code == 0) {
      return;
    } else if (r.code < -3) {
      std::string message = JVMessage("JVRead", r.code);
      ReportInMode(c, mode, Sjis("JVReadエラー:") + message, message, tally);
      return;
    }
    // -1 next file, -2 and -3 not ready: read again.
  }
}

void CloseOddsStream(AcquisitionContext& c, ReportMode mode, FetchTally& tally) {
  int code = c.jv.JVClose();
  c.ui.SetBusy(false);
  if (code != 0) {
    std::string message = JVMessage("JVClose", code);
    ReportInMode(c, mode, Sjis("JVCloseエラー:") + message, message, tally);
  }
}

void EndWithCallError(AcquisitionContext& c, ReportMode mode, const JVLinkCallError& error, FetchTally& tally) {
  try {
    c.jv.JVClose();
  } catch (const JVLinkCallError&) {
    // The first failure is the one reported.
  }
  c.ui.SetBusy(false);
  std::string text = error.what();
  ReportInMode(c, mode, text, text, tally);
}

void FetchRaceInteractive(AcquisitionContext& c, const std::string& raceKey, FetchTally& tally) {
  try {
    int code = c.jv.JVRTOpen("0B30", raceKey);
    if (code != 0) {
      std::string message = JVMessage("JVRTOpen", code);
      ReportInMode(c, ReportMode::kInteractive, Sjis("JVRTOpenエラー:") + message, message, tally);
      CloseOddsStream(c, ReportMode::kInteractive, tally);
      return;
    }
    ReadOddsStream(c, ReportMode::kInteractive, tally);
    CloseOddsStream(c, ReportMode::kInteractive, tally);
  } catch (const JVLinkCallError& e) {
    EndWithCallError(c, ReportMode::kInteractive, e, tally);
  }
}

}  // namespace tw
