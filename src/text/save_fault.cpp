#include "text/save_fault.h"

namespace tw {

namespace {
ScopedSaveFault* g_active = nullptr;
}

ScopedSaveFault::ScopedSaveFault(std::string pathSuffix, SaveFaultStage stage)
    : suffix_(std::move(pathSuffix)), stage_(stage), previous_(g_active) {
  g_active = this;
}

ScopedSaveFault::~ScopedSaveFault() { g_active = previous_; }

ScopedSaveFault* ScopedSaveFault::For(std::string_view sjisPath) {
  for (ScopedSaveFault* f = g_active; f != nullptr; f = f->previous_) {
    if (sjisPath.size() >= f->suffix_.size() && sjisPath.substr(sjisPath.size() - f->suffix_.size()) == f->suffix_) {
      ++f->failures_;
      return f;
    }
  }
  return nullptr;
}

}  // namespace tw
