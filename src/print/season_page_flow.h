// The pages of the printed season report as they fill: drawing goes on the
// current page until what comes next does not fit, then on a new one.
#pragma once

#include <memory>
#include <vector>

#include "print/page.h"

namespace tw {

class SeasonPageFlow {
 public:
  // Tenths of a millimetre from the top of the printable area.
  static constexpr int kTop = 100;
  static constexpr int kBottom = 2700;

  SeasonPageFlow();

  PageCanvas& canvas() { return *canvas_; }
  // Whether `height` more fits below y.
  bool Fits(int height) const { return y + height <= kBottom; }
  // A new page unless `height` fits on this one.
  void Need(int height);
  void NewPage();
  // Every page, the current one last.
  std::vector<Page> Finish();

  int y = kTop;

 private:
  std::vector<Page> pages_;
  std::unique_ptr<Page> page_;
  std::unique_ptr<PageCanvas> canvas_;
};

}  // namespace tw
