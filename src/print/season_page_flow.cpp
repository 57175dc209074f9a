#include "print/season_page_flow.h"

#include "print/analysis_page.h"

namespace tw {

SeasonPageFlow::SeasonPageFlow() { NewPage(); }

void SeasonPageFlow::Need(int height) {
  if (!Fits(height)) NewPage();
}

void SeasonPageFlow::NewPage() {
  if (page_) pages_.push_back(std::move(*page_));
  page_ = std::make_unique<Page>();
  canvas_ = std::make_unique<PageCanvas>(*page_);
  canvas_->SetFontName(PrintFontName());
  y = kTop;
}

std::vector<Page> SeasonPageFlow::Finish() {
  pages_.push_back(std::move(*page_));
  page_.reset();
  canvas_.reset();
  return std::move(pages_);
}

}  // namespace tw
