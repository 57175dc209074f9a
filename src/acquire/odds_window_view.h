// What the odds fetch window shows while it fetches the ticked races.
#pragma once

#include <string>

namespace tw {

class OddsWindowView {
 public:
  virtual ~OddsWindowView() = default;
  virtual void SetProgress(int position, int maximum) = 0;    // the progress bar
  virtual void SetProgressText(const std::string& text) = 0;  // the text beside the bar
  // Asked between races, after the window's events ran: true ends the run.
  virtual bool StopRequested() { return false; }
  // The run has ended; its summary is told next.
  virtual void RunEnded() {}
};

}  // namespace tw
