#include "analysis/analysis_marks.h"

#include "text/sjis.h"

namespace tw {

const std::string& AxisMarkText() {
  static const std::string kText = Sjis("◎");
  return kText;
}

const std::string& CandidateMarkText() {
  static const std::string kText = Sjis("○");
  return kText;
}

const std::string& PartnerMarkText() {
  static const std::string kText = Sjis("△");
  return kText;
}

const std::string& StruckMarkText() {
  static const std::string kText = Sjis("×");
  return kText;
}

const std::string& ConfirmedMarkText() {
  static const std::string kText = Sjis("▲");
  return kText;
}

const std::string& SmallUpsetText() {
  static const std::string kText = Sjis("小");
  return kText;
}

const std::string& MediumUpsetText() {
  static const std::string kText = Sjis("中");
  return kText;
}

const std::string& LargeUpsetText() {
  static const std::string kText = Sjis("大");
  return kText;
}

}  // namespace tw
