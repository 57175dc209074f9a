// The one printer every print of the program goes to: set up by the printer
// dialogs, A4 upright until changed. A print job that cannot start leaves
// the printer it had begun on unusable, so the holder replaces it by a fresh
// one: the next attempt starts clean.
#pragma once

#include <QString>
#include <memory>

class QPainter;
class QPrinter;

namespace tw {

class SharedPrinter {
 public:
  SharedPrinter();
  ~SharedPrinter();

  QPrinter& printer();

  enum class Start { kStarted, kNoPrinter, kFailed };
  // Begins a job on the printer with `painter`. kNoPrinter when there is
  // neither an installed printer nor an output file to print to; kFailed
  // when the job did not start, after which the printer is a fresh one.
  Start Begin(QPainter& painter, const QString& documentName);
  // True when there is something to print on.
  bool HasTarget();
  // A4 upright, as the print window leaves it.
  void ResetPaper();

 private:
  void Renew();
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace tw
