// A child process started from a command line, with pipes to its standard
// input and output (its standard error is the program's): the JV-Link
// bridge as the program sees it. POSIX and Windows each have their own.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace tw {

class BridgeProcess {
 public:
  virtual ~BridgeProcess() = default;

  // Starts `argv` (Shift-JIS texts, the program first); nullptr with `error`
  // when it cannot be started.
  static std::unique_ptr<BridgeProcess> Start(const std::vector<std::string>& argv, std::string& error);

  // Writes all of `bytes`; false when the process no longer reads.
  virtual bool Write(const std::string& bytes) = 0;
  // Reads what has arrived, waiting at most `waitMillis` for something:
  // the bytes read (> 0), 0 when nothing came in time, -1 at the end of its
  // output (the process ended or closed it).
  virtual int ReadSome(char* buffer, int capacity, int waitMillis) = 0;
  // Ends the process at once and waits for it.
  virtual void Kill() = 0;
  // Closes its input and gives it `graceMillis` to end, then kills it.
  virtual void Finish(int graceMillis) = 0;
};

// Splits a command line into its words: spaces separate, double quotes
// group (a path with spaces), a backslash stays as it is (Windows paths).
std::vector<std::string> SplitCommandLine(const std::string& line);

}  // namespace tw
